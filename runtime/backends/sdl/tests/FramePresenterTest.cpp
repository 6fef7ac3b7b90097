#include <gtest/gtest.h>

#include <cstring>

#include "runtime/backends/sdl/FramePresenter.h"
#include "runtime/backends/sdl/SdlHandles.h"
#include "runtime/backends/sdl/tests/TestSupport.h"

namespace runtime::sdl {
namespace {

using test::ScopedEnv;
using Factory = std::unique_ptr<FramePresenter> (*)(SDL_Window*);

// Both ways of putting a frame on screen, on SDL's "dummy" video driver,
// whose window surface is what the screen would show.
class Presenter : public testing::TestWithParam<Factory> {
protected:
    void SetUp() override {
        ASSERT_TRUE(video.Ready()) << SDL_GetError();
        window.reset(SDL_CreateWindow("Korvanda", 0, 0, 64, 48, SDL_WINDOW_HIDDEN));
        ASSERT_TRUE(window) << SDL_GetError();
        presenter = GetParam()(window.get());
        ASSERT_TRUE(presenter) << SDL_GetError();
    }

    // The colour (0xRRGGBB) of a pixel as the screen shows it.
    Uint32 ScreenRgb(int x, int y) const {
        SDL_Surface* screen = SDL_GetWindowSurface(window.get());
        if (screen == nullptr || x >= screen->w || y >= screen->h) return 0xDEADu;
        Uint32 raw;
        std::memcpy(&raw, static_cast<Uint8*>(screen->pixels) + y * screen->pitch + x * 4, 4);
        Uint8 r, g, b;
        SDL_GetRGB(raw, screen->format, &r, &g, &b);
        return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
    }

    ScopedEnv driver{"SDL_VIDEODRIVER", "dummy"};
    SdlSubsystem video{SDL_INIT_VIDEO};
    SdlPtr<SDL_Window> window;
    std::unique_ptr<FramePresenter> presenter;
};

TEST_P(Presenter, FirstFrameIsShownWholeThenOnlyItsChangedParts) {
    EXPECT_FALSE(presenter->ShowAgain()) << "nothing shown yet";
    Image frame(64, 48, 0x00FFFFFF);  // the alpha byte of a frame is ignored
    frame.At(63, 47) = 0x00ABCDEF;
    const Rect corner[] = {{0, 0, 1, 1}};
    ASSERT_TRUE(presenter->Show(frame, corner));
    EXPECT_EQ(ScreenRgb(63, 47), 0xABCDEFu) << "the first frame goes whole";

    frame.At(5, 5) = 0xFF0000FF;
    frame.At(60, 40) = 0xFFFF0000;  // changed, but not reported
    frame.At(63, 0) = 0xFF00FF00;
    const Rect changed[] = {{4, 4, 3, 3}, {62, -10, 50, 11}};  // the second reaches past the frame
    ASSERT_TRUE(presenter->Show(frame, changed));
    EXPECT_EQ(ScreenRgb(5, 5), 0x0000FFu);
    EXPECT_EQ(ScreenRgb(63, 0), 0x00FF00u);
    EXPECT_EQ(ScreenRgb(60, 40), 0xFFFFFFu);
    EXPECT_TRUE(presenter->ShowAgain());

    presenter->Invalidate();
    ASSERT_TRUE(presenter->Show(frame, corner));
    EXPECT_EQ(ScreenRgb(60, 40), 0xFF0000u) << "after the window lost its pixels, the frame goes whole";
}

TEST_P(Presenter, DamagedFrameIsRefused) {
    Image torn(64, 48);
    torn.pixels.resize(10);
    const Rect all[] = {{0, 0, 64, 48}};
    EXPECT_FALSE(presenter->Show(torn, all));
    EXPECT_FALSE(presenter->Show(Image(), all));
}

// The desktop made the window larger than the frame (maximized it): the
// frame sits at the top left, on its own background colour.
// (A renderer stretches the frame to the window instead.)
class SurfacePresenter : public Presenter {};

TEST_P(SurfacePresenter, LargerWindowShowsTheFrameOnItsBackground) {
    Image frame(64, 48, 0xFFF0F0F0);
    frame.At(0, 0) = 0xFF123456;
    const Rect all[] = {{0, 0, 64, 48}};
    ASSERT_TRUE(presenter->Show(frame, all));
    SDL_SetWindowSize(window.get(), 80, 60);
    ASSERT_TRUE(presenter->Show(frame, all));
    EXPECT_EQ(ScreenRgb(0, 0), 0x123456u);
    EXPECT_EQ(ScreenRgb(70, 10), 0xF0F0F0u);
    EXPECT_EQ(ScreenRgb(10, 55), 0xF0F0F0u);
}

INSTANTIATE_TEST_SUITE_P(Sdl, Presenter, testing::Values(&CreateSurfacePresenter, &CreateRendererPresenter),
                         [](const auto& info) { return info.index == 0 ? "Surface" : "Renderer"; });
INSTANTIATE_TEST_SUITE_P(Sdl, SurfacePresenter, testing::Values(&CreateSurfacePresenter));

}  // namespace
}  // namespace runtime::sdl
