#pragma once

#include <cstdint>
#include <vector>

#include "assets/BuiltInPictures.h"
#include "frame/Program.h"
#include "frame/SettingsManager.h"
#include "runtime/backends/headless/Headless.h"
#include "shapor/Controls.h"
#include "shapor/Main.h"
#include "shapor/testing/SceneFolder.h"

namespace shapor::testing {

// The shape trainer on a desktop without a display, its window open, the
// scene pictures in the working folder. Nothing is saved.
class Trainer {
public:
    explicit Trainer(std::uint64_t seed = 1, double scale = 1.0)
        : headless_(Desktop(seed, scale)),
          program_({"shapor", "shapor.INI"}, *headless_.runtime, settings_),
          main(program_) {
        opened = main.thisWindow.Start() == 0;
        main.thisWindow.Pump();
    }
    ~Trainer() { main.thisWindow.Finish(); }
    Trainer(const Trainer&) = delete;
    Trainer& operator=(const Trainer&) = delete;

    // Clicks a control the way the child does and lets the window react.
    void Click(runtime::ControlId control) {
        runtime::Click(main.window, control);
        main.thisWindow.Pump();
    }
    // Chooses the first number, by way of another one when it is chosen already.
    void ChooseFirst(int number) {
        if (main.v.N1 == number) Click(ctl::N1_RADIO.ForNumber(number == 0 ? 1 : 0));
        Click(ctl::N1_RADIO.ForNumber(number));
    }
    std::vector<std::uint8_t> Surface() const { return main.window.PictureBytes(ctl::DRAW1); }
    runtime::Random& Random() { return headless_.runtime->random(); }

private:
    static runtime::Headless Desktop(std::uint64_t seed, double scale) {
        runtime::HeadlessOptions options;
        options.seed = seed;
        options.scale = scale;
        runtime::Headless headless = runtime::CreateHeadlessRuntime(options);
        headless.runtime->pictures().AddBuiltIn(BuiltInPictures());
        return headless;
    }

    SceneFolder folder_;
    runtime::Headless headless_;
    frame::SettingsManager settings_;
    frame::Program program_;

public:
    MainProcedure main;
    bool opened = false;
};

}  // namespace shapor::testing
