// cairo, antialiasing off, on its 32-bit RGB surface: the same figures.
#include <cairo.h>

#include <memory>

#include "Workload.h"

namespace bench {
namespace {

struct CairoCanvas {
    explicit CairoCanvas(benchmark::State& state)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(state.range(0)),
                                             static_cast<int>(state.range(1))),
                  cairo_surface_destroy),
          cr(cairo_create(surface.get()), cairo_destroy) {
        cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
        cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    }
    std::int64_t Changed() {
        cairo_surface_flush(surface.get());
        const unsigned char* data = cairo_image_surface_get_data(surface.get());
        const int stride = cairo_image_surface_get_stride(surface.get());
        std::int64_t changed = 0;
        for (int y = 0; y < cairo_image_surface_get_height(surface.get()); ++y)
            for (int x = 0; x < cairo_image_surface_get_width(surface.get()); ++x)
                changed += (*reinterpret_cast<const std::uint32_t*>(data + y * stride + 4 * x) & 0xFFFFFF) != 0;
        return changed;
    }
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface;
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr;
};

void Colour(cairo_t* cr, std::int32_t c) {
    cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
}

// Canvas pixel x (1-based) spans cairo's [x - 1, x].
template <class PathFn>
void Run(benchmark::State& state, PathFn path) {
    CairoCanvas canvas(state);
    cairo_t* cr = canvas.cr.get();
    const auto& places = Places(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
    auto pass = [&] {
        for (const Place& p : places) {
            Colour(cr, p.colour);
            path(cr, p.x - 1.0, p.y - 1.0);
            cairo_fill(cr);
        }
        cairo_surface_flush(canvas.surface.get());
    };
    pass();
    if (!Changed(state, canvas.Changed())) return;
    for (auto _ : state) pass();
    state.SetItemsProcessed(state.iterations() * Count);
}

void Oval(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 6.283185307179586);
    cairo_restore(cr);
}

void Boxes_Cairo(benchmark::State& state) {
    Run(state, [](cairo_t* cr, double x, double y) { cairo_rectangle(cr, x, y, 40, 40); });
}
void Circles_Cairo(benchmark::State& state) {
    Run(state, [](cairo_t* cr, double x, double y) { Oval(cr, x + 19.5, y + 19.5, 19.5, 19.5); });
}
void Ellipses_Cairo(benchmark::State& state) {
    Run(state, [](cairo_t* cr, double x, double y) { Oval(cr, x + 9.5, y + 19.5, 9.5, 19.5); });
}
void Triangles_Cairo(benchmark::State& state) {
    Run(state, [](cairo_t* cr, double x, double y) {
        cairo_move_to(cr, x, y + 26);
        cairo_line_to(cr, x + 25.5, y);
        cairo_line_to(cr, x + 51, y + 26);
        cairo_close_path(cr);
    });
}

BENCHMARK(Boxes_Cairo) KORVANDA_CANVAS_SIZES;
BENCHMARK(Circles_Cairo) KORVANDA_CANVAS_SIZES;
BENCHMARK(Ellipses_Cairo) KORVANDA_CANVAS_SIZES;
BENCHMARK(Triangles_Cairo) KORVANDA_CANVAS_SIZES;

}  // namespace
}  // namespace bench
