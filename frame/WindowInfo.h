#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "frame/IniFile.h"
#include "frame/PlacedWindow.h"
#include "runtime/Types.h"

namespace frame {

// A window's placement as a settings section holds it: keys "Maximize" and
// "Minimize" ("Yes"/"No"), "XPos", "YPos", "Width", "Height" (signed
// decimal dialog units). runtime::NotGiven marks a value that is not there.
struct WindowInfo {
    std::int32_t left = runtime::NotGiven;
    std::int32_t top = runtime::NotGiven;
    std::int32_t width = runtime::NotGiven;
    std::int32_t height = runtime::NotGiven;
    bool maximized = false;
    bool minimized = false;
    // The section held a usable "Maximize" ("Yes" or "No"); without it
    // nothing of the record is applied.
    bool found = false;
};

// Reads the record from `section`. A number that is not a whole 32-bit
// decimal counts as not given.
WindowInfo ReadWindowInfo(const IniFile& file, std::string_view section);

// Writes "Maximize" and "Minimize", then each of "XPos", "YPos", "Width",
// "Height": the number, or the key removed when not given.
void WriteWindowInfo(IniFile& file, std::string_view section, const WindowInfo& info);

// Puts a found record onto the window: restore from maximized if the record
// says so, position, size (resizable windows only), maximize, minimized
// state. A record that was not found changes nothing.
//
// A remembered position at which the window would be mostly off the
// screens attached now (a screen unplugged, a smaller one, a hand-edited
// file) is not used: the window goes to the nearest place where it is
// wholly seen, and that place is returned.
std::optional<runtime::Point> ApplyWindowInfo(const WindowInfo& info, PlacedWindow& window);

// The window's placement as it is to be remembered: position (and size for
// a resizable window) only while it is neither maximized nor minimized.
WindowInfo CaptureWindowInfo(const PlacedWindow& window);

}  // namespace frame
