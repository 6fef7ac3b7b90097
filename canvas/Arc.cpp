// Arcs of the ellipse inscribed in a box. Angles are in degrees, counted
// anticlockwise from three o'clock; an arc runs from the start angle
// anticlockwise to the end angle.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "canvas/Draw.h"
#include "canvas/Paint.h"
#include "canvas/Raster.h"

namespace canvas {

using paint::Coord;

namespace {

// Plots the arc on the ellipse with half axes a and b around (cx, cy), in
// steps short enough that neighbouring points touch.
void PlotArc(const paint::Painter& pen, double cx, double cy, double a, double b, double start,
             double end) {
    if (!(a >= 0 && b >= 0 && std::isfinite(start) && std::isfinite(end))) return;
    double sweep = std::fmod(end - start, 360.0);
    if (sweep <= 0) sweep += 360.0;
    const double from = start * std::numbers::pi / 180.0;
    const double radians = sweep * std::numbers::pi / 180.0;
    // About two points per pixel of arc length, never an unbounded number.
    const double length = radians * std::max({a, b, 1.0});
    const auto steps = static_cast<Coord>(std::min(2.0 * length + 1.0, 1.0e7));
    for (Coord i = 0; i <= steps; ++i) {
        const double t = from + radians * static_cast<double>(i) / static_cast<double>(steps);
        pen.Dot(std::llround(cx + a * std::cos(t)), std::llround(cy - b * std::sin(t)));
    }
}

}  // namespace

void Draw::Arc(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
               std::int32_t STARTANGLE, std::int32_t ENDANGLE) {
    if (PenWidth <= 1)
        MArc(X, Y, WIDTH, HEIGHT, STARTANGLE, ENDANGLE, 0);
    else
        MThickArc(X, Y, WIDTH, HEIGHT, STARTANGLE, ENDANGLE, 0);
}

// The thin arc lies on the same ellipse as the thin outline: half axes
// (WIDTH - 1) / 2 and (HEIGHT - 1) / 2 from the box's top-left corner.
void Draw::MArc(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                double STARTANGLE, double ENDANGLE, std::int32_t /*FLAG*/) {
    const Coord a = (Coord{WIDTH} - 1) / 2, b = (Coord{HEIGHT} - 1) / 2;
    const paint::Painter pen(raster::Target(*this), PenColor);
    PlotArc(pen, static_cast<double>(X + a), static_cast<double>(Y + b), static_cast<double>(a),
            static_cast<double>(b), STARTANGLE, ENDANGLE);
}

// The thick arc: PenWidth arcs side by side, the outermost on the thin arc.
void Draw::MThickArc(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                     double STARTANGLE, double ENDANGLE, std::int32_t /*FLAG*/) {
    const Coord a = (Coord{WIDTH} - 1) / 2, b = (Coord{HEIGHT} - 1) / 2;
    const paint::Painter pen(raster::Target(*this), PenColor);
    const Coord bands = std::min<Coord>(std::max(PenWidth, 1), std::min(a, b) + 1);
    for (Coord k = 0; k < bands; ++k)
        PlotArc(pen, static_cast<double>(X + a), static_cast<double>(Y + b), static_cast<double>(a - k),
                static_cast<double>(b - k), STARTANGLE, ENDANGLE);
}

}  // namespace canvas
