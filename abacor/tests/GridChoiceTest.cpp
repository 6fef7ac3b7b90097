#include <gtest/gtest.h>

#include <algorithm>

#include "abacor/Controls.h"
#include "abacor/tests/Rows.h"
#include "abacor/tests/Session.h"

namespace abacor::testing {
namespace {

using Strings = std::vector<std::string>;

bool IsShapePicture(std::string_view name) {
    return std::find(ShapePictures.begin(), ShapePictures.end(), name) != ShapePictures.end();
}

class GridChoice : public ::testing::Test {
protected:
    Workspace workspace;
    Session session;
};

TEST_F(GridChoice, OpensWithPlusAndNothingShown) {
    EXPECT_EQ(session.Vars().OPERATOR, "PLUS");
    EXPECT_EQ(session.Vars().OPERATORSYMBOL, "+");
    EXPECT_EQ(session.Vars().LocShape, "");
    EXPECT_EQ(session.Window().Focus(), ctl::N1_RADIO(1));
    EXPECT_EQ(Shown(session.Window(), ctl::BEAD3), Expected(20, {}));
    EXPECT_EQ(Shown(session.Window(), ctl::IMAGE1), Expected(10, {}));
    EXPECT_TRUE(session.Sounds().empty());
}

TEST_F(GridChoice, NumeralThreePicksAShapeThenDrawsAndSpeaks) {
    session.Click(ctl::N1_RADIO(4));
    const Variables& v = session.Vars();
    EXPECT_EQ(v.N1, 3);
    EXPECT_EQ(v.SUMIT, 3);
    ASSERT_TRUE(IsShapePicture(v.LocShape.Trimmed())) << v.LocShape.Str();
    // The shape was picked before the rows were drawn: they show it.
    const std::string shape = v.LocShape.Str();
    EXPECT_EQ(Shown(session.Window(), ctl::IMAGE1), Expected(10, {{3, shape}}));
    EXPECT_EQ(Shown(session.Window(), ctl::IMAGE3), Expected(20, {{3, shape}}));
    EXPECT_EQ(Shown(session.Window(), ctl::BEAD1), Expected(10, {{3, "beadblack.bmp"}}));
    EXPECT_EQ(Shown(session.Window(), ctl::BEAD3), Expected(20, {{3, "beadblack.bmp"}}));
    EXPECT_EQ(session.Sounds(), Strings{"3.wav"});
}

TEST_F(GridChoice, TheCurrentChoiceDoesNothing) {
    session.Click(ctl::N1_RADIO(1));  // 0 is chosen already
    session.Click(ctl::N2_RADIO(1));
    EXPECT_TRUE(session.Sounds().empty());
    EXPECT_EQ(session.Vars().LocShape, "");
    EXPECT_EQ(Shown(session.Window(), ctl::IMAGE1), Expected(10, {}));

    session.Click(ctl::N1_RADIO(6));
    const std::string shape = session.Vars().LocShape.Str();
    session.Click(ctl::N1_RADIO(6));
    EXPECT_EQ(session.Sounds(), Strings{"5.wav"});
    EXPECT_EQ(session.Vars().LocShape, shape);
}

TEST_F(GridChoice, BeforeAnyFirstChoiceTheShapesStayEmpty) {
    session.Click(ctl::N2_RADIO(5));
    EXPECT_EQ(session.Vars().LocShape, "");
    EXPECT_EQ(Shown(session.Window(), ctl::IMAGE2), Expected(10, {{4, ""}}));
    EXPECT_EQ(Shown(session.Window(), ctl::IMAGE3), Expected(20, {{4, ""}}));
    for (int k = 1; k <= 4; ++k) EXPECT_FALSE(session.Window().ShowsPicture(ctl::IMAGE2(k)));
    EXPECT_EQ(Shown(session.Window(), ctl::BEAD2), Expected(10, {{4, "beadred.bmp"}}));
    EXPECT_EQ(session.Sounds(), Strings{"4.wav"});
}

TEST_F(GridChoice, SecondGridKeepsTheShape) {
    session.Click(ctl::N1_RADIO(3));
    const std::string shape = session.Vars().LocShape.Str();
    for (int k = 2; k <= 11; ++k) {
        session.Click(ctl::N2_RADIO(k));
        EXPECT_EQ(session.Vars().LocShape, shape);
    }
}

TEST_F(GridChoice, OperatorButtonsRedrawAndSpeak) {
    session.Click(ctl::N1_RADIO(3));
    session.Click(ctl::MINUSB);
    EXPECT_EQ(session.Vars().OPERATOR, "MINUS");
    EXPECT_EQ(session.Vars().OPERATORSYMBOL, "-");
    session.Click(ctl::PLUSB);
    EXPECT_EQ(session.Vars().OPERATORSYMBOL, "+");
    EXPECT_EQ(session.Sounds(), (Strings{"2.wav", "minus.wav", "plus.wav"}));
}

// Each word starts at once; the sound service cuts off the one before.
TEST_F(GridChoice, EveryChoiceSpeaksAtOnce) {
    session.Click(ctl::N1_RADIO(4));
    session.Click(ctl::N1_RADIO(6));
    session.Click(ctl::N2_RADIO(11));
    EXPECT_EQ(session.Sounds(), (Strings{"3.wav", "5.wav", "10.wav"}));
    EXPECT_EQ(session.headless.clock->sleeps, 0);
}

TEST_F(GridChoice, SpaceBarPosesARandomProblemSilently) {
    bool sawChange = false;
    for (int round = 0; round < 8; ++round) {
        const Variables before = session.Vars();
        EXPECT_EQ(session.Pump(), 0);  // nothing pending
        runtime::PressKey(session.Window(), runtime::Key::Space);
        EXPECT_EQ(session.Pump(), 1);  // the key only: moving the choices raised nothing
        const Variables& v = session.Vars();
        EXPECT_GE(v.N1, 0);
        EXPECT_LE(v.N1, 10);
        EXPECT_GE(v.N2, 0);
        EXPECT_LE(v.N2, 10);
        EXPECT_TRUE(IsShapePicture(v.LocShape.Trimmed()));
        EXPECT_EQ(v.SUMIT, v.OPERATOR == "PLUS" ? v.N1 + v.N2 : v.N1 - v.N2);
        sawChange |= v.N1 != before.N1 || v.N2 != before.N2;
        EXPECT_EQ(Shown(session.Window(), ctl::BEAD1), Expected(10, {{v.N1, "beadblack.bmp"}}));
        EXPECT_EQ(Shown(session.Window(), ctl::BEAD2), Expected(10, {{v.N2, "beadred.bmp"}}));

        // Both grids follow: choosing the new numbers again is no change.
        session.Click(ctl::N1_RADIO(v.N1 + 1));
        session.Click(ctl::N2_RADIO(v.N2 + 1));
        EXPECT_TRUE(session.Sounds().empty());
    }
    EXPECT_TRUE(sawChange);
}

// The focus starts on the "0" of the first grid; the arrow keys choose.
TEST_F(GridChoice, ArrowKeysChooseLikeClicks) {
    session.Press(runtime::Key::Right);
    session.Press(runtime::Key::Right);
    EXPECT_EQ(session.Vars().N1, 2);
    EXPECT_EQ(Shown(session.Window(), ctl::BEAD1), Expected(10, {{2, "beadblack.bmp"}}));
    EXPECT_EQ(session.Sounds(), (Strings{"1.wav", "2.wav"}));
}

TEST_F(GridChoice, OtherKeysPoseNothing) {
    session.Press('a');
    EXPECT_EQ(session.Vars().LocShape, "");
    EXPECT_TRUE(session.Sounds().empty());
}

}  // namespace
}  // namespace abacor::testing
