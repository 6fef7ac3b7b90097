#include "canvas/LayerClip.h"

#include <algorithm>

namespace canvas::raster {

std::optional<CopyRect> ClipCopy(const View& src, const View& dst, std::int64_t sx,
                             std::int64_t sy, std::int64_t width, std::int64_t height, std::int64_t dx,
                             std::int64_t dy) {
    if (width < 0) {
        sx += width;
        width = -width;
    }
    if (height < 0) {
        sy += height;
        height = -height;
    }
    sx = std::max<std::int64_t>(sx, 1);
    sy = std::max<std::int64_t>(sy, 1);
    if (sx > src.Width() || sy > src.Height()) return std::nullopt;
    width = std::min<std::int64_t>(width, src.Width() - sx + 1);
    height = std::min<std::int64_t>(height, src.Height() - sy + 1);

    if (width <= 0 || height <= 0 || dx + width - 1 < 1 || dy + height - 1 < 1 || dx > dst.Width() ||
        dy > dst.Height())
        return std::nullopt;
    if (dx < 1) {
        sx += 1 - dx;
        width -= 1 - dx;
        dx = 1;
    }
    if (dy < 1) {
        sy += 1 - dy;
        height -= 1 - dy;
        dy = 1;
    }
    width = std::min<std::int64_t>(width, dst.Width() - dx + 1);
    height = std::min<std::int64_t>(height, dst.Height() - dy + 1);
    return CopyRect{static_cast<std::int32_t>(sx), static_cast<std::int32_t>(sy), static_cast<std::int32_t>(width),
                    static_cast<std::int32_t>(height), static_cast<std::int32_t>(dx), static_cast<std::int32_t>(dy)};
}

}  // namespace canvas::raster
