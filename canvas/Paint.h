#pragma once

// Pixel writing for the figure operations: solid spans, columns and dots at
// 64-bit coordinates (end points computed from 32-bit arguments and sizes can
// leave the 32-bit range), and the pen's dash pattern. Private to the canvas.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "canvas/Draw.h"
#include "canvas/Raster.h"

namespace canvas::paint {

using Coord = std::int64_t;

// A negative size extends a box to the left of x or above y: turns it into
// the same box with a positive size.
inline void Normalise(Coord& x, Coord& y, Coord& w, Coord& h) {
    if (w < 0) {
        x += w;
        w = -w;
    }
    if (h < 0) {
        y += h;
        h = -h;
    }
}

// Cuts the inclusive range [a, b] (either order) to [1, limit]; false when
// nothing is left.
inline bool Clip(Coord a, Coord b, std::int32_t limit, std::int32_t& first, std::int32_t& last) {
    const Coord lo = std::max<Coord>(std::min(a, b), 1);
    const Coord hi = std::min<Coord>(std::max(a, b), limit);
    if (lo > hi) return false;
    first = static_cast<std::int32_t>(lo);
    last = static_cast<std::int32_t>(hi);
    return true;
}

// Sixteen pixels of one colour, so that a span of any length is written with
// fixed-size block copies instead of three byte stores per pixel.
class ColourRun {
public:
    explicit ColourRun(std::int32_t colour) {
        if constexpr (std::endian::native == std::endian::little) {
            // Built in registers and stored whole: copying the pattern out of
            // bytes just stored would stall on every copy, and figures make
            // a run for each call.
            const auto c = static_cast<std::uint32_t>(colour);
            const std::uint64_t p = ((c >> 16) & 0xFF) | (c & 0xFF00) | ((c & 0xFF) << 16);  // as Store lays it out
            const std::uint64_t words[3] = {p | p << 24 | p << 48, p >> 16 | p << 8 | p << 32 | p << 56,
                                            p >> 8 | p << 16 | p << 40};
            std::memcpy(bytes_, words, sizeof words);
            std::memcpy(bytes_ + sizeof words, words, sizeof words);
        } else {
            raster::Store(bytes_, colour);
            std::memcpy(bytes_ + 3, bytes_, 3);
            std::memcpy(bytes_ + 6, bytes_, 6);
            std::memcpy(bytes_ + 12, bytes_, 12);
            std::memcpy(bytes_ + 24, bytes_, 24);
        }
    }
    // Only fixed-size copies, which compile to plain moves: whole blocks, then
    // one last block (or two halves) ending exactly at the span's end. The
    // pattern repeats every three bytes, and every start lies a whole number
    // of pixels in, so overlapping copies write the same bytes.
    void Fill(std::uint8_t* first, std::size_t count) const {
        // A local copy, which the compiler keeps in registers: stores
        // through `first` could alias the member, so it would be read again
        // after every store.
        std::uint8_t block[sizeof bytes_];
        std::memcpy(block, bytes_, sizeof block);
        const std::size_t bytes = count * raster::BytesPerPixel;
        if (count >= Pixels) {
            std::size_t done = 0;
            for (; done + sizeof block <= bytes; done += sizeof block) std::memcpy(first + done, block, sizeof block);
            if (done < bytes) std::memcpy(first + bytes - sizeof block, block, sizeof block);
        } else if (count >= 8) {
            std::memcpy(first, block, 24);
            std::memcpy(first + bytes - 24, block, 24);
        } else if (count >= 4) {
            std::memcpy(first, block, 12);
            std::memcpy(first + bytes - 12, block, 12);
        } else {
            for (std::size_t i = 0; i < bytes; i += 3) std::memcpy(first + i, block, 3);
        }
    }
    const std::uint8_t* Pixel() const { return bytes_; }

private:
    static constexpr std::size_t Pixels = 16;
    std::uint8_t bytes_[Pixels * raster::BytesPerPixel];
};

// Writes one colour into a target view, clipped to it. A negative colour
// means no colour: nothing is written, as PutPixel writes nothing in it.
class Painter {
public:
    Painter(const raster::View& target, std::int32_t colour)
        : target_(target), run_(colour), visible_(colour >= 0 && target.Height() > 0) {}

    const raster::View& Target() const { return target_; }
    bool Visible() const { return visible_; }
    const std::uint8_t* Colour() const { return run_.Pixel(); }

    // Columns x0..x1 (either order) of row y.
    void Span(Coord y, Coord x0, Coord x1) const { RowSpan(Row(y), x0, x1); }

    // For the inner loop of a figure that fills row after row, where a call
    // and a row lookup for each row would cost more than its pixels: where
    // row y starts, or null when it is not drawn; the next row down; and the
    // span on a row found so, always inlined.
    std::uint8_t* Row(Coord y) const {
        return visible_ && y >= 1 && y <= target_.Height() ? target_.Row(static_cast<std::int32_t>(y)) : nullptr;
    }
    std::uint8_t* NextRow(std::uint8_t* row, Coord y) const {
        return row != nullptr && y + 1 <= target_.Height() ? row - target_.RowStride() : Row(y + 1);  // stored bottom up
    }
    [[gnu::always_inline]] void RowSpan(std::uint8_t* row, Coord x0, Coord x1) const {
        std::int32_t first = 0, last = 0;
        if (row == nullptr || !Clip(x0, x1, target_.Width(), first, last)) return;
        run_.Fill(row + raster::BytesPerPixel * static_cast<std::size_t>(first - 1),
                  static_cast<std::size_t>(last - first + 1));
    }
    // Rows y0..y1 (either order) of column x.
    void Column(Coord x, Coord y0, Coord y1) const {
        std::int32_t first = 0, last = 0;
        if (!visible_ || x < 1 || x > target_.Width() || !Clip(y0, y1, target_.Height(), first, last))
            return;
        std::uint8_t* pixel = target_.Pixel(static_cast<std::int32_t>(x), last);
        for (std::int32_t y = first; y <= last; ++y, pixel += target_.RowStride())
            std::memcpy(pixel, run_.Pixel(), raster::BytesPerPixel);
    }
    void Dot(Coord x, Coord y) const {
        if (!visible_ || x < 1 || y < 1 || x > target_.Width() || y > target_.Height()) return;
        std::memcpy(target_.Pixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)),
                    run_.Pixel(), raster::BytesPerPixel);
    }

private:
    raster::View target_;
    ColourRun run_;
    bool visible_;
};

// The pen's dash pattern, stepped exactly as the canvas's pattern plot steps
// it: the position wraps to 1 before a step, not after one.
class Dash {
public:
    explicit Dash(Draw& canvas) : canvas_(canvas) {}

    bool Solid() const { return canvas_.PenStyle == 0; }
    // Takes one step; true when that step is plotted.
    bool Step() {
        if (Solid()) return true;
        if (canvas_.StylePos > canvas_.StyleLength || canvas_.StylePos < 1) canvas_.StylePos = 1;
        const bool plotted = canvas_.StylePattern[static_cast<std::size_t>(canvas_.StylePos - 1)] != 0;
        ++canvas_.StylePos;
        return plotted;
    }
    // Takes `count` steps at once (pixels that fall off the canvas).
    void Skip(Coord count) {
        if (Solid() || count <= 0 || canvas_.StyleLength <= 0) return;
        if (canvas_.StylePos > canvas_.StyleLength || canvas_.StylePos < 1) canvas_.StylePos = 1;
        const Coord done = canvas_.StylePos - 1 + count;  // steps from the pattern's start
        const Coord length = canvas_.StyleLength;
        canvas_.StylePos = static_cast<std::int32_t>(done % length == 0 ? length + 1 : done % length + 1);
    }

private:
    Draw& canvas_;
};

}  // namespace canvas::paint
