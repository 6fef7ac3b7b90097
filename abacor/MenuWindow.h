#pragma once

#include <array>
#include <string_view>

#include "language/Catalog.h"
#include "runtime/ControlTable.h"

// The bead trainer's window: every control with its number, label, place and
// look, in the order of the numbers.
namespace abacor {

namespace def {
using namespace runtime::table;
using language::N_;
using runtime::ControlDefinition;
using runtime::ControlKind;
using runtime::FontSpec;
using runtime::NoColour;

// The window's typeface at another size, bold.
constexpr FontSpec WindowFace(int points) {
    return Font("", points, true);
}
constexpr FontSpec Arial(int points) {
    return Font("Arial", points, true);
}
constexpr FontSpec BigDigits = Arial(60);
constexpr FontSpec WhiteDigits = Font("", 0, false, 0xFFFFFF);

// A signed number of up to three characters, drawn over what lies behind it.
constexpr ControlDefinition Number(int n, std::string_view label, int x, int y, int w, int h,
                                   FontSpec font) {
    return Display(n, label, x, y, w, h, "n-3", font, true);
}
// One character.
constexpr ControlDefinition Symbol(int n, std::string_view label, int x, int y, int w, int h,
                                   FontSpec font, bool transparent) {
    return Display(n, label, x, y, w, h, "s1", font, transparent);
}
// Shape pictures and beads start hidden; the first sum shows them.
constexpr ControlDefinition Shape(int n, std::string_view label, int x, int y) {
    return Image(n, label, x, y, 22, 25, 0, true);
}
constexpr ControlDefinition Bead(int n, std::string_view label, int group, int x, int y) {
    return Image(n, label, x, y, 20, 6, group, true);
}
constexpr ControlDefinition Button(int n, std::string_view label, int x, int y, int w, int h,
                                   std::string_view text, int points) {
    return Text(n, label, ControlKind::Button, x, y, w, h, text, WindowFace(points));
}
constexpr ControlDefinition String(int n, std::string_view label, int x, int y, int w, int h,
                                   std::string_view text, FontSpec font) {
    return Text(n, label, ControlKind::String, x, y, w, h, text, font);
}
// Text wrapped inside its box.
constexpr ControlDefinition Prompt(int n, std::string_view label, int x, int y, int w, int h,
                                   std::string_view text, FontSpec font) {
    return Text(n, label, ControlKind::Prompt, x, y, w, h, text, font);
}

// clang-format off
inline constexpr std::array<ControlDefinition, 128> MenuControls{{
    OptionGroup(1, "N1", 5, -1, 78, 67),
    Radio(2, "N1:RADIO1", 1, 8, 6, "0.bmp", "0", 17, 18),
    Radio(3, "N1:RADIO2", 1, 26, 6, "1.bmp", "1", 17, 18),
    Radio(4, "N1:RADIO3", 1, 44, 6, "2.bmp", "2", 17, 18),
    Radio(5, "N1:RADIO4", 1, 62, 6, "3.bmp", "3", 17, 18),
    Radio(6, "N1:RADIO5", 1, 8, 24, "4.bmp", "4", 17, 18),
    Radio(7, "N1:RADIO6", 1, 26, 24, "5.bmp", "5", 17, 18),
    Radio(8, "N1:RADIO7", 1, 44, 24, "6.bmp", "6", 17, 18),
    Radio(9, "N1:RADIO8", 1, 62, 24, "7.bmp", "7", 17, 18),
    Radio(10, "N1:RADIO9", 1, 8, 41, "8.bmp", "8", 17, 18),
    Radio(11, "N1:RADIO10", 1, 26, 41, "9.bmp", "9", 17, 18),
    Radio(12, "N1:RADIO11", 1, 44, 41, "10.bmp", "10", 17, 18),
    Panel(13, "PANEL1", 230, 1, 130, 64),
    Panel(14, "PANEL4", 89, 4, 131, 289, 0xFF8080),
    Panel(15, "PANEL5", 377, 2, 70, 290),
    Number(16, "N1:2", 128, 9, 85, 49, BigDigits),
    Symbol(17, "OPERATORSYMBOL:2", 290, 65, 9, 16, Arial(18), false),
    Panel(18, "PANEL1:2", 230, 78, 130, 61),
    Panel(19, "PANEL3", 230, 159, 133, 134),
    Symbol(20, "OPERATORSYMBOL", 96, 53, 24, 39, Arial(48), true),
    Shape(21, "IMAGE1:1", 236, 7),
    Shape(22, "IMAGE1:2", 260, 7),
    Shape(23, "IMAGE1:4", 308, 7),
    Shape(24, "IMAGE1:5", 332, 7),
    Number(25, "N1:3", 426, 6, D, D, WhiteDigits),
    Shape(26, "IMAGE1:3", 284, 7),
    Shape(27, "IMAGE1:6", 236, 33),
    Shape(28, "IMAGE1:7", 260, 33),
    Shape(29, "IMAGE1:8", 284, 33),
    Shape(30, "IMAGE1:9", 308, 33),
    Shape(31, "IMAGE1:10", 332, 33),
    Shape(32, "IMAGE2:1", 236, 83),
    Shape(33, "IMAGE2:2", 260, 83),
    Shape(34, "IMAGE2:4", 308, 83),
    Shape(35, "IMAGE2:5", 332, 83),
    Number(36, "N2:3", 426, 76, D, D, WhiteDigits),
    Shape(37, "IMAGE2:3", 284, 83),
    Shape(38, "IMAGE2:6", 236, 109),
    Shape(39, "IMAGE2:7", 260, 109),
    Shape(40, "IMAGE2:8", 284, 109),
    Shape(41, "IMAGE2:9", 308, 109),
    Shape(42, "IMAGE2:10", 332, 109),
    Shape(43, "IMAGE3:1", 238, 163),
    Shape(44, "IMAGE3:2", 262, 163),
    Shape(45, "IMAGE3:4", 310, 163),
    Shape(46, "IMAGE3:5", 334, 163),
    Shape(47, "IMAGE3:3", 286, 163),
    Shape(48, "IMAGE3:6", 238, 189),
    Shape(49, "IMAGE3:7", 262, 189),
    Shape(50, "IMAGE3:8", 286, 189),
    Shape(51, "IMAGE3:9", 310, 189),
    Shape(52, "IMAGE3:10", 334, 189),
    Number(53, "SUMIT:2", 426, 164, D, D, WhiteDigits),
    Shape(54, "IMAGE3:11", 238, 215),
    Shape(55, "IMAGE3:12", 262, 215),
    Shape(56, "IMAGE3:14", 310, 215),
    Shape(57, "IMAGE3:15", 334, 215),
    Shape(58, "IMAGE3:13", 286, 215),
    Shape(59, "IMAGE3:16", 238, 241),
    Shape(60, "IMAGE3:17", 262, 241),
    Shape(61, "IMAGE3:18", 286, 241),
    Shape(62, "IMAGE3:19", 310, 241),
    Shape(63, "IMAGE3:20", 334, 241),
    String(64, "STRING9", 8, 285, D, D, "korvanda", WindowFace(10)),
    Group(65, "GROUP1", 384, 2, 36, 67),
    Bead(66, "BEAD1:1", 65, 394, 5),
    Bead(67, "BEAD1:2", 65, 394, 11),
    Bead(68, "BEAD1:3", 65, 394, 17),
    Bead(69, "BEAD1:4", 65, 394, 23),
    Bead(70, "BEAD1:5", 65, 394, 29),
    Bead(71, "BEAD1:6", 65, 394, 35),
    Bead(72, "BEAD1:7", 65, 394, 41),
    Bead(73, "BEAD1:8", 65, 394, 47),
    Bead(74, "BEAD1:9", 65, 394, 53),
    Bead(75, "BEAD1:10", 65, 394, 59),
    Group(76, "GROUP2", 384, 72, 36, 72),
    Bead(77, "BEAD2:1", 76, 393, 75),
    Bead(78, "BEAD2:2", 76, 393, 81),
    Bead(79, "BEAD2:3", 76, 393, 87),
    Bead(80, "BEAD2:4", 76, 393, 93),
    Bead(81, "BEAD2:5", 76, 393, 99),
    Bead(82, "BEAD2:6", 76, 393, 105),
    Bead(83, "BEAD2:7", 76, 393, 111),
    Bead(84, "BEAD2:8", 76, 393, 117),
    Bead(85, "BEAD2:9", 76, 393, 123),
    Bead(86, "BEAD2:10", 76, 393, 129),
    Button(87, "PLUSB", 9, 76, 27, 22, "+", 36),
    Button(88, "MINUSB", 43, 77, 27, 22, "-", 36),
    Group(89, "GROUP3", 384, 156, 36, 130),
    Bead(90, "BEAD3:1", 89, 393, 162),
    Bead(91, "BEAD3:2", 89, 393, 168),
    Bead(92, "BEAD3:3", 89, 393, 174),
    Bead(93, "BEAD3:4", 89, 393, 180),
    Bead(94, "BEAD3:5", 89, 393, 186),
    Bead(95, "BEAD3:6", 89, 393, 192),
    Bead(96, "BEAD3:7", 89, 393, 198),
    Bead(97, "BEAD3:8", 89, 393, 204),
    Bead(98, "BEAD3:9", 89, 393, 210),
    Bead(99, "BEAD3:10", 89, 393, 216),
    Bead(100, "BEAD3:11", 89, 393, 222),
    Bead(101, "BEAD3:12", 89, 393, 228),
    Bead(102, "BEAD3:13", 89, 393, 234),
    Bead(103, "BEAD3:14", 89, 393, 240),
    Bead(104, "BEAD3:15", 89, 393, 246),
    Bead(105, "BEAD3:16", 89, 393, 252),
    Bead(106, "BEAD3:17", 89, 393, 258),
    Bead(107, "BEAD3:18", 89, 393, 264),
    Bead(108, "BEAD3:19", 89, 393, 270),
    Bead(109, "BEAD3:20", 89, 393, 276),
    String(110, "STRING8", 290, 143, 8, 11, "=", WindowFace(20)),
    OptionGroup(111, "N2", 4, 105, 80, 70),
    Radio(112, "N2:RADIO1", 111, 6, 113, "0.bmp", "0", 17, 18),
    Radio(113, "N2:RADIO2", 111, 24, 113, "1.bmp", "1"),
    Radio(114, "N2:RADIO3", 111, 42, 113, "2.bmp", "2"),
    Radio(115, "N2:RADIO4", 111, 60, 113, "3.bmp", "3"),
    Radio(116, "N2:RADIO5", 111, 6, 131, "4.bmp", "4"),
    Radio(117, "N2:RADIO6", 111, 24, 131, "5.bmp", "5"),
    Radio(118, "N2:RADIO7", 111, 42, 131, "6.bmp", "6"),
    Radio(119, "N2:RADIO8", 111, 60, 131, "7.bmp", "7"),
    Radio(120, "N2:RADIO9", 111, 6, 149, "8.bmp", "8"),
    Radio(121, "N2:RADIO10", 111, 24, 149, "9.bmp", "9"),
    Radio(122, "N2:RADIO11", 111, 42, 149, "10.bmp", "10"),
    String(123, "STRING2", 193, 134, D, D, "", FontSpec{}),
    Line(124, "LINE1", 120, 152, 76, 0, 0, 10),
    Number(125, "SUMIT", 128, 175, 85, 49, BigDigits),
    Button(126, "EQUALSB", 5, 180, 80, 22, "=", 20),
    Prompt(127, "PROMPT1", 9, 209, 67, 75,
           N_("Use mouse to choose numbers above, or use the spacebar for random numbers"),
           WindowFace(12)),
    Number(128, "N2:2", 128, 85, 85, 49, BigDigits),
}};
// clang-format on

constexpr bool NumberedInOrder() {
    for (std::size_t i = 0; i < MenuControls.size(); ++i)
        if (MenuControls[i].number != static_cast<int>(i) + 1) return false;
    return true;
}
static_assert(NumberedInOrder(), "controls are listed by number, 1 to 128");
}  // namespace def

inline constexpr runtime::WindowDefinition MenuWindow{
    .caption = "Korvanda",
    .icon = "working.ico",
    .width = 457,
    .height = 305,
    .font = def::Font("Arial", 9, false, runtime::NoColour),
    .systemMenu = true,
    .minimizeBox = true,
    .maximizeBox = false,
    .resizable = false,
    .controls = def::MenuControls,
};

}  // namespace abacor
