// Boxes: a fill of whole rows, then four edges in the pen.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "canvas/Draw.h"
#include "canvas/Lines.h"
#include "canvas/Paint.h"
#include "canvas/Raster.h"

namespace canvas {

using paint::Coord;

namespace {

// Rows r0..r1, columns c0..c1 of the target, all inside it: the top row is
// written once and copied to the others.
void FillRect(const raster::View& target, std::int32_t c0, std::int32_t c1, std::int32_t r0,
              std::int32_t r1, std::int32_t colour) {
    const std::size_t pixels = static_cast<std::size_t>(c1 - c0 + 1);
    std::uint8_t* top = target.Pixel(c0, r0);
    paint::ColourRun(colour).Fill(top, pixels);
    for (std::int32_t row = r0 + 1; row <= r1; ++row)
        std::memcpy(target.Pixel(c0, row), top, pixels * raster::BytesPerPixel);
}

}  // namespace

void Draw::Box(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
               std::int32_t FILL) {
    Coord x = X, y = Y, w = WIDTH, h = HEIGHT;
    paint::Normalise(x, y, w, h);
    // A box without area draws nothing, as a one-pixel box draws nothing.
    if (w == 0 || h == 0) return;
    if (x > Width || y > Height) return;

    // Fill: every visible row from its first to its last visible column. A
    // visible part one column wide is a zero-length row and stays unfilled.
    const raster::View target = raster::Target(*this);
    const Coord c0 = std::max<Coord>(x, 1), c1 = std::min<Coord>(x + w - 1, target.Width());
    const Coord r0 = std::max<Coord>(y, 1), r1 = std::min<Coord>(y + h - 1, target.Height());
    if (FILL >= 0 && c1 > c0 && r1 >= r0) {
        const auto first = static_cast<std::int32_t>(c0), last = static_cast<std::int32_t>(c1);
        const auto top = static_cast<std::int32_t>(r0), bottom = static_cast<std::int32_t>(r1);
        if (UsePatternFill) {
            const std::int32_t savedColor = PenColor, savedWidth = PenWidth;
            PenColor = FILL;
            PenWidth = 1;
            for (std::int32_t row = top; row <= bottom; ++row) PatternLine(first, row, last - first);
            PatternLine(0, 0, 0);
            PenWidth = savedWidth;
            PenColor = savedColor;
        } else {
            FillRect(target, first, last, top, bottom, FILL);
        }
    }

    // Outline on the whole, unclipped box, with the caller's pen.
    if (PenColor >= 0) {
        lines::Stroke(*this, x, y, w - 1, 0);
        lines::Stroke(*this, x, y, 0, h - 1);
        lines::Stroke(*this, x + w - 1, y, 0, h - 1);
        lines::Stroke(*this, x, y + h - 1, w - 1, 0);
    }
}

// Columns X..X+WIDTH of row Y (a zero WIDTH sets nothing, as for Line), set
// in the pen colour where the fill pattern has a 1. The pattern is anchored
// to the canvas, so neighbouring boxes continue it without a seam; unset
// cells keep what was there.
void Draw::PatternLine(std::int32_t X, std::int32_t Y, std::int32_t WIDTH) {
    if (WIDTH == 0) return;
    const paint::Painter pen(raster::Target(*this), PenColor);
    const Coord y = Y;
    const auto& row = Pattern[static_cast<std::size_t>(((y - 1) % 8 + 8) % 8)];
    const Coord from = std::min<Coord>(X, Coord{X} + WIDTH), to = std::max<Coord>(X, Coord{X} + WIDTH);
    std::int32_t first = 0, last = 0;
    if (!paint::Clip(from, to, pen.Target().Width(), first, last)) return;
    for (Coord x = first; x <= last; ++x)
        if (row[static_cast<std::size_t>(((x - 1) % 8 + 8) % 8)] != 0) pen.Dot(x, y);
}

}  // namespace canvas
