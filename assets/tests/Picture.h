#pragma once

#include <cstdint>
#include <optional>

#include "Bmp.h"

namespace assetcheck {

constexpr std::uint32_t kWhite = 0xFFFFFF;  // the colour `Image` leaves out

// Every pixel of the outermost rows and columns is white.
bool BorderIsWhite(const Bmp& bmp);

// Number of 8-connected regions of non-white pixels.
int CountPieces(const Bmp& bmp);

// Non-white pixels next to the white ground (left, right, above, below) that
// are pale in every channel: once white is keyed out over a coloured scene
// they show as a light rim around the object.
int PaleEdgePixels(const Bmp& bmp);
constexpr int kPale = 0xE0;

// Smallest rectangle holding every non-white pixel; x1, y1 exclusive.
struct Box {
    int x0, y0, x1, y1;
    int Width() const { return x1 - x0; }
    int Height() const { return y1 - y0; }
};
std::optional<Box> InkBox(const Bmp& bmp);

}  // namespace assetcheck
