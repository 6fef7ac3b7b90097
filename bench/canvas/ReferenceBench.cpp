// Outside references: cairo's paint and pixman's fill of a 32-bit image of
// the same size.
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <pixman.h>

#include <vector>

namespace {

void Sizes(benchmark::internal::Benchmark* b) { b->Args({1920, 1080})->Args({150, 97}); }

void CairoPaint(benchmark::State& state) {
    const auto w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(surface);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgb(cr, 0.75, 0.5, 0.2);
    for (auto _ : state) {
        cairo_paint(cr);
        cairo_surface_flush(surface);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * cairo_image_surface_get_stride(surface) * h);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}
BENCHMARK(CairoPaint)->Apply(Sizes);

void PixmanFill(benchmark::State& state) {
    const auto w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (auto _ : state) {
        pixman_fill(pixels.data(), w, 32, 0, 0, w, h, 0x00C08030);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * pixels.size() * 4));
}
BENCHMARK(PixmanFill)->Apply(Sizes);

}  // namespace
