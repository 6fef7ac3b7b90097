#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/Window.h"
#include "runtime/ControlTable.h"

namespace frame::testing {

// A small window: an option group of two radios bound to `number`, and a button.
struct TestWindow {
    static constexpr runtime::ControlId Group{1};
    static constexpr runtime::ControlId Radio1{2};
    static constexpr runtime::ControlId Radio2{3};
    static constexpr runtime::ControlId Button{4};

    static std::vector<runtime::ControlDefinition> Controls() {
        using namespace runtime::table;
        return {OptionGroup(1, "N1", 5, 4, 78, 40),
                Radio(2, "N1:RADIO1", 1, 8, 11, "Zero", "0", 30, 12),
                Radio(3, "N1:RADIO2", 1, 40, 11, "One", "1", 30, 12),
                Text(4, "PLUSB", runtime::ControlKind::Button, 9, 60, 27, 22, "+")};
    }

    static runtime::WindowDefinition Definition(
        const std::vector<runtime::ControlDefinition>& controls) {
        runtime::WindowDefinition d;
        d.caption = "Frame test";
        d.width = 120;
        d.height = 100;
        d.controls = controls;
        return d;
    }

    explicit TestWindow(runtime::Runtime& runtime) : window(definition, runtime) {
        window.Bind(Group, number);
    }

    std::vector<runtime::ControlDefinition> controls = Controls();
    runtime::WindowDefinition definition = Definition(controls);
    std::int16_t number = 0;
    runtime::Window window;
};

}  // namespace frame::testing
