#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "canvas/tests/FigureCanvas.h"

namespace canvas {
namespace {

using testing::FigureCanvas;
using testing::Pixel;

constexpr std::int32_t White = 0xFFFFFF;

// Ring k of Sphere(x, y, 40, 40, ...) starts at row y + k on the middle
// column; the next ring covers only the row below, so the pixel keeps ring
// k's colour. Colour values are red in the low byte.
TEST(SphereTest, RingColoursStepFromTheOuterColourTowardsTheInner) {
    FigureCanvas canvas(100, 100);
    canvas.draw.SetPenColor(-1);
    canvas.draw.Sphere(10, 10, 40, 40, 0x0000C8, 0, 1.0, 0.0);
    EXPECT_EQ(canvas.At(29, 10), 0x0000C8);  // ring 0: the outer colour itself
    EXPECT_EQ(canvas.At(29, 11), 0x0000BE);  // ring 1: 200 - 10
    EXPECT_EQ(canvas.At(29, 20), 0x000064);  // ring 10: red 100
    EXPECT_EQ(canvas.At(29, 27), 0x00001E);  // ring 17 (the two innermost rings cover row 28)
    EXPECT_EQ(canvas.At(29, 29), 0x00000A);  // the innermost ring, 19 steps: never the inner colour
}

TEST(SphereTest, ChannelsStepApartAndRoundHalfUp) {
    FigureCanvas canvas(100, 100);
    canvas.draw.SetPenColor(-1);
    // Red 0 -> 255, green 255 -> 0, blue 101 -> 0, over 20 steps: after one
    // step red 12.75 -> 13, green 242.25 -> 242, blue 96 -> 96.
    canvas.draw.Sphere(10, 10, 40, 40, 0x65FF00, 0x0000FF, 0.0, 0.0);
    EXPECT_EQ(canvas.At(29, 11), (96 << 16) | (242 << 8) | 13);
}

TEST(SphereTest, OutlineInThePenColourAndPenRestored) {
    FigureCanvas canvas(100, 100);
    canvas.draw.SetPenColor(0x00FF00);
    canvas.draw.SetPenWidth(1);
    canvas.draw.Sphere(10, 10, 40, 40, 0x0000C8, 0, 1.0, 0.0);
    EXPECT_EQ(canvas.At(29, 10), 0x00FF00);
    EXPECT_EQ(canvas.At(10, 29), 0x00FF00);
    EXPECT_EQ(canvas.draw.PenColor, 0x00FF00);
    EXPECT_EQ(canvas.draw.PenWidth, 1);

    FigureCanvas wide(100, 100);
    wide.draw.SetPenColor(5);
    wide.draw.SetPenWidth(4);
    wide.draw.Sphere(10, 10, 30, 20, 0x0000C8, 0, 0.0, 0.3);
    EXPECT_EQ(wide.draw.PenColor, 5);
    EXPECT_EQ(wide.draw.PenWidth, 4);
}

TEST(SphereTest, OnePixelSphereIsItsOutlinePixel) {
    FigureCanvas canvas(20, 20);
    canvas.draw.SetPenColor(0x00FF00);
    canvas.draw.Sphere(5, 6, 1, 1, 0x0000C8, 0, 0.0, 0.0);
    EXPECT_EQ(canvas.PixelsNot(White), (std::set<Pixel>{{5, 6}}));
}

TEST(SphereTest, NegativeOuterColourDrawsOnlyTheOutline) {
    FigureCanvas canvas(60, 60), outline(60, 60);
    canvas.draw.SetPenColor(0x00FF00);
    outline.draw.SetPenColor(0x00FF00);
    canvas.draw.Sphere(5, 5, 40, 40, -200, 0, 0.0, 0.0);
    outline.draw.Ellipse(5, 5, 40, 40, -1);
    EXPECT_EQ(canvas.Buffer(), outline.Buffer());
}

TEST(SphereTest, SmallSizesNeedNoDivision) {
    for (auto [w, h] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}, {-4, -4}, {0, 7}, {7, 0}}) {
        FigureCanvas canvas(20, 20);
        canvas.draw.Sphere(5, 5, w, h, 0x0000C8, 0, 0.0, 0.0);
        EXPECT_EQ(canvas.draw.PenWidth, 1) << w << " x " << h;
    }
}

TEST(SphereTest, OffsetsAreClampedToHalfAPixel) {
    struct Case {
        std::int32_t w, h;
        double xOffset, yOffset, sameXOffset, sameYOffset;
    } const cases[] = {
        {60, 30, 0.0, 1.0, 0.0, 0.5},
        {60, 30, 0.0, -3.0, 0.0, -0.5},
        {30, 60, 1.0, 0.0, 0.5, 0.0},
        {30, 60, -3.0, 0.0, -0.5, 0.0},
        {40, 40, 0.4, -0.3, 0.0, 0.0},  // a circle ignores both
    };
    for (const Case& c : cases) {
        FigureCanvas big(100, 100), clamped(100, 100);
        big.draw.Sphere(10, 10, c.w, c.h, 0x0000C8, 0xFF0000, c.xOffset, c.yOffset);
        clamped.draw.Sphere(10, 10, c.w, c.h, 0x0000C8, 0xFF0000, c.sameXOffset, c.sameYOffset);
        EXPECT_EQ(big.Buffer(), clamped.Buffer()) << c.w << " x " << c.h << " offsets " << c.xOffset << ", "
                                                  << c.yOffset;
    }
}

// Sphere(x, y, 60, 30, a, b, 0, 0.5): the rings' tops move down one pixel per
// ring (half a pixel to stay centred, half of drift), so the middle column
// shows ring k at row y + k, each ring's top pixel in its own colour.
TEST(SphereTest, DriftMovesTheRingsOfAWideShape) {
    FigureCanvas canvas(100, 100);
    canvas.draw.SetPenColor(-1);
    canvas.draw.Sphere(10, 10, 60, 30, 0x0000F0, 0, 0.0, 0.5);
    for (std::int32_t k = 0; k < 8; ++k) {
        const std::int32_t red = canvas.At(39, 10 + k) & 0xFF;
        EXPECT_EQ(red, 240 - 8 * k) << "ring " << k;
    }
}

}  // namespace
}  // namespace canvas
