// Canvas clearing, composition and 8-bit conversion against the limit of
// writing the same bytes with memset and memcpy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "canvas/CanvasHost.h"
#include "canvas/Draw.h"

namespace {

// Takes the pictures without copying them: the copy belongs to the control.
class BenchHost : public canvas::CanvasHost {
public:
    std::int32_t width = 0, height = 0;
    std::int32_t ControlWidth(std::uint32_t) override { return width; }
    std::int32_t ControlHeight(std::uint32_t) override { return height; }
    void SetControlPicture(std::uint32_t, std::span<const std::uint8_t> bytes) override {
        benchmark::DoNotOptimize(bytes.data());
    }
    std::vector<std::uint8_t> ControlPicture(std::uint32_t) override { return {}; }
    void ShowMessage(std::string_view) override {}
    void DebugWrite(std::string_view) override {}
    canvas::HostScreen Screen() override { return {}; }
    std::uint32_t ScreenPixel(std::int32_t, std::int32_t) override { return 0xFFFFFFFF; }
    canvas::HostFont WindowFont() override { return {}; }
};

struct Bench {
    BenchHost host;
    canvas::Draw canvas{host};
    explicit Bench(const benchmark::State& state) {
        host.width = static_cast<std::int32_t>(state.range(0));
        host.height = static_cast<std::int32_t>(state.range(1));
        canvas.Init(16);
    }
};

std::size_t BufferBytes(const benchmark::State& state) {
    const auto w = static_cast<std::size_t>(state.range(0)), h = static_cast<std::size_t>(state.range(1));
    return 54 + h * ((3 * w + 3) & ~std::size_t{3}) + 1;
}

void Sizes(benchmark::internal::Benchmark* b) { b->Args({1920, 1080})->Args({150, 97}); }

void Memset(benchmark::State& state) {
    std::vector<std::uint8_t> buffer(BufferBytes(state));
    for (auto _ : state) {
        std::memset(buffer.data(), 0xFF, buffer.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer.size()));
}
BENCHMARK(Memset)->Apply(Sizes);

void Memcpy(benchmark::State& state) {
    std::vector<std::uint8_t> from(BufferBytes(state), 7), to(BufferBytes(state));
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * to.size()));
}
BENCHMARK(Memcpy)->Apply(Sizes);

// The limit of composing `layers` full-size layers: each copied from its own
// buffer onto one base buffer, as many bytes as Display moves.
void MemcpyLayers(benchmark::State& state, std::size_t layers) {
    std::vector<std::vector<std::uint8_t>> from(layers, std::vector<std::uint8_t>(BufferBytes(state), 7));
    std::vector<std::uint8_t> to(BufferBytes(state));
    for (auto _ : state) {
        for (const auto& layer : from) std::memcpy(to.data(), layer.data(), to.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * to.size()));
}
BENCHMARK_CAPTURE(MemcpyLayers, Two, 2)->Apply(Sizes);
BENCHMARK_CAPTURE(MemcpyLayers, Eight, 8)->Apply(Sizes);

void Blank(benchmark::State& state, std::int32_t colour) {
    Bench b(state);
    for (auto _ : state) {
        b.canvas.Blank(colour);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * b.canvas.BufferSize));
}
BENCHMARK_CAPTURE(Blank, White, 0xFFFFFF)->Apply(Sizes);
BENCHMARK_CAPTURE(Blank, Black, 0)->Apply(Sizes);
BENCHMARK_CAPTURE(Blank, Colour, 0x3080C0)->Apply(Sizes);

void DisplayLayers(benchmark::State& state, std::int32_t layers) {
    Bench b(state);
    b.canvas.Blank(0x3080C0);
    for (std::int32_t n = 2; n <= layers; ++n) b.canvas.InitLayer(n, 0, 0, 1, 1, -1, 0);
    for (auto _ : state) {
        b.canvas.Display();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * b.canvas.BufferSize));
}
BENCHMARK_CAPTURE(DisplayLayers, One, 1)->Apply(Sizes);
BENCHMARK_CAPTURE(DisplayLayers, Two, 2)->Apply(Sizes);
BENCHMARK_CAPTURE(DisplayLayers, Eight, 8)->Apply(Sizes);

// A layer of white ground with coloured bars, the kind of picture a
// transparent colour is meant for: `period` pixels apart, each 2/7 to 5/7
// of that long.
void DrawBars(canvas::Draw& canvas, std::int32_t period = 140) {
    canvas.Blank(0xFFFFFF);
    for (std::int32_t y = 1; y <= canvas.Height; ++y)
        for (std::int32_t x = 1 + (y * 7) % (period * 3 / 7); x <= canvas.Width; x += period)
            for (std::int32_t i = 0; i < period * 2 / 7 + (y % (period * 3 / 7)) && x + i <= canvas.Width; ++i)
                canvas.PutPixel(x + i, y, 0x2040F0);
}

// Only the transparent layer: CopyLayer of it onto the base image, with
// about 28 (Bars) or 6 (Scene) edges between kept and left-out pixels per
// 1920 pixels.
void CopyTransparent(benchmark::State& state, std::int32_t period) {
    Bench b(state);
    DrawBars(b.canvas, period);
    b.canvas.IndexTransparency(1, 0xFFFFFF, 1);
    for (auto _ : state) {
        b.canvas.CopyLayer(1, 1, 1, b.canvas.Width, b.canvas.Height, 0, 1, 1);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * b.canvas.BufferSize));
}
BENCHMARK_CAPTURE(CopyTransparent, Bars, 140)->Apply(Sizes);
BENCHMARK_CAPTURE(CopyTransparent, Scene, 700)->Apply(Sizes);

// A full picture with the transparent layer over it.
void DisplayTransparent(benchmark::State& state) {
    Bench b(state);
    b.canvas.Blank(0x3080C0);
    b.canvas.InitLayer(2, 0, 0, 1, 1, 0xFFFFFF, 2);
    b.canvas.WithLayer("2");
    DrawBars(b.canvas);
    for (auto _ : state) {
        b.canvas.Display();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * b.canvas.BufferSize));
}
BENCHMARK(DisplayTransparent)->Apply(Sizes);

// The 8-bit conversion of a scene of a few colours.
void Display8Bit(benchmark::State& state) {
    Bench b(state);
    DrawBars(b.canvas);
    b.canvas.Init256();
    for (auto _ : state) {
        b.canvas.Display();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * b.canvas.BufferSize));
}
BENCHMARK(Display8Bit)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
