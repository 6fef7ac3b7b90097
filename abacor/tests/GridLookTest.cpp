#include <gtest/gtest.h>

#include "abacor/Controls.h"
#include "abacor/tests/Session.h"
#include "runtime/backends/headless/DrawnRadios.h"

namespace abacor::testing {
namespace {

using Faults = std::vector<std::string>;

// Both numeral grids at scale 1 and 2, as the window opens and after
// choices in the middle, at an edge and in the last row.
class GridLook : public ::testing::TestWithParam<double> {
protected:
    Workspace workspace;
    Session session{{GetParam(), {}, 1}};

    void ExpectBothGridsWhole(const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(runtime::RadioGridFaults(session.Window(), ctl::N1), Faults{});
        EXPECT_EQ(runtime::RadioGridFaults(session.Window(), ctl::N2), Faults{});
    }
};

TEST_P(GridLook, ButtonsFitTheirPitchAndTheChosenFrameIsWhole) {
    ExpectBothGridsWhole("at the start");
    session.Click(ctl::N1_RADIO(6));
    session.Click(ctl::N2_RADIO(6));
    ExpectBothGridsWhole("5 and 5 chosen");
    session.Click(ctl::N1_RADIO(4));
    session.Click(ctl::N2_RADIO(11));
    ExpectBothGridsWhole("3 and 10 chosen");
}

INSTANTIATE_TEST_SUITE_P(Scales, GridLook, ::testing::Values(1.0, 2.0), [](const auto& info) {
    return "x" + std::to_string(static_cast<int>(info.param));
});

// The space bar alone poses a problem; with a modifier held it is an ordinary key.
TEST(AlertKey, OnlyTheSpaceBarAlonePosesAProblem) {
    Workspace workspace;
    Session session;
    struct Case {
        const char* what;
        runtime::Held held;
        bool poses;
    } const cases[] = {
        {"shift", {true, false, false, false}, false},
        {"ctrl", {false, true, false, false}, false},
        {"alt", {false, false, true, false}, false},
        {"super", {false, false, false, true}, false},
        {"alone", {}, true},
    };
    for (const Case& c : cases) {
        runtime::PressKey(session.Window(), runtime::Key::Space, c.held);
        session.Pump();
        EXPECT_EQ(!session.Vars().LocShape.Trimmed().empty(), c.poses) << c.what;
    }
}

}  // namespace
}  // namespace abacor::testing
