#pragma once

// Writing the bitmap file and info headers, little-endian, into the first
// 54 bytes of a buffer.

#include <cstdint>
#include <span>

#include "canvas/Draw.h"

namespace canvas::raster {

inline constexpr std::size_t PaletteHeaderSize = 54 + 256 * 4;  // headers and colour table of 8-bit images

void WriteHeaders(std::span<std::uint8_t> out, const BitmapFileHeaderRecord& file, const BitmapInfoHeaderRecord& info);

}  // namespace canvas::raster
