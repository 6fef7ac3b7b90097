#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Image.h"
#include "runtime/Types.h"

namespace runtime {

// Input from the desktop, already in the window's frame pixels.
struct InputEvent {
    enum class Type { MouseDown, MouseUp, MouseMove, KeyDown, CloseRequested, Exposed, Minimized, Restored };
    Type type = Type::Exposed;
    Point position;     // mouse events
    int keyCode = 0;    // KeyDown: the codes of runtime/Event.h
    bool shift = false;
};

struct ScreenInfo {
    Size size{1920, 1080};      // pixels
    Rect usable{0, 0, 1920, 1080};
    int dotsPerInch = 96;
    int bitsPerPixel = 24;
};

// What the desktop draws around a window's frame, in screen pixels: the
// caption lies in `top`.
struct Borders {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct WindowRequest {
    std::string caption;
    Image icon;           // may be empty
    Size frameSize;       // pixels of the rendered frame (already scaled)
    std::optional<Point> position;  // top left in screen pixels; none = let the desktop choose
    bool minimizeBox = true;
    bool maximizeBox = false;
    bool resizable = false;
};

// The desktop behind the runtime. One implementation per backend
// (SDL for the real desktop, headless for tests); nothing above this
// interface knows which one runs.
class Platform {
public:
    virtual ~Platform() = default;

    virtual ScreenInfo Screen() const = 0;
    // The usable area of every screen now attached, in screen pixels (the
    // desktop's panels left out); the screens may lie side by side.
    virtual std::vector<Rect> Screens() const { return {Screen().usable}; }
    // Scale at which windows are shown (1 = 96-DPI pixels), or 0 to let the
    // window choose from the screen: the largest quarter step at which the
    // whole window fits in about three quarters of the usable screen, never
    // below 1 where the screen allows.
    virtual double DisplayScale() const = 0;

    virtual bool OpenWindow(const WindowRequest& request) = 0;
    virtual void CloseWindow() = 0;
    virtual void Present(const Image& frame) = 0;
    // Presents a frame that differs from the one presented last only inside
    // `changed` (frame pixels), so a backend may upload just those parts.
    virtual void PresentChanged(const Image& frame, std::span<const Rect> changed) {
        (void)changed;
        Present(frame);
    }

    // Waits for the next input; gives up at `deadline` when one is given.
    virtual std::optional<InputEvent> WaitInput(
        std::optional<std::chrono::steady_clock::time_point> deadline) = 0;
    // Wakes a WaitInput from another thread or a signal handler's helper.
    virtual void Wake() = 0;

    // Top left of the window's frame (inside the desktop's borders).
    virtual Point WindowPosition() const = 0;
    // The borders of the open window; nullopt where the desktop does not tell.
    virtual std::optional<Borders> WindowBorders() const { return std::nullopt; }
    virtual void SetWindowPosition(Point topLeft) = 0;
    virtual bool IsMinimized() const = 0;
    virtual bool IsMaximized() const = 0;
    virtual void SetMinimized(bool minimized) = 0;
    virtual void SetMaximized(bool maximized) = 0;

    // Colour of a screen pixel (colour form of runtime/Types.h), or
    // InvalidColour where the desktop cannot read screen pixels.
    static constexpr std::uint32_t InvalidColour = 0xFFFFFFFF;
    virtual std::uint32_t ScreenPixel(Point) const { return InvalidColour; }

    virtual void ShowMessage(std::string_view caption, std::string_view text) = 0;
};

}  // namespace runtime
