#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "runtime/Image.h"

namespace runtime::pictures {

// Every decoder returns nullopt for anything it cannot read safely: a damaged
// file is no picture, never a crash.

// A bitmap file ("BM" header), decoded by SDL.
std::optional<Image> DecodeBmpFile(std::span<const std::uint8_t> bytes);

// How many bytes of a bitmap file of `fileSize` bytes its picture uses,
// judged from its first bytes (at least the 54 of the headers); nullopt
// when the header claims a size beyond the bound or rows the file does not
// hold. Checked before anything is allocated for the picture.
std::optional<std::uint64_t> BmpBytesUsed(std::span<const std::uint8_t> start,
                                          std::uint64_t fileSize);

// An icon file: the largest of its pictures (PNG or device-independent
// bitmap with its AND mask).
std::optional<Image> DecodeIco(std::span<const std::uint8_t> bytes);

// A device-independent bitmap as stored in an icon: BITMAPINFOHEADER, the
// colour table, the colour rows and the 1-bit AND mask; its height field
// counts both.
std::optional<Image> DecodeIconDib(std::span<const std::uint8_t> bytes);

}  // namespace runtime::pictures
