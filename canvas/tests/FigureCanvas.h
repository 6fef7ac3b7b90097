#pragma once

// A canvas of a chosen size bound to a fake control, for the figure tests.

#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "canvas/Draw.h"
#include "canvas/tests/FakeHost.h"

namespace canvas::testing {

// Draw with its internal figure operations reachable from tests.
class FigureDraw : public Draw {
public:
    using Draw::Draw;
    using Draw::SLine;
    using Draw::ThickEllipse;
    using Draw::ThickLine;
};

using Pixel = std::pair<std::int32_t, std::int32_t>;  // x, y

class FigureCanvas {
public:
    // Reports are shown, not suppressed, so tests can read them.
    FigureCanvas(std::int32_t width, std::int32_t height, std::int32_t background = 0xFFFFFF) {
        host.SetSize(width, height);
        draw.Init(16);
        draw.SuppressErrors = 0;
        draw.Blank(background);
    }
    FigureCanvas(const FigureCanvas&) = delete;
    FigureCanvas& operator=(const FigureCanvas&) = delete;

    std::int32_t At(std::int32_t x, std::int32_t y) { return draw.GetImagePixel(x, y); }

    // Every pixel of the given colour.
    std::set<Pixel> PixelsOf(std::int32_t colour) {
        std::set<Pixel> found;
        for (std::int32_t y = 1; y <= draw.Height; ++y)
            for (std::int32_t x = 1; x <= draw.Width; ++x)
                if (At(x, y) == colour) found.insert({x, y});
        return found;
    }
    // Every pixel that is not the background.
    std::set<Pixel> PixelsNot(std::int32_t background) {
        std::set<Pixel> found;
        for (std::int32_t y = 1; y <= draw.Height; ++y)
            for (std::int32_t x = 1; x <= draw.Width; ++x)
                if (At(x, y) != background) found.insert({x, y});
        return found;
    }
    // Columns of row y in the given colour.
    std::set<std::int32_t> RowOf(std::int32_t y, std::int32_t colour) {
        std::set<std::int32_t> found;
        for (std::int32_t x = 1; x <= draw.Width; ++x)
            if (At(x, y) == colour) found.insert(x);
        return found;
    }
    const Bytes& Buffer() const { return *draw.BitmapFileData; }
    std::string LastMessage() const { return host.messages.empty() ? std::string() : host.messages.back(); }

    FakeHost host;
    FigureDraw draw{host};
};

// Columns first..last.
inline std::set<std::int32_t> Columns(std::int32_t first, std::int32_t last) {
    std::set<std::int32_t> columns;
    for (std::int32_t x = first; x <= last; ++x) columns.insert(x);
    return columns;
}

// Pixels of the rectangle columns x0..x1, rows y0..y1.
inline std::set<Pixel> Rect(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    std::set<Pixel> pixels;
    for (std::int32_t y = y0; y <= y1; ++y)
        for (std::int32_t x = x0; x <= x1; ++x) pixels.insert({x, y});
    return pixels;
}

}  // namespace canvas::testing
