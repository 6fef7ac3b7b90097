#pragma once

#include <cstdint>
#include <span>

namespace shapor::testing {

// What a child sees on a picture handed to the drawing surface: the pieces
// of non-white pixels (touching, diagonals included, makes one piece).
struct Pieces {
    int count = 0;
    bool touchEdge = false;  // some piece reaches the outermost row or column
    bool valid = false;      // the bytes are a 24-bit bitmap file image
};

Pieces CountPieces(std::span<const std::uint8_t> bitmapFile);

// Colour (red in the low byte) of pixel (x, y), 1-based from the top left; -1 outside.
std::int32_t PixelAt(std::span<const std::uint8_t> bitmapFile, int x, int y);

}  // namespace shapor::testing
