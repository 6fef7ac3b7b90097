#pragma once

#include <cstdint>

#include "runtime/Image.h"
#include "runtime/Types.h"

namespace runtime::render {

// The overlap of two rectangles; empty (zero size) when they do not meet.
Rect Intersect(const Rect& a, const Rect& b);
Rect Union(const Rect& a, const Rect& b);
inline bool IsEmpty(const Rect& r) { return r.width <= 0 || r.height <= 0; }
inline Rect Inflate(const Rect& r, int by) { return {r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by}; }

// Colour of the programs (red in the low byte) as an opaque 0xAARRGGBB pixel.
constexpr std::uint32_t ToArgb(Colour c) {
    const auto u = static_cast<std::uint32_t>(c);
    return 0xFF000000 | (u & 0xFF) << 16 | (u & 0xFF00) | (u >> 16 & 0xFF);
}

// Drawing into a frame, never outside `clip` (which is kept inside the frame).
class Painter {
public:
    Painter(Image& target, const Rect& clip);

    Image& Target() { return target_; }
    const Rect& Clip() const { return clip_; }

    void Fill(const Rect& r, std::uint32_t argb);
    // A frame of `thickness` pixels inside `r`.
    void Frame(const Rect& r, std::uint32_t argb, int thickness = 1);
    // Raised (or, when `sunken`, lowered) edges of `thickness` pixels inside `r`.
    void Bevel(const Rect& r, std::uint32_t light, std::uint32_t dark, int thickness, bool sunken);
    void DottedFrame(const Rect& r, std::uint32_t argb);
    // A disc of diameter `size` at (x, y) (top left), edges smoothed.
    void Disc(int x, int y, int size, std::uint32_t argb);
    // Draws `src` with its top left at (x, y), blending by its alpha, only inside `within`.
    void Blit(const Image& src, int x, int y, const Rect& within);
    // A straight line of `width` pixels from a to b.
    void Line(Point a, Point b, int width, std::uint32_t argb);

private:
    Image& target_;
    Rect clip_;
};

}  // namespace runtime::render
