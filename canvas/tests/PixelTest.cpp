#include <gtest/gtest.h>

#include <algorithm>

#include "canvas/tests/CanvasFixture.h"

namespace canvas {
namespace {

using testing::CanvasTest;

TEST_F(CanvasTest, PutPixelWritesBlueGreenRedAtTheRowFromTheBottom) {
    Bind(5, 4);  // stride 16
    struct Case {
        std::int32_t x, y;
        std::size_t offset;
    };
    for (const Case c : {Case{1, 1, 54 + 3 * 16}, Case{1, 4, 54}, Case{5, 4, 54 + 12}, Case{2, 3, 54 + 16 + 3}}) {
        canvas.Blank(0);
        canvas.PutPixel(c.x, c.y, 0x0000FF);
        const Bytes& b = *canvas.BitmapFileData;
        EXPECT_EQ(b[c.offset], 0x00) << c.x << "," << c.y;
        EXPECT_EQ(b[c.offset + 1], 0x00);
        EXPECT_EQ(b[c.offset + 2], 0xFF);
        EXPECT_EQ(std::count(b.begin(), b.end(), 0xFF), 1);
    }
}

TEST_F(CanvasTest, PutPixelOutsideTheTargetChangesNothing) {
    const Bytes before = *canvas.BitmapFileData;
    const std::pair<std::int32_t, std::int32_t> outside[] = {{0, 5}, {11, 5}, {5, 0}, {5, 11}, {-1, -1}, {INT32_MIN, 5}, {5, INT32_MAX}};
    for (const auto& [x, y] : outside) canvas.PutPixel(x, y, 0x123456);
    EXPECT_EQ(*canvas.BitmapFileData, before);
}

TEST_F(CanvasTest, PutPixelTakesThePenColourForANegativeColour) {
    canvas.SetPenColor(-1);
    canvas.PutPixel(2, 2, -1);
    EXPECT_EQ(canvas.GetImagePixel(2, 2), 0);
    canvas.PutPixel(2, 2, 0x0000FF);
    canvas.PutPixel(2, 2, 0);  // black is a colour
    EXPECT_EQ(canvas.GetImagePixel(2, 2), 0);
    canvas.SetPenColor(0x00FF00);
    canvas.PutPixel(3, 3, -5);
    EXPECT_EQ(canvas.GetImagePixel(3, 3), 0x00FF00);
}

TEST_F(CanvasTest, GetImagePixelReturnsWhatPutPixelStored) {
    canvas.PutPixel(3, 4, 0x12345678);
    EXPECT_EQ(canvas.GetImagePixel(3, 4), 0x345678);
    EXPECT_EQ(canvas.GetPixel(3, 4), 0x345678);
    for (const auto& [x, y] : {std::pair{0, 1}, {1, 0}, {11, 1}, {1, 11}}) EXPECT_EQ(canvas.GetImagePixel(x, y), -1);
}

TEST_F(CanvasTest, PutPixelFollowsTheTargetWhenItsWidthChanges) {
    // The stride cache must not keep the width of the previous target.
    ASSERT_EQ(canvas.InitLayer(2, 7, 3, 1, 1, -1, 0), 1);
    canvas.PutPixel(10, 10, 0x0000FF);
    ASSERT_EQ(canvas.WithLayer("2"), 1);
    canvas.PutPixel(7, 1, 0x00FF00);
    EXPECT_EQ(canvas.GetImagePixel(7, 1), 0x00FF00);
    const Bytes& b = canvas.Layers[1].BitmapData;
    EXPECT_EQ(b[54 + 2 * 24 + 18 + 1], 0xFF);  // stride 24 for width 7
    ASSERT_EQ(canvas.WithLayer("1"), 1);
    EXPECT_EQ(canvas.GetImagePixel(10, 10), 0x0000FF);
}

// Blank: every pixel takes VAL; black and white fill every byte.
struct BlankCase {
    std::int32_t value;
    std::int32_t pixel;     // expected colour of every pixel
    bool wholeBuffer;       // every byte, headers and pad included
};

class BlankTest : public CanvasTest, public ::testing::WithParamInterface<BlankCase> {};

TEST_P(BlankTest, EveryPixelTakesTheValue) {
    const BlankCase c = GetParam();
    for (const auto& [w, h] : {std::pair{10, 10}, {1, 1}, {190, 3}, {3, 1}}) {
        Bind(w, h);
        canvas.Blank(0x0000AA);
        canvas.Blank(c.value);
        for (std::int32_t y = 1; y <= h; ++y)
            for (std::int32_t x = 1; x <= w; ++x)
                ASSERT_EQ(canvas.GetImagePixel(x, y), c.pixel) << std::hex << c.value << " at " << x << "," << y << " of " << w;
        const Bytes& b = *canvas.BitmapFileData;
        if (c.wholeBuffer) {
            const std::uint8_t fill = c.pixel == 0 ? 0 : 0xFF;
            EXPECT_TRUE(std::all_of(b.begin(), b.end(), [&](auto v) { return v == fill; }));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Values, BlankTest,
                         ::testing::Values(BlankCase{0, 0, true}, BlankCase{-7, 0, true}, BlankCase{INT32_MIN, 0, true},
                                           BlankCase{0xFFFFFF, 0xFFFFFF, true}, BlankCase{0x1000000, 0xFFFFFF, true},
                                           BlankCase{1, 0xFFFFFF, true}, BlankCase{2, 2, false},
                                           BlankCase{0x00FF00, 0x00FF00, false}, BlankCase{0xFFFFFE, 0xFFFFFE, false},
                                           BlankCase{0x123456, 0x123456, false}));

TEST_F(CanvasTest, BlankWithAColourKeepsThePenTheHeaderAndThePad) {
    Bind(5, 2);  // pad 1
    canvas.SetPenColor(0x0000FF);
    canvas.SetPenWidth(3);
    canvas.SetPenStyle(1);
    canvas.SetFill("1010101010101010101010101010101010101010101010101010101010101010");
    Bytes& b = *canvas.BitmapFileData;
    b[0] = 'B';
    canvas.Blank(0x00FF00);
    EXPECT_EQ(canvas.PenColor, 0x0000FF);
    EXPECT_EQ(canvas.PenWidth, 3);
    EXPECT_EQ(canvas.PenStyle, 1);
    EXPECT_EQ(canvas.UsePatternFill, 1);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[54 + 15], 0);  // the pad byte of the bottom row
    EXPECT_EQ(b.back(), 0);    // the spare byte
}

}  // namespace
}  // namespace canvas
