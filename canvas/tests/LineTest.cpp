#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <set>

#include "canvas/tests/FigureCanvas.h"

namespace canvas {
namespace {

using testing::Columns;
using testing::FigureCanvas;
using testing::Pixel;

constexpr std::int32_t White = 0xFFFFFF;
constexpr std::int32_t Ink = 0x0000FF;

struct StraightCase {
    const char* name;
    std::int32_t x, y, w, h;
    std::set<Pixel> expected;
};

std::set<Pixel> RowPixels(std::int32_t y, std::int32_t x0, std::int32_t x1) {
    std::set<Pixel> pixels;
    for (std::int32_t x = x0; x <= x1; ++x) pixels.insert({x, y});
    return pixels;
}
std::set<Pixel> ColumnPixels(std::int32_t x, std::int32_t y0, std::int32_t y1) {
    std::set<Pixel> pixels;
    for (std::int32_t y = y0; y <= y1; ++y) pixels.insert({x, y});
    return pixels;
}

TEST(LineTest, StraightLinesIncludeBothEndsAndStopAtTheEdges) {
    const StraightCase cases[] = {
        {"zero length", 5, 5, 0, 0, {}},
        {"right", 5, 5, 3, 0, RowPixels(5, 5, 8)},
        {"left", 5, 5, -3, 0, RowPixels(5, 2, 5)},
        {"past the right edge", 15, 3, 10, 0, RowPixels(3, 15, 20)},
        {"past the left edge", 3, 3, -10, 0, RowPixels(3, 1, 3)},
        {"row above", 3, 0, 5, 0, {}},
        {"row below", 3, 21, 5, 0, {}},
        {"down", 4, 2, 0, 5, ColumnPixels(4, 2, 7)},
        {"up past the top", 4, 3, 0, -9, ColumnPixels(4, 1, 3)},
        {"column 0", 0, 2, 0, 5, {}},
        {"column past the right", 21, 2, 0, 5, {}},
        {"45 degrees", 2, 3, 4, 4, {{2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}}},
        {"45 degrees up-left, clipped", 2, 3, -4, -4, {{1, 2}, {2, 3}}},
        {"45 degrees through the corner", 19, 19, 4, 4, {{19, 19}, {20, 20}}},
        {"longest row", INT32_MIN, 7, INT32_MAX, 0, {}},
        {"whole row from far left", -10, 7, INT32_MAX, 0, RowPixels(7, 1, 20)},
        {"whole column from far up", 7, -10, 0, INT32_MAX, ColumnPixels(7, 1, 20)},
        {"column ending above", 7, INT32_MIN + 1, 0, INT32_MAX, {}},
    };
    for (const StraightCase& c : cases) {
        SCOPED_TRACE(c.name);
        FigureCanvas canvas(20, 20);
        canvas.draw.SetPenColor(Ink);
        canvas.draw.Line(c.x, c.y, c.w, c.h);
        EXPECT_EQ(canvas.PixelsOf(Ink), c.expected);
    }
}

TEST(LineTest, LineOfFourByOneSetsOnePixelInEachColumn) {
    FigureCanvas canvas(20, 20);
    canvas.draw.SetPenColor(Ink);
    canvas.draw.Line(5, 5, 4, 1);
    std::map<std::int32_t, int> perColumn;
    for (const Pixel& p : canvas.PixelsOf(Ink)) ++perColumn[p.first];
    EXPECT_EQ(perColumn, (std::map<std::int32_t, int>{{5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}}));
    EXPECT_EQ(canvas.At(5, 5), Ink);
    EXPECT_EQ(canvas.At(9, 6), Ink);
}

// The double-step line, in every octant and for every remainder of its
// length modulo four (the tail cases): one pixel per major-axis column, both
// ends set, and no pixel farther than one from the ideal line.
TEST(LineTest, SlopedLinesSetOnePixelPerMajorColumnCloseToTheIdealLine) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> extent(-40, 40);
    for (int trial = 0; trial < 2000; ++trial) {
        const std::int32_t w = extent(random), h = extent(random);
        if (w == 0 || h == 0 || std::abs(w) == std::abs(h)) continue;
        SCOPED_TRACE(::testing::Message() << "Line(50, 50, " << w << ", " << h << ")");
        FigureCanvas canvas(100, 100);
        canvas.draw.SetPenColor(Ink);
        canvas.draw.Line(50, 50, w, h);
        const std::set<Pixel> pixels = canvas.PixelsOf(Ink);
        const bool xMajor = std::abs(w) > std::abs(h);
        const std::int32_t major = std::max(std::abs(w), std::abs(h));
        std::map<std::int32_t, int> perColumn;
        for (const Pixel& p : pixels) {
            ++perColumn[xMajor ? p.first : p.second];
            // Distance, along the minor axis, from the ideal line.
            const double t = xMajor ? (p.first - 50.0) / w : (p.second - 50.0) / h;
            const double ideal = xMajor ? 50.0 + t * h : 50.0 + t * w;
            EXPECT_LT(std::abs((xMajor ? p.second : p.first) - ideal), 1.0) << p.first << "," << p.second;
        }
        EXPECT_EQ(static_cast<std::int32_t>(perColumn.size()), major + 1);
        for (const auto& [column, count] : perColumn) EXPECT_EQ(count, 1) << "column " << column;
        EXPECT_TRUE(pixels.count({50, 50}));
        EXPECT_TRUE(pixels.count({50 + w, 50 + h}));
    }
}

TEST(LineTest, SlopedLinesAreCutPixelByPixelAtTheEdges) {
    FigureCanvas canvas(10, 10);
    canvas.draw.SetPenColor(Ink);
    canvas.draw.Line(-5, 2, 30, 9);  // enters at the left, leaves at the right
    std::set<std::int32_t> columns;
    for (const Pixel& p : canvas.PixelsOf(Ink)) columns.insert(p.first);
    EXPECT_EQ(columns, Columns(1, 10));
}

TEST(LineTest, NegativePenDrawsNoLine) {
    FigureCanvas canvas(10, 10);
    canvas.draw.SetPenColor(-1);
    for (auto [w, h] : {std::pair{5, 0}, {0, 5}, {5, 5}, {5, 2}}) canvas.draw.Line(2, 2, w, h);
    EXPECT_TRUE(canvas.PixelsNot(White).empty());
}

TEST(LineTest, DashedLinesFollowThePatternFromTheirStart) {
    FigureCanvas canvas(30, 10);
    canvas.draw.SetPenColor(Ink);
    canvas.draw.SetPenStyle(1);  // 4 on, 4 off
    canvas.draw.StylePos = 1;
    canvas.draw.Line(1, 1, 19, 0);
    std::set<std::int32_t> dashes = Columns(1, 4);
    dashes.merge(Columns(9, 12));
    dashes.merge(Columns(17, 20));
    EXPECT_EQ(canvas.RowOf(1, Ink), dashes);

    // The pattern goes on where the last line stopped, also across pixels
    // off the canvas: a line of 20 steps brings it back to step 5.
    canvas.draw.StylePos = 1;
    canvas.draw.Line(-100, 3, 19, 0);
    canvas.draw.Line(1, 3, 7, 0);
    EXPECT_EQ(canvas.RowOf(3, Ink), Columns(5, 8));
}

TEST(LineTest, ThickLinesAreCentredOnTheThinLine) {
    FigureCanvas canvas(20, 20);
    canvas.draw.SetPenColor(Ink);
    canvas.draw.SetPenWidth(3);
    canvas.draw.Line(5, 10, 6, 0);
    EXPECT_EQ(canvas.PixelsOf(Ink), testing::Rect(5, 9, 11, 11));

    FigureCanvas tall(20, 20);
    tall.draw.SetPenColor(Ink);
    tall.draw.SetPenWidth(4);
    tall.draw.Line(10, 3, 0, 5);
    EXPECT_EQ(tall.PixelsOf(Ink), testing::Rect(8, 3, 11, 8));

    FigureCanvas none(20, 20);
    none.draw.SetPenColor(Ink);
    none.draw.SetPenWidth(3);
    none.draw.Line(5, 5, 0, 0);
    EXPECT_TRUE(none.PixelsOf(Ink).empty());
}

TEST(LineTest, ThickSlopedLinesCoverEveryColumnAboutPenWidthThick) {
    FigureCanvas canvas(60, 60);
    canvas.draw.SetPenColor(Ink);
    canvas.draw.SetPenWidth(5);
    canvas.draw.Line(10, 10, 40, 40);
    // Square to a 45-degree line, five pixels are about seven rows deep.
    for (std::int32_t x = 12; x <= 48; ++x) {
        std::int32_t rows = 0;
        for (std::int32_t y = 1; y <= 60; ++y) rows += canvas.At(x, y) == Ink;
        EXPECT_GE(rows, 6) << "column " << x;
        EXPECT_LE(rows, 8) << "column " << x;
    }
}

TEST(LineTest, OutlineLineIsThinAndSolidWhateverThePen) {
    FigureCanvas canvas(20, 20);
    canvas.draw.SetPenColor(Ink);
    canvas.draw.SetPenWidth(4);
    canvas.draw.SetPenStyle(2);
    canvas.draw.SLine(2, 3, 6, 2);
    const std::set<Pixel> pixels = canvas.PixelsOf(Ink);
    EXPECT_EQ(pixels.size(), 7u);
    EXPECT_TRUE(pixels.count({2, 3}));
    EXPECT_TRUE(pixels.count({8, 5}));
}

}  // namespace
}  // namespace canvas
