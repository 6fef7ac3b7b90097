#pragma once

#include <cstdint>

namespace runtime::pictures {

// No picture of ours is larger; a header claiming more is damaged, and
// refusing it keeps a bad file from asking for gigabytes.
constexpr std::int64_t MaxSide = 16384;
constexpr std::int64_t MaxPixels = 64LL * 1024 * 1024;

inline bool SizeAcceptable(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide && width * height <= MaxPixels;
}

}  // namespace runtime::pictures
