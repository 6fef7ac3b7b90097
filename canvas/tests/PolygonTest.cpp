#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "canvas/tests/FigureCanvas.h"

namespace canvas {
namespace {

using testing::Columns;
using testing::FigureCanvas;
using testing::Pixel;

constexpr std::int32_t White = 0xFFFFFF;
constexpr std::int32_t Fill = 0x00FF00;
constexpr std::int32_t Pen = 0x0000FF;

const std::vector<std::int32_t> Triangle = {10, 50, 35, 25, 60, 50};

// The shape trainer's triangle: both slanted edges start at (35, 25); row 25
// is a span of width 0, row 26 spans 34..36, and each row below one pixel
// wider on each side, up to 10..60 on row 50.
TEST(PolygonTest, TriangleRowByRowWithoutPen) {
    FigureCanvas canvas(100, 100);
    canvas.draw.SetPenColor(-1);
    canvas.draw.Polygon(Triangle, Fill, 0);
    EXPECT_TRUE(canvas.RowOf(25, Fill).empty());
    for (std::int32_t y = 26; y <= 50; ++y)
        EXPECT_EQ(canvas.RowOf(y, Fill), Columns(35 - (y - 25), 35 + (y - 25))) << "row " << y;
    EXPECT_EQ(canvas.PixelsNot(White), canvas.PixelsOf(Fill));
    EXPECT_EQ(canvas.PixelsOf(Fill).size(), 675u);
}

TEST(PolygonTest, TriangleWithPenGetsAllThreeEdges) {
    FigureCanvas canvas(100, 100);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.Polygon(Triangle, Fill, 0);
    EXPECT_EQ(canvas.RowOf(50, Pen), Columns(10, 60));  // the base is outlined too
    EXPECT_EQ(canvas.At(35, 25), Pen);
    for (std::int32_t y = 26; y < 50; ++y) {
        const std::int32_t half = y - 25;
        EXPECT_EQ(canvas.RowOf(y, Pen), (std::set<std::int32_t>{35 - half, 35 + half})) << "row " << y;
        EXPECT_EQ(canvas.RowOf(y, Fill), Columns(35 - half + 1, 35 + half - 1)) << "row " << y;
    }
}

TEST(PolygonTest, NoFillDrawsTheOutlineOnly) {
    FigureCanvas canvas(100, 100);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.Polygon(Triangle, -1, 0);
    EXPECT_TRUE(canvas.PixelsOf(Fill).empty());
    EXPECT_EQ(canvas.PixelsOf(Pen).size(), 26u + 26u + 51u - 3u);  // three shared corners

    FigureCanvas nothing(100, 100);
    nothing.draw.SetPenColor(-1);
    nothing.draw.Polygon(Triangle, -1, 0);
    EXPECT_TRUE(nothing.PixelsNot(White).empty());
}

TEST(PolygonTest, VertexCountBeyondTheArrayIsRefused) {
    FigureCanvas canvas(100, 100);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.SetPenWidth(3);
    canvas.draw.Polygon(Triangle, Fill, 4);
    EXPECT_EQ(canvas.LastMessage(),
              "An error occured in Polygon, error: The number of vertices specified is larger than the number "
              "of vertices in the array passed.");
    EXPECT_TRUE(canvas.PixelsNot(White).empty());
    EXPECT_EQ(canvas.draw.PenColor, Pen);
    EXPECT_EQ(canvas.draw.PenWidth, 3);
}

TEST(PolygonTest, VertexCountChoosesTheVertices) {
    FigureCanvas whole(100, 100), three(100, 100), odd(100, 100);
    whole.draw.Polygon(Triangle, Fill, 0);
    three.draw.Polygon(std::vector<std::int32_t>{10, 50, 35, 25, 60, 50, 90, 90}, Fill, 3);
    odd.draw.Polygon(std::vector<std::int32_t>{10, 50, 35, 25, 60, 50, 99}, Fill, -1);  // the odd last value is left out
    EXPECT_EQ(three.Buffer(), whole.Buffer());
    EXPECT_EQ(odd.Buffer(), whole.Buffer());
    EXPECT_TRUE(odd.host.messages.empty());
}

TEST(PolygonTest, FlatPolygonDrawsItsRowInFillOrPen) {
    FigureCanvas filled(50, 50);
    filled.draw.SetPenColor(-1);
    filled.draw.Polygon(std::vector<std::int32_t>{5, 10, 20, 10, 30, 10}, Fill, 0);
    EXPECT_EQ(filled.PixelsNot(White), testing::Rect(5, 10, 30, 10));

    FigureCanvas outlined(50, 50);
    outlined.draw.SetPenColor(Pen);
    outlined.draw.Polygon(std::vector<std::int32_t>{5, 10, 20, 10, 30, 10}, Fill, 0);
    EXPECT_EQ(outlined.PixelsNot(White), testing::Rect(5, 10, 30, 10));
    EXPECT_TRUE(outlined.PixelsOf(Fill).empty());
}

// Rows above the canvas are stepped through without drawing, so the rows
// inside get the spans they would get on a taller canvas.
TEST(PolygonTest, PolygonAboveTheTopKeepsItsShape) {
    const std::vector<std::int32_t> shape = {3, -30, 70, -5, 40, 40, 8, 25};
    FigureCanvas cut(80, 40);
    cut.draw.SetPenColor(-1);
    cut.draw.Polygon(shape, Fill, 0);

    std::vector<std::int32_t> lowered = shape;
    for (std::size_t i = 1; i < lowered.size(); i += 2) lowered[i] += 50;
    FigureCanvas tall(80, 90);
    tall.draw.SetPenColor(-1);
    tall.draw.Polygon(lowered, Fill, 0);
    for (std::int32_t y = 1; y <= 40; ++y) EXPECT_EQ(cut.RowOf(y, Fill), tall.RowOf(y + 50, Fill)) << "row " << y;
    EXPECT_FALSE(cut.RowOf(1, Fill).empty());
}

TEST(PolygonTest, PolygonBelowTheCanvasDrawsNothing) {
    FigureCanvas canvas(50, 50);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.Polygon(std::vector<std::int32_t>{5, 60, 30, 55, 40, 90}, Fill, 0);
    EXPECT_TRUE(canvas.PixelsNot(White).empty());
}

TEST(PolygonTest, PenIsRestored) {
    FigureCanvas canvas(50, 50);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.SetPenWidth(2);
    canvas.draw.SetPenStyle(1);
    canvas.draw.Polygon(Triangle, Fill, 0);
    EXPECT_EQ(canvas.draw.PenColor, Pen);
    EXPECT_EQ(canvas.draw.PenWidth, 2);
    EXPECT_EQ(canvas.draw.PenStyle, 1);
}

// A comb: `teeth` spikes hanging from a bar, 2 * teeth + 2 slanted or
// vertical edges, 2 * teeth of them crossing the rows of the teeth.
std::vector<std::int32_t> Comb(std::int32_t teeth) {
    std::vector<std::int32_t> xy = {1, 1};
    for (std::int32_t t = 0; t < teeth; ++t) {
        const std::int32_t x = 1 + 4 * t;
        xy.insert(xy.end(), {x + 1, 10, x + 2, 40, x + 3, 10});
    }
    xy.insert(xy.end(), {4 * teeth + 1, 1});
    return xy;
}

TEST(PolygonTest, TooManyEdgesAreRefused) {
    struct Case {
        const char* name;
        std::vector<std::int32_t> xy;
        const char* report;  // empty: drawn
    } const cases[] = {
        {"32 teeth", Comb(32), ""},
        {"33 teeth: 66 edges cross a row", Comb(33),
         "An error occured in Polygon, error: The polygon has more edges crossing one row than can be filled, "
         "at most 64 may cross a row."},
        {"zigzag of 130 edges", [] {
             std::vector<std::int32_t> xy;
             for (std::int32_t k = 0; k < 130; ++k) xy.insert(xy.end(), {k, k % 2 == 0 ? 5 : 300});
             return xy;
         }(),
         "An error occured in Polygon, error: The polygon has more edges than can be filled, at most 128 edges "
         "may be other than horizontal."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FigureCanvas canvas(200, 50);
        canvas.draw.SetPenColor(Pen);
        canvas.draw.Polygon(c.xy, Fill, 0);
        EXPECT_EQ(canvas.LastMessage(), c.report);
        EXPECT_EQ(canvas.PixelsNot(White).empty(), std::string(c.report).size() > 0);
    }
}

TEST(PolygonTest, OutlineWithoutFillHasNoEdgeLimit) {
    std::vector<std::int32_t> xy;
    for (std::int32_t k = 0; k < 300; ++k) xy.insert(xy.end(), {k % 50, k % 2 == 0 ? 5 : 40});
    FigureCanvas canvas(60, 60);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.Polygon(xy, -1, 0);
    EXPECT_TRUE(canvas.host.messages.empty());
    EXPECT_FALSE(canvas.PixelsOf(Pen).empty());
}

}  // namespace
}  // namespace canvas
