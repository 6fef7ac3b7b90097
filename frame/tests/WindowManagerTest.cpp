#include <gtest/gtest.h>

#include "frame/WindowManager.h"
#include "frame/tests/TempFolder.h"
#include "frame/tests/TestWindow.h"
#include "runtime/Window.h"
#include "runtime/backends/headless/Headless.h"

namespace frame {
namespace {

using runtime::ControlId;
using runtime::Event;
using runtime::EventKind;
using Log = std::vector<std::string>;
using namespace testing;

const char* KindName(EventKind kind) {
    switch (kind) {
        case EventKind::Accepted:
            return "Accepted";
        case EventKind::AlertKey:
            return "AlertKey";
        case EventKind::OpenWindow:
            return "OpenWindow";
        case EventKind::CloseWindow:
            return "CloseWindow";
        case EventKind::Selected:
            return "Selected";
    }
    return "?";
}

// A ThisWindow that logs each step it is given, with what it saw then.
class LoggingWindow : public WindowManager {
public:
    using WindowManager::WindowManager;

    int TakeWindowEvent() override {
        const int level = WindowManager::TakeWindowEvent();
        log.push_back(std::string("window ") + KindName(CurrentEvent().kind));
        return windowResult ? windowResult : level;
    }
    int TakeAccepted() override {
        const int level = WindowManager::TakeAccepted();
        log.push_back("accepted " + std::to_string(ToInt(CurrentEvent().control)));
        return acceptedResult ? acceptedResult : level;
    }
    int TakeFieldEvent() override {
        const int level = WindowManager::TakeFieldEvent();
        log.push_back(std::string("field ") + KindName(CurrentEvent().kind) + " " +
                      std::to_string(ToInt(CurrentEvent().control)));
        return level;
    }

    int windowResult = Level::Benign;
    int acceptedResult = Level::Benign;
    Log log;

protected:
    int AfterOpen() override {
        log.push_back("after open: procedure " + GetRuntime().errors().Current() + ", window " +
                      (GetWindow().IsOpen() ? "open" : "closed") + " at x " +
                      std::to_string(GetWindow().Position().x));
        AddAlertKey(runtime::Key::Space);
        return afterOpenResult;
    }
    void BeforeKill() override {
        log.push_back(std::string("before kill: window ") +
                      (GetWindow().IsOpen() ? "open" : "closed"));
    }

public:
    int afterOpenResult = Level::Benign;
};

class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override { settings_.Open("test.INI"); }
    std::filesystem::path File() const { return temp_.Path() / "korvanda" / "test.INI"; }

    TempFolder temp_;
    ScopedEnv xdg_{"XDG_CONFIG_HOME", temp_.Path().string()};
    runtime::Headless headless_ = runtime::CreateHeadlessRuntime();
    SettingsManager settings_;
    Program program_{{"test", "test.INI"}, *headless_.runtime, settings_};
    TestWindow test_{*headless_.runtime};
    LoggingWindow manager_{program_, test_.window, TestWindow::Radio1};
};

TEST_F(WindowManagerTest, DispatchesEachEventInOrder) {
    struct Case {
        const char* name;
        Event event;
        int windowResult;
        int acceptedResult;
        Log expected;
    };
    const ControlId group = TestWindow::Group;
    const Case cases[] = {
        {"window opened", {EventKind::OpenWindow, ControlId::None, 0}, 0, 0, {"window OpenWindow"}},
        {"alert key", {EventKind::AlertKey, ControlId::None, 32}, 0, 0, {"window AlertKey"}},
        {"accepted control",
         {EventKind::Accepted, group, 0},
         0,
         0,
         {"accepted 1", "field Accepted 1"}},
        {"accepted without control",
         {EventKind::Accepted, ControlId::None, 0},
         0,
         0,
         {"window Accepted", "accepted 0"}},
        {"other control event", {EventKind::Selected, group, 0}, 0, 0, {"field Selected 1"}},
        {"window step stops the dispatch",
         {EventKind::Accepted, ControlId::None, 0},
         Level::Notify,
         0,
         {"window Accepted"}},
        {"accepted step stops the dispatch",
         {EventKind::Accepted, group, 0},
         0,
         Level::Notify,
         {"accepted 1"}},
    };
    for (const Case& c : cases) {
        manager_.log.clear();
        manager_.windowResult = c.windowResult;
        manager_.acceptedResult = c.acceptedResult;
        const int level = manager_.TakeEvent(c.event);
        EXPECT_EQ(manager_.log, c.expected) << c.name;
        EXPECT_EQ(level, c.windowResult ? c.windowResult : c.acceptedResult) << c.name;
    }
}

TEST_F(WindowManagerTest, InitRunsItsStepsInOrder) {
    Given(File(), "[Main]\nMaximize=No\nMinimize=No\nXPos=33\nYPos=44\n");
    headless_.runtime->globalRequest = 7;
    headless_.runtime->globalResponse = 9;

    ASSERT_EQ(manager_.Start(), Level::Benign);
    EXPECT_EQ(manager_.log, (Log{"after open: procedure Main, window open at x 33"}));
    EXPECT_EQ(manager_.Request(), 7);
    EXPECT_EQ(headless_.runtime->globalRequest, 0);
    EXPECT_EQ(headless_.runtime->globalResponse, 0);
    EXPECT_EQ(manager_.FirstField(), TestWindow::Radio1);
    EXPECT_TRUE(manager_.Opened());
    EXPECT_EQ(test_.window.Position(), (runtime::Point{33, 44}));
}

TEST_F(WindowManagerTest, OpenedWindowFocusesTheFirstFieldAndTakesClicks) {
    ASSERT_EQ(manager_.Start(), Level::Benign);
    EXPECT_EQ(manager_.Pump(), 1);
    EXPECT_EQ(manager_.log.back(), "window OpenWindow");
    EXPECT_EQ(test_.window.Focus(), TestWindow::Radio1);

    manager_.log.clear();
    runtime::Click(test_.window, TestWindow::Radio2);
    manager_.Pump();
    EXPECT_EQ(test_.number, 1);
    EXPECT_EQ(manager_.log, (Log{"accepted 1", "field Accepted 1"}));

    // Alert keys are registered by Init.
    manager_.log.clear();
    runtime::PressKey(test_.window, runtime::Key::Space);
    manager_.Pump();
    EXPECT_EQ(manager_.log, (Log{"window AlertKey"}));
    EXPECT_EQ(manager_.CurrentEvent().keyCode, runtime::Key::Space);
}

TEST_F(WindowManagerTest, CloseEndsTheLoopAndKillSavesThePlacement) {
    ASSERT_EQ(manager_.Start(), Level::Benign);
    manager_.Pump();
    test_.window.SetPosition({50, 60});
    const runtime::Point at = test_.window.Position();
    runtime::RequestClose(test_.window);
    runtime::Click(test_.window, TestWindow::Button);  // after the close: never handled
    manager_.Pump();
    EXPECT_TRUE(manager_.Done());
    EXPECT_EQ(manager_.log.back(), "window CloseWindow");

    manager_.log.clear();
    EXPECT_EQ(manager_.Finish(), Level::Benign);
    EXPECT_EQ(manager_.log, (Log{"before kill: window open"}));
    EXPECT_EQ(headless_.runtime->errors().Depth(), 0u);
    EXPECT_EQ(ReadFile(File()), "[Main]\nMaximize=No\nMinimize=No\nXPos=" + std::to_string(at.x) +
                                    "\nYPos=" + std::to_string(at.y) + "\n");

    // A second Kill does nothing at all.
    std::filesystem::remove(File());
    EXPECT_EQ(manager_.Finish(), Level::Notify);
    EXPECT_EQ(manager_.log.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(WindowManagerTest, RunHandlesEventsUntilTheWindowCloses) {
    headless_.runtime->globalResponse = 5;
    runtime::RequestClose(test_.window);  // waits in the desktop's queue until the window opens
    EXPECT_EQ(manager_.Run(), 0);
    EXPECT_EQ(manager_.log,
              (Log{"after open: procedure Main, window open at x " +
                       std::to_string(test_.window.Position().x),
                   "window OpenWindow", "window CloseWindow", "before kill: window open"}));
    EXPECT_TRUE(std::filesystem::exists(File()));
}

TEST_F(WindowManagerTest, FailedInitEndsTheRunWithItsLevel) {
    manager_.afterOpenResult = Level::Fatal;
    EXPECT_EQ(manager_.Run(), Level::Fatal);
    EXPECT_EQ(manager_.log.back(), "before kill: window open");
    EXPECT_EQ(headless_.runtime->errors().Depth(), 0u);
}

TEST_F(WindowManagerTest, KillWithoutInitTouchesNothing) {
    EXPECT_EQ(manager_.Kill(), Level::Notify);
    EXPECT_TRUE(manager_.log.empty());
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(WindowManagerTest, UpdateAsksEveryComponent) {
    struct Counter final : WindowComponent {
        void Update() override { ++updates; }
        int updates = 0;
    } first, second;
    manager_.AddComponent(first);
    manager_.AddComponent(second);
    manager_.Update();
    EXPECT_EQ(first.updates, 1);
    EXPECT_EQ(second.updates, 1);
}

}  // namespace
}  // namespace frame
