#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace abacor::testing {

// Writes a 24-bit bitmap file of one colour (0xRRGGBB).
void WriteBmp(const std::filesystem::path& path, int width, int height, std::uint32_t rgb);

}  // namespace abacor::testing
