#include "runtime/render/Scaling.h"

#include <algorithm>
#include <cmath>

namespace runtime::render {

Image ScaleBilinear(const Image& src, int width, int height) {
    return ScaleBilinear(src, width, height, {0, 0, width, height});
}

Image ScaleBilinear(const Image& src, int width, int height, const Rect& wanted) {
    if (src.Empty() || width <= 0 || height <= 0) return {};
    const int left = std::clamp(wanted.x, 0, width), firstRow = std::clamp(wanted.y, 0, height);
    const int right = std::clamp(wanted.x + wanted.width, left, width);
    const int endRow = std::clamp(wanted.y + wanted.height, firstRow, height);
    if (left == right || firstRow == endRow) return {};
    Image out(right - left, endRow - firstRow, 0);
    const double sx = static_cast<double>(src.width) / width, sy = static_cast<double>(src.height) / height;
    for (int y = firstRow; y < endRow; ++y) {
        const double fy = std::clamp((y + 0.5) * sy - 0.5, 0.0, src.height - 1.0);
        const int y0 = static_cast<int>(fy), y1 = std::min(y0 + 1, src.height - 1);
        const double wy = fy - y0;
        for (int x = left; x < right; ++x) {
            const double fx = std::clamp((x + 0.5) * sx - 0.5, 0.0, src.width - 1.0);
            const int x0 = static_cast<int>(fx), x1 = std::min(x0 + 1, src.width - 1);
            const double wx = fx - x0;
            const std::uint32_t p00 = src.At(x0, y0), p01 = src.At(x1, y0), p10 = src.At(x0, y1), p11 = src.At(x1, y1);
            std::uint32_t result = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const double top = (p00 >> shift & 0xFF) * (1 - wx) + (p01 >> shift & 0xFF) * wx;
                const double bottom = (p10 >> shift & 0xFF) * (1 - wx) + (p11 >> shift & 0xFF) * wx;
                result |= static_cast<std::uint32_t>(top * (1 - wy) + bottom * wy + 0.5) << shift;
            }
            out.At(x - left, y - firstRow) = result;
        }
    }
    return out;
}

}  // namespace runtime::render
