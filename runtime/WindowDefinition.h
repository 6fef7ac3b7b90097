#pragma once

#include <span>
#include <string_view>

#include "runtime/Types.h"

namespace runtime {

// A window is described by data: one WindowDefinition holding a table of
// ControlDefinitions. Positions and sizes are dialog units of the window
// font: x and widths in quarters of its average character width, y and
// heights in eighths of its height.

enum class ControlKind {
    OptionGroup,  // holds radio buttons; bound to a number or a text variable
    Radio,        // picture or text radio button of the group named by `parent`
    Panel,        // a rectangle with an optional fill colour
    Display,      // shows a bound variable through a display picture ("n-3", "N-3", "s1")
    Image,        // picture by file name, or from an in-memory bitmap file image
    Group,        // a frameless container with an optional fill colour
    Button,       // push button, raises Accepted
    String,       // constant text
    Prompt,       // constant text, wrapped inside its box
    Line,         // a straight line from (x, y) to (x + width, y + height)
    Menu,         // a menu of the menu bar
    MenuItem,     // an item of the menu named by `parent`
    MenuSeparator,
};

// "default" for a size: the control takes its natural size.
constexpr int DefaultSize = -1;

struct FontSpec {
    std::string_view face;  // empty: the window's face
    int points = 0;         // 0: the window's size
    bool bold = false;
    Colour colour = NoColour;  // NoColour: black
};

enum class MenuCommand { None, CloseWindow };

struct ControlDefinition {
    int number = 0;
    std::string_view label;
    ControlKind kind = ControlKind::Panel;
    int x = 0, y = 0, width = DefaultSize, height = DefaultSize;
    std::string_view text;      // button/string/prompt/menu text; picture name of radio and image
    std::string_view value;     // a radio's value ("0".."10", "PLUS")
    std::string_view picture;   // display picture: "n-3", "N-3", "s1"
    int parent = 0;             // control number of the group or menu that holds this one
    FontSpec font;
    Colour fill = NoColour;     // panel and group fill
    Colour lineColour = 0;      // line colour
    int lineWidth = 1;          // line width in pixels
    bool transparent = false;   // displays: draw only the characters
    bool boxed = false;         // option group: draw a box frame
    bool hidden = false;        // initially hidden
    MenuCommand command = MenuCommand::None;
};

struct WindowDefinition {
    std::string_view caption;
    std::string_view icon;      // picture name of the window icon
    int width = 0, height = 0;  // client size in dialog units
    FontSpec font;              // empty face: the runtime's default font
    bool systemMenu = true;
    bool minimizeBox = true;
    bool maximizeBox = false;
    bool resizable = false;
    std::span<const ControlDefinition> controls;
};

}  // namespace runtime
