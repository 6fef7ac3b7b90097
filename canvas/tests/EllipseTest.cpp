#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <set>

#include "canvas/tests/FigureCanvas.h"

namespace canvas {
namespace {

using testing::Columns;
using testing::FigureCanvas;
using testing::Pixel;

constexpr std::int32_t White = 0xFFFFFF;
constexpr std::int32_t Fill = 0x00FF00;
constexpr std::int32_t Pen = 0x0000FF;

struct Extent {
    std::int32_t left, top, right, bottom;
    bool operator==(const Extent&) const = default;
};
Extent ExtentOf(const std::set<Pixel>& pixels) {
    Extent e{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (auto [x, y] : pixels) {
        e.left = std::min(e.left, x);
        e.right = std::max(e.right, x);
        e.top = std::min(e.top, y);
        e.bottom = std::max(e.bottom, y);
    }
    return e;
}
std::ostream& operator<<(std::ostream& out, const Extent& e) {
    return out << "(" << e.left << ", " << e.top << ")-(" << e.right << ", " << e.bottom << ")";
}

struct ExtentCase {
    std::int32_t w, h;
    Extent expected;  // of Ellipse(10, 10, w, h, ...)
};

// An even size loses its last column or row: 20 x 40 covers 19 x 39 pixels,
// 40 x 40 is a circle of radius 19 around (29, 29).
TEST(EllipseTest, ShapeSpansTwiceItsHalfAxesPlusOne) {
    const ExtentCase cases[] = {
        {20, 40, {10, 10, 28, 48}}, {40, 40, {10, 10, 48, 48}}, {21, 41, {10, 10, 30, 50}},
        {5, 3, {10, 10, 14, 12}},   {2, 2, {10, 10, 10, 10}},
    };
    for (const ExtentCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.w << " x " << c.h);
        for (std::int32_t fill : {Fill, -1}) {
            FigureCanvas canvas(80, 80);
            canvas.draw.SetPenColor(Pen);
            canvas.draw.Ellipse(10, 10, c.w, c.h, fill);
            EXPECT_EQ(ExtentOf(canvas.PixelsNot(White)), c.expected);
        }
    }
}

TEST(EllipseTest, CircleOfFortyIsRoundAboutItsCentre) {
    FigureCanvas canvas(80, 80);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.Ellipse(10, 10, 40, 40, -1);
    const std::set<Pixel> outline = canvas.PixelsOf(Pen);
    for (auto [x, y] : outline) {
        const std::int32_t dx = x - 29, dy = y - 29;
        EXPECT_TRUE(outline.count({29 - dx, 29 + dy}) && outline.count({29 + dy, 29 + dx}));
        EXPECT_NEAR(std::hypot(dx, dy), 19.0, 0.75);
    }
    EXPECT_TRUE(outline.count({29, 10}) && outline.count({48, 29}));
}

TEST(EllipseTest, FilledRowsReachTheOutline) {
    FigureCanvas canvas(80, 80);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.Ellipse(10, 10, 20, 40, Fill);
    for (std::int32_t y = 10; y <= 48; ++y) {
        const std::set<std::int32_t> pen = canvas.RowOf(y, Pen);
        const std::set<std::int32_t> fill = canvas.RowOf(y, Fill);
        ASSERT_FALSE(pen.empty()) << "row " << y;
        // The fill lies between the outline's ends on each row, with no gap.
        if (!fill.empty()) {
            EXPECT_EQ(fill, Columns(*fill.begin(), *fill.rbegin())) << "row " << y;
            EXPECT_LE(*pen.begin(), *fill.begin());
            EXPECT_GE(*pen.rbegin(), *fill.rbegin());
        }
    }
}

TEST(EllipseTest, SmallCircleInTheFillColourShowsOnlyItsMiddleRow) {
    for (std::int32_t size : {3, 4}) {
        FigureCanvas canvas(20, 20);
        canvas.draw.SetPenColor(Fill);
        canvas.draw.Ellipse(5, 5, size, size, Fill);
        EXPECT_EQ(canvas.PixelsNot(White), (std::set<Pixel>{{5, 6}, {6, 6}, {7, 6}})) << size;
    }
}

TEST(EllipseTest, NegativePenStillFills) {
    FigureCanvas canvas(30, 30);
    canvas.draw.SetPenColor(-1);
    canvas.draw.Ellipse(5, 5, 11, 7, Fill);
    canvas.draw.Ellipse(5, 15, 9, 9, Fill);
    EXPECT_FALSE(canvas.PixelsOf(Fill).empty());
    EXPECT_EQ(canvas.PixelsOf(Fill), canvas.PixelsNot(White));
}

TEST(EllipseTest, FlatEllipseIsALineInThePenColour) {
    FigureCanvas canvas(20, 20);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.Ellipse(4, 3, 0, 10, Fill);
    EXPECT_EQ(canvas.PixelsNot(White), testing::Rect(4, 3, 4, 13));
    EXPECT_TRUE(canvas.PixelsOf(Fill).empty());
}

TEST(EllipseTest, ThinPenRemembersTheFillColour) {
    struct Case {
        const char* name;
        std::int32_t w, h, fill, penWidth;
        bool stored;
    } const cases[] = {
        {"filled", 10, 6, Fill, 1, true},
        {"no fill", 10, 6, -1, 1, false},
        {"zero size", 0, 6, Fill, 1, false},
        {"wide pen", 10, 6, Fill, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FigureCanvas canvas(20, 20);
        canvas.draw.FillColor = 7;
        canvas.draw.SetPenWidth(c.penWidth);
        canvas.draw.Ellipse(2, 2, c.w, c.h, c.fill);
        EXPECT_EQ(canvas.draw.FillColor, c.stored ? c.fill : 7);
    }
}

TEST(EllipseTest, NegativeSizesExtendLeftAndUp) {
    FigureCanvas moved(40, 40), plain(40, 40);
    moved.draw.Ellipse(20, 25, -12, -9, Fill);
    plain.draw.Ellipse(8, 16, 12, 9, Fill);
    EXPECT_EQ(moved.Buffer(), plain.Buffer());
}

TEST(EllipseTest, HugeEllipsesAreCutToTheCanvas) {
    // Half axes beyond 2^20 take the wide-arithmetic walk.
    FigureCanvas canvas(20, 20);
    canvas.draw.SetPenColor(Pen);
    canvas.draw.Ellipse(-3'000'000, -1000, 6'000'021, 2021, Fill);
    EXPECT_EQ(canvas.PixelsOf(Fill).size(), 400u);
    FigureCanvas off(20, 20);
    off.draw.Ellipse(INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, Fill);
    off.draw.Ellipse(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, Fill);
    EXPECT_TRUE(off.PixelsNot(White).empty());
}

TEST(EllipseTest, WidePenDrawsAClosedRing) {
    for (auto [w, h] : {std::pair{30, 30}, {31, 21}, {12, 30}}) {
        SCOPED_TRACE(::testing::Message() << w << " x " << h);
        FigureCanvas canvas(50, 50);
        canvas.draw.SetPenColor(Pen);
        canvas.draw.SetPenWidth(3);
        canvas.draw.Ellipse(5, 5, w, h, Fill);
        const std::int32_t cx = 5 + (w - 1) / 2, cy = 5 + (h - 1) / 2;
        // Walking out from the centre in any of eight directions meets the
        // fill, then two to four pixels of ring, then the white outside.
        for (auto [sx, sy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}}) {
            std::int32_t x = cx, y = cy, ring = 0;
            EXPECT_EQ(canvas.At(x, y), Fill);
            while (canvas.At(x, y) == Fill) x += sx, y += sy;
            while (canvas.At(x, y) == Pen) x += sx, y += sy, ++ring;
            EXPECT_EQ(canvas.At(x, y), White);
            EXPECT_GE(ring, 2);
            EXPECT_LE(ring, 4);
        }
    }
}

}  // namespace
}  // namespace canvas
