#pragma once

#include <string>

namespace runtime::sdl {

// The SDL video drivers a desktop program may use, as SDL's comma-separated
// driver list: the ones SDL_VIDEODRIVER names when it is set (a test may ask
// for the off-screen or dummy driver), else Wayland when a compositor is
// named, then X11. So a desktop without any display is reported as such
// instead of SDL falling back to an invisible off-screen window.
std::string DisplayDrivers(const char* asked, const char* waylandDisplay);

// Restricts SDL to DisplayDrivers() of this process's environment; call
// before SDL's video starts.
void UseOnlyDisplayDrivers();

}  // namespace runtime::sdl
