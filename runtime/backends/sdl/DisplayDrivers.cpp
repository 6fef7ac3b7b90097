#include "runtime/backends/sdl/DisplayDrivers.h"

#include <SDL.h>

#include <cstdlib>

namespace runtime::sdl {

std::string DisplayDrivers(const char* asked, const char* waylandDisplay) {
    if (asked != nullptr && *asked != '\0') return asked;
    // Under a Wayland session X11 is usually there too (XWayland); the
    // compositor's own protocol comes first.
    if (waylandDisplay != nullptr && *waylandDisplay != '\0') return "wayland,x11";
    return "x11";
}

void UseOnlyDisplayDrivers() {
    const std::string drivers =
        DisplayDrivers(std::getenv("SDL_VIDEODRIVER"), std::getenv("WAYLAND_DISPLAY"));
    // Over the environment: SDL takes an empty SDL_VIDEODRIVER as "try every driver".
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers.c_str(), SDL_HINT_OVERRIDE);
}

}  // namespace runtime::sdl
