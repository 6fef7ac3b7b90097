#pragma once

#include <cstdint>

#include "runtime/Window.h"
#include "runtime/WindowDefinition.h"

namespace frame::testing {

// A small window: an option group of two radios bound to `number`, and a button.
struct TestWindow {
    static constexpr runtime::ControlId Group{1};
    static constexpr runtime::ControlId Radio1{2};
    static constexpr runtime::ControlId Radio2{3};
    static constexpr runtime::ControlId Button{4};

    static constexpr runtime::ControlDefinition Controls[] = {
        {.number = 1, .label = "N1", .kind = runtime::ControlKind::OptionGroup, .x = 5, .y = 4,
         .width = 78, .height = 40, .boxed = true},
        {.number = 2, .label = "N1:RADIO1", .kind = runtime::ControlKind::Radio, .x = 8, .y = 11,
         .width = 30, .height = 12, .text = "Zero", .value = "0", .parent = 1},
        {.number = 3, .label = "N1:RADIO2", .kind = runtime::ControlKind::Radio, .x = 40, .y = 11,
         .width = 30, .height = 12, .text = "One", .value = "1", .parent = 1},
        {.number = 4, .label = "PLUSB", .kind = runtime::ControlKind::Button, .x = 9, .y = 60,
         .width = 27, .height = 22, .text = "+"},
    };
    static constexpr runtime::WindowDefinition Definition{
        .caption = "Frame test", .width = 120, .height = 100, .controls = Controls};

    explicit TestWindow(runtime::Runtime& runtime) : window(Definition, runtime) {
        window.Bind(Group, number);
    }

    std::int16_t number = 0;
    runtime::Window window;
};

}  // namespace frame::testing
