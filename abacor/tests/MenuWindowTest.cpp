#include <gtest/gtest.h>

#include <set>
#include <string>

#include "abacor/Controls.h"
#include "abacor/MenuWindow.h"

namespace abacor {
namespace {

using runtime::ControlDefinition;
using runtime::ControlKind;

const ControlDefinition& Control(runtime::ControlId id) {
    return def::MenuControls.at(static_cast<std::size_t>(runtime::ToInt(id) - 1));
}

TEST(MenuWindow, WindowAndControlCount) {
    EXPECT_EQ(MenuWindow.caption, "Korvanda");
    EXPECT_EQ(MenuWindow.icon, "working.ico");
    EXPECT_EQ(MenuWindow.width, 457);
    EXPECT_EQ(MenuWindow.height, 305);
    EXPECT_EQ(MenuWindow.font.face, "Arial");
    EXPECT_EQ(MenuWindow.font.points, 9);
    EXPECT_FALSE(MenuWindow.resizable);
    ASSERT_EQ(MenuWindow.controls.size(), 128u);

    std::set<int> numbers;
    std::set<std::string_view> labels;
    for (const ControlDefinition& c : MenuWindow.controls) {
        EXPECT_TRUE(numbers.insert(c.number).second) << c.number;
        EXPECT_TRUE(labels.insert(c.label).second) << c.label;
    }
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 128);
}

// A row of image controls: labels "NAME:k", places from the row's formula.
struct RowCase {
    std::string name;
    int size;
    runtime::ControlId (*id)(int);
    int x0, y0, columns, dx, dy, width, height, parent;
};

template <const auto& Row>
runtime::ControlId At(int k) {
    return Row(k);
}

class ImageRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(ImageRows, NumbersLabelsAndPlaces) {
    const RowCase& row = GetParam();
    for (int k = 1; k <= row.size; ++k) {
        const ControlDefinition& c = Control(row.id(k));
        SCOPED_TRACE(row.name + std::to_string(k));
        EXPECT_EQ(c.label, row.name + ":" + std::to_string(k));
        EXPECT_EQ(c.kind, ControlKind::Image);
        EXPECT_EQ(c.x, row.x0 + row.dx * ((k - 1) % row.columns));
        EXPECT_EQ(c.y, row.y0 + row.dy * ((k - 1) / row.columns));
        EXPECT_EQ(c.width, row.width);
        EXPECT_EQ(c.height, row.height);
        EXPECT_EQ(c.parent, row.parent);
        EXPECT_TRUE(c.hidden);
        EXPECT_TRUE(c.text.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    MenuWindow, ImageRows,
    ::testing::Values(RowCase{"IMAGE1", 10, At<ctl::IMAGE1>, 236, 7, 5, 24, 26, 22, 25, 0},
                      RowCase{"IMAGE2", 10, At<ctl::IMAGE2>, 236, 83, 5, 24, 26, 22, 25, 0},
                      RowCase{"IMAGE3", 20, At<ctl::IMAGE3>, 238, 163, 5, 24, 26, 22, 25, 0},
                      RowCase{"BEAD1", 10, At<ctl::BEAD1>, 394, 5, 1, 0, 6, 20, 6, 65},
                      RowCase{"BEAD2", 10, At<ctl::BEAD2>, 393, 75, 1, 0, 6, 20, 6, 76},
                      RowCase{"BEAD3", 20, At<ctl::BEAD3>, 393, 162, 1, 0, 6, 20, 6, 89}),
    [](const auto& info) { return info.param.name; });

TEST(MenuWindow, ShapePictureNumbersJumpAsDrawn) {
    const int image1[] = {21, 22, 26, 23, 24, 27, 28, 29, 30, 31};
    const int image3[] = {43, 44, 47, 45, 46, 48, 49, 50, 51, 52,
                          54, 55, 58, 56, 57, 59, 60, 61, 62, 63};
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(runtime::ToInt(ctl::IMAGE1(k)), image1[k - 1]);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(runtime::ToInt(ctl::IMAGE2(k)), image1[k - 1] + 11);
    for (int k = 1; k <= 20; ++k) EXPECT_EQ(runtime::ToInt(ctl::IMAGE3(k)), image3[k - 1]);
}

TEST(MenuWindow, RadioGrids) {
    struct Grid {
        runtime::ControlId (*id)(int);
        std::string name;
        int group, x0, y0;
        int rows[3];
    };
    const Grid grids[] = {{At<ctl::N1_RADIO>, "N1", 1, 8, 6, {6, 24, 41}},
                          {At<ctl::N2_RADIO>, "N2", 111, 6, 113, {113, 131, 149}}};
    for (const Grid& grid : grids) {
        EXPECT_EQ(Control(runtime::ControlId{grid.group}).label, grid.name);
        EXPECT_EQ(Control(runtime::ControlId{grid.group}).kind, ControlKind::OptionGroup);
        EXPECT_TRUE(Control(runtime::ControlId{grid.group}).boxed);
        for (int k = 1; k <= 11; ++k) {
            const ControlDefinition& c = Control(grid.id(k));
            SCOPED_TRACE(std::string(c.label));
            EXPECT_EQ(c.label, grid.name + ":RADIO" + std::to_string(k));
            EXPECT_EQ(c.kind, ControlKind::Radio);
            EXPECT_EQ(c.parent, grid.group);
            EXPECT_EQ(c.x, grid.x0 + 18 * ((k - 1) % 4));
            EXPECT_EQ(c.y, grid.rows[(k - 1) / 4]);
            EXPECT_EQ(c.text, std::to_string(k - 1) + ".bmp");
            EXPECT_EQ(c.value, std::to_string(k - 1));
        }
    }
    // The first grid's radios are all 17 by 18; the second's only its first.
    for (int k = 1; k <= 11; ++k) EXPECT_EQ(Control(ctl::N1_RADIO(k)).width, 17);
    EXPECT_EQ(Control(ctl::N2_RADIO(1)).height, 18);
    EXPECT_EQ(Control(ctl::N2_RADIO(2)).width, runtime::DefaultSize);
}

TEST(MenuWindow, NamedControls) {
    struct Named {
        runtime::ControlId id;
        std::string_view label;
        ControlKind kind;
    };
    const Named named[] = {
        {ctl::N1, "N1", ControlKind::OptionGroup},
        {ctl::N1_2, "N1:2", ControlKind::Display},
        {ctl::N1_3, "N1:3", ControlKind::Display},
        {ctl::N2, "N2", ControlKind::OptionGroup},
        {ctl::N2_2, "N2:2", ControlKind::Display},
        {ctl::N2_3, "N2:3", ControlKind::Display},
        {ctl::SUMIT, "SUMIT", ControlKind::Display},
        {ctl::SUMIT_2, "SUMIT:2", ControlKind::Display},
        {ctl::OPERATORSYMBOL, "OPERATORSYMBOL", ControlKind::Display},
        {ctl::OPERATORSYMBOL_2, "OPERATORSYMBOL:2", ControlKind::Display},
        {ctl::PANEL3, "PANEL3", ControlKind::Panel},
        {ctl::GROUP3, "GROUP3", ControlKind::Group},
        {ctl::PLUSB, "PLUSB", ControlKind::Button},
        {ctl::MINUSB, "MINUSB", ControlKind::Button},
        {ctl::EQUALSB, "EQUALSB", ControlKind::Button},
        {ctl::LINE1, "LINE1", ControlKind::Line},
        {ctl::PROMPT1, "PROMPT1", ControlKind::Prompt},
        {ctl::STRING9, "STRING9", ControlKind::String},
    };
    for (const Named& n : named) {
        EXPECT_EQ(Control(n.id).label, n.label);
        EXPECT_EQ(Control(n.id).kind, n.kind) << n.label;
    }
    EXPECT_EQ(Control(ctl::PANEL4).fill, 0xFF8080);
    EXPECT_EQ(Control(ctl::PANEL3).fill, runtime::NoColour);
    EXPECT_EQ(Control(ctl::LINE1).lineWidth, 10);
    EXPECT_EQ(Control(ctl::LINE1).lineColour, 0);
    EXPECT_EQ(Control(ctl::N1_3).font.colour, 0xFFFFFF);
    EXPECT_EQ(Control(ctl::SUMIT).font.points, 60);
    EXPECT_TRUE(Control(ctl::SUMIT).transparent);
    EXPECT_FALSE(Control(ctl::OPERATORSYMBOL_2).transparent);
    EXPECT_EQ(Control(ctl::PROMPT1).text,
              "Use mouse to choose numbers above, or use the spacebar for random numbers");
}

}  // namespace
}  // namespace abacor
