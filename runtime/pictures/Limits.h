#pragma once

#include <cstdint>

namespace runtime::pictures {

// No picture of ours is anywhere near this: 4096 x 4096 pixels are 64 MB
// decoded. A header claiming more is damaged, and refusing it keeps a bad
// file from asking for gigabytes or minutes of work.
constexpr std::int64_t MaxSide = 4096;
constexpr std::int64_t MaxPixels = MaxSide * MaxSide;

inline bool SizeAcceptable(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide && width * height <= MaxPixels;
}

}  // namespace runtime::pictures
