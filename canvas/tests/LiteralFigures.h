#pragma once

// The fills as their algorithms state them, pixel by pixel through PutPixel:
// every row drawn as often as the algorithm draws it, every ring over the
// last. The figure tests compare the canvas's span fills against these.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "canvas/Draw.h"

namespace canvas::testing::literal {

// Line(x, y, w, 0) in `colour`: x..x+w either way, nothing for w = 0.
inline void Row(Draw& d, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t colour) {
    if (w == 0) return;
    for (std::int32_t c = std::min(x, x + w); c <= std::max(x, x + w); ++c) d.PutPixel(c, y, colour);
}

inline void Normalise(std::int32_t& x, std::int32_t& y, std::int32_t& w, std::int32_t& h) {
    if (w < 0) x -= -w, w = -w;
    if (h < 0) y -= -h, h = -h;
}

// The polygon outline's line from (x, y) to (x + w, y + h): a Bresenham
// walk, every pixel through PutPixel in the pen colour.
inline void OutlineLine(Draw& d, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    const std::int32_t endX = x + w, endY = y + h;
    const std::int32_t dx = std::abs(w), dy = std::abs(h);
    const std::int32_t sx = endX >= x ? 1 : -1, sy = endY >= y ? 1 : -1;
    if (dx >= dy) {
        for (std::int32_t e = 2 * dy - dx;; x += sx) {
            d.PutPixel(x, y, -1);
            if (x == endX) break;
            if (e >= 0) y += sy, e -= 2 * dx;
            e += 2 * dy;
        }
    } else {
        for (std::int32_t e = 2 * dx - dy;; y += sy) {
            d.PutPixel(x, y, -1);
            if (y == endY) break;
            if (e >= 0) x += sx, e -= 2 * dy;
            e += 2 * dx;
        }
    }
}

// Polygon's scan-line fill with every step spelled out: the edge table in
// exchange-sorted order, the active list sorted again after every row, and
// each span drawn through PutPixel. Then the horizontal edges (without a pen)
// or the outline (with one).
inline void Polygon(Draw& d, const std::vector<std::int32_t>& xy, std::int32_t fill) {
    struct Edge {
        std::int64_t yTop, yBottom, xCur, xIncr, dx, dy, balance;
    };
    const std::size_t n = xy.size() / 2;
    const auto vx = [&](std::size_t k) { return xy[2 * (k % n)]; };
    const auto vy = [&](std::size_t k) { return xy[2 * (k % n) + 1]; };
    const auto exchangeSort = [](std::vector<Edge>& edges, auto key) {
        for (std::size_t i = 0; i + 1 < edges.size(); ++i)
            for (std::size_t j = i + 1; j < edges.size(); ++j)
                if (key(edges[j]) < key(edges[i])) std::swap(edges[i], edges[j]);
    };
    // One row's step: a steep edge moves at most one column, a flat one
    // catches up with its balance first.
    const auto step = [](Edge& e) {
        if (e.dx < e.dy) {
            if (e.balance >= 0) e.xCur += e.xIncr, e.balance -= e.dy;
            e.balance += e.dx;
        } else {
            while (e.balance < 0) e.balance += e.dy, e.xCur += e.xIncr;
            e.balance -= e.dx;
            e.balance += e.dy;
            e.xCur += e.xIncr;
        }
    };
    if (fill >= 0) {
        std::vector<Edge> edges, active;
        std::int64_t yMin = d.Height, yMax = 1;
        for (std::size_t k = 0; k < n; ++k) {
            for (const std::int64_t y : {std::int64_t{vy(k)}, std::int64_t{vy(k + 1)}}) {
                if (y < yMin)
                    yMin = y;
                else if (y > yMax)
                    yMax = y;
            }
            if (vy(k) == vy(k + 1)) continue;
            const bool fromIsTop = vy(k) > vy(k + 1);
            const std::int64_t topX = fromIsTop ? vx(k) : vx(k + 1), topY = fromIsTop ? vy(k) : vy(k + 1);
            const std::int64_t bottomX = fromIsTop ? vx(k + 1) : vx(k), bottomY = fromIsTop ? vy(k + 1) : vy(k);
            Edge e{topY, bottomY, bottomX, topX >= bottomX ? 1 : -1, 0, 0, 0};
            const std::int64_t dx = (topX - bottomX) * e.xIncr, dy = topY - bottomY;
            e.balance = dx < dy ? 2 * dx - dy : 2 * dy - dx;
            e.dx = 2 * dx;
            e.dy = 2 * dy;
            edges.push_back(e);
        }
        yMax = std::min<std::int64_t>(yMax, d.Height);
        exchangeSort(edges, [](const Edge& e) { return e.yBottom; });
        std::size_t waiting = 0;
        for (; waiting < edges.size() && edges[waiting].yBottom == yMin; ++waiting) active.push_back(edges[waiting]);
        exchangeSort(active, [](const Edge& e) { return e.xCur; });
        for (std::int64_t y = yMin; y <= yMax; ++y) {
            for (std::size_t i = 0; i + 1 < active.size(); i += 2) {
                Edge& e = active[i];
                Edge& f = active[i + 1];
                if (e.dx >= e.dy)  // a flat edge's span begins where it has caught up
                    while (e.balance < 0) e.balance += e.dy, e.xCur += e.xIncr;
                if (y >= 1 && f.xCur != e.xCur)
                    Row(d, static_cast<std::int32_t>(e.xCur), static_cast<std::int32_t>(y),
                        static_cast<std::int32_t>(f.xCur - e.xCur), fill);
                step(e);
                step(f);
            }
            exchangeSort(active, [](const Edge& e) { return e.xCur; });
            std::erase_if(active, [y](const Edge& e) { return e.yTop <= y; });
            for (; waiting < edges.size() && edges[waiting].yBottom <= y; ++waiting) active.push_back(edges[waiting]);
            exchangeSort(active, [](const Edge& e) { return e.xCur; });
        }
        if (d.PenColor < 0)
            for (std::size_t k = 0; k < n; ++k)
                if (vy(k) == vy(k + 1) && vx(k) != vx(k + 1)) Row(d, vx(k), vy(k), vx(k + 1) - vx(k), fill);
    }
    if (d.PenColor >= 0)
        for (std::size_t k = 0; k < n; ++k) OutlineLine(d, vx(k), vy(k), vx(k + 1) - vx(k), vy(k + 1) - vy(k));
}

// Box with non-zero sizes.
inline void Box(Draw& d, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, std::int32_t fill) {
    Normalise(x, y, w, h);
    if (x > d.Width || y > d.Height) return;
    const std::int32_t c0 = std::max(x, 1), c1 = std::min(x + w - 1, d.Width);
    const std::int32_t r0 = std::max(y, 1), r1 = std::min(y + h - 1, d.Height);
    if (fill >= 0 && c0 <= c1)
        for (std::int32_t row = r0; row <= r1; ++row) Row(d, c0, row, c1 - c0, fill);
    if (d.PenColor >= 0) {
        d.Line(x, y, w - 1, 0);
        d.Line(x, y, 0, h - 1);
        d.Line(x + w - 1, y, 0, h - 1);
        d.Line(x, y + h - 1, w - 1, 0);
    }
}

// Thin-pen Ellipse with non-zero sizes.
inline void Ellipse(Draw& d, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, std::int32_t fill) {
    Normalise(x, y, w, h);
    if (fill >= 0) d.FillColor = fill;
    const std::int64_t a = (w - 1) / 2, b = (h - 1) / 2;
    const auto cx = static_cast<std::int32_t>(x + a), cy = static_cast<std::int32_t>(y + b);
    auto put = [&](std::int64_t px, std::int64_t py) {
        d.PutPixel(static_cast<std::int32_t>(px), static_cast<std::int32_t>(py), -1);
    };
    if (w == h) {
        const std::int64_t r = a;
        auto walk = [&](auto visit) {
            std::int64_t px = 0, py = r, dd = 1 - r;
            while (px <= py) {
                visit(static_cast<std::int32_t>(px), static_cast<std::int32_t>(py));
                if (dd < 0) {
                    ++px;
                    dd += 2 * px + 1;
                } else {
                    ++px;
                    --py;
                    dd += 2 * (px - py) + 1;
                }
            }
        };
        if (fill >= 0)
            walk([&](std::int32_t px, std::int32_t py) {
                Row(d, cx - px, cy + py, 2 * px, fill);
                Row(d, cx - px, cy - py, 2 * px, fill);
                Row(d, cx - py, cy + px, 2 * py, fill);
                Row(d, cx - py, cy - px, 2 * py, fill);
            });
        if (!(fill >= 0 && d.PenColor == fill) && d.PenColor >= 0)
            walk([&](std::int32_t px, std::int32_t py) {
                put(cx + px, cy + py), put(cx - px, cy + py), put(cx + px, cy - py), put(cx - px, cy - py);
                put(cx + py, cy + px), put(cx - py, cy + px), put(cx + py, cy - px), put(cx - py, cy - px);
            });
        return;
    }
    auto walk = [&](auto visit) {
        const std::int64_t a2 = a * a, b2 = b * b;
        const std::int64_t crit1 = -(a2 / 4 + a % 2 + b2), crit2 = -(b2 / 4 + b % 2 + a2), crit3 = -(b2 / 4 + b % 2);
        std::int64_t t = -a2 * b, dxt = 0, dyt = -2 * a2 * b;
        const std::int64_t d2xt = 2 * b2, d2yt = 2 * a2;
        std::int64_t px = 0, py = b;
        while (py >= 0 && px <= a) {
            visit(static_cast<std::int32_t>(px), static_cast<std::int32_t>(py));
            if (t + b2 * px <= crit1 || t + a2 * py <= crit3) {
                ++px, dxt += d2xt, t += dxt;
            } else if (t - a2 * py > crit2) {
                --py, dyt += d2yt, t += dyt;
            } else {
                ++px, dxt += d2xt, t += dxt;
                --py, dyt += d2yt, t += dyt;
            }
        }
    };
    if (fill >= 0)
        walk([&](std::int32_t px, std::int32_t py) {
            Row(d, cx - px, cy - py, 2 * px, fill);
            Row(d, cx - px, cy + py, 2 * px, fill);
        });
    if (d.PenColor >= 0)
        walk([&](std::int32_t px, std::int32_t py) {
            put(cx + px, cy + py);
            if (!(px == 0 && py == 0)) put(cx - px, cy - py);
            if (px != 0 && py != 0) put(cx + px, cy - py), put(cx - px, cy + py);
        });
}

// The thick circle ring of a box of `w` pixels, in the pen colour.
inline void ThickCircleRing(Draw& d, std::int32_t x, std::int32_t y, std::int32_t w) {
    const std::int32_t r = (w + 1) / 2 - 1, ri = r - d.PenWidth + 1;
    const std::int32_t cx = x + r, cy = y + r;
    auto advance = [](std::int32_t& px, std::int32_t& py, std::int32_t& dd) {
        if (dd < 0) {
            ++px;
            dd += 2 * px + 1;
        } else {
            ++px;
            --py;
            dd += 2 * (px - py) + 1;
        }
    };
    std::int32_t ox = 0, oy = r, od = 1 - r, ix = 0, iy = ri, id = 1 - ri;
    while (ox <= oy) {
        for (std::int32_t row = cy + iy; row <= cy + oy; ++row) d.PutPixel(cx + ox, row, -1), d.PutPixel(cx - ox, row, -1);
        for (std::int32_t row = cy - oy; row <= cy - iy; ++row) d.PutPixel(cx + ox, row, -1), d.PutPixel(cx - ox, row, -1);
        for (std::int32_t side : {ox, -ox}) {
            for (std::int32_t col = cx + iy; col <= cx + oy; ++col) d.PutPixel(col, cy + side, -1);
            for (std::int32_t col = cx - oy; col <= cx - iy; ++col) d.PutPixel(col, cy + side, -1);
        }
        advance(ox, oy, od);
        advance(ix, iy, id);
    }
}

// Sphere of a circle: rings of a two-pixel pen, one over the other, each in
// the colour reached after as many steps, then the outline in the pen.
inline void CircleSphere(Draw& d, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t outer,
                         std::int32_t inner) {
    const std::int32_t savedWidth = d.PenWidth, savedColor = d.PenColor;
    const std::int32_t x0 = x, y0 = y, w0 = w;
    double cur[3], inc[3];
    for (int i = 0; i < 3; ++i) {
        cur[i] = (outer >> (8 * i)) & 0xFF;
        if (w > 1) inc[i] = (((inner >> (8 * i)) & 0xFF) - cur[i]) / (w / 2);
    }
    std::int32_t colour = outer;
    d.PenWidth = 2;
    d.PenColor = colour;
    while (w > 1) {
        ThickCircleRing(d, x, y, w);
        ++x, ++y, w -= 2;
        std::uint32_t bits = static_cast<std::uint32_t>(colour) & 0xFF000000u;
        for (int i = 0; i < 3; ++i) {
            cur[i] = std::clamp(cur[i] + inc[i], 0.0, 255.0);
            bits |= static_cast<std::uint32_t>(std::floor(cur[i] + 0.5)) << (8 * i);
        }
        colour = static_cast<std::int32_t>(bits);
        d.PenColor = colour;
    }
    d.PenWidth = savedWidth;
    d.PenColor = savedColor;
    if (d.PenColor >= 0) d.Ellipse(x0, y0, w0, w0, -1);
}

}  // namespace canvas::testing::literal
