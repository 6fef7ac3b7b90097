#include "canvas/Draw.h"
namespace canvas {
std::int32_t Draw::InitLayer(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint8_t) { return 0; }
std::int32_t Draw::KillLayer(std::int32_t) { return 0; }
std::int32_t Draw::WithLayer(std::string_view) { return 0; }
std::int32_t Draw::CopyLayer(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return 0; }
std::int32_t Draw::AlphaCopy(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return 0; }
std::int32_t Draw::ResizeLayer(std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return 0; }
void Draw::Resize(std::int32_t, std::int32_t, std::int32_t) {}
void Draw::ResizeControl() {}
std::int32_t Draw::LayerMode(std::int32_t, std::uint8_t) { return 0; }
std::int32_t Draw::SetMode(std::int32_t, std::uint8_t, std::uint8_t) { return 0; }
void Draw::ShowLayer(std::int32_t) {}
void Draw::HideLayer(std::int32_t) {}
std::int32_t Draw::IndexTransparency(std::int32_t, std::int32_t, std::uint8_t) { return 0; }
std::int32_t Draw::MoveLayer(std::int32_t, std::int32_t) { return 0; }
std::int32_t Draw::SwapLayers(std::int32_t, std::int32_t) { return 0; }
std::int32_t Draw::NumLayers() { return 0; }
std::int32_t Draw::AddAlpha(std::int32_t, std::int32_t, std::uint8_t) { return 0; }
std::int32_t Draw::HasAlpha(std::int32_t) { return 0; }
void Draw::Display() {}
void Draw::GetDisplay() {}
void Draw::Init256() {}
void Draw::Kill256() {}
void Draw::Create256() {}
void Draw::SwapBuffers(std::span<const std::uint8_t>) {}
}
