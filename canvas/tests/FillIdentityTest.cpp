// The span fills against the fills as their algorithms state them: the same
// pixels, byte for byte, inside the canvas, cut by each edge, and off it.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "canvas/tests/FigureCanvas.h"
#include "canvas/tests/LiteralFigures.h"

namespace canvas {
namespace {

using testing::FigureCanvas;

constexpr std::int32_t Width = 50, Height = 40;
constexpr std::int32_t Ground = 0x123456;

struct Placement {
    std::int32_t x, y;
};

// Inside, across each edge and corner, and wholly outside.
std::vector<Placement> Placements(std::int32_t w, std::int32_t h) {
    return {{10, 8},           {-w / 2, 10},      {Width - w / 2, 12}, {15, -h / 2},     {12, Height - h / 2},
            {-w / 3, -h / 3},  {Width - 2, Height - 2}, {-w - 3, 5},  {Width + 1, 5},   {5, Height + 1},
            {1, 1},            {Width, Height}};
}

const std::int32_t Sizes[] = {1, 2, 3, 4, 5, 7, 8, 16, 19, 20, 21, 33, 40, 41, 64};

template <class Fast, class Literal>
void ExpectSamePixels(Fast fast, Literal literal, std::int32_t pen) {
    FigureCanvas ours(Width, Height, Ground), reference(Width, Height, Ground);
    ours.draw.SetPenColor(pen);
    reference.draw.SetPenColor(pen);
    fast(ours.draw);
    literal(reference.draw);
    ASSERT_EQ(ours.Buffer(), reference.Buffer());
    EXPECT_EQ(ours.draw.PenColor, pen);
    EXPECT_EQ(ours.draw.FillColor, reference.draw.FillColor);
}

TEST(FillIdentityTest, Boxes) {
    for (std::int32_t w : Sizes)
        for (std::int32_t h : {1, 2, 9, 40}) {
            for (const Placement& p : Placements(w, h))
                for (std::int32_t pen : {-1, 0x00FF00}) {
                    SCOPED_TRACE(::testing::Message() << "Box(" << p.x << ", " << p.y << ", " << w << ", " << h
                                                      << ") pen " << pen);
                    ExpectSamePixels([&](Draw& d) { d.Box(p.x, p.y, w, h, 0x0000FF); },
                                     [&](Draw& d) { testing::literal::Box(d, p.x, p.y, w, h, 0x0000FF); }, pen);
                    ExpectSamePixels([&](Draw& d) { d.Box(p.x + w, p.y + h, -w, -h, 0x0000FF); },
                                     [&](Draw& d) { testing::literal::Box(d, p.x + w, p.y + h, -w, -h, 0x0000FF); },
                                     pen);
                }
        }
}

TEST(FillIdentityTest, CirclesAndEllipses) {
    for (std::int32_t w : Sizes)
        for (std::int32_t h : {w, 1, 2, 5, 20, 40, 41}) {
            for (const Placement& p : Placements(w, h))
                for (std::int32_t pen : {-1, 0x00FF00, 0x0000FF}) {
                    SCOPED_TRACE(::testing::Message() << "Ellipse(" << p.x << ", " << p.y << ", " << w << ", " << h
                                                      << ") pen " << pen);
                    ExpectSamePixels([&](Draw& d) { d.Ellipse(p.x, p.y, w, h, 0x0000FF); },
                                     [&](Draw& d) { testing::literal::Ellipse(d, p.x, p.y, w, h, 0x0000FF); }, pen);
                }
        }
}

TEST(FillIdentityTest, ThickCircleRings) {
    for (std::int32_t w : Sizes)
        for (std::int32_t penWidth : {2, 3, 5, 30})
            for (const Placement& p : Placements(w, w)) {
                SCOPED_TRACE(::testing::Message() << "ring of " << w << " at (" << p.x << ", " << p.y << ") pen "
                                                  << penWidth);
                auto widePen = [&](Draw& d) {
                    d.PenWidth = penWidth;
                    d.SetPenColor(0x00FF00);
                };
                ExpectSamePixels(
                    [&](Draw& d) {
                        widePen(d);
                        d.Ellipse(p.x, p.y, w, w, -1);
                    },
                    [&](Draw& d) {
                        widePen(d);
                        testing::literal::ThickCircleRing(d, p.x, p.y, w);
                    },
                    0x00FF00);
            }
}

// Outlines of polygons of every slope, inside the canvas and cut by it.
TEST(FillIdentityTest, PolygonOutlines) {
    const std::vector<std::vector<std::int32_t>> shapes = {
        {0, 25, 25, 0, 50, 25}, {0, 0, 30, 7, 4, 19}, {0, 0, 0, 9, 13, 9}, {5, 0, 0, 30, 9, 31, 11, 2}};
    for (const auto& shape : shapes)
        for (const Placement& p : Placements(50, 30)) {
            std::vector<std::int32_t> xy = shape;
            for (std::size_t i = 0; i < xy.size(); i += 2) xy[i] += p.x, xy[i + 1] += p.y;
            SCOPED_TRACE(::testing::Message() << "polygon at " << p.x << ", " << p.y);
            ExpectSamePixels([&](Draw& d) { d.Polygon(xy, -1, 0); },
                             [&](Draw& d) {
                                 const std::size_t n = xy.size() / 2;
                                 for (std::size_t k = 0; k < n; ++k) {
                                     const std::size_t next = (k + 1) % n;
                                     testing::literal::OutlineLine(d, xy[2 * k], xy[2 * k + 1], xy[2 * next] - xy[2 * k],
                                                                   xy[2 * next + 1] - xy[2 * k + 1]);
                                 }
                             },
                             0x00FF00);
        }
}

// Filled polygons: triangles of every slope, a concave and a crossed one,
// with and without a pen, inside the canvas, cut by it and off it.
TEST(FillIdentityTest, PolygonFills) {
    const std::vector<std::vector<std::int32_t>> shapes = {
        {0, 25, 25, 0, 50, 25},          {0, 0, 30, 7, 4, 19},        {0, 0, 0, 9, 13, 9},
        {5, 0, 0, 30, 9, 31, 11, 2},     {0, 0, 40, 3, 2, 6, 38, 30}, {0, 10, 20, 0, 10, 10, 20, 20},
        {3, 0, 47, 1, 1, 2, 45, 29, 0, 30}, {0, 0, 1, 40, 2, 0}};
    for (const std::int32_t pen : {-1, 0x00FF00, 0x102030})
        for (const auto& shape : shapes)
            for (const Placement& p : Placements(50, 30)) {
                std::vector<std::int32_t> xy = shape;
                for (std::size_t i = 0; i < xy.size(); i += 2) xy[i] += p.x, xy[i + 1] += p.y;
                SCOPED_TRACE(::testing::Message() << "polygon " << xy.size() / 2 << " at " << p.x << ", " << p.y
                                                  << ", pen " << pen);
                ExpectSamePixels([&](Draw& d) { d.Polygon(xy, 0x102030, 0); },
                                 [&](Draw& d) { testing::literal::Polygon(d, xy, 0x102030); }, pen);
            }
}

TEST(FillIdentityTest, CircleSpheres) {
    for (std::int32_t w : Sizes)
        for (const Placement& p : Placements(w, w))
            for (auto [outer, inner] : {std::pair{0x0000C8, 0}, {0x10E0F0, 0xFFFFFF}, {0x7F00FF, 0x3300AA}})
                for (std::int32_t pen : {-1, 0}) {
                    SCOPED_TRACE(::testing::Message() << "Sphere(" << p.x << ", " << p.y << ", " << w << ") colours "
                                                      << outer << ", " << inner << " pen " << pen);
                    ExpectSamePixels([&](Draw& d) { d.Sphere(p.x, p.y, w, w, outer, inner, 1.0, 0.0); },
                                     [&](Draw& d) { testing::literal::CircleSphere(d, p.x, p.y, w, outer, inner); },
                                     pen);
                }
}

}  // namespace
}  // namespace canvas
