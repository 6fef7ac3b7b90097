#include <gtest/gtest.h>

#include "TestWindows.h"

namespace runtime::testing {
namespace {

const Event GoAccepted{EventKind::Accepted, Id(Ctl::Go), 0};
const Event CloseEvent{EventKind::CloseWindow, ControlId::None, 0};

class Input : public ::testing::Test {
protected:
    void SetUp() override { Drain(*f.window); }
    void Inject(InputEvent::Type type, Point client) {
        f.headless.platform->Inject({type, f.window->FrameFromClient(client), 0, false});
    }
    Point CentreOf(int control) const {
        const Rect r = f.window->ControlRect(Id(control));
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    Fixture f;
};

TEST_F(Input, ButtonAcceptsOnReleaseInsideOnly) {
    Inject(InputEvent::Type::MouseDown, CentreOf(Ctl::Go));
    EXPECT_TRUE(Drain(*f.window).empty());  // pressing alone accepts nothing
    Inject(InputEvent::Type::MouseUp, CentreOf(Ctl::Go));
    EXPECT_EQ(Drain(*f.window), std::vector<Event>{GoAccepted});

    // Pressed, then dragged away and released outside: nothing.
    Inject(InputEvent::Type::MouseDown, CentreOf(Ctl::Go));
    Inject(InputEvent::Type::MouseMove, {1, 1});
    Inject(InputEvent::Type::MouseUp, {1, 1});
    EXPECT_TRUE(Drain(*f.window).empty());
}

TEST_F(Input, RadioPressReleasedOutsideChoosesNothing) {
    Inject(InputEvent::Type::MouseDown, CentreOf(Ctl::Radio1));
    Inject(InputEvent::Type::MouseUp, CentreOf(Ctl::Go));
    EXPECT_TRUE(Drain(*f.window).empty());
    EXPECT_EQ(f.number, 0);
    EXPECT_EQ(f.window->Choice(Id(Ctl::Numbers)), Id(Ctl::Radio0));
}

TEST_F(Input, ClicksOnNothingOrOnHiddenControlsRaiseNothing) {
    ClickAt(*f.window, {f.window->ClientSize().width - 2, f.window->ClientSize().height - 2});
    f.window->Hide(Id(Ctl::Go));
    Click(*f.window, Id(Ctl::Go));
    EXPECT_TRUE(Drain(*f.window).empty());
    // Hiding the group hides its radios too.
    f.window->Hide(Id(Ctl::Numbers));
    Click(*f.window, Id(Ctl::Radio1));
    EXPECT_TRUE(Drain(*f.window).empty());
    EXPECT_EQ(f.number, 0);
}

TEST_F(Input, AlertKeyGoesToTheWindowBeforeTheFocusedControl) {
    f.window->SetFocus(Id(Ctl::Go));
    PressKey(*f.window, Key::Space);
    EXPECT_EQ(Drain(*f.window), std::vector<Event>{GoAccepted});  // not registered: presses the button

    f.window->RegisterAlertKey(Key::Space);
    PressKey(*f.window, Key::Space);
    EXPECT_EQ(Drain(*f.window), (std::vector<Event>{{EventKind::AlertKey, ControlId::None, Key::Space}}));
    PressKey(*f.window, Key::Enter);
    EXPECT_EQ(Drain(*f.window), std::vector<Event>{GoAccepted});
}

TEST_F(Input, TabVisitsGroupsAtTheirChoiceAndButtons) {
    f.window->SetFocus(Id(Ctl::Radio0));
    struct Step {
        int key;
        bool shift;
        int focus;
    };
    // The operator group has no choice yet: Tab enters it at its first radio.
    const Step steps[] = {
        {Key::Tab, false, Ctl::Plus}, {Key::Tab, false, Ctl::Go},           {Key::Tab, false, Ctl::Radio0},
        {Key::Tab, true, Ctl::Go},    {Key::ShiftTab, false, Ctl::Plus},    {Key::ShiftTab, false, Ctl::Radio0},
    };
    for (const Step& s : steps) {
        PressKey(*f.window, s.key, s.shift);
        Drain(*f.window);
        EXPECT_EQ(f.window->Focus(), Id(s.focus)) << "after key " << s.key << (s.shift ? " with shift" : "");
    }
    EXPECT_EQ(f.number, 0);  // moving the focus chooses nothing

    f.number = 2;
    f.window->Refresh();
    f.window->SetFocus(Id(Ctl::Go));
    PressKey(*f.window, Key::Tab);
    Drain(*f.window);
    EXPECT_EQ(f.window->Focus(), Id(Ctl::Radio2));
}

TEST_F(Input, ArrowsMoveTheChoiceInsideTheGroup) {
    f.window->SetFocus(Id(Ctl::Radio0));
    const Event accepted{EventKind::Accepted, Id(Ctl::Numbers), 0};
    struct Step {
        int key;
        int number;
    };
    const Step steps[] = {{Key::Right, 1}, {Key::Down, 2}, {Key::Right, 0}, {Key::Left, 2}, {Key::Up, 1}};
    for (const Step& s : steps) {
        PressKey(*f.window, s.key);
        EXPECT_EQ(Drain(*f.window), std::vector<Event>{accepted}) << "key " << s.key;
        EXPECT_EQ(f.number, s.number);
        EXPECT_EQ(f.window->Focus(), Id(Ctl::Radio0 + s.number));
    }
}

TEST_F(Input, EnterOrSpaceChoosesTheFocusedRadio) {
    f.window->SetFocus(Id(Ctl::Minus));
    PressKey(*f.window, Key::Space);
    EXPECT_EQ(Drain(*f.window), (std::vector<Event>{{EventKind::Accepted, Id(Ctl::Operator), 0}}));
    PressKey(*f.window, Key::Enter);  // already chosen
    EXPECT_TRUE(Drain(*f.window).empty());
    EXPECT_EQ(f.op, "MINUS");
}

TEST_F(Input, ExposedWindowIsPresentedAgain) {
    const int presents = f.headless.platform->PresentCount();
    f.headless.platform->Inject({InputEvent::Type::Exposed, {}, 0, false});
    EXPECT_TRUE(Drain(*f.window).empty());
    EXPECT_EQ(f.headless.platform->PresentCount(), presents + 1);
    EXPECT_EQ(f.headless.platform->LastFrame().pixels, f.window->Frame().pixels);
}

TEST_F(Input, ClickMovesTheFocus) {
    Click(*f.window, Id(Ctl::Go));
    Drain(*f.window);
    EXPECT_EQ(f.window->Focus(), Id(Ctl::Go));
}

TEST_F(Input, CloseRequestAndExitItemAskToCloseTheWindow) {
    RequestClose(*f.window);
    EXPECT_EQ(Drain(*f.window), std::vector<Event>{CloseEvent});
    Click(*f.window, Id(Ctl::Exit));
    EXPECT_EQ(Drain(*f.window), std::vector<Event>{CloseEvent});
}

TEST_F(Input, MenuOpensOnClickAndAClickElsewhereOnlyClosesIt) {
    EXPECT_LT(f.window->ControlRect(Id(Ctl::FileMenu)).y, 0);  // the bar is above the client area
    Click(*f.window, Id(Ctl::FileMenu));
    Drain(*f.window);
    EXPECT_EQ(f.window->ControlAt(CentreOf(Ctl::Exit)), Id(Ctl::Exit));
    Click(*f.window, Id(Ctl::Go));  // closes the drop-down; the button is not pressed
    EXPECT_TRUE(Drain(*f.window).empty());
    EXPECT_NE(f.window->ControlAt(CentreOf(Ctl::Exit)), Id(Ctl::Exit));
    // Escape closes it too.
    Click(*f.window, Id(Ctl::FileMenu));
    PressKey(*f.window, Key::Escape);
    Drain(*f.window);
    EXPECT_NE(f.window->ControlAt(CentreOf(Ctl::Exit)), Id(Ctl::Exit));
}

TEST_F(Input, OpenMenuIsWorkedByKeys) {
    Click(*f.window, Id(Ctl::FileMenu));
    PressKey(*f.window, Key::Enter);  // nothing highlighted yet
    EXPECT_TRUE(Drain(*f.window).empty());
    PressKey(*f.window, Key::Down);  // the separator is skipped
    PressKey(*f.window, Key::Enter);
    EXPECT_EQ(Drain(*f.window), std::vector<Event>{CloseEvent});
    PressKey(*f.window, Key::Enter);  // the drop-down has closed: no item is taken again
    EXPECT_TRUE(Drain(*f.window).empty());
}

TEST_F(Input, PostedEventsComeFirstAndAClosedWindowGivesNoMore) {
    f.window->Post({EventKind::Accepted, Id(Ctl::Go), 0});
    auto e = f.window->NextEvent(false);
    ASSERT_TRUE(e);
    EXPECT_EQ(*e, GoAccepted);
    EXPECT_EQ(f.window->CurrentEvent(), GoAccepted);
    f.window->Close();
    RequestClose(*f.window);
    EXPECT_FALSE(f.window->NextEvent(true));
}

// While the program waits between events: an exposure is repainted at
// once; clicks are held, nothing of them happens, and afterwards they are
// handled in the order they came; of the presses of a merged button in one
// busy spell only the first raises its event.
TEST_F(Input, InputDuringAWaitIsHeldAndHandledAfterInOrder) {
    ManualClock& clock = *f.headless.clock;
    int presents = 0;
    clock.onSleep = [&] {
        Click(*f.window, Id(Ctl::Go));
        Click(*f.window, Id(Ctl::Radio2));
        Click(*f.window, Id(Ctl::Go));
        f.headless.platform->Inject({InputEvent::Type::Exposed, {}, 0, false});
        presents = f.headless.platform->PresentCount();
        clock.onSleep = nullptr;
    };
    EXPECT_TRUE(f.window->WaitShowing(clock.Now() + std::chrono::milliseconds(500)));
    EXPECT_TRUE(f.window->WaitShowing(clock.Now() + std::chrono::milliseconds(500)));
    EXPECT_EQ(f.headless.platform->PresentCount(), presents + 1) << "the exposure was repainted";
    EXPECT_EQ(f.number, 0) << "the radio was not chosen yet";

    f.window->MergeHeldPresses(Id(Ctl::Go));
    const Event RadioAccepted{EventKind::Accepted, Id(Ctl::Numbers), 0};
    EXPECT_EQ(Drain(*f.window), (std::vector<Event>{GoAccepted, RadioAccepted}));
    EXPECT_EQ(f.number, 2);

    // Without a merge every press counts.
    clock.onSleep = [&] {
        Click(*f.window, Id(Ctl::Go));
        Click(*f.window, Id(Ctl::Go));
        clock.onSleep = nullptr;
    };
    f.window->WaitShowing(clock.Now() + std::chrono::milliseconds(500));
    f.window->WaitShowing(clock.Now() + std::chrono::milliseconds(500));
    EXPECT_EQ(Drain(*f.window), (std::vector<Event>{GoAccepted, GoAccepted}));
}

TEST_F(Input, CloseRequestEndsAWaitAndComesBeforeHeldInput) {
    ManualClock& clock = *f.headless.clock;
    Click(*f.window, Id(Ctl::Go));
    RequestClose(*f.window);
    const auto start = clock.Now();
    EXPECT_FALSE(f.window->WaitShowing(start + std::chrono::milliseconds(500)));
    EXPECT_EQ(clock.Now(), start) << "no time was waited";
    EXPECT_FALSE(f.window->WaitShowing(start + std::chrono::milliseconds(500)))
        << "still asked to close";
    EXPECT_EQ(Drain(*f.window), (std::vector<Event>{CloseEvent, GoAccepted}));
}

}  // namespace
}  // namespace runtime::testing
