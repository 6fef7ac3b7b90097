#include <gtest/gtest.h>

#include <cmath>

#include "TestWindows.h"

namespace runtime::testing {
namespace {

TEST(Layout, DialogUnitsOfArialNineAreSane) {
    Fixture f;
    // Arial 9 points is 12 pixels at 96 DPI: its letters average 5 to 8 pixels
    // and its lines are 13 to 17 pixels high.
    const double averageWidth = f.window->DialogUnitX() * 4, height = f.window->DialogUnitY() * 8;
    EXPECT_GE(averageWidth, 5);
    EXPECT_LE(averageWidth, 8);
    EXPECT_GE(height, 13);
    EXPECT_LE(height, 17);
    EXPECT_EQ(averageWidth, std::round(averageWidth));  // whole pixels, as the platform keeps them
}

TEST(Layout, ControlsArePlacedInDialogUnits) {
    Fixture f;
    const double ux = f.window->DialogUnitX(), uy = f.window->DialogUnitY();
    const Rect go = f.window->ControlRect(Id(Ctl::Go));  // 70, 44, 30, 16
    EXPECT_EQ(go.x, std::lround(70 * ux));
    EXPECT_EQ(go.y, std::lround(44 * uy));
    EXPECT_EQ(go.width, std::lround(30 * ux));
    EXPECT_EQ(go.height, std::lround(16 * uy));
    EXPECT_EQ(f.window->ClientSize(), (Size{static_cast<int>(std::lround(210 * ux)), static_cast<int>(std::lround(90 * uy))}));
}

TEST(Layout, WindowWithoutFontUsesTheSmallerDefault) {
    Fixture sample;
    Fixture plain(1.0, PlainWindow());
    EXPECT_LE(plain.window->DialogUnitX(), sample.window->DialogUnitX());
    EXPECT_LT(plain.window->DialogUnitY(), sample.window->DialogUnitY());
    EXPECT_GT(plain.window->DialogUnitX(), 0);
}

TEST(Layout, DefaultSizesAreNatural) {
    Fixture f;
    const Rect plus = f.window->ControlRect(Id(Ctl::Plus)), minus = f.window->ControlRect(Id(Ctl::Minus));
    EXPECT_GT(plus.width, 13 + 5);  // the round mark, a gap and the text
    EXPECT_GE(plus.height, 13);
    EXPECT_GT(minus.width, plus.width);  // "MINUS" is wider than "PLUS"
    const Rect symbol = f.window->ControlRect(Id(Ctl::Symbol));
    EXPECT_GT(symbol.width, 0);
    EXPECT_GT(symbol.height, 0);
}

TEST(Layout, PictureRadioOfDefaultSizeFitsItsPicture) {
    WorkingFolder folder;
    WriteFile("0.bmp", SolidBmp(25, 28, 0xFFFFFF));
    ControlDefinition controls[2];
    controls[0].number = 1;
    controls[0].kind = ControlKind::OptionGroup;
    controls[0].width = controls[0].height = 50;
    controls[1].number = 2;
    controls[1].kind = ControlKind::Radio;
    controls[1].text = "0.bmp";
    controls[1].value = "0";
    controls[1].parent = 1;
    const WindowDefinition definition{"", "", 100, 100, {"Arial", 9, false, NoColour}, true, true, false, false, controls};
    Headless h = CreateHeadlessRuntime();
    Window window(definition, *h.runtime);
    EXPECT_EQ(window.ControlRect(ControlId{2}), (Rect{0, 0, 25 + 6, 28 + 6}));
}

// When the desktop leaves the scale to the window: the largest quarter step
// that keeps the window within three quarters of the usable screen, and below
// 1 only when 1 does not fit.
TEST(Layout, ChosenScaleFitsTheScreen) {
    const Size screens[] = {{640, 480}, {800, 600}, {1366, 768}, {1920, 1080}, {2560, 1440}, {3840, 2160}, {300, 200}};
    for (const Size screen : screens) {
        ScreenInfo info;
        info.size = screen;
        info.usable = {0, 0, screen.width, screen.height - 40};
        Headless h = CreateHeadlessRuntime({0.0, info, 1});
        Window window(SampleWindow(), *h.runtime);
        const double s = window.Scale();
        const Size frame{window.Frame().width, window.Frame().height};
        const auto fits = [&](double scale) {
            return frame.width / s * scale <= info.usable.width * 0.75 + 1 &&
                   frame.height / s * scale <= info.usable.height * 0.75 + 1;
        };
        SCOPED_TRACE(::testing::Message() << screen.width << "x" << screen.height << " scale " << s);
        EXPECT_EQ(s * 4, std::round(s * 4));
        EXPECT_GE(s, 0.5);
        if (s > 0.5) {
            EXPECT_TRUE(fits(s));
        }
        EXPECT_FALSE(fits(s + 0.25) && s < 8);
        if (s < 1) {
            EXPECT_FALSE(fits(1.0));
        }
    }
}

}  // namespace
}  // namespace runtime::testing
