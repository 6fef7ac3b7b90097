#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <set>

#include "canvas/tests/FigureCanvas.h"

namespace canvas {
namespace {

using testing::FigureCanvas;
using testing::Pixel;
using testing::Rect;

constexpr std::int32_t White = 0xFFFFFF;
constexpr std::int32_t Fill = 0x00FF00;
constexpr std::int32_t Pen = 0x0000FF;

std::set<Pixel> Outline(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    std::set<Pixel> edge = Rect(x0, y0, x1, y1);
    for (const Pixel& inside : Rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1)) edge.erase(inside);
    return edge;
}

struct BoxCase {
    const char* name;
    std::int32_t x, y, w, h;
    std::set<Pixel> fill, pen;  // pixels left in each colour on a 30 x 30 canvas
};

TEST(BoxTest, FillsAndOutlinesTheVisiblePart) {
    const BoxCase cases[] = {
        {"inside", 5, 5, 4, 3, Rect(6, 6, 7, 6), Outline(5, 5, 8, 7)},
        {"one pixel", 5, 5, 1, 1, {}, {}},
        {"one column: edges only", 5, 5, 1, 10, {}, Rect(5, 5, 5, 14)},
        {"one row: edges only", 5, 5, 10, 1, {}, Rect(5, 5, 14, 5)},
        {"zero width", 5, 5, 0, 10, {}, {}},
        {"zero height", 5, 5, 10, 0, {}, {}},
        {"negative width", 10, 5, -4, 3, Rect(7, 6, 8, 6), Outline(6, 5, 9, 7)},
        {"negative both", 10, 10, -4, -3, Rect(7, 8, 8, 8), Outline(6, 7, 9, 9)},
        {"negative height", 5, 10, 4, -3, Rect(6, 8, 7, 8), Outline(5, 7, 8, 9)},
        {"wholly left", -20, 5, 10, 10, {}, {}},
        {"wholly above", 5, -20, 10, 10, {}, {}},
        {"past the right", 31, 5, 10, 10, {}, {}},
        {"past the bottom", 5, 31, 10, 10, {}, {}},
        {"sizes beyond 32 bits", INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, {}, {}},
        {"whole canvas and more", -5, -5, INT32_MAX, INT32_MAX, Rect(1, 1, 30, 30), {}},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.name);
        FigureCanvas canvas(30, 30);
        canvas.draw.SetPenColor(Pen);
        canvas.draw.Box(c.x, c.y, c.w, c.h, Fill);
        EXPECT_EQ(canvas.PixelsOf(Fill), c.fill);
        EXPECT_EQ(canvas.PixelsOf(Pen), c.pen);
    }
}

// Box(-5, 10, 20, 5, c): columns 1..14 of rows 10..14 are inside it; the
// left edge is off the canvas, the other three edges are drawn.
TEST(BoxTest, BoxCutByTheLeftEdge) {
    FigureCanvas canvas(40, 40);
    canvas.draw.SetPenColor(-1);
    canvas.draw.Box(-5, 10, 20, 5, Fill);
    EXPECT_EQ(canvas.PixelsOf(Fill), Rect(1, 10, 14, 14));

    FigureCanvas outlined(40, 40);
    outlined.draw.SetPenColor(Pen);
    outlined.draw.Box(-5, 10, 20, 5, Fill);
    std::set<Pixel> edges = Rect(1, 10, 14, 10);
    edges.merge(Rect(1, 14, 14, 14));
    edges.merge(Rect(14, 10, 14, 14));
    EXPECT_EQ(outlined.PixelsOf(Pen), edges);
}

TEST(BoxTest, NegativePenFillsWithoutOutline) {
    FigureCanvas canvas(20, 20);
    canvas.draw.SetPenColor(-1);
    canvas.draw.Box(3, 3, 5, 4, Fill);
    EXPECT_EQ(canvas.PixelsNot(White), Rect(3, 3, 7, 6));
}

TEST(BoxTest, NegativeFillOutlinesOnly) {
    FigureCanvas canvas(20, 20);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.Box(3, 3, 5, 4, -1);
    EXPECT_EQ(canvas.PixelsNot(White), Outline(3, 3, 7, 6));
}

TEST(BoxTest, PenIsRestoredAfterTheFill) {
    FigureCanvas canvas(20, 20);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.SetPenWidth(3);
    canvas.draw.Box(5, 5, 8, 8, Fill);
    EXPECT_EQ(canvas.draw.PenColor, Pen);
    EXPECT_EQ(canvas.draw.PenWidth, 3);
}

TEST(BoxTest, WidePenDrawsThickEdges) {
    FigureCanvas canvas(30, 30);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.SetPenWidth(3);
    canvas.draw.Box(10, 10, 10, 10, -1);
    // Each edge is three pixels deep, centred on the thin edge, and ends
    // square where the thin edge ends: the corners keep a one-pixel notch.
    std::set<Pixel> edges = Rect(10, 9, 19, 11);
    edges.merge(Rect(9, 10, 11, 19));
    edges.merge(Rect(18, 10, 20, 19));
    edges.merge(Rect(10, 18, 19, 20));
    EXPECT_EQ(canvas.PixelsOf(Pen), edges);
}

TEST(BoxTest, PatternFillIsAnchoredToTheCanvas) {
    FigureCanvas canvas(20, 20);
    canvas.draw.SetPenColor(-1);
    canvas.draw.SetFill("1010101001010101101010100101010110101010010101011010101001010101");
    canvas.draw.Box(3, 4, 6, 5, Fill);
    std::set<Pixel> checks;
    for (const Pixel& p : Rect(3, 4, 8, 8))
        if ((p.first + p.second) % 2 == 0) checks.insert(p);
    EXPECT_EQ(canvas.PixelsOf(Fill), checks);
    EXPECT_EQ(canvas.draw.PenColor, -1);
}

}  // namespace
}  // namespace canvas
