#include "Workload.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <utility>

namespace bench {

const std::vector<Place>& Places(std::int32_t width, std::int32_t height) {
    static std::map<std::pair<std::int32_t, std::int32_t>, std::vector<Place>> cache;
    auto& places = cache[{width, height}];
    if (places.empty()) {
        std::mt19937 random(static_cast<unsigned>(width * 7919 + height));
        std::uniform_int_distribution<std::int32_t> x(-20, width), y(-20, height), colour(0, 0xFFFFFE);
        for (int i = 0; i < Count; ++i) places.push_back({x(random), y(random), colour(random)});
    }
    return places;
}

namespace {

// The figure drawn at (11, 11) on a blank canvas, read back row by row.
template <class DrawFn>
Shape Capture(DrawFn draw) {
    Canvas canvas(100, 100);
    draw(canvas.draw);
    Shape shape;
    for (std::int32_t y = 1; y <= 100; ++y) {
        std::int32_t first = 0, last = 0;
        for (std::int32_t x = 1; x <= 100; ++x)
            if (canvas.draw.GetImagePixel(x, y) != 0) {
                if (first == 0) first = x;
                last = x;
            }
        if (first != 0) shape.push_back({y - 11, first - 11, last - 11});
    }
    return shape;
}

}  // namespace

Shape BoxShape() { return Capture([](canvas::Draw& d) { d.Box(11, 11, 40, 40, 0xFFFFFF); }); }
Shape CircleShape() { return Capture([](canvas::Draw& d) { d.Ellipse(11, 11, 40, 40, 0xFFFFFF); }); }
Shape EllipseShape() { return Capture([](canvas::Draw& d) { d.Ellipse(11, 11, 20, 40, 0xFFFFFF); }); }
Shape TriangleShape() {
    return Capture([](canvas::Draw& d) {
        const std::int32_t xy[] = {11, 36, 36, 11, 61, 36};
        d.Polygon(xy, 0xFFFFFF, 0);
    });
}
Shape SphereShape() { return Capture([](canvas::Draw& d) { d.Sphere(11, 11, 40, 40, 0xFFFFFF, 0x808080, 1.0, 0.0); }); }

std::int32_t PicturePixel(std::int32_t x, std::int32_t y) {
    // A coin on white ground, as the shape trainer's pictures: one run of
    // opaque pixels per row, about a fifth of the square left out.
    const std::int32_t dx = 2 * x - 31, dy = 2 * y - 31;
    const bool ink = dx * dx + dy * dy < 1024;
    return ink ? ((x * 8) << 16 | (y * 8) << 8 | 0x40) : 0xFFFFFF;
}

std::int64_t Canvas::Changed() {
    std::int64_t changed = 0;
    for (std::int32_t y = 1; y <= draw.Height; ++y)
        for (std::int32_t x = 1; x <= draw.Width; ++x) changed += draw.GetImagePixel(x, y) != 0;
    return changed;
}

void FillLimit(canvas::raster::View& view, const Shape& shape, const std::vector<Place>& places) {
    for (const Place& place : places) {
        const auto byte = static_cast<int>(place.colour & 0xFF);
        for (const Span& span : shape) {
            const std::int32_t y = place.y + span.y;
            if (y < 1 || y > view.Height()) continue;
            const std::int32_t x0 = std::max(place.x + span.x0, 1), x1 = std::min(place.x + span.x1, view.Width());
            if (x0 <= x1) std::memset(view.Pixel(x0, y), byte, 3 * static_cast<std::size_t>(x1 - x0 + 1));
        }
    }
}

bool Changed(benchmark::State& state, std::int64_t pixels) {
    state.counters["px"] = static_cast<double>(pixels);
    if (pixels > 0) return true;
    state.SkipWithError("the first pass changed no pixel");
    return false;
}

}  // namespace bench
