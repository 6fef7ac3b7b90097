// Lines drawn with a pen wider than one pixel.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "canvas/Draw.h"
#include "canvas/Lines.h"
#include "canvas/Paint.h"
#include "canvas/Raster.h"

namespace canvas {

using paint::Coord;

namespace lines {

// The thin line's pixels, walked in order from (x, y), each widened across
// the major axis into a run of pixels. The run is longer than the pen width
// on sloped lines, so that the line is about PenWidth thick measured square
// to its direction. A dashed pen steps its pattern once per pixel of the
// thin line.
void Thick(Draw& canvas, Coord x, Coord y, Coord w, Coord h) {
    if (w == 0 && h == 0) return;  // a zero-length line sets no pixel, as a thin one
    const paint::Painter pen(raster::Target(canvas), canvas.PenColor);
    paint::Dash dash(canvas);
    const Coord dx = w < 0 ? -w : w, dy = h < 0 ? -h : h;
    const bool xMajor = dx >= dy;
    const Coord major = std::max(dx, dy);
    const double length = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
    const Coord across = std::max<Coord>(
        1, std::llround(static_cast<double>(canvas.PenWidth) * length / static_cast<double>(major)));
    const Coord before = across / 2, after = across - before - 1;

    const raster::View& target = pen.Target();
    const Coord endX = x + w, endY = y + h;
    if (std::max(x, endX) + across < 1 || std::min(x, endX) - across > target.Width() ||
        std::max(y, endY) + across < 1 || std::min(y, endY) - across > target.Height()) {
        dash.Skip(major + 1);
        return;
    }

    const Coord sx = w < 0 ? -1 : 1, sy = h < 0 ? -1 : 1;
    const Coord minor = std::min(dx, dy);
    Coord e = 2 * minor - major;
    for (Coord i = 0; i <= major; ++i) {
        if (dash.Step()) {
            if (xMajor)
                pen.Column(x, y - before, y + after);
            else
                pen.Span(y, x - before, x + after);
        }
        if (e >= 0) {
            if (xMajor)
                y += sy;
            else
                x += sx;
            e -= 2 * major;
        }
        e += 2 * minor;
        if (xMajor)
            x += sx;
        else
            y += sy;
    }
}

}  // namespace lines

void Draw::ThickLine(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT) {
    lines::Thick(*this, X, Y, WIDTH, HEIGHT);
}

}  // namespace canvas
