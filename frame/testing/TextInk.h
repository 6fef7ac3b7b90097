#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/Window.h"
#include "runtime/backends/headless/Headless.h"

namespace frame::testing {

// Checks that the text of each translatable control of `definition` (prompts,
// menus, text radios) is drawn whole inside the control's box: every pixel
// its text changes lies inside the box, and, in a box of a given size, off
// its right column and bottom row, where a text cut at the box would show (a
// box of natural size is made from its text). The window is drawn headless
// at `scale` once as it is and once for each control with its text left out.
inline void ExpectTextsInsideTheirBoxes(const runtime::WindowDefinition& definition,
                                        double scale) {
    runtime::HeadlessOptions options;
    options.scale = scale;
    runtime::Headless full = runtime::CreateHeadlessRuntime(options);
    runtime::Window window(definition, *full.runtime);
    ASSERT_TRUE(window.Open());
    const runtime::Image shown = window.Frame();

    for (std::size_t i = 0; i < definition.controls.size(); ++i) {
        const runtime::ControlDefinition& c = definition.controls[i];
        const bool textRadio = c.kind == runtime::ControlKind::Radio && c.text == c.value;
        const bool text = c.kind == runtime::ControlKind::Prompt ||
                          c.kind == runtime::ControlKind::Menu || textRadio;
        const bool sized = c.width != runtime::DefaultSize && c.height != runtime::DefaultSize;
        if (!text || c.text.empty()) continue;
        SCOPED_TRACE(std::string(c.label) + " \"" + std::string(c.text) + "\"");

        std::vector<runtime::ControlDefinition> controls(definition.controls.begin(),
                                                         definition.controls.end());
        controls[i].text = "";
        runtime::WindowDefinition blank = definition;
        blank.controls = controls;
        runtime::Headless other = runtime::CreateHeadlessRuntime(options);
        runtime::Window without(blank, *other.runtime);
        ASSERT_TRUE(without.Open());
        const runtime::Image& empty = without.Frame();
        ASSERT_EQ(empty.width, shown.width);
        ASSERT_EQ(empty.height, shown.height);

        const runtime::Rect box = window.ControlRect(runtime::ControlId{c.number});
        const runtime::Point topLeft = window.FrameFromClient({box.x, box.y});
        const runtime::Point end = window.FrameFromClient({box.x + box.width, box.y + box.height});
        int inked = 0, outside = 0, onEdge = 0;
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x) {
                if (shown.At(x, y) == empty.At(x, y)) continue;
                ++inked;
                if (x < topLeft.x || y < topLeft.y || x >= end.x || y >= end.y)
                    ++outside;
                else if (sized && (x == end.x - 1 || y == end.y - 1))
                    ++onEdge;
            }
        EXPECT_GT(inked, 0) << "the text is drawn";
        EXPECT_EQ(outside, 0) << "pixels of the text outside its box";
        EXPECT_EQ(onEdge, 0) << "pixels of the text on its box's edge: cut there";
    }
}

}  // namespace frame::testing
