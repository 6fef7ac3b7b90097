#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "runtime/Image.h"

namespace runtime {

// Writes the picture as an 8-bit RGBA PNG file; false when it cannot be written.
bool WritePng(const Image& image, const std::string& path);

// Decodes a PNG held in memory; nullopt when it is not a readable PNG or is
// larger than any picture of ours could be.
std::optional<Image> DecodePng(std::span<const std::uint8_t> bytes);

}  // namespace runtime
