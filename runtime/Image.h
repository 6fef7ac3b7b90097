#pragma once

#include <cstdint>
#include <vector>

namespace runtime {

// A picture in memory: 32-bit pixels 0xAARRGGBB, rows top-down.
// Used for decoded pictures and for the window's rendered frame.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0xFFFFFFFF)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    bool Empty() const { return width <= 0 || height <= 0; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace runtime
