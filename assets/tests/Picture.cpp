#include "Picture.h"

#include <algorithm>
#include <vector>

namespace assetcheck {

namespace {

int Channel(std::uint32_t c, int shift) { return c >> shift & 0xFF; }

bool IsPale(std::uint32_t c) {
    return Channel(c, 16) >= kPale && Channel(c, 8) >= kPale && Channel(c, 0) >= kPale;
}

}  // namespace

bool BorderIsWhite(const Bmp& bmp) {
    for (int x = 0; x < bmp.width; ++x)
        if (bmp.At(x, 0) != kWhite || bmp.At(x, bmp.height - 1) != kWhite) return false;
    for (int y = 0; y < bmp.height; ++y)
        if (bmp.At(0, y) != kWhite || bmp.At(bmp.width - 1, y) != kWhite) return false;
    return true;
}

int CountPieces(const Bmp& bmp) {
    std::vector<bool> seen(bmp.pixels.size());
    std::vector<std::pair<int, int>> stack;
    int pieces = 0;
    for (int y0 = 0; y0 < bmp.height; ++y0) {
        for (int x0 = 0; x0 < bmp.width; ++x0) {
            const auto i0 = static_cast<std::size_t>(y0) * bmp.width + x0;
            if (seen[i0] || bmp.pixels[i0] == kWhite) continue;
            ++pieces;
            seen[i0] = true;
            stack.assign(1, {x0, y0});
            while (!stack.empty()) {
                const auto [x, y] = stack.back();
                stack.pop_back();
                for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, bmp.height - 1); ++ny) {
                    for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, bmp.width - 1); ++nx) {
                        const auto i = static_cast<std::size_t>(ny) * bmp.width + nx;
                        if (seen[i] || bmp.pixels[i] == kWhite) continue;
                        seen[i] = true;
                        stack.emplace_back(nx, ny);
                    }
                }
            }
        }
    }
    return pieces;
}

int PaleEdgePixels(const Bmp& bmp) {
    auto white = [&](int x, int y) {
        return x < 0 || y < 0 || x >= bmp.width || y >= bmp.height || bmp.At(x, y) == kWhite;
    };
    int count = 0;
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x)
            if (!white(x, y) && IsPale(bmp.At(x, y)) &&
                (white(x - 1, y) || white(x + 1, y) || white(x, y - 1) || white(x, y + 1)))
                ++count;
    return count;
}

std::optional<Box> InkBox(const Bmp& bmp) {
    std::optional<Box> box;
    for (int y = 0; y < bmp.height; ++y) {
        for (int x = 0; x < bmp.width; ++x) {
            if (bmp.At(x, y) == kWhite) continue;
            if (!box) box = Box{x, y, x + 1, y + 1};
            box->x0 = std::min(box->x0, x);
            box->y0 = std::min(box->y0, y);
            box->x1 = std::max(box->x1, x + 1);
            box->y1 = std::max(box->y1, y + 1);
        }
    }
    return box;
}

}  // namespace assetcheck
