#include "shapor/tests/Regions.h"

#include <vector>

namespace shapor::testing {

namespace {
struct Layout {
    int width = 0, height = 0;
    std::size_t stride = 0;
    bool ok = false;
};

std::int32_t Read32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                     static_cast<std::uint32_t>(b[at + 3]) << 24);
}

Layout LayoutOf(std::span<const std::uint8_t> b) {
    Layout l;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || (b[28] | b[29] << 8) != 24) return l;
    l.width = Read32(b, 18);
    l.height = Read32(b, 22);
    if (l.width <= 0 || l.height <= 0) return l;
    l.stride = (static_cast<std::size_t>(l.width) * 3 + 3) & ~std::size_t{3};
    l.ok = b.size() >= 54 + l.stride * static_cast<std::size_t>(l.height);
    return l;
}

std::size_t Offset(const Layout& l, int x, int y) {
    return 54 + static_cast<std::size_t>(l.height - y) * l.stride +
           3 * static_cast<std::size_t>(x - 1);
}
}  // namespace

std::int32_t PixelAt(std::span<const std::uint8_t> b, int x, int y) {
    const Layout l = LayoutOf(b);
    if (!l.ok || x < 1 || y < 1 || x > l.width || y > l.height) return -1;
    const std::size_t p = Offset(l, x, y);
    return b[p + 2] | b[p + 1] << 8 | b[p] << 16;
}

Pieces CountPieces(std::span<const std::uint8_t> b) {
    Pieces pieces;
    const Layout l = LayoutOf(b);
    if (!l.ok) return pieces;
    pieces.valid = true;
    const auto inked = [&](int x, int y) { return PixelAt(b, x, y) != 0xFFFFFF; };
    std::vector<bool> seen(static_cast<std::size_t>(l.width * l.height));
    const auto index = [&](int x, int y) {
        return static_cast<std::size_t>((y - 1) * l.width + x - 1);
    };
    std::vector<std::pair<int, int>> stack;
    for (int y = 1; y <= l.height; ++y) {
        for (int x = 1; x <= l.width; ++x) {
            if (seen[index(x, y)] || !inked(x, y)) continue;
            ++pieces.count;
            seen[index(x, y)] = true;
            stack.push_back({x, y});
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                if (px == 1 || py == 1 || px == l.width || py == l.height) pieces.touchEdge = true;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = px + dx, ny = py + dy;
                        if (nx < 1 || ny < 1 || nx > l.width || ny > l.height) continue;
                        if (seen[index(nx, ny)] || !inked(nx, ny)) continue;
                        seen[index(nx, ny)] = true;
                        stack.push_back({nx, ny});
                    }
                }
            }
        }
    }
    return pieces;
}

}  // namespace shapor::testing
