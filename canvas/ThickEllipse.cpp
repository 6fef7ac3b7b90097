// Ellipses drawn with a pen wider than one pixel: circle rings by two
// midpoint walks, other ellipses as a band between two ellipses.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "canvas/Draw.h"
#include "canvas/Ellipses.h"
#include "canvas/Lines.h"
#include "canvas/Paint.h"
#include "canvas/Raster.h"
#include "canvas/Rings.h"

namespace canvas {

using paint::Coord;

namespace {

bool OffTarget(const raster::View& target, Coord x0, Coord y0, Coord x1, Coord y1) {
    return x1 < 1 || y1 < 1 || x0 > target.Width() || y0 > target.Height();
}

// Half width, to the nearest pixel, of the ellipse with half axes a and b at
// row offset dy; -1 where the row misses it.
Coord HalfWidth(double a, double b, Coord dy) {
    if (a < 0 || b < 0 || static_cast<double>(dy < 0 ? -dy : dy) > b) return -1;
    if (b == 0) return std::llround(a);
    const double t = static_cast<double>(dy) / b;
    return std::llround(a * std::sqrt(std::max(0.0, 1.0 - t * t)));
}

void ThickCircle(Draw& canvas, Coord x, Coord y, Coord w, std::int32_t fill) {
    const Coord outer = (w + 1) / 2 - 1;
    const Coord inner = outer - canvas.PenWidth + 1;
    const Coord cx = x + outer, cy = y + outer;
    const raster::View target = raster::Target(canvas);
    const Coord reach = rings::CircleRingReach(outer, inner);
    if (OffTarget(target, cx - reach, cy - reach, cx + reach, cy + reach)) return;

    // The inside, in thin rows: a zero half width sets nothing, as a
    // zero-length line.
    if (fill >= 0 && inner >= 0) {
        const paint::Painter painter(target, fill);
        const Coord top = std::max<Coord>(cy - inner, 1), bottom = std::min<Coord>(cy + inner, target.Height());
        for (Coord row = top; row <= bottom; ++row) {
            const Coord dy = row - cy;
            const Coord half = std::llround(std::sqrt(static_cast<double>(inner * inner - dy * dy)));
            if (half > 0) painter.Span(row, cx - half, cx + half);
        }
    }
    const paint::Painter pen(target, canvas.PenColor);
    rings::CircleRing(cx, cy, outer, inner, pen);
}

// Any other ellipse: per row, the pixels inside the outer ellipse (the thin
// ellipse's half axes) and outside the one PenWidth smaller, at least one
// pixel on each side so that the ring stays closed.
void ThickOval(Draw& canvas, Coord x, Coord y, Coord w, Coord h, std::int32_t fill) {
    const Coord a = (w - 1) / 2, b = (h - 1) / 2;
    const Coord cx = x + a, cy = y + b;
    const raster::View target = raster::Target(canvas);
    if (OffTarget(target, x, y, x + 2 * a, y + 2 * b)) return;
    const double pen = canvas.PenWidth;
    const double ai = static_cast<double>(a) - pen, bi = static_cast<double>(b) - pen;

    const paint::Painter inside(target, fill);
    const paint::Painter ring(target, canvas.PenColor);
    const Coord top = std::max<Coord>(cy - b, 1), bottom = std::min<Coord>(cy + b, target.Height());
    for (Coord row = top; row <= bottom; ++row) {
        const Coord outerHalf = HalfWidth(static_cast<double>(a), static_cast<double>(b), row - cy);
        const Coord innerHalf = std::min(HalfWidth(ai, bi, row - cy), outerHalf - 1);
        if (innerHalf >= 0 && fill >= 0) inside.Span(row, cx - innerHalf, cx + innerHalf);
        ring.Span(row, cx - outerHalf, cx - innerHalf - 1);
        ring.Span(row, cx + innerHalf + 1, cx + outerHalf);
    }
}

}  // namespace

namespace ellipses {

void Thick(Draw& canvas, Coord x, Coord y, Coord w, Coord h, std::int32_t fill) {
    if (w == 0 || h == 0) {
        lines::Stroke(canvas, x, y, w, h);
        return;
    }
    if (w == h)
        ThickCircle(canvas, x, y, w, fill);
    else
        ThickOval(canvas, x, y, w, h, fill);
}

}  // namespace ellipses

void Draw::ThickEllipse(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                        std::int32_t FILL) {
    ellipses::Thick(*this, X, Y, WIDTH, HEIGHT, FILL);
}

}  // namespace canvas
