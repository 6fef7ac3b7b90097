#pragma once

// The work every peer does: 1000 figures at the same random places in the
// same random colours, on the shape trainer's canvas and on a full-HD one.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "canvas/Draw.h"
#include "canvas/Raster.h"
#include "canvas/tests/FakeHost.h"

namespace bench {

inline constexpr int Count = 1000;

struct Place {
    std::int32_t x, y;     // 1-based top-left corner on the canvas
    std::int32_t colour;   // red in the low byte
};

// Top-left corners from a little left of and above the canvas to its far
// edge, so that some figures are cut.
const std::vector<Place>& Places(std::int32_t width, std::int32_t height);

// A row of a figure relative to its top-left corner: columns x0..x1 of row y.
struct Span {
    std::int32_t y, x0, x1;
};
using Shape = std::vector<Span>;

// The canvas's own figures, drawn once on a blank canvas and read back.
Shape BoxShape();
Shape CircleShape();
Shape EllipseShape();
Shape TriangleShape();
Shape SphereShape();
// 0 white (left out), else the picture's colour, red in the low byte.
std::int32_t PicturePixel(std::int32_t x, std::int32_t y);
inline constexpr std::int32_t PictureSide = 32;

// A canvas bound to a fake control.
class Canvas {
public:
    Canvas(std::int32_t width, std::int32_t height) {
        host_.SetSize(width, height);
        draw.Init(16);
        draw.SetPenColor(-1);  // fills only, as the peers draw them
    }
    canvas::Draw draw{host_};
    canvas::raster::View View() { return canvas::raster::Target(draw); }
    // Pixels that differ from black.
    std::int64_t Changed();

private:
    canvas::testing::FakeHost host_;
};

// memset of exactly the bytes a shape covers at each place: the limit.
void FillLimit(canvas::raster::View& view, const Shape& shape, const std::vector<Place>& places);

// Skips the benchmark unless the peer's first pass changed some pixels.
bool Changed(benchmark::State& state, std::int64_t pixels);

#define KORVANDA_CANVAS_SIZES ->Args({150, 97})->Args({1920, 1080})->Unit(benchmark::kMicrosecond)

}  // namespace bench
