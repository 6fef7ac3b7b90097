#include <gtest/gtest.h>

#include <array>

#include "TestWindows.h"
#include "runtime/ControlTable.h"

namespace runtime::testing {
namespace {

// A display whose text may not fit its box, alone in a window.
struct TooWide {
    const char* what;
    std::string_view picture;
    FontSpec font;
    int width, height;  // dialog units
    const char* value;
    int marks;  // separate marks of ink the whole text makes
    enum {
        Left,
        Right,
        Field
    } aligned;  // Field: right-aligned in a number field narrower than the box
};

class FitText : public ::testing::TestWithParam<double> {};

TEST_P(FitText, TooWideTextsShowWholeInsideTheirBox) {
    const TooWide cases[] = {
        {"the result -10 of the shape trainer",
         "N-3",
         {"Arial", 72, true},
         78,
         58,
         "-10",
         3,
         TooWide::Right},
        {"a number that fits stays as it is",
         "N-3",
         {"Arial", 72, true},
         78,
         58,
         "7",
         1,
         TooWide::Right},
        {"too many positions show as #",
         "n-1",
         {"Arial", 20, true},
         30,
         20,
         "-10",
         1,
         TooWide::Field},
        {"a long text in a narrow display",
         "s20",
         {"Arial", 12, false},
         24,
         12,
         "1 2 3 4 5 6 7",
         7,
         TooWide::Left},
    };
    for (const TooWide& c : cases) {
        SCOPED_TRACE(c.what);
        std::array<ControlDefinition, 1> controls{
            table::Display(1, "SHOWN", 10, 10, c.width, c.height, c.picture, c.font, true)};
        const WindowDefinition definition{"Fit", "",   120,   90,    {},
                                          true,  true, false, false, controls};
        Headless h = CreateHeadlessRuntime({GetParam(), {}, 1});
        Window window(definition, *h.runtime);
        FixedText<20> value;
        value = c.value;
        window.Bind(ControlId{1}, value.Span());
        ASSERT_TRUE(window.Open());
        const Image& frame = window.Frame();
        const Rect box = window.FrameRect(ControlId{1});
        const std::uint32_t ground = frame.At(0, 0);
        // Ink anywhere near the box: columns of the box that hold any.
        int left = frame.width, right = -1, marks = 0;
        bool before = false;
        for (int x = 0; x < frame.width; ++x) {
            bool ink = false;
            for (int y = 0; y < frame.height; ++y) ink = ink || frame.At(x, y) != ground;
            if (ink) left = std::min(left, x), right = std::max(right, x);
            marks += ink && !before;
            before = ink;
        }
        ASSERT_GE(right, 0) << "no ink at all";
        EXPECT_GE(left, box.x);
        EXPECT_LT(right, box.x + box.width - 1) << "cut at the right edge";
        EXPECT_EQ(marks, c.marks);
        if (c.aligned == TooWide::Right) {
            EXPECT_GT(right, box.x + box.width * 3 / 4);
        }
        if (c.aligned == TooWide::Left) {
            EXPECT_LT(left, box.x + box.width / 4);
        }
    }
}

// A text of natural size shows as it does in an ample box: its box grows
// with the font at the window's scale, where hinted glyphs can come out
// wider than the size measured at scale 1, scaled.
TEST_P(FitText, TextOfNaturalSizeShowsWhole) {
    for (const char* text : {"korvanda", "Use mouse to choose", "10"}) {
        SCOPED_TRACE(text);
        const auto frameFor = [&](int width) {
            const FontSpec face{"", 10, true};
            const std::array<ControlDefinition, 1> controls{table::Text(1, "TEXT", ControlKind::String, 8, 20, width,
                                                                        DefaultSize, text, face)};
            const WindowDefinition definition{"Fit", "", 160, 60, {}, true, true, false, false, controls};
            Headless h = CreateHeadlessRuntime({GetParam(), {}, 1});
            Window window(definition, *h.runtime);
            EXPECT_TRUE(window.Open());
            return window.Frame();
        };
        const Image natural = frameFor(DefaultSize), ample = frameFor(140);
        ASSERT_EQ(natural.width, ample.width);
        ASSERT_EQ(natural.height, ample.height);
        int differing = 0;
        for (int y = 0; y < natural.height; ++y)
            for (int x = 0; x < natural.width; ++x) differing += natural.At(x, y) != ample.At(x, y);
        EXPECT_EQ(differing, 0) << "pixels of the text cut off";
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, FitText, ::testing::Values(1.0, 2.0), [](const auto& info) {
    return "x" + std::to_string(static_cast<int>(info.param));
});

}  // namespace
}  // namespace runtime::testing
