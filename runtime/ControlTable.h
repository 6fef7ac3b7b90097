#pragma once

#include <string_view>

#include "runtime/WindowDefinition.h"

// Builders for window tables: every control starts from its number, label,
// kind and place, and each builder adds what its kind needs. (Designated
// initialisers would have to name every field to stay warning-free.)
namespace runtime::table {

constexpr int D = DefaultSize;

constexpr FontSpec Font(std::string_view face, int points, bool bold, Colour colour = NoColour) {
    FontSpec f;
    f.face = face;
    f.points = points;
    f.bold = bold;
    f.colour = colour;
    return f;
}

constexpr ControlDefinition Placed(int n, std::string_view label, ControlKind kind, int x = 0,
                                   int y = 0, int w = D, int h = D) {
    ControlDefinition c;
    c.number = n;
    c.label = label;
    c.kind = kind;
    c.x = x;
    c.y = y;
    c.width = w;
    c.height = h;
    return c;
}

constexpr ControlDefinition OptionGroup(int n, std::string_view label, int x, int y, int w, int h) {
    ControlDefinition c = Placed(n, label, ControlKind::OptionGroup, x, y, w, h);
    c.boxed = true;
    return c;
}
// A picture radio of `group`: it shows `picture` and stands for `value`.
constexpr ControlDefinition Radio(int n, std::string_view label, int group, int x, int y,
                                  std::string_view picture, std::string_view value, int w = D,
                                  int h = D) {
    ControlDefinition c = Placed(n, label, ControlKind::Radio, x, y, w, h);
    c.text = picture;
    c.value = value;
    c.parent = group;
    return c;
}
// A text radio that stands for its own text.
constexpr ControlDefinition TextRadio(int n, std::string_view label, int group, int x, int y,
                                      std::string_view text) {
    ControlDefinition c = Placed(n, label, ControlKind::Radio, x, y);
    c.text = text;
    c.value = text;
    c.parent = group;
    return c;
}
constexpr ControlDefinition Panel(int n, std::string_view label, int x, int y, int w, int h,
                                  Colour fill = NoColour) {
    ControlDefinition c = Placed(n, label, ControlKind::Panel, x, y, w, h);
    c.fill = fill;
    return c;
}
constexpr ControlDefinition Group(int n, std::string_view label, int x, int y, int w, int h) {
    return Placed(n, label, ControlKind::Group, x, y, w, h);
}
constexpr ControlDefinition Display(int n, std::string_view label, int x, int y, int w, int h,
                                    std::string_view picture, FontSpec font,
                                    bool transparent = false) {
    ControlDefinition c = Placed(n, label, ControlKind::Display, x, y, w, h);
    c.picture = picture;
    c.font = font;
    c.transparent = transparent;
    return c;
}
constexpr ControlDefinition Image(int n, std::string_view label, int x, int y, int w, int h,
                                  int group = 0, bool hidden = false) {
    ControlDefinition c = Placed(n, label, ControlKind::Image, x, y, w, h);
    c.parent = group;
    c.hidden = hidden;
    return c;
}
// Push button, string or prompt: a control that shows a text in a font.
constexpr ControlDefinition Text(int n, std::string_view label, ControlKind kind, int x, int y,
                                 int w, int h, std::string_view text, FontSpec font = {}) {
    ControlDefinition c = Placed(n, label, kind, x, y, w, h);
    c.text = text;
    c.font = font;
    return c;
}
constexpr ControlDefinition Line(int n, std::string_view label, int x, int y, int w, int h,
                                 Colour colour = 0, int pixels = 1) {
    ControlDefinition c = Placed(n, label, ControlKind::Line, x, y, w, h);
    c.lineColour = colour;
    c.lineWidth = pixels;
    return c;
}
constexpr ControlDefinition Menu(int n, std::string_view label, std::string_view text) {
    ControlDefinition c = Placed(n, label, ControlKind::Menu);
    c.text = text;
    return c;
}
constexpr ControlDefinition Separator(int menu) {
    ControlDefinition c = Placed(0, "", ControlKind::MenuSeparator);
    c.parent = menu;
    return c;
}
// A menu item that closes the window.
constexpr ControlDefinition CloseItem(int n, std::string_view label, int menu,
                                      std::string_view text) {
    ControlDefinition c = Placed(n, label, ControlKind::MenuItem);
    c.text = text;
    c.parent = menu;
    c.command = MenuCommand::CloseWindow;
    return c;
}

}  // namespace runtime::table
