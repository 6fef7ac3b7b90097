#pragma once

// Where a rectangle copied from one layer lands on another.

#include <cstdint>
#include <optional>

#include "canvas/Raster.h"

namespace canvas::raster {

// A rectangle of `width` x `height` pixels, source (sx, sy) to destination
// (dx, dy), all 1-based with y counted from the top; inside both buffers.
struct CopyRect {
    std::int32_t sx, sy, width, height, dx, dy;
};

// Normalises negative sizes and clips to the source, then to the
// destination. Clipping to the source keeps the destination corner;
// clipping to the destination drops what falls outside and keeps the rest
// in place. Nothing left: nullopt.
std::optional<CopyRect> ClipCopy(const View& src, const View& dst, std::int64_t sx, std::int64_t sy,
                                 std::int64_t width, std::int64_t height, std::int64_t dx, std::int64_t dy);

}  // namespace canvas::raster
