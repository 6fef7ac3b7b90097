// The cost of showing a new problem: one Addit with its four refreshes, and
// a whole click on a numeral from the platform's input to the new frame.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "abacor/Controls.h"
#include "abacor/Main.h"
#include "abacor/tests/Bmp.h"
#include "assets/BuiltInPictures.h"
#include "frame/SettingsManager.h"
#include "runtime/backends/headless/Headless.h"

namespace {

namespace fs = std::filesystem;

// A working folder with bead and shape pictures of their real sizes.
class Pictures {
public:
    Pictures() {
        folder_ =
            fs::temp_directory_path() / ("abacor-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        for (const char* bead : {"beadblack.bmp", "beadred.bmp", "beadNeg.bmp"})
            abacor::testing::WriteBmp(folder_ / bead, 30, 11, 0x202020);
        for (std::string_view shape : abacor::ShapePictures)
            abacor::testing::WriteBmp(folder_ / shape, 33, 47, 0xC08020);
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }
    ~Pictures() {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

private:
    fs::path folder_, previous_;
};

// The trainer's window, open, on a headless desktop at the given scale; the
// settings manager is not bound to a file, so nothing is written.
struct Trainer {
    explicit Trainer(double scale) {
        runtime::HeadlessOptions options;
        options.scale = scale;
        headless = runtime::CreateHeadlessRuntime(options);
        headless.runtime->pictures().AddBuiltIn(BuiltInPictures());
        program = std::make_unique<frame::Program>(frame::ProgramInfo{"abacor", "abacor.INI"},
                                                   *headless.runtime, settings);
        main = std::make_unique<abacor::MainWindow>(*program);
        main->manager.Start();
        main->manager.Pump();
    }
    ~Trainer() { main->manager.Finish(); }

    runtime::Headless headless;
    frame::SettingsManager settings;
    std::unique_ptr<frame::Program> program;
    std::unique_ptr<abacor::MainWindow> main;
};

double ScaleOf(const benchmark::State& state) {
    return static_cast<double>(state.range(0)) / 100;
}

// 10 + 10 and 3 - 7 in turn: the fullest column and the red one.
void Addit(benchmark::State& state) {
    Pictures pictures;
    Trainer trainer(ScaleOf(state));
    abacor::Variables& v = trainer.main->variables;
    trainer.main->trainer.PickShape();
    bool full = false;
    const int before = trainer.headless.platform->PresentCount();
    for (auto _ : state) {
        full = !full;
        v.N1 = full ? 10 : 3;
        v.N2 = full ? 10 : 7;
        v.OPERATOR = full ? "PLUS" : "MINUS";
        trainer.main->trainer.Addit();
        benchmark::DoNotOptimize(trainer.headless.platform->LastFrame().pixels.data());
    }
    state.counters["frames"] = benchmark::Counter(
        trainer.headless.platform->PresentCount() - before, benchmark::Counter::kAvgIterations);
}
BENCHMARK(Addit)->Arg(100)->Arg(200)->ArgName("scale_percent")->Unit(benchmark::kMillisecond);

// A click on a numeral of the first grid, from the platform's input to the
// presented frame (the sound is only recorded).
void ClickOnNumeral(benchmark::State& state) {
    Pictures pictures;
    Trainer trainer(ScaleOf(state));
    int k = 1;
    for (auto _ : state) {
        k = k % 11 + 1;
        runtime::Click(trainer.main->window, abacor::ctl::N1_RADIO(k));
        trainer.main->manager.Pump();
    }
}
BENCHMARK(ClickOnNumeral)
    ->Arg(100)
    ->Arg(200)
    ->ArgName("scale_percent")
    ->Unit(benchmark::kMillisecond);

// A working folder a stranger filled: every picture as large as a picture
// may be (4096 x 4096, 48 MB on disk), or a 1 KB file whose header claims
// 16384 x 4096. The pictures are written once for all runs.
class HostilePictures {
public:
    explicit HostilePictures(bool largest) {
        folder_ =
            fs::temp_directory_path() / (largest ? "abacor-bench-largest" : "abacor-bench-claims");
        std::vector<std::string> names = {"beadblack.bmp", "beadred.bmp", "beadNeg.bmp"};
        names.insert(names.end(), abacor::ShapePictures.begin(), abacor::ShapePictures.end());
        fs::create_directories(folder_);
        for (const std::string& name : names) {
            if (fs::exists(folder_ / name)) continue;
            if (largest) {
                abacor::testing::WriteBmp(folder_ / name, 4096, 4096, 0x808080);
            } else {
                abacor::testing::WriteBmp(folder_ / name, 16, 16, 0x808080);
                std::fstream file(folder_ / name, std::ios::in | std::ios::out | std::ios::binary);
                const unsigned char claim[8] = {0x00, 0x40, 0, 0,
                                                0x00, 0x10, 0, 0};  // 16384 x 4096
                file.seekp(18);
                file.write(reinterpret_cast<const char*>(claim), sizeof claim);
            }
        }
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }
    ~HostilePictures() { fs::current_path(previous_); }

private:
    fs::path folder_, previous_;
};

// Opening the window and the first click on a numeral, which reads the bead
// and shape pictures: the most a folder can make a click cost.
void FirstClickInAHostileFolder(benchmark::State& state) {
    HostilePictures pictures(state.range(1) != 0);
    for (auto _ : state) {
        Trainer trainer(ScaleOf(state));
        runtime::Click(trainer.main->window, abacor::ctl::N1_RADIO(11));
        trainer.main->manager.Pump();
        runtime::Click(trainer.main->window, abacor::ctl::N2_RADIO(11));
        trainer.main->manager.Pump();
    }
}
BENCHMARK(FirstClickInAHostileFolder)
    ->ArgsProduct({{100, 200}, {0, 1}})
    ->ArgNames({"scale_percent", "largest"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
