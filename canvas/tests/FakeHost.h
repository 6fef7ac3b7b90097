#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/CanvasHost.h"

namespace canvas::testing {

// A CanvasHost that records what the canvas hands it. Every control has the
// size set with SetSize (10 x 10 unless changed).
class FakeHost : public CanvasHost {
public:
    std::int32_t width = 10, height = 10;
    HostScreen screen;
    HostFont font;
    std::uint32_t screenPixel = 0xFFFFFFFF;

    std::vector<std::vector<std::uint8_t>> pictures;  // every picture handed over, in order
    std::map<std::uint32_t, std::vector<std::uint8_t>> shown;  // per control, the last one
    std::vector<std::string> messages;
    std::vector<std::string> debugLines;
    std::uint32_t lastControl = 0;

    void SetSize(std::int32_t w, std::int32_t h) {
        width = w;
        height = h;
    }
    const std::vector<std::uint8_t>& LastPicture() const { return pictures.back(); }

    std::int32_t ControlWidth(std::uint32_t) override { return width; }
    std::int32_t ControlHeight(std::uint32_t) override { return height; }
    bool SetControlSize(std::uint32_t, std::int32_t w, std::int32_t h) override {
        if (!resizable) return false;
        SetSize(w, h);
        return true;
    }
    bool resizable = true;
    void SetControlPicture(std::uint32_t control, std::span<const std::uint8_t> bitmapFile) override {
        lastControl = control;
        pictures.emplace_back(bitmapFile.begin(), bitmapFile.end());
        shown[control] = pictures.back();
    }
    std::vector<std::uint8_t> ControlPicture(std::uint32_t control) override {
        auto found = shown.find(control);
        return found == shown.end() ? std::vector<std::uint8_t>{} : found->second;
    }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void DebugWrite(std::string_view text) override { debugLines.emplace_back(text); }
    HostScreen Screen() override { return screen; }
    std::uint32_t ScreenPixel(std::int32_t, std::int32_t) override { return screenPixel; }
    HostFont WindowFont() override { return font; }
};

}  // namespace canvas::testing
