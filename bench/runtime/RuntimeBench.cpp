// Redraw cost of a window like the bead trainer's: about a hundred image
// controls hidden and shown again between refreshes, at scale 1 and 2.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "runtime/Window.h"
#include "runtime/backends/headless/Headless.h"

namespace {

using namespace runtime;

std::vector<std::uint8_t> SolidBmp(int width, int height, std::uint32_t rgb) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> b(54 + static_cast<std::size_t>(stride) * height, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3;
            b[at] = rgb & 0xFF;
            b[at + 1] = rgb >> 8 & 0xFF;
            b[at + 2] = rgb >> 16 & 0xFF;
        }
    return b;
}

const std::vector<std::uint8_t> beadBmp = SolidBmp(20, 6, 0x2060C0);
const std::vector<std::uint8_t> shapeBmp = SolidBmp(30, 34, 0x20A040);
const std::vector<std::uint8_t> numeralBmp = SolidBmp(25, 28, 0xFFFFFF);
const EmbeddedFile pictures[] = {{"bead.bmp", beadBmp}, {"shape.bmp", shapeBmp}, {"numeral.bmp", numeralBmp}};

struct BeadWindow {
    std::vector<ControlDefinition> controls;
    std::vector<int> shapes, beads;
    WindowDefinition definition;
    std::int16_t n1 = 0, sum = 0;

    BeadWindow() {
        int number = 1;
        auto add = [&](ControlKind kind, int x, int y, int w, int h) -> ControlDefinition& {
            ControlDefinition d;
            d.number = number++;
            d.kind = kind;
            d.x = x;
            d.y = y;
            d.width = w;
            d.height = h;
            controls.push_back(d);
            return controls.back();
        };
        add(ControlKind::OptionGroup, 5, -1, 78, 67).boxed = true;
        for (int k = 0; k < 11; ++k) {
            auto& r = add(ControlKind::Radio, 8 + 18 * (k % 4), 6 + 18 * (k / 4), 17, 18);
            r.text = "numeral.bmp";
            r.parent = 1;
            static const char* values[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
            r.value = values[k];
        }
        add(ControlKind::Panel, 89, 4, 131, 289).fill = 0xFF8080;
        add(ControlKind::Panel, 230, 1, 130, 64);
        add(ControlKind::Panel, 230, 78, 130, 61);
        add(ControlKind::Panel, 230, 159, 133, 134);
        for (const int y : {9, 85, 175}) {
            auto& d = add(ControlKind::Display, 128, y, 85, 49);
            d.picture = "n-3";
            d.transparent = true;
            d.font = {"Arial", 60, true, NoColour};
        }
        for (int grid = 0; grid < 3; ++grid)
            for (int k = 0; k < (grid == 2 ? 20 : 10); ++k) {
                shapes.push_back(number);
                add(ControlKind::Image, 236 + 24 * (k % 5), (grid == 0 ? 7 : grid == 1 ? 83 : 163) + 26 * (k / 5), 22, 25)
                    .hidden = true;
            }
        for (int column = 0; column < 3; ++column) {
            const int group = number;
            add(ControlKind::Group, 384, column == 0 ? 2 : column == 1 ? 72 : 156, 36, column == 2 ? 130 : 67);
            for (int k = 0; k < (column == 2 ? 20 : 10); ++k) {
                beads.push_back(number);
                auto& b = add(ControlKind::Image, 394, (column == 0 ? 5 : column == 1 ? 75 : 162) + 6 * k, 20, 6);
                b.hidden = true;
                b.parent = group;
            }
        }
        auto& plus = add(ControlKind::Button, 9, 76, 27, 22);
        plus.text = "+";
        plus.font = {"", 36, true, NoColour};
        definition = {"Bench", "", 457, 305, {"Arial", 9, false, NoColour}, true, true, false, false, controls};
    }
};

// One result shown the way the bead trainer shows it: every picture hidden,
// the needed ones given their file and shown, the result column coloured,
// and the window refreshed.
void ShowResult(Window& window, BeadWindow& w, int count) {
    for (int id : w.shapes) window.Hide(static_cast<ControlId>(id));
    for (int id : w.beads) window.Hide(static_cast<ControlId>(id));
    for (int i = 0; i < count; ++i) {
        window.SetPicture(static_cast<ControlId>(w.shapes[static_cast<std::size_t>(i)]), "shape.bmp");
        window.Unhide(static_cast<ControlId>(w.shapes[static_cast<std::size_t>(i)]));
        window.SetPicture(static_cast<ControlId>(w.beads[static_cast<std::size_t>(i)]), "bead.bmp");
        window.Unhide(static_cast<ControlId>(w.beads[static_cast<std::size_t>(i)]));
    }
    window.SetFill(ControlId{15}, count % 2 ? 255 : NoColour);
    w.sum = static_cast<std::int16_t>(count);
    window.Refresh();
}

// The bead-like window, open on a headless desktop at the benchmark's scale.
struct OpenBeadWindow {
    explicit OpenBeadWindow(double scale) : headless(WithPictures(scale)), window(w.definition, *headless.runtime) {
        window.Bind(ControlId{1}, w.n1);
        window.Bind(ControlId{17}, w.sum);
        window.Open();
    }
    static Headless WithPictures(double scale) {
        Headless h = CreateHeadlessRuntime({scale, {}, 1});
        h.runtime->pictures().AddBuiltIn(pictures);
        return h;
    }
    Headless headless;
    BeadWindow w;
    Window window;
};

void Refresh(benchmark::State& state) {
    OpenBeadWindow open(state.range(0) / 100.0);
    auto& [headless, w, window] = open;
    int count = 0;
    for (auto _ : state) {
        count = (count + 7) % 21;
        ShowResult(window, w, count);
        benchmark::DoNotOptimize(headless.platform->LastFrame().pixels.data());
    }
    state.counters["frame_px"] = static_cast<double>(window.Frame().pixels.size());
}
BENCHMARK(Refresh)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// A whole click: the radio is chosen through the input path, then four
// refreshes as the bead trainer does them.
void Click(benchmark::State& state) {
    OpenBeadWindow open(state.range(0) / 100.0);
    auto& [headless, w, window] = open;
    int radio = 0;
    for (auto _ : state) {
        radio = (radio + 3) % 11;
        runtime::Click(window, static_cast<ControlId>(2 + radio));
        while (window.NextEvent(false)) {
        }
        for (int i = 0; i < 4; ++i) ShowResult(window, w, (radio + i * 5) % 21);
    }
}
BENCHMARK(Click)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
