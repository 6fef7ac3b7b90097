// Thin lines: straight runs written into the rows, sloped lines by the
// symmetric double-step algorithm, and the plain outline line of polygons.
#include <algorithm>
#include <cstring>
#include <cstdint>
#include <utility>

#include "canvas/Draw.h"
#include "canvas/Lines.h"
#include "canvas/Paint.h"
#include "canvas/Raster.h"

namespace canvas {

using paint::Coord;

namespace {

Coord Sign(Coord v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }
Coord Magnitude(Coord v) { return v < 0 ? -v : v; }

// Steps i in [0, n] for which c + i * s lies in 1..limit; empty when first > last.
struct Steps {
    Coord first, last;
};
Steps VisibleSteps(Coord c, Coord s, std::int32_t limit, Coord n) {
    Steps range{0, n};
    if (s == 0) {
        if (c < 1 || c > limit) range = {1, 0};
    } else if (s > 0) {
        range = {std::max<Coord>(0, 1 - c), std::min<Coord>(n, limit - c)};
    } else {
        range = {std::max<Coord>(0, c - limit), std::min<Coord>(n, c - 1)};
    }
    return range;
}

// Horizontal, vertical and 45-degree lines: n + 1 pixels (x + i*sx, y + i*sy).
void StraightRun(Draw& canvas, Coord x, Coord y, Coord sx, Coord sy, Coord n) {
    const paint::Painter pen(raster::Target(canvas), canvas.PenColor);
    paint::Dash dash(canvas);
    if (dash.Solid()) {
        if (sy == 0) return pen.Span(y, x, x + sx * n);
        if (sx == 0) return pen.Column(x, y, y + sy * n);
    }
    const raster::View& target = pen.Target();
    const Steps alongX = VisibleSteps(x, sx, target.Width(), n);
    const Steps alongY = VisibleSteps(y, sy, target.Height(), n);
    const Coord first = std::max(alongX.first, alongY.first);
    const Coord last = std::min(alongX.last, alongY.last);
    if (first > last) {
        dash.Skip(n + 1);  // wholly off the canvas: the pattern still moves on
        return;
    }
    dash.Skip(first);
    for (Coord i = first; i <= last; ++i)
        if (dash.Step()) pen.Dot(x + i * sx, y + i * sy);
    dash.Skip(n - last);
}

// The symmetric double-step line (Wu and Rokne): two pixels per decision from
// each end. `plot(a, b)` receives major-axis, minor-axis coordinates.
template <class PlotFn>
void DoubleStep(Coord dx, Coord dy, Coord step, Coord a, Coord b, Coord a2, Coord b2, PlotFn plot) {
    const Coord xend = (dx - 1) / 4;
    const Coord left = (dx - 1) % 4;
    plot(a, b);
    plot(a2, b2);
    const Coord incr2 = 4 * dy - 2 * dx;

    // The three two-pixel patterns shared by both slope ranges.
    auto flatPair = [&] {  // no minor step
        plot(a, b);
        ++a;
        plot(a, b);
        plot(a2, b2);
        --a2;
        plot(a2, b2);
    };
    auto stepBetween = [&] {  // minor step between the two pixels
        plot(a, b);
        ++a;
        b += step;
        plot(a, b);
        plot(a2, b2);
        --a2;
        b2 -= step;
        plot(a2, b2);
    };
    auto stepBefore = [&] {  // minor step before both pixels
        b += step;
        plot(a, b);
        ++a;
        plot(a, b);
        b2 -= step;
        plot(a2, b2);
        --a2;
        plot(a2, b2);
    };

    if (incr2 < 0) {  // slope below one half
        const Coord m = 2 * dy;
        const Coord incr1 = 2 * m;
        Coord d = incr1 - dx;
        for (Coord i = 0; i < xend; ++i) {
            ++a;
            --a2;
            if (d < 0) {
                flatPair();
                d += incr1;
            } else {
                if (d < m)
                    stepBetween();
                else
                    stepBefore();
                d += incr2;
            }
        }
        if (left > 0) {
            if (d < 0) {
                plot(a + 1, b);
                if (left > 1) plot(a + 2, b);
                if (left > 2) plot(a2 - 1, b2);
            } else if (d < m) {
                plot(a + 1, b);
                if (left > 1) plot(a + 2, b + step);
                if (left > 2) plot(a2 - 1, b2);
            } else {
                plot(a + 1, b + step);
                if (left > 1) plot(a + 2, b + step);
                if (left > 2) plot(a2 - 1, b2 - step);
            }
        }
        return;
    }

    const Coord m = 2 * (dy - dx);
    const Coord incr1 = 2 * m;
    Coord d = incr1 + dx;
    for (Coord i = 0; i < xend; ++i) {
        ++a;
        --a2;
        if (d > 0) {
            b += step;
            plot(a, b);
            ++a;
            b += step;
            plot(a, b);
            b2 -= step;
            plot(a2, b2);
            --a2;
            b2 -= step;
            plot(a2, b2);
            d += incr1;
        } else {
            if (d < m)
                stepBetween();
            else
                stepBefore();
            d += incr2;
        }
    }
    if (left > 0) {
        if (d > 0) {
            plot(a + 1, b + step);
            if (left > 1) plot(a + 2, b + 2 * step);
            if (left > 2) plot(a2 - 1, b2 - step);
        } else if (d < m) {
            plot(a + 1, b);
            if (left > 1) plot(a + 2, b + step);
            if (left > 2) plot(a2 - 1, b2);
        } else {
            plot(a + 1, b + step);
            if (left > 1) plot(a + 2, b + step);
            if (left > 2) plot(a2 - 1, d > m ? b2 - step : b2);
        }
    }
}

void SlopedLine(Draw& canvas, Coord x, Coord y, Coord w, Coord h) {
    const paint::Painter pen(raster::Target(canvas), canvas.PenColor);
    paint::Dash dash(canvas);
    Coord x1 = x, y1 = y, x2 = x + w, y2 = y + h;
    Coord dx = Magnitude(w), dy = Magnitude(h);
    const Coord step = Sign(w) == Sign(h) ? 1 : -1;

    // A line wholly off the canvas sets nothing; its dx + 1 plots only move the pattern on.
    const raster::View& target = pen.Target();
    if (std::max(x1, x2) < 1 || std::min(x1, x2) > target.Width() || std::max(y1, y2) < 1 ||
        std::min(y1, y2) > target.Height()) {
        dash.Skip(std::max(dx, dy) + 1);
        return;
    }

    const bool reverse = dy > dx;
    if (reverse) {
        std::swap(x1, y1);
        std::swap(x2, y2);
        std::swap(dx, dy);
    }
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    auto plot = [&](Coord a, Coord b) {
        if (!dash.Step()) return;
        if (reverse)
            pen.Dot(b, a);
        else
            pen.Dot(a, b);
    };
    DoubleStep(dx, dy, step, x1, y1, x2, y2, plot);
}

}  // namespace

namespace lines {

void Stroke(Draw& canvas, Coord x, Coord y, Coord w, Coord h) {
    if (canvas.PenWidth > 1)
        Thick(canvas, x, y, w, h);
    else
        Thin(canvas, x, y, w, h);
}

void Thin(Draw& canvas, Coord x, Coord y, Coord w, Coord h) {
    if (w == 0 && h == 0) return;  // a zero-length line sets no pixel
    if (w == 0 || h == 0 || Magnitude(w) == Magnitude(h))
        StraightRun(canvas, x, y, Sign(w), Sign(h), std::max(Magnitude(w), Magnitude(h)));
    else
        SlopedLine(canvas, x, y, w, h);
}

void Outline(Draw& canvas, Coord x, Coord y, Coord w, Coord h) {
    const paint::Painter pen(raster::Target(canvas), canvas.PenColor);
    const Coord endX = x + w, endY = y + h;
    const raster::View& target = pen.Target();
    if (!pen.Visible() || std::max(x, endX) < 1 || std::min(x, endX) > target.Width() ||
        std::max(y, endY) < 1 || std::min(y, endY) > target.Height())
        return;
    const Coord dx = Magnitude(w), dy = Magnitude(h);
    const Coord sx = endX >= x ? 1 : -1, sy = endY >= y ? 1 : -1;
    // Wholly on the target: the same walk, stepping a pointer instead of
    // placing and clipping every pixel.
    if (std::min(x, endX) >= 1 && std::max(x, endX) <= target.Width() && std::min(y, endY) >= 1 &&
        std::max(y, endY) <= target.Height()) {
        std::uint8_t* pixel = target.Pixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
        const std::ptrdiff_t across = sx * static_cast<std::ptrdiff_t>(raster::BytesPerPixel);
        const std::ptrdiff_t down = -sy * static_cast<std::ptrdiff_t>(target.RowStride());  // rows are stored bottom up
        std::uint8_t colour[raster::BytesPerPixel];  // a local copy: the pixel stores cannot change it
        std::memcpy(colour, pen.Colour(), sizeof colour);
        const auto walk = [&](Coord major, Coord minor, std::ptrdiff_t majorStep, std::ptrdiff_t minorStep) {
            // At 45 degrees the balance never falls below 0: every step is
            // diagonal. (Straight lines are runs, drawn before the walk.)
            if (minor == major) {
                for (Coord i = 0; i <= major; ++i, pixel += majorStep + minorStep)
                    std::memcpy(pixel, colour, raster::BytesPerPixel);
                return;
            }
            Coord e = 2 * minor - major;
            for (Coord i = 0;; ++i, pixel += majorStep) {
                std::memcpy(pixel, colour, raster::BytesPerPixel);
                if (i == major) break;
                if (e >= 0) {
                    pixel += minorStep;
                    e -= 2 * major;
                }
                e += 2 * minor;
            }
        };
        if (dy == 0)
            pen.Span(y, x, endX);
        else if (dx == 0)
            pen.Column(x, y, endY);
        else if (dx >= dy)
            walk(dx, dy, across, down);
        else
            walk(dy, dx, down, across);
        return;
    }
    if (dx >= dy) {
        for (Coord e = 2 * dy - dx;; x += sx) {
            pen.Dot(x, y);
            if (x == endX) break;
            if (e >= 0) {
                y += sy;
                e -= 2 * dx;
            }
            e += 2 * dy;
        }
    } else {
        for (Coord e = 2 * dx - dy;; y += sy) {
            pen.Dot(x, y);
            if (y == endY) break;
            if (e >= 0) {
                x += sx;
                e -= 2 * dy;
            }
            e += 2 * dx;
        }
    }
}

}  // namespace lines

void Draw::Line(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT) {
    lines::Stroke(*this, X, Y, WIDTH, HEIGHT);
}

void Draw::SLine(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT) {
    lines::Outline(*this, X, Y, WIDTH, HEIGHT);
}

}  // namespace canvas
