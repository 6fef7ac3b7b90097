#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <tuple>

#include "shapor/Controls.h"
#include "shapor/MenuWindow.h"

namespace shapor {
namespace {

using runtime::ControlDefinition;
using runtime::ControlKind;

const ControlDefinition& Control(runtime::ControlId id) {
    for (const ControlDefinition& c : MenuWindow.controls)
        if (c.number == runtime::ToInt(id)) return c;
    throw std::out_of_range("no control " + std::to_string(runtime::ToInt(id)));
}

TEST(MenuWindow, EveryControlHasItsOwnNumberAndLabel) {
    std::set<int> numbers;
    std::set<std::string_view> labels;
    for (const ControlDefinition& c : MenuWindow.controls) {
        if (c.kind == ControlKind::MenuSeparator) continue;
        EXPECT_TRUE(numbers.insert(c.number).second) << c.number;
        EXPECT_TRUE(labels.insert(c.label).second) << c.label;
    }
    EXPECT_EQ(numbers.size(), 36u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 36);
}

// Button k of a grid shows the numeral k - 1, stands for it, and lies inside its group.
TEST(MenuWindow, NumeralButtonsStandForTheirNumbers) {
    for (const auto& [grid, group, name] :
         {std::tuple{ctl::N1_RADIO, ctl::N1, "N1"}, std::tuple{ctl::N2_RADIO, ctl::N2, "N2"}}) {
        const ControlDefinition& box = Control(group);
        EXPECT_EQ(box.kind, ControlKind::OptionGroup);
        for (int k = 1; k <= ctl::Grid::Size; ++k) {
            const ControlDefinition& button = Control(grid(k));
            SCOPED_TRACE(button.label);
            EXPECT_EQ(button.label, std::string(name) + ":RADIO" + std::to_string(k));
            EXPECT_EQ(button.kind, ControlKind::Radio);
            EXPECT_EQ(button.parent, runtime::ToInt(group));
            EXPECT_EQ(button.value, std::to_string(k - 1));
            EXPECT_EQ(button.text, std::to_string(k - 1) + ".bmp");
            EXPECT_GT(button.x, box.x);
            EXPECT_GT(button.y, box.y);
            EXPECT_LT(button.y, box.y + box.height);
        }
    }
}

TEST(MenuWindow, ExitClosesTheWindowFromTheFileMenu) {
    const ControlDefinition& exit = Control(ctl::EXIT);
    EXPECT_EQ(exit.kind, ControlKind::MenuItem);
    EXPECT_EQ(exit.parent, runtime::ToInt(ctl::FILEMENU));
    EXPECT_EQ(exit.command, runtime::MenuCommand::CloseWindow);
    EXPECT_EQ(Control(ctl::FILEMENU).kind, ControlKind::Menu);
    EXPECT_EQ(Control(ctl::DRAW1).kind, ControlKind::Image);
}

}  // namespace
}  // namespace shapor
