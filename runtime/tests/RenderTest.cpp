#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "TestWindows.h"
#include "runtime/PngFile.h"

namespace runtime::testing {
namespace {

constexpr std::uint32_t PanelBlue = 0xFF8080FF;  // 0xFF8080 in the programs' colour form
constexpr std::uint32_t Red = 0xFFFF0000;

class Render : public ::testing::TestWithParam<double> {
protected:
    Render() : f(GetParam()) {}
    // The frame pixel that shows this 96-DPI client pixel.
    std::uint32_t PixelAt(Point client) {
        const Point p = f.window->FrameFromClient(client);
        return f.window->Frame().At(p.x, p.y);
    }
    Point Inside(int control, int dx, int dy) const {
        const Rect r = f.window->ControlRect(Id(control));
        return {r.x + dx, r.y + dy};
    }
    WorkingFolder folder;
    Fixture f;
};

TEST_P(Render, FrameIsScaledAndPresentedAtOpen) {
    const Image& frame = f.window->Frame();
    EXPECT_EQ(frame.width, std::lround(f.window->ClientSize().width * GetParam()));
    EXPECT_GT(frame.height, std::lround(f.window->ClientSize().height * GetParam()));  // and the menu bar
    EXPECT_EQ(f.headless.platform->LastFrame().pixels, frame.pixels);
}

TEST_P(Render, PanelFillShowsWhereNoImageIsShown) {
    EXPECT_EQ(PixelAt(Inside(Ctl::Panel, 2, 2)), PanelBlue);
    EXPECT_EQ(PixelAt(Inside(Ctl::Picture, 10, 10)), PanelBlue);  // the image is hidden

    f.window->SetPictureFromMemory(Id(Ctl::Picture), SolidBmp(20, 20, 0xFF0000));
    EXPECT_EQ(PixelAt(Inside(Ctl::Picture, 10, 10)), PanelBlue);  // still hidden
    f.window->Unhide(Id(Ctl::Picture));
    EXPECT_EQ(PixelAt(Inside(Ctl::Picture, 10, 10)), Red);
    EXPECT_EQ(PixelAt(Inside(Ctl::Picture, 25, 10)), PanelBlue);  // the picture is 20 pixels wide
    f.window->Hide(Id(Ctl::Picture));
    EXPECT_EQ(PixelAt(Inside(Ctl::Picture, 10, 10)), PanelBlue);

    f.window->SetFill(Id(Ctl::Panel), 0x00FF00);
    EXPECT_EQ(PixelAt(Inside(Ctl::Panel, 2, 2)), 0xFF00FF00u);
}

TEST_P(Render, HiddenGroupHidesItsPictures) {
    WriteFile("bead.bmp", SolidBmp(20, 10, 0xFF0000));
    f.window->SetPicture(Id(Ctl::Bead), "bead.bmp");
    EXPECT_EQ(PixelAt(Inside(Ctl::Bead, 5, 5)), Red);
    f.window->Hide(Id(Ctl::Group));
    EXPECT_NE(PixelAt(Inside(Ctl::Bead, 5, 5)), Red);
    f.window->Unhide(Id(Ctl::Group));
    EXPECT_EQ(PixelAt(Inside(Ctl::Bead, 5, 5)), Red);
}

TEST_P(Render, LineIsDrawnInItsColour) {
    const Rect line = f.window->ControlRect(Id(Ctl::Line));
    EXPECT_EQ(PixelAt({line.x + line.width / 2, line.y}), Red);
    EXPECT_NE(PixelAt({line.x + line.width / 2, line.y + 6}), Red);  // 4 pixels wide
}

TEST_P(Render, DisplayShowsItsVariableAfterRefresh) {
    auto darkPixels = [&] {
        const Rect r = f.window->ControlRect(Id(Ctl::Count));
        int dark = 0;
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x) dark += (PixelAt({x, y}) & 0xFF) < 0x40;
        return dark;
    };
    const int zero = darkPixels();
    EXPECT_GT(zero, 0);  // "0" in black
    f.number = -10;
    f.window->Refresh();
    EXPECT_GT(darkPixels(), zero);  // "-10" has more ink
}

// The incremental frame must equal a frame drawn in one go from the same state.
TEST_P(Render, IncrementalFrameEqualsAFullRepaint) {
    WriteFile("bead.bmp", SolidBmp(20, 10, 0x00FF00));
    const std::vector<std::uint8_t> picture = SolidBmp(20, 20, 0x0000FF);
    auto change = [&](Window& w) {
        w.SetPicture(Id(Ctl::Bead), "bead.bmp");
        w.SetPictureFromMemory(Id(Ctl::Picture), picture);
        w.Unhide(Id(Ctl::Picture));
        w.SetFill(Id(Ctl::Group), 0x0000FF);
        w.Hide(Id(Ctl::Go));
        w.SetFocus(Id(Ctl::Minus));
    };
    f.window->Frame();
    change(*f.window);
    f.number = 2;
    f.op = "MINUS";
    f.window->Refresh();
    f.window->Unhide(Id(Ctl::Go));
    f.window->Hide(Id(Ctl::Go));

    Window fresh(SampleWindow(), *f.headless.runtime);
    fresh.Bind(Id(Ctl::Numbers), f.number);
    fresh.Bind(Id(Ctl::Count), f.number);
    fresh.Bind(Id(Ctl::Operator), f.op.Span());
    fresh.Bind(Id(Ctl::Symbol), f.symbol.Span());
    change(fresh);
    EXPECT_EQ(f.window->Frame().pixels, fresh.Frame().pixels);

    // What was drawn before a refresh reaches the desktop with it, once the
    // window waits for input again.
    f.number = 1;
    f.window->Refresh();
    Drain(*f.window);
    EXPECT_EQ(f.headless.platform->LastFrame().pixels, f.window->Frame().pixels);
}

TEST_P(Render, ScreenshotIsAPngOfTheFrame) {
    ASSERT_TRUE(f.window->SaveScreenshot("shot.png"));
    std::ifstream in("shot.png", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto image = DecodePng(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, f.window->Frame().pixels);
}

INSTANTIATE_TEST_SUITE_P(Scales, Render, ::testing::Values(1.0, 2.0, 1.5),
                         [](const auto& info) { return "x" + std::to_string(static_cast<int>(info.param * 100)); });

}  // namespace
}  // namespace runtime::testing

#include "runtime/render/Scaling.h"
#include "runtime/window/WindowImpl.h"

namespace runtime::testing {
namespace {

TEST(DisplayPicture, FormatsNumbersAndCharacters) {
    struct Case {
        std::string_view picture, value, shown;
    };
    const Case cases[] = {
        {"n-3", "0", "0"},     {"n-3", "7", "7"},       {"N-3", "-10", "-10"}, {"n-3", "20", "20"},
        {"n-3", "999", "999"}, {"n-3", "1000", "###"},  {"n-3", "-100", "###"}, {"n-3", "  5", "5"},
        {"n-3", "x", "0"},     {"s1", "+", "+"},         {"s1", " ", ""},       {"s1", "AB", "A"},
        {"", "PLUS  ", "PLUS"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(window::FormatDisplay(c.picture, c.value), c.shown) << c.picture << " of '" << c.value << "'";
}

TEST(Scaling, BilinearKeepsFlatAreasAndBlendsEdges) {
    Image flat(3, 3, 0xFF336699);
    const Image big = render::ScaleBilinear(flat, 7, 5);
    ASSERT_EQ(big.width, 7);
    ASSERT_EQ(big.height, 5);
    for (std::uint32_t p : big.pixels) EXPECT_EQ(p, 0xFF336699u);

    Image edge(2, 1, 0xFF000000);
    edge.At(1, 0) = 0xFFFFFFFF;
    const Image wide = render::ScaleBilinear(edge, 8, 1);
    EXPECT_EQ(wide.At(0, 0), 0xFF000000u);
    EXPECT_EQ(wide.At(7, 0), 0xFFFFFFFFu);
    const std::uint32_t middle = wide.At(4, 0) & 0xFF;
    EXPECT_GT(middle, 0x40u);  // smoothed, not a hard step
    EXPECT_LT(middle, 0xFFu);
    EXPECT_TRUE(render::ScaleBilinear(Image(), 4, 4).Empty());
}

}  // namespace
}  // namespace runtime::testing
