#include "runtime/render/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace runtime::render {

Rect Intersect(const Rect& a, const Rect& b) {
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.width, b.x + b.width), y1 = std::min(a.y + a.height, b.y + b.height);
    if (x1 <= x0 || y1 <= y0) return {x0, y0, 0, 0};
    return {x0, y0, x1 - x0, y1 - y0};
}

Rect Union(const Rect& a, const Rect& b) {
    if (IsEmpty(a)) return b;
    if (IsEmpty(b)) return a;
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.width, b.x + b.width), y1 = std::max(a.y + a.height, b.y + b.height);
    return {x0, y0, x1 - x0, y1 - y0};
}

namespace {

std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, std::uint32_t alpha) {
    if (alpha >= 255) return src | 0xFF000000;
    const std::uint32_t na = 255 - alpha;
    const std::uint32_t r = ((src >> 16 & 0xFF) * alpha + (dst >> 16 & 0xFF) * na + 127) / 255;
    const std::uint32_t g = ((src >> 8 & 0xFF) * alpha + (dst >> 8 & 0xFF) * na + 127) / 255;
    const std::uint32_t b = ((src & 0xFF) * alpha + (dst & 0xFF) * na + 127) / 255;
    return 0xFF000000 | r << 16 | g << 8 | b;
}

}  // namespace

Painter::Painter(Image& target, const Rect& clip)
    : target_(target), clip_(Intersect(clip, {0, 0, target.width, target.height})) {}

void Painter::Fill(const Rect& r, std::uint32_t argb) {
    const Rect c = Intersect(r, clip_);
    if (IsEmpty(c)) return;
    for (int y = c.y; y < c.y + c.height; ++y) {
        auto row = target_.pixels.begin() + static_cast<std::ptrdiff_t>(y) * target_.width;
        std::fill(row + c.x, row + c.x + c.width, argb);
    }
}

void Painter::Frame(const Rect& r, std::uint32_t argb, int t) {
    t = std::max(1, std::min({t, r.width / 2 + 1, r.height / 2 + 1}));
    Fill({r.x, r.y, r.width, t}, argb);
    Fill({r.x, r.y + r.height - t, r.width, t}, argb);
    Fill({r.x, r.y + t, t, r.height - 2 * t}, argb);
    Fill({r.x + r.width - t, r.y + t, t, r.height - 2 * t}, argb);
}

void Painter::Bevel(const Rect& r, std::uint32_t light, std::uint32_t dark, int t, bool sunken) {
    const std::uint32_t topLeft = sunken ? dark : light, bottomRight = sunken ? light : dark;
    for (int i = 0; i < t; ++i) {
        const Rect e = Inflate(r, -i);
        Fill({e.x, e.y, e.width, 1}, topLeft);
        Fill({e.x, e.y, 1, e.height}, topLeft);
        Fill({e.x, e.y + e.height - 1, e.width, 1}, bottomRight);
        Fill({e.x + e.width - 1, e.y, 1, e.height}, bottomRight);
    }
}

void Painter::DottedFrame(const Rect& r, std::uint32_t argb) {
    if (IsEmpty(r)) return;
    auto dot = [&](int x, int y) {
        if (clip_.Contains({x, y})) target_.At(x, y) = argb;
    };
    for (int x = r.x; x < r.x + r.width; x += 2) {
        dot(x, r.y);
        dot(x, r.y + r.height - 1);
    }
    for (int y = r.y; y < r.y + r.height; y += 2) {
        dot(r.x, y);
        dot(r.x + r.width - 1, y);
    }
}

void Painter::Disc(int x, int y, int size, std::uint32_t argb) {
    const Rect c = Intersect({x, y, size, size}, clip_);
    const double radius = size / 2.0, cx = x + radius, cy = y + radius;
    for (int py = c.y; py < c.y + c.height; ++py) {
        for (int px = c.x; px < c.x + c.width; ++px) {
            // Coverage from the distance of the pixel centre to the rim.
            const double d = std::hypot(px + 0.5 - cx, py + 0.5 - cy);
            const double coverage = std::clamp(radius - d + 0.5, 0.0, 1.0);
            if (coverage <= 0) continue;
            std::uint32_t& p = target_.At(px, py);
            p = Blend(p, argb, static_cast<std::uint32_t>(coverage * 255 + 0.5));
        }
    }
}

void Painter::Blit(const Image& src, int x, int y, const Rect& within) {
    const Rect c = Intersect(Intersect({x, y, src.width, src.height}, within), clip_);
    if (IsEmpty(c)) return;
    for (int py = c.y; py < c.y + c.height; ++py) {
        const std::uint32_t* from = src.pixels.data() + static_cast<std::size_t>(py - y) * src.width + (c.x - x);
        std::uint32_t* to = target_.pixels.data() + static_cast<std::size_t>(py) * target_.width + c.x;
        for (int i = 0; i < c.width; ++i) {
            const std::uint32_t a = from[i] >> 24;
            if (a == 255) to[i] = from[i];
            else if (a != 0) to[i] = Blend(to[i], from[i], a);
        }
    }
}

void Painter::Line(Point a, Point b, int width, std::uint32_t argb) {
    width = std::max(1, width);
    const int before = (width - 1) / 2;
    // Horizontal and vertical lines (the usual case) are rectangles centred on the line.
    if (a.y == b.y) {
        Fill({std::min(a.x, b.x), a.y - before, std::abs(b.x - a.x) + 1, width}, argb);
        return;
    }
    if (a.x == b.x) {
        Fill({a.x - before, std::min(a.y, b.y), width, std::abs(b.y - a.y) + 1}, argb);
        return;
    }
    // Others: a square pen stepped along the line.
    const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    for (int i = 0; i <= steps; ++i) {
        const int x = a.x + static_cast<int>(std::lround(static_cast<double>(b.x - a.x) * i / steps));
        const int y = a.y + static_cast<int>(std::lround(static_cast<double>(b.y - a.y) * i / steps));
        Fill({x - before, y - before, width, width}, argb);
    }
}

}  // namespace runtime::render
