#pragma once

#include <memory>
#include <span>

#include <SDL.h>

#include "runtime/Image.h"
#include "runtime/Types.h"

namespace runtime::sdl {

// Puts the frames the runtime has rendered into one window. Every pixel is
// ours already, at the window's scale, so a frame is only copied.
class FramePresenter {
public:
    virtual ~FramePresenter() = default;
    // Copies the parts of `frame` inside `changed` to the screen, in one
    // update; the first frame, and the first after Invalidate, whole.
    // False when the window could not take the frame.
    virtual bool Show(const Image& frame, std::span<const Rect> changed) = 0;
    // Shows the last frame again (the desktop lost the window's pixels);
    // false when there is none to show, so a whole new frame is wanted.
    virtual bool ShowAgain() = 0;
    // The window's pixels are gone (a new size, a lost device).
    virtual void Invalidate() = 0;
};

// Through the window's own surface: shared memory on X11, no GL. nullptr
// where SDL offers no such surface on this desktop.
std::unique_ptr<FramePresenter> CreateSurfacePresenter(SDL_Window* window);
// Through an SDL renderer, for desktops where SDL has no window surface
// without one (GL on Wayland).
std::unique_ptr<FramePresenter> CreateRendererPresenter(SDL_Window* window);

}  // namespace runtime::sdl
