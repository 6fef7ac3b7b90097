#pragma once

#include "runtime/Types.h"

namespace runtime {

enum class EventKind {
    Accepted,      // a button pressed, an option group's choice changed
    AlertKey,      // a registered alert key was pressed (a window event)
    OpenWindow,    // the window has opened (once)
    CloseWindow,   // the user or the desktop asked to close the window
    Selected,      // a control received the focus
};

// A key code as the programs see it: printable keys by their character
// (space is 32), others by the values below.
namespace Key {
constexpr int Space = 32;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Left = 0x125;
constexpr int Up = 0x126;
constexpr int Right = 0x127;
constexpr int Down = 0x128;
constexpr int ShiftTab = 0x209;
constexpr int Alt = 0x112;  // the Alt key alone
constexpr int F10 = 0x179;
}  // namespace Key

struct Event {
    EventKind kind = EventKind::Accepted;
    ControlId control = ControlId::None;  // None for a window event
    int keyCode = 0;
    friend bool operator==(const Event&, const Event&) = default;
};

}  // namespace runtime
