#pragma once

#include <optional>

#include <SDL.h>

#include "runtime/Platform.h"

namespace runtime::sdl {

// The key code a key press stands for (runtime/Event.h), or nullopt for a
// key the programs have no code for. Printable keys give their character,
// letters in upper case with Shift or Caps Lock. With Ctrl or the system
// key held a key means something else and gives nothing; with Alt only
// letters and digits (in lower case) count, for the menus. The Alt key
// itself gives Key::Alt.
std::optional<int> TranslateKey(SDL_Keycode key, Uint16 modifiers);

// A point of the window (desktop coordinates) in pixels of the frame shown
// in it; the two differ on a desktop that scales windows.
Point ToFramePixel(Point windowPoint, Size window, Size frame);

// The input an SDL event carries for the program, or nullopt when it carries
// none. Only the left mouse button clicks. Exposure and the backend's own
// events are handled by the platform before this.
std::optional<InputEvent> TranslateEvent(const SDL_Event& event, Size window, Size frame);

}  // namespace runtime::sdl
