#include <gtest/gtest.h>

#include <cstdlib>

#include "abacor/Controls.h"
#include "abacor/tests/Rows.h"
#include "abacor/tests/Session.h"

namespace abacor::testing {
namespace {

struct ColumnCase {
    std::string name;
    int n1, n2;
    bool plus;
    int sum;
    std::vector<Run> beads;  // the result column, from the top
    bool red;
};

const std::vector<ColumnCase>& Cases() {
    static const std::vector<ColumnCase> cases{
        {"ZeroPlusZero", 0, 0, true, 0, {}, false},
        {"TenPlusTen", 10, 10, true, 20, {{10, "beadblack.bmp"}, {10, "beadred.bmp"}}, false},
        {"ThreeMinusSeven", 3, 7, false, -4, {{4, "beadNeg.bmp"}}, true},
        {"SevenMinusThree", 7, 3, false, 4, {{4, "beadblack.bmp"}}, false},
        {"FiveMinusFive", 5, 5, false, 0, {}, false},
        {"ThreePlusFour", 3, 4, true, 7, {{3, "beadblack.bmp"}, {4, "beadred.bmp"}}, false},
        {"ZeroMinusTen", 0, 10, false, -10, {{10, "beadNeg.bmp"}}, true},
        {"TenMinusZero", 10, 0, false, 10, {{10, "beadblack.bmp"}}, false},
    };
    return cases;
}

// Chooses the problem with real clicks: first number, second number, operator.
void Pose(Session& session, const ColumnCase& c) {
    session.Click(ctl::N1_RADIO(c.n1 + 1));
    session.Click(ctl::N2_RADIO(c.n2 + 1));
    session.Click(c.plus ? ctl::PLUSB : ctl::MINUSB);
}

void ExpectShown(Session& session, const ColumnCase& c) {
    SCOPED_TRACE(c.name);
    const runtime::Window& window = session.Window();
    const Variables& v = session.Vars();
    const std::string shape = v.LocShape.Str();
    EXPECT_EQ(v.SUMIT, c.sum);
    EXPECT_EQ(v.OPERATORSYMBOL, c.plus ? "+" : "-");
    EXPECT_EQ(Shown(window, ctl::BEAD1), Expected(10, {{c.n1, "beadblack.bmp"}}));
    EXPECT_EQ(Shown(window, ctl::BEAD2), Expected(10, {{c.n2, "beadred.bmp"}}));
    EXPECT_EQ(Shown(window, ctl::BEAD3), Expected(20, c.beads));
    EXPECT_EQ(Shown(window, ctl::IMAGE1), Expected(10, {{c.n1, shape}}));
    EXPECT_EQ(Shown(window, ctl::IMAGE2), Expected(10, {{c.n2, shape}}));
    EXPECT_EQ(Shown(window, ctl::IMAGE3), Expected(20, {{std::abs(c.sum), shape}}));
    const runtime::Colour ground = c.red ? 255 : runtime::NoColour;
    EXPECT_EQ(window.Fill(ctl::PANEL3), ground);
    EXPECT_EQ(window.Fill(ctl::GROUP3), ground);
}

class ResultColumn : public ::testing::TestWithParam<ColumnCase> {
protected:
    Workspace workspace;
};

TEST_P(ResultColumn, FreshWindow) {
    Session session;
    Pose(session, GetParam());
    ExpectShown(session, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Addit, ResultColumn, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

// Every redraw starts from nothing, so what was shown before never shows
// through, and the red ground of a negative result goes with it.
TEST(ResultColumnSequence, DependsOnlyOnTheLastProblem) {
    Workspace workspace;
    Session session;
    for (const ColumnCase& c : Cases()) {
        Pose(session, c);
        ExpectShown(session, c);
    }
    for (auto c = Cases().rbegin(); c != Cases().rend(); ++c) {
        Pose(session, *c);
        ExpectShown(session, *c);
    }
}

// The rows reach the screen: a shown bead or shape has its picture's colour.
TEST(ResultColumnPixels, PicturesAndRedGroundAreOnScreen) {
    for (double scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        Workspace workspace;
        runtime::HeadlessOptions options;
        options.scale = scale;
        Session session(options);
        Pose(session, Cases()[2]);  // 3 - 7
        runtime::Window& window = session.Window();
        const runtime::Image& frame = window.Frame();
        auto colourAt = [&](runtime::ControlId id) {
            const runtime::Rect r = window.ControlRect(id);
            const int x = static_cast<int>((r.x + r.width / 2) * window.Scale());
            const int y = static_cast<int>((r.y + r.height / 2) * window.Scale());
            return frame.At(x, y) & 0xFFFFFF;
        };
        const auto& colours = PictureColours();
        EXPECT_EQ(colourAt(ctl::BEAD1(3)), colours.at("beadblack.bmp"));
        EXPECT_EQ(colourAt(ctl::BEAD2(7)), colours.at("beadred.bmp"));
        EXPECT_EQ(colourAt(ctl::BEAD3(4)), colours.at("beadNeg.bmp"));
        EXPECT_EQ(colourAt(ctl::IMAGE3(4)), colours.at(session.Vars().LocShape.Str()));
        // Below the last result bead the red ground of the group shows.
        EXPECT_EQ(colourAt(ctl::BEAD3(5)), 0xFF0000u);
    }
}

}  // namespace
}  // namespace abacor::testing
