#pragma once

#include "canvas/CanvasHost.h"
#include "runtime/Window.h"

namespace canvas {

// Binds a canvas to an image control of a runtime window: sizes in the
// window's 96-DPI pixels, pictures as in-memory bitmap files, reports
// through the runtime's message box and debugger output.
class WindowHost final : public CanvasHost {
public:
    explicit WindowHost(runtime::Window& window) : window_(window) {}  // not owned

    std::int32_t ControlWidth(std::uint32_t control) override;
    std::int32_t ControlHeight(std::uint32_t control) override;
    bool SetControlSize(std::uint32_t control, std::int32_t width, std::int32_t height) override;
    void SetControlPicture(std::uint32_t control, std::span<const std::uint8_t> bitmapFile) override;
    std::vector<std::uint8_t> ControlPicture(std::uint32_t control) override;
    void ShowMessage(std::string_view text) override;
    void DebugWrite(std::string_view text) override;
    HostScreen Screen() override;
    std::uint32_t ScreenPixel(std::int32_t x, std::int32_t y) override;
    HostFont WindowFont() override;

private:
    runtime::Window& window_;
};

}  // namespace canvas
