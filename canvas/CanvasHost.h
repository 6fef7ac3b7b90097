#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace canvas {

struct HostScreen {
    std::int32_t width = 1920, height = 1080;  // pixels
    std::int32_t dotsPerInchX = 96, dotsPerInchY = 96;
    std::int32_t bitsPerPixel = 24;
};

struct HostFont {
    std::string face;           // blank: none
    std::int32_t colour = 0;
    std::int32_t size = 0;      // points
    std::int32_t style = 0;
};

// What the canvas needs from the window it draws into. The program binds it
// to a real window (canvas/WindowHost.h); tests bind it to a fake.
class CanvasHost {
public:
    virtual ~CanvasHost() = default;
    // Size of the image control in pixels; {0, 0} when there is no such control.
    virtual std::int32_t ControlWidth(std::uint32_t control) = 0;
    virtual std::int32_t ControlHeight(std::uint32_t control) = 0;
    // Gives the control a new size in pixels; false when the host cannot (no
    // such control, or a host that cannot resize its controls).
    virtual bool SetControlSize(std::uint32_t /*control*/, std::int32_t /*width*/, std::int32_t /*height*/) {
        return false;
    }
    // The control shows a copy of this bitmap file image.
    virtual void SetControlPicture(std::uint32_t control, std::span<const std::uint8_t> bitmapFile) = 0;
    // The bitmap file image the control shows; empty when none.
    virtual std::vector<std::uint8_t> ControlPicture(std::uint32_t control) = 0;
    virtual void ShowMessage(std::string_view text) = 0;
    virtual void DebugWrite(std::string_view text) = 0;
    virtual HostScreen Screen() = 0;
    // Colour of a screen pixel, or 0xFFFFFFFF (the invalid colour) where the desktop cannot tell.
    virtual std::uint32_t ScreenPixel(std::int32_t x, std::int32_t y) = 0;
    virtual HostFont WindowFont() = 0;
};

}  // namespace canvas
