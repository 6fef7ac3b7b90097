#include "canvas/WindowHost.h"

#include <string>

#include "runtime/Runtime.h"

namespace canvas {

namespace {
runtime::ControlId Id(std::uint32_t control) { return static_cast<runtime::ControlId>(control); }
}  // namespace

std::int32_t WindowHost::ControlWidth(std::uint32_t control) { return window_.ControlRect(Id(control)).width; }

std::int32_t WindowHost::ControlHeight(std::uint32_t control) { return window_.ControlRect(Id(control)).height; }

bool WindowHost::SetControlSize(std::uint32_t control, std::int32_t width, std::int32_t height) {
    return window_.SetControlSize(Id(control), {width, height});
}

void WindowHost::SetControlPicture(std::uint32_t control, std::span<const std::uint8_t> bitmapFile) {
    window_.SetPictureFromMemory(Id(control), bitmapFile);
}

std::vector<std::uint8_t> WindowHost::ControlPicture(std::uint32_t control) {
    return window_.PictureBytes(Id(control));
}

void WindowHost::ShowMessage(std::string_view text) {
    // An empty caption: the message box's default one.
    window_.GetRuntime().platform().ShowMessage({}, text);
}

void WindowHost::DebugWrite(std::string_view text) { window_.GetRuntime().debug().Write(text); }

HostScreen WindowHost::Screen() {
    const runtime::ScreenInfo screen = window_.GetRuntime().platform().Screen();
    return {screen.size.width, screen.size.height, screen.dotsPerInch, screen.dotsPerInch, screen.bitsPerPixel};
}

std::uint32_t WindowHost::ScreenPixel(std::int32_t x, std::int32_t y) {
    return window_.GetRuntime().platform().ScreenPixel({x, y});
}

HostFont WindowHost::WindowFont() {
    // Font style values of the runtime: weights, 400 regular and 700 bold.
    constexpr std::int32_t Regular = 400, Bold = 700;
    const runtime::FontSpec font = window_.WindowFont();
    return {std::string(font.face), font.colour == runtime::NoColour ? 0 : font.colour, font.points,
            font.bold ? Bold : Regular};
}

}  // namespace canvas
