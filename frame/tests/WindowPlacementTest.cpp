#include <gtest/gtest.h>

#include <vector>

#include "frame/SettingsManager.h"
#include "frame/VisiblePlace.h"
#include "frame/WindowInfo.h"
#include "frame/tests/FakeWindow.h"
#include "frame/tests/TempFolder.h"
#include "frame/tests/TestWindow.h"
#include "runtime/backends/headless/Headless.h"

namespace frame {
namespace {

using runtime::Point;
using runtime::Rect;
namespace fs = std::filesystem;

// A window of 300 × 200 with borders of 2 and a caption of 20 above its
// position, on a screen of 1000 × 600.
constexpr Rect Outline{-2, -20, 304, 222};
constexpr Rect Screen{0, 0, 1000, 600};
constexpr Rect RightScreen{1000, 0, 800, 600};

TEST(VisiblePlace, MovesAWindowMostlyOffTheScreensToTheNearestWholePlace) {
    struct Case {
        const char* name;
        Point remembered;
        std::vector<Rect> screens;
        Point expected;
    };
    const Case cases[] = {
        {"on the screen", {100, 100}, {Screen}, {100, 100}},
        {"a fifth off the right edge is mostly seen", {760, 100}, {Screen}, {760, 100}},
        {"the caption mostly seen", {100, 16}, {Screen}, {100, 16}},
        {"far off left and above", {-3000, -3000}, {Screen}, {2, 20}},
        {"off the left", {-200, 100}, {Screen}, {2, 100}},
        {"off the right", {5000, 100}, {Screen}, {698, 100}},
        {"caption above the screen", {100, 5}, {Screen}, {100, 20}},
        {"off the bottom", {100, 500}, {Screen}, {100, 398}},
        {"on the second screen", {1200, 100}, {Screen, RightScreen}, {1200, 100}},
        {"across both screens", {900, 100}, {Screen, RightScreen}, {900, 100}},
        {"on a screen that is gone", {1200, 100}, {Screen}, {698, 100}},
        {"nearer the second screen", {1900, 100}, {Screen, RightScreen}, {1498, 100}},
        {"a screen smaller than the window: its top left corner",
         {500, 500},
         {{0, 0, 200, 100}},
         {2, 20}},
        // A copy of one screen on another covers nothing twice.
        {"mirrored screens", {-160, 100}, {Screen, Screen}, {2, 100}},
        {"nothing known of the screens", {-3000, -3000}, {}, {-3000, -3000}},
        {"the ends of the number range", {2147483647, -2147483647}, {Screen}, {698, 20}},
    };
    for (const Case& c : cases) {
        const Point place = VisiblePlace(c.remembered, Outline, c.screens);
        EXPECT_EQ(place, c.expected) << c.name << ": " << place.x << "," << place.y;
    }
}

// Only the remembered place is checked, with the size the window is about
// to get; the window is moved once.
TEST(ApplyWindowInfo, PutsAWindowOffTheScreensWhereItIsSeen) {
    testing::FakeWindow window;
    window.screens = {Screen};
    window.caption = 20;
    const WindowInfo offScreen{-3000, -3000, runtime::NotGiven, runtime::NotGiven, false,
                               false, true};
    EXPECT_EQ(ApplyWindowInfo(offScreen, window), (Point{0, 20}));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"SetPosition(0,20)", "SetMinimized(false)"}));

    testing::FakeWindow resizable;
    resizable.screens = {Screen};
    resizable.resizable = true;
    // 300 wide it would be seen at 500; 800 wide, it is not.
    const WindowInfo wide{500, 100, 800, 300, false, false, true};
    EXPECT_EQ(ApplyWindowInfo(wide, resizable), (Point{200, 100}));
    EXPECT_EQ(resizable.calls.front(), "SetPosition(200,100)");
    const WindowInfo fits{500, 100, 300, 200, false, false, true};
    EXPECT_EQ(ApplyWindowInfo(fits, resizable), std::nullopt);

    testing::FakeWindow maximized;
    maximized.screens = {Screen};
    const WindowInfo noPlace{runtime::NotGiven,
                             runtime::NotGiven,
                             runtime::NotGiven,
                             runtime::NotGiven,
                             true,
                             false,
                             true};
    maximized.position = {-3000, -3000};
    EXPECT_EQ(ApplyWindowInfo(noPlace, maximized),
              std::nullopt);  // nothing remembered, nothing moved
}

// Whole runs of a real window on a desktop whose screens change between
// runs; the file keeps the remembered place until the window is moved.
class WindowPlacementRun : public ::testing::Test {
protected:
    struct Outcome {
        Point shown;  // screen pixels
        bool wholeOnScreen;
    };

    // Opens the window on `screens`, lets `use` act, and closes it.
    template <typename Use>
    Outcome Run(const std::vector<Rect>& screens, Use use) {
        runtime::Headless desktop = runtime::CreateHeadlessRuntime();
        desktop.platform->screens = screens;
        testing::TestWindow test(*desktop.runtime);
        SettingsManager settings;
        settings.Open("abacor.INI");
        EXPECT_TRUE(test.window.Open());
        settings.FetchWindow("Main", test.window);
        const Point shown = desktop.platform->WindowPosition();
        const runtime::Size frame = desktop.platform->lastRequest.frameSize;
        bool whole = false;
        for (const Rect& s : screens)
            whole = whole || (shown.x >= s.x && shown.y - 30 >= s.y &&
                              shown.x + frame.width <= s.x + s.width &&
                              shown.y + frame.height <= s.y + s.height);
        use(test.window);
        settings.UpdateWindow("Main", test.window);
        settings.Close();
        return {shown, whole};
    }
    Outcome Run(const std::vector<Rect>& screens) {
        return Run(screens, [](runtime::Window&) {});
    }
    fs::path File() const { return temp_.Path() / "korvanda" / "abacor.INI"; }
    std::string Placement() const {
        return IniFile::Parse(testing::ReadFile(File())).Get("Main", "XPos") + "," +
               IniFile::Parse(testing::ReadFile(File())).Get("Main", "YPos");
    }

    testing::TempFolder temp_;
    testing::ScopedEnv xdg_{"XDG_CONFIG_HOME", temp_.Path().string()};
};

constexpr Rect Laptop{0, 0, 1366, 768};
constexpr Rect Monitor{1366, 0, 1920, 1080};

TEST_F(WindowPlacementRun, AHandEditedPlaceFarOffIsSeenAndKept) {
    testing::Given(File(), "[Main]\nMaximize=No\nMinimize=No\nXPos=-3000\nYPos=-3000\n");
    const Outcome outcome = Run({Laptop});
    EXPECT_TRUE(outcome.wholeOnScreen) << outcome.shown.x << "," << outcome.shown.y;
    EXPECT_EQ(Placement(), "-3000,-3000");
}

TEST_F(WindowPlacementRun, AWindowOnAScreenThatIsGoneComesBackWhenItIs) {
    Run({Laptop, Monitor}, [](runtime::Window& window) { window.SetPosition({1000, 100}); });
    const std::string onMonitor = Placement();
    const Outcome withMonitor = Run({Laptop, Monitor});
    EXPECT_GE(withMonitor.shown.x, Monitor.x);
    EXPECT_TRUE(withMonitor.wholeOnScreen);

    // The monitor is unplugged: the window opens on the laptop's screen,
    // and the file still knows the monitor's place.
    const Outcome laptopOnly = Run({Laptop});
    EXPECT_TRUE(laptopOnly.wholeOnScreen) << laptopOnly.shown.x << "," << laptopOnly.shown.y;
    EXPECT_LT(laptopOnly.shown.x, Laptop.width);
    EXPECT_EQ(Placement(), onMonitor);

    // Plugged in again: back where it was.
    EXPECT_EQ(Run({Laptop, Monitor}).shown, withMonitor.shown);

    // Moved on the laptop's screen and closed: that place is remembered.
    Run({Laptop}, [](runtime::Window& window) { window.SetPosition({20, 30}); });
    EXPECT_EQ(Placement(), "20,30");
}

}  // namespace
}  // namespace frame
