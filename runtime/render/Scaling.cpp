#include "runtime/render/Scaling.h"

#include <algorithm>
#include <cmath>

namespace runtime::render {

Image ScaleBilinear(const Image& src, int width, int height) {
    if (src.Empty() || width <= 0 || height <= 0) return {};
    Image out(width, height, 0);
    const double sx = static_cast<double>(src.width) / width, sy = static_cast<double>(src.height) / height;
    for (int y = 0; y < height; ++y) {
        const double fy = std::clamp((y + 0.5) * sy - 0.5, 0.0, src.height - 1.0);
        const int y0 = static_cast<int>(fy), y1 = std::min(y0 + 1, src.height - 1);
        const double wy = fy - y0;
        for (int x = 0; x < width; ++x) {
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
            out.At(x, y) = result;
        }
    }
    return out;
}

}  // namespace runtime::render
