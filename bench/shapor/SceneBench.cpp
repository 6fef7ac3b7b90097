// How long a scene of ten objects takes to draw and show, and how long a
// click on a numeral takes to reach the screen, on the headless desktop.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "shapor/Controls.h"
#include "shapor/ShapeKind.h"
#include "shapor/testing/Trainer.h"

namespace {

using shapor::testing::Trainer;

// A seed whose first draw, R(1, 9), picks `kind`.
std::uint64_t SeedFor(shapor::ShapeKind kind) {
    for (std::uint64_t seed = 1;; ++seed) {
        runtime::Random random(seed);
        if (random.Between(shapor::FirstKind, shapor::LastKind) == static_cast<int>(kind))
            return seed;
    }
}

// One DrawShapes1 of ten objects: the clearing, the drawing and its eleven Display calls.
void DrawShapes1(benchmark::State& state) {
    const auto kind = static_cast<shapor::ShapeKind>(state.range(0));
    Trainer trainer;
    trainer.main.v.N1 = 10;
    const std::uint64_t seed = SeedFor(kind);
    for (auto _ : state) {
        trainer.Random().Seed(seed);
        trainer.main.scene.DrawShapes1();
    }
    state.SetLabel(std::string(shapor::Info(kind).name));
}
BENCHMARK(DrawShapes1)
    ->DenseRange(shapor::FirstKind, shapor::LastKind)
    ->Unit(benchmark::kMicrosecond);

// A click on a numeral of the first grid until the window has presented the
// new scene and sum: input, event, scene, Addit and the window's refresh.
void ClickToScreen(benchmark::State& state) {
    Trainer trainer;
    int number = 9;
    for (auto _ : state) {
        number = number == 9 ? 10 : 9;
        trainer.Click(shapor::ctl::N1_RADIO.ForNumber(number));
        benchmark::DoNotOptimize(trainer.main.window.Frame());
    }
}
BENCHMARK(ClickToScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
