#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/Window.h"
#include "runtime/WindowDefinition.h"

namespace frame::testing {

// A small window: an option group of two radios bound to `number`, and a button.
struct TestWindow {
    static constexpr runtime::ControlId Group{1};
    static constexpr runtime::ControlId Radio1{2};
    static constexpr runtime::ControlId Radio2{3};
    static constexpr runtime::ControlId Button{4};

    static runtime::ControlDefinition Control(int number, std::string_view label,
                                              runtime::ControlKind kind, int x, int y, int width,
                                              int height, std::string_view text = {}) {
        runtime::ControlDefinition d;
        d.number = number;
        d.label = label;
        d.kind = kind;
        d.x = x;
        d.y = y;
        d.width = width;
        d.height = height;
        d.text = text;
        return d;
    }

    static std::vector<runtime::ControlDefinition> Controls() {
        using runtime::ControlKind;
        auto group = Control(1, "N1", ControlKind::OptionGroup, 5, 4, 78, 40);
        group.boxed = true;
        auto zero = Control(2, "N1:RADIO1", ControlKind::Radio, 8, 11, 30, 12, "Zero");
        zero.value = "0";
        zero.parent = 1;
        auto one = Control(3, "N1:RADIO2", ControlKind::Radio, 40, 11, 30, 12, "One");
        one.value = "1";
        one.parent = 1;
        return {group, zero, one, Control(4, "PLUSB", ControlKind::Button, 9, 60, 27, 22, "+")};
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
