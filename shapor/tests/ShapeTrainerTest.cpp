#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "shapor/Controls.h"
#include "shapor/ShapeKind.h"
#include "shapor/testing/Trainer.h"
#include "shapor/tests/Regions.h"

namespace shapor {
namespace {

using testing::CountPieces;

class ShapeTrainerTest : public ::testing::Test {
protected:
    testing::Trainer trainer;
    Variables& v = trainer.main.v;
};

TEST_F(ShapeTrainerTest, OpensWithPlusChosenAndTheFirstNumeralFocused) {
    ASSERT_TRUE(trainer.opened);
    EXPECT_EQ(v.OPERATOR, "PLUS");
    EXPECT_EQ(v.OPERATOR.Raw(), "PLUS      ");
    EXPECT_EQ(v.OPERATORSYMBOL, "+");
    EXPECT_EQ(v.N1, 0);
    EXPECT_EQ(v.N2, 0);
    EXPECT_EQ(v.SUMIT, 0);
    EXPECT_EQ(trainer.main.window.Focus(), ctl::FirstField);
    // The canvas covers the whole drawing surface.
    const runtime::Rect surface = trainer.main.window.ControlRect(ctl::DRAW1);
    EXPECT_GT(trainer.main.Drawer1.Width, 0);
    EXPECT_NEAR(trainer.main.Drawer1.Width, surface.width * trainer.main.window.Scale(), 1);
}

TEST_F(ShapeTrainerTest, SevenMinusNineIsMinusTwo) {
    trainer.Click(ctl::N1_RADIO.ForNumber(7));
    trainer.Click(ctl::OPERATOR_RADIO2);
    trainer.Click(ctl::N2_RADIO.ForNumber(9));
    EXPECT_EQ(v.N1, 7);
    EXPECT_EQ(v.OPERATOR, "MINUS");
    EXPECT_EQ(v.OPERATORSYMBOL, "-");
    EXPECT_EQ(v.N2, 9);
    EXPECT_EQ(v.SUMIT, -2);
}

TEST_F(ShapeTrainerTest, TenPlusTenIsTwenty) {
    trainer.Click(ctl::N1_RADIO.ForNumber(10));
    trainer.Click(ctl::OPERATOR_RADIO1);
    trainer.Click(ctl::N2_RADIO.ForNumber(10));
    EXPECT_EQ(v.OPERATORSYMBOL, "+");
    EXPECT_EQ(v.SUMIT, 20);
}

TEST_F(ShapeTrainerTest, ZeroClearsTheSurfaceToWhiteAndRecomputes) {
    trainer.Click(ctl::N2_RADIO.ForNumber(4));
    trainer.Click(ctl::N1_RADIO.ForNumber(3));
    ASSERT_EQ(CountPieces(trainer.Surface()).count, 3);
    trainer.Click(ctl::N1_RADIO.ForNumber(0));
    const auto pieces = CountPieces(trainer.Surface());
    EXPECT_TRUE(pieces.valid);
    EXPECT_EQ(pieces.count, 0) << "a pixel is not white";
    EXPECT_EQ(v.SUMIT, 4);
}

TEST_F(ShapeTrainerTest, OnlyANewFirstNumberRedrawsTheScene) {
    trainer.Click(ctl::N1_RADIO.ForNumber(6));
    const auto scene = trainer.Surface();
    trainer.Click(ctl::OPERATOR_RADIO2);
    trainer.Click(ctl::N2_RADIO.ForNumber(2));
    trainer.Click(ctl::OPERATOR_RADIO1);
    trainer.Click(ctl::N2_RADIO.ForNumber(5));
    EXPECT_EQ(trainer.Surface(), scene);
    EXPECT_EQ(v.SUMIT, 11);
    trainer.Click(ctl::N1_RADIO.ForNumber(5));
    EXPECT_NE(trainer.Surface(), scene);
    EXPECT_EQ(v.SUMIT, 10);
}

TEST_F(ShapeTrainerTest, ClosingReleasesTheCanvas) {
    trainer.main.thisWindow.Finish();
    EXPECT_EQ(trainer.main.Drawer1.Killed, 1);
}

// Every kind, every first number, many random scenes: the child can count
// exactly N1 objects on the surface, none cut by its edge.
TEST(ShapeTrainerScenes, EveryObjectCanBeCounted) {
    testing::Trainer trainer;
    for (int n = 0; n <= 10; ++n) {
        std::map<std::string, int> drawn;
        const auto done = [&] {
            return static_cast<int>(drawn.size()) == LastKind &&
                   std::all_of(drawn.begin(), drawn.end(),
                               [](const auto& d) { return d.second >= 5; });
        };
        for (std::uint64_t seed = 1; !done(); ++seed) {
            ASSERT_LT(seed, 1000u) << "some kind is never drawn";
            trainer.Random().Seed(seed * 7919 + static_cast<std::uint64_t>(n));
            trainer.ChooseFirst(n);
            const std::string kind = trainer.main.v.LocShape.Str();
            ++drawn[kind];
            const auto pieces = CountPieces(trainer.Surface());
            ASSERT_TRUE(pieces.valid);
            EXPECT_EQ(pieces.count, n) << kind << ", seed " << seed;
            EXPECT_FALSE(pieces.touchEdge) << kind << ", N1 " << n << ", seed " << seed;
        }
    }
}

}  // namespace
}  // namespace shapor
