#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <thread>

#include "runtime/Backend.h"
#include "runtime/Runtime.h"
#include "runtime/Window.h"
#include "runtime/backends/sdl/SdlPlatform.h"
#include "runtime/backends/sdl/tests/TestSupport.h"

namespace runtime::sdl {
namespace {

using namespace std::chrono_literals;
using test::ScopedEnv;

// SDL's "dummy" video driver: windows without a screen.
class DummyDesktop : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        platform = SdlPlatform::Create(error);
        ASSERT_TRUE(platform) << error;
    }

    bool Open(Size frame, Image icon = {}) {
        WindowRequest request;
        request.caption = "Korvanda";
        request.icon = std::move(icon);
        request.frameSize = frame;
        request.position = Point{40, 30};
        return platform->OpenWindow(request);
    }

    // The colour (0xRRGGBB) of a pixel of the window as the screen shows it.
    Uint32 ScreenRgb(int x, int y) const {
        SDL_Surface* screen = SDL_GetWindowSurface(platform->NativeWindow());
        if (screen == nullptr || x >= screen->w || y >= screen->h) return 0xDEADu;
        Uint32 raw;
        std::memcpy(&raw, static_cast<Uint8*>(screen->pixels) + y * screen->pitch + x * 4, 4);
        Uint8 r, g, b;
        SDL_GetRGB(raw, screen->format, &r, &g, &b);
        return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
    }

    std::optional<InputEvent> Next() { return platform->WaitInput(std::chrono::steady_clock::now() + 2s); }

    ScopedEnv video{"SDL_VIDEODRIVER", "dummy"};
    ScopedEnv audio{"SDL_AUDIODRIVER", "dummy"};
    std::unique_ptr<SdlPlatform> platform;
};

TEST_F(DummyDesktop, PresentedFrameIsOnScreen) {
    ASSERT_TRUE(Open({64, 48}, Image(16, 16, 0xFF336699)));
    Image frame(64, 48, 0x00FFFFFF);  // the alpha byte of a frame is ignored
    frame.At(10, 20) = 0xFF112233;
    frame.At(63, 47) = 0x00ABCDEF;
    platform->Present(frame);
    EXPECT_EQ(ScreenRgb(0, 0), 0xFFFFFFu);
    EXPECT_EQ(ScreenRgb(10, 20), 0x112233u);
    EXPECT_EQ(ScreenRgb(63, 47), 0xABCDEFu);
}

TEST_F(DummyDesktop, OnlyTheChangedPartsAreUploaded) {
    ASSERT_TRUE(Open({64, 48}));
    Image frame(64, 48, 0xFFFFFFFF);
    platform->Present(frame);
    frame.At(5, 5) = 0xFF0000FF;
    frame.At(60, 40) = 0xFFFF0000;   // changed, but not reported
    frame.At(63, 0) = 0xFF00FF00;
    const Rect changed[] = {{4, 4, 3, 3}, {62, -10, 50, 11}};  // the second reaches past the frame
    platform->PresentChanged(frame, changed);
    EXPECT_EQ(ScreenRgb(5, 5), 0x0000FFu);
    EXPECT_EQ(ScreenRgb(63, 0), 0x00FF00u);
    EXPECT_EQ(ScreenRgb(60, 40), 0xFFFFFFu);
}

TEST_F(DummyDesktop, FrameOfANewSizeResizesTheWindow) {
    ASSERT_TRUE(Open({64, 48}));
    platform->Present(Image(100, 80, 0xFF000000));
    int width = 0, height = 0;
    SDL_GetWindowSize(platform->NativeWindow(), &width, &height);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 80);
}

TEST_F(DummyDesktop, DamagedImagesAreIgnored) {
    Image torn(32, 32);
    torn.pixels.resize(10);  // claims more pixels than it holds
    ASSERT_TRUE(Open({32, 32}, torn));
    platform->Present(torn);
    platform->Present(Image());
    EXPECT_FALSE(platform->OpenWindow(WindowRequest{})) << "a window of no size";
}

TEST_F(DummyDesktop, MouseInputArrivesInFramePixels) {
    ASSERT_TRUE(Open({64, 48}));
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    click.button.windowID = SDL_GetWindowID(platform->NativeWindow());
    click.button.x = 12;
    click.button.y = 34;
    SDL_PushEvent(&click);
    std::optional<InputEvent> input;
    while ((input = Next()) && input->type != InputEvent::Type::MouseDown) {
    }
    ASSERT_TRUE(input);
    EXPECT_EQ(input->position, (Point{12, 34}));
}

TEST_F(DummyDesktop, WaitEndsAtItsDeadlineOrWhenWoken) {
    ASSERT_TRUE(Open({64, 48}));
    while (Next()) {
    }  // the window's own start-up events
    EXPECT_FALSE(platform->WaitInput(std::chrono::steady_clock::now() + 20ms));
    EXPECT_FALSE(platform->WaitInput(std::chrono::steady_clock::now() - 1s)) << "a deadline already past";

    std::thread waker([this] {
        std::this_thread::sleep_for(20ms);
        platform->Wake();
    });
    EXPECT_FALSE(platform->WaitInput(std::nullopt)) << "woken, with nothing to report";
    waker.join();
}

TEST_F(DummyDesktop, TerminationSignalAsksTheWindowToClose) {
    ASSERT_TRUE(Open({64, 48}));
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        ASSERT_EQ(kill(getpid(), signal), 0);
        std::optional<InputEvent> input;
        while ((input = Next()) && input->type != InputEvent::Type::CloseRequested) {
        }
        ASSERT_TRUE(input) << "the process is still alive and heard the request";
    }
}

TEST_F(DummyDesktop, PlacementIsKeptWhenTheWindowCloses) {
    ASSERT_TRUE(Open({64, 48}));
    platform->SetWindowPosition({123, 45});
    EXPECT_EQ(platform->WindowPosition(), (Point{123, 45}));
    EXPECT_FALSE(platform->IsMinimized());
    EXPECT_FALSE(platform->IsMaximized());
    platform->CloseWindow();
    EXPECT_EQ(platform->NativeWindow(), nullptr);
    EXPECT_EQ(platform->WindowPosition(), (Point{123, 45}));
}

TEST_F(DummyDesktop, ScreenIsDescribed) {
    const ScreenInfo screen = platform->Screen();
    EXPECT_GT(screen.size.width, 0);
    EXPECT_GT(screen.size.height, 0);
    EXPECT_LE(screen.usable.width, screen.size.width);
    EXPECT_GT(screen.usable.width, 0);
    EXPECT_GE(screen.dotsPerInch, 48);
    EXPECT_GT(screen.bitsPerPixel, 0);
}

TEST(SdlPlatform, ScaleComesFromTheEnvironmentWhenUsable) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1.5", 1.5}, {"2", 2.0}, {"0.25", 0.25}, {"8", 8.0},
        {nullptr, std::nullopt}, {"", std::nullopt}, {"big", std::nullopt}, {"1.5x", std::nullopt},
        {" 2", std::nullopt}, {"0", std::nullopt}, {"-1", std::nullopt}, {"100", std::nullopt},
        {"nan", std::nullopt}, {"inf", std::nullopt},
    };
    for (const auto& [text, scale] : cases) EXPECT_EQ(ParseScale(text), scale) << (text ? text : "(unset)");

    ScopedEnv video{"SDL_VIDEODRIVER", "dummy"};
    std::string error;
    const auto platform = SdlPlatform::Create(error);
    ASSERT_TRUE(platform) << error;
    {
        ScopedEnv scale{"KORVANDA_SCALE", "1.75"};
        EXPECT_EQ(platform->DisplayScale(), 1.75);
    }
    ScopedEnv scale{"KORVANDA_SCALE", "lots"};
    EXPECT_EQ(platform->DisplayScale(), 0.0) << "the window chooses";
}

TEST(DesktopRuntime, StartsWithADisplay) {
    ScopedEnv video{"SDL_VIDEODRIVER", "dummy"};
    ScopedEnv audio{"SDL_AUDIODRIVER", "dummy"};
    std::string error;
    const auto runtime = CreateDesktopRuntime(error);
    ASSERT_TRUE(runtime) << error;
    WindowRequest request;
    request.caption = "Korvanda";
    request.frameSize = {80, 60};
    ASSERT_TRUE(runtime->platform().OpenWindow(request));
    runtime->platform().Present(Image(80, 60));
    runtime->sound().Play("missing.wav");
    EXPECT_GT(runtime->clock().TimeOfDay(), 0);
}

// SIGTERM while the program is busy between events (a spoken equation
// waiting between its words): the wait ends at once, with the close event
// first in line.
TEST(DesktopRuntime, TerminationSignalEndsAWaitOfABusyProgram) {
    ScopedEnv video{"SDL_VIDEODRIVER", "dummy"};
    ScopedEnv audio{"SDL_AUDIODRIVER", "dummy"};
    std::string error;
    const auto runtime = CreateDesktopRuntime(error);
    ASSERT_TRUE(runtime) << error;
    static constexpr WindowDefinition Empty{
        .caption = "Korvanda", .icon = {}, .width = 40, .height = 30, .font = {}, .controls = {}};
    Window window(Empty, *runtime);
    ASSERT_TRUE(window.Open());
    ASSERT_EQ(window.NextEvent(false)->kind, EventKind::OpenWindow);

    const auto start = std::chrono::steady_clock::now();
    std::thread desktop([] {
        std::this_thread::sleep_for(100ms);
        kill(getpid(), SIGTERM);
    });
    const bool waitedItOut = window.WaitShowing(start + 20s);
    desktop.join();
    EXPECT_FALSE(waitedItOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    const auto next = window.NextEvent(false);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->kind, EventKind::CloseWindow);
}

TEST(DesktopRuntime, WithoutADisplayGivesOneLineWhy) {
    ScopedEnv video{"SDL_VIDEODRIVER", "no-such-display"};
    std::string error;
    EXPECT_FALSE(CreateDesktopRuntime(error));
    EXPECT_EQ(error.rfind("cannot open a display: ", 0), 0u) << error;
    EXPECT_GT(error.size(), std::strlen("cannot open a display: ")) << "and says why";
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace runtime::sdl
