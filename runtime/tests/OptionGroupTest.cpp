#include <gtest/gtest.h>

#include "TestWindows.h"

namespace runtime::testing {
namespace {

const Event OpenEvent{EventKind::OpenWindow, ControlId::None, 0};

TEST(OptionGroup, OpenQueuesTheOpenWindowEventOnce) {
    Fixture f;
    EXPECT_EQ(Drain(*f.window), std::vector<Event>{OpenEvent});
    EXPECT_TRUE(f.window->IsOpen());
    EXPECT_TRUE(f.window->Open());
    EXPECT_TRUE(Drain(*f.window).empty());
}

TEST(OptionGroup, ChoosingAnotherRadioStoresItsNumberAndAcceptsTheGroup) {
    Fixture f;
    Drain(*f.window);
    EXPECT_EQ(f.window->Choice(Id(Ctl::Numbers)), Id(Ctl::Radio0));  // follows the variable (0) at open

    Click(*f.window, Id(Ctl::Radio2));
    EXPECT_EQ(Drain(*f.window), (std::vector<Event>{{EventKind::Accepted, Id(Ctl::Numbers), 0}}));
    EXPECT_EQ(f.number, 2);
    EXPECT_EQ(f.window->Choice(Id(Ctl::Numbers)), Id(Ctl::Radio2));

    Click(*f.window, Id(Ctl::Radio1));
    EXPECT_EQ(Drain(*f.window), (std::vector<Event>{{EventKind::Accepted, Id(Ctl::Numbers), 0}}));
    EXPECT_EQ(f.number, 1);
}

TEST(OptionGroup, ChoosingTheCurrentRadioRaisesNothing) {
    Fixture f;
    Drain(*f.window);
    f.number = 7;  // changed by the program, not yet refreshed: the choice on screen counts
    Click(*f.window, Id(Ctl::Radio0));
    EXPECT_TRUE(Drain(*f.window).empty());
    EXPECT_EQ(f.number, 7);
}

TEST(OptionGroup, TextVariableGetsTheRadioValueBlankPadded) {
    Fixture f;
    Drain(*f.window);
    EXPECT_EQ(f.window->Choice(Id(Ctl::Operator)), ControlId::None);  // blank matches no radio

    Click(*f.window, Id(Ctl::Minus));
    EXPECT_EQ(Drain(*f.window), (std::vector<Event>{{EventKind::Accepted, Id(Ctl::Operator), 0}}));
    EXPECT_EQ(f.op.Raw(), "MINUS     ");
    Click(*f.window, Id(Ctl::Minus));
    EXPECT_TRUE(Drain(*f.window).empty());
    Click(*f.window, Id(Ctl::Plus));
    EXPECT_EQ(Drain(*f.window).size(), 1u);
    EXPECT_EQ(f.op.Raw(), "PLUS      ");
}

TEST(OptionGroup, RefreshMovesTheChoiceRaisesNothingAndPresents) {
    Fixture f;
    Drain(*f.window);
    const int presents = f.headless.platform->PresentCount();
    f.number = 2;
    f.op = "PLUS";
    f.window->Refresh();
    EXPECT_EQ(f.window->Choice(Id(Ctl::Numbers)), Id(Ctl::Radio2));
    EXPECT_EQ(f.window->Choice(Id(Ctl::Operator)), Id(Ctl::Plus));
    EXPECT_TRUE(Drain(*f.window).empty());
    EXPECT_EQ(f.headless.platform->PresentCount(), presents + 1);

    // Now the refreshed choice is the current one.
    Click(*f.window, Id(Ctl::Radio2));
    EXPECT_TRUE(Drain(*f.window).empty());

    // A value no radio has leaves the group without a choice.
    f.number = 9;
    f.window->Refresh();
    EXPECT_EQ(f.window->Choice(Id(Ctl::Numbers)), ControlId::None);
    Click(*f.window, Id(Ctl::Radio2));
    EXPECT_EQ(Drain(*f.window).size(), 1u);
    EXPECT_EQ(f.number, 2);
}

TEST(OptionGroup, RefreshWithNothingChangedPresentsNothingNew) {
    Fixture f;
    Drain(*f.window);
    const int presents = f.headless.platform->PresentCount();
    f.window->Refresh();
    EXPECT_EQ(f.headless.platform->PresentCount(), presents);
}

}  // namespace
}  // namespace runtime::testing
