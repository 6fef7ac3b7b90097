#pragma once

#include <cstdint>
#include <vector>

#include "Bytes.h"

namespace assetcheck {

// An uncompressed 24-bit bitmap file, as the programs read it.
struct Bmp {
    int width = 0;
    int height = 0;
    std::uint32_t dataOffset = 0;   // where the header says the pixels start
    std::uint32_t infoSize = 0;     // size of the info header
    bool bottomUp = true;           // rows stored bottom row first
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, rows top-down

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
};

// Reads a 24-bit BMP; every field is checked against the file's length.
Result<Bmp> ParseBmp(Bytes file);

}  // namespace assetcheck
