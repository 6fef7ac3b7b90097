#pragma once

#include <array>
#include <string_view>

#include "language/Catalog.h"
#include "runtime/ControlTable.h"

// The shape trainer's window: the File menu, then every control with its
// number, label, place and look, in the order of the numbers.
namespace shapor {

namespace def {
using namespace runtime::table;
using language::N_;
using runtime::ControlDefinition;
using runtime::ControlKind;
using runtime::FontSpec;

constexpr FontSpec Digits{"Arial", 72, true};
constexpr FontSpec Sign{"Arial", 48, true};

// clang-format off
inline constexpr std::array<ControlDefinition, 37> MenuControls{{
    Menu(1, "FILEMENU", N_("&File")),
    Separator(1),
    CloseItem(2, "EXIT", 1, N_("E&xit")),

    OptionGroup(3, "N1", 5, 4, 78, 67),
    Radio(4, "N1:RADIO1", 3, 8, 11, "0.bmp", "0", 17, 18),
    Radio(5, "N1:RADIO2", 3, 26, 11, "1.bmp", "1", 17, 18),
    Radio(6, "N1:RADIO3", 3, 44, 11, "2.bmp", "2", 17, 18),
    Radio(7, "N1:RADIO4", 3, 62, 11, "3.bmp", "3", 17, 18),
    Radio(8, "N1:RADIO5", 3, 8, 29, "4.bmp", "4"),
    Radio(9, "N1:RADIO6", 3, 26, 29, "5.bmp", "5", 17, 18),
    Radio(10, "N1:RADIO7", 3, 44, 29, "6.bmp", "6", 17, 18),
    Radio(11, "N1:RADIO8", 3, 62, 29, "7.bmp", "7", 17, 18),
    Radio(12, "N1:RADIO9", 3, 8, 45, "8.bmp", "8", 17, 18),
    Radio(13, "N1:RADIO10", 3, 26, 45, "9.bmp", "9", 17, 18),
    Radio(14, "N1:RADIO11", 3, 44, 45, "10.bmp", "10", 17, 18),
    Display(15, "N1:2", 106, 11, 78, 58, "n-3", Digits),
    Placed(16, "DRAW1", ControlKind::Image, 199, 10, 100, 60),

    OptionGroup(17, "OPERATOR", 18, 75, 50, 36),
    TextRadio(18, "OPERATOR:RADIO1", 17, 22, 83, N_("PLUS")),
    TextRadio(19, "OPERATOR:RADIO2", 17, 22, 95, N_("MINUS")),
    Display(20, "OPERATORSYMBOL", 92, 73, 33, 42, "s1", Sign),

    OptionGroup(21, "N2", 4, 115, 80, 70),
    Radio(22, "N2:RADIO1", 21, 6, 123, "0.bmp", "0", 17, 18),
    Radio(23, "N2:RADIO2", 21, 24, 123, "1.bmp", "1"),
    Radio(24, "N2:RADIO3", 21, 42, 123, "2.bmp", "2"),
    Radio(25, "N2:RADIO4", 21, 60, 123, "3.bmp", "3"),
    Radio(26, "N2:RADIO5", 21, 6, 141, "4.bmp", "4"),
    Radio(27, "N2:RADIO6", 21, 24, 141, "5.bmp", "5"),
    Radio(28, "N2:RADIO7", 21, 42, 141, "6.bmp", "6"),
    Radio(29, "N2:RADIO8", 21, 60, 141, "7.bmp", "7"),
    Radio(30, "N2:RADIO9", 21, 6, 159, "8.bmp", "8"),
    Radio(31, "N2:RADIO10", 21, 24, 159, "9.bmp", "9"),
    Radio(32, "N2:RADIO11", 21, 42, 159, "10.bmp", "10"),

    Placed(33, "STRING2", ControlKind::String, 193, 134),
    Line(34, "LINE1", 94, 185, 112, 0),
    Display(35, "SUMIT", 106, 195, 78, 58, "N-3", Digits),
    Display(36, "N2:2", 106, 121, 78, 58, "n-3", Digits),
}};
// clang-format on

// Caption, icon, 320 x 286 dialog units, the runtime's default font, a
// minimize button and a fixed frame.
constexpr runtime::WindowDefinition Window() {
    runtime::WindowDefinition w;
    w.caption = "Korvanda";
    w.icon = "working.ico";
    w.width = 320;
    w.height = 286;
    w.systemMenu = true;
    w.minimizeBox = true;
    w.maximizeBox = false;
    w.resizable = false;
    w.controls = MenuControls;
    return w;
}
}  // namespace def

inline constexpr runtime::WindowDefinition MenuWindow = def::Window();

}  // namespace shapor
