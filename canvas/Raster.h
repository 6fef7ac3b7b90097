#pragma once

// Row and pixel helpers over the canvas's bitmap file buffers. Private to
// the canvas library: not installed, not included by Draw.h.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "canvas/Draw.h"

namespace canvas::raster {

inline constexpr std::size_t HeaderSize = 54;      // file header + info header
inline constexpr std::size_t BytesPerPixel = 3;

// Pad bytes that bring a row of `width` 24-bit pixels to a multiple of four.
constexpr std::uint8_t RowPad(std::int32_t width) {
    return static_cast<std::uint8_t>((4 - (3 * static_cast<std::int64_t>(width)) % 4) % 4);
}
constexpr std::size_t Stride(std::int32_t width) {
    return width <= 0 ? 0 : BytesPerPixel * static_cast<std::size_t>(width) + RowPad(width);
}
// 54 header bytes and the rows, without the spare byte.
constexpr std::size_t ImageBytes(std::int32_t width, std::int32_t height) {
    return height <= 0 ? HeaderSize : HeaderSize + Stride(width) * static_cast<std::size_t>(height);
}

// Whether a buffer of this size fits the 32-bit BufferSize fields.
constexpr bool Describable(std::int64_t width, std::int64_t height) {
    constexpr std::int64_t limit = 0xFFFFFFFFll;
    if (width < 0 || height < 0 || width > limit / 3 || height > 0x7FFFFFFFll) return false;
    return static_cast<std::int64_t>(ImageBytes(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height))) < limit;
}

// Colour (red in the low byte) to the blue-green-red bytes of a pixel, and back.
inline void Store(std::uint8_t* pixel, std::int32_t colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    pixel[0] = static_cast<std::uint8_t>(c >> 16);
    pixel[1] = static_cast<std::uint8_t>(c >> 8);
    pixel[2] = static_cast<std::uint8_t>(c);
}
inline std::int32_t Load(const std::uint8_t* pixel) {
    return (pixel[0] << 16) | (pixel[1] << 8) | pixel[2];
}

// Writes `count` copies of the pixel at `first`, which already holds the
// colour, after it: doubling block copies, so a long span costs a few memcpy.
inline void Replicate(std::uint8_t* first, std::size_t count) {
    std::size_t done = 1;
    while (done < count) {
        const std::size_t n = std::min(done, count - done);
        std::memcpy(first + done * BytesPerPixel, first, n * BytesPerPixel);
        done += n;
    }
}

// memcpy for the short runs of pictures: fixed-size moves, two of them
// overlapping to cover any length, which compile to a few vector moves
// instead of a call. Both ends are loaded before either is stored, straight
// into registers: a block copied through a local would go through the stack.
[[gnu::always_inline]] inline void CopyRun(std::uint8_t* to, const std::uint8_t* from, std::size_t bytes) {
#if defined(__SSE2__)
    const auto load = [](const std::uint8_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); };
    const auto store = [](std::uint8_t* at, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(at), v); };
    if (bytes > 128) {
        std::memcpy(to, from, bytes);
    } else if (bytes >= 64) {
        const std::size_t t = bytes - 64;
        const __m128i a = load(from), b = load(from + 16), c = load(from + 32), d = load(from + 48);
        const __m128i e = load(from + t), f = load(from + t + 16), g = load(from + t + 32), h = load(from + t + 48);
        store(to, a), store(to + 16, b), store(to + 32, c), store(to + 48, d);
        store(to + t, e), store(to + t + 16, f), store(to + t + 32, g), store(to + t + 48, h);
    } else if (bytes >= 32) {
        const std::size_t t = bytes - 32;
        const __m128i a = load(from), b = load(from + 16), e = load(from + t), f = load(from + t + 16);
        store(to, a), store(to + 16, b), store(to + t, e), store(to + t + 16, f);
    } else if (bytes >= 16) {
        const __m128i a = load(from), e = load(from + bytes - 16);
        store(to, a), store(to + bytes - 16, e);
    }
    if (bytes >= 16) return;
#else
    if (bytes >= 16) {
        std::memmove(to, from, bytes);
        return;
    }
#endif
    const auto words = [&](auto word) {
        constexpr std::size_t n = sizeof word;
        auto head = word, tail = word;
        std::memcpy(&head, from, n);
        std::memcpy(&tail, from + bytes - n, n);
        std::memcpy(to, &head, n);
        std::memcpy(to + bytes - n, &tail, n);
    };
    if (bytes >= 8)
        words(std::uint64_t{});
    else if (bytes >= 4)
        words(std::uint32_t{});
    else
        for (std::size_t i = 0; i < bytes; ++i) to[i] = from[i];
}

// Fills `count` pixels from `first` with one colour.
inline void FillPixels(std::uint8_t* first, std::size_t count, std::int32_t colour) {
    if (count == 0) return;
    Store(first, colour);
    Replicate(first, count);
}

// Cuts the inclusive range [a, b] (either order) to [1, limit]. False when
// nothing is left.
inline bool ClipRange(std::int32_t a, std::int32_t b, std::int32_t limit, std::int32_t& first,
                      std::int32_t& last) {
    first = std::max(std::min(a, b), 1);
    last = std::min(std::max(a, b), limit);
    return first <= last;
}

// A view of one bitmap file buffer with canvas coordinates. Its height is cut
// to the rows the buffer really holds, so no helper can reach past its end.
template <typename Byte>
class BasicView {
    using Buffer = std::conditional_t<std::is_const_v<Byte>, const Bytes, Bytes>;

public:
    BasicView() = default;
    BasicView(Buffer& buffer, std::int32_t width, std::int32_t height) {
        const std::size_t stride = Stride(width);
        if (stride == 0 || height <= 0 || buffer.size() < HeaderSize) return;
        const std::size_t rows = (buffer.size() - HeaderSize) / stride;
        bytes_ = buffer.data();
        width_ = width;
        height_ = static_cast<std::int32_t>(std::min<std::size_t>(rows, static_cast<std::size_t>(height)));
        stride_ = stride;
    }

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    std::size_t RowStride() const { return stride_; }
    bool Contains(std::int32_t x, std::int32_t y) const {
        return x >= 1 && y >= 1 && x <= width_ && y <= height_;
    }

    // Canvas row y (1 = top) starts here; rows are stored bottom row first.
    Byte* Row(std::int32_t y) const {
        return bytes_ + HeaderSize + static_cast<std::size_t>(height_ - y) * stride_;
    }
    // Stored row r (0 = bottom).
    Byte* StoredRow(std::int32_t r) const {
        return bytes_ + HeaderSize + static_cast<std::size_t>(r) * stride_;
    }
    Byte* Pixel(std::int32_t x, std::int32_t y) const {
        return Row(y) + BytesPerPixel * static_cast<std::size_t>(x - 1);
    }

    // Columns x0..x1 (either order) of row y, clipped to the view.
    void FillRow(std::int32_t y, std::int32_t x0, std::int32_t x1, std::int32_t colour) const
        requires(!std::is_const_v<Byte>) {
        std::int32_t first = 0, last = 0;
        if (y < 1 || y > height_ || !ClipRange(x0, x1, width_, first, last)) return;
        FillPixels(Pixel(first, y), static_cast<std::size_t>(last - first + 1), colour);
    }
    // Rows y0..y1 (either order) of column x, clipped to the view.
    void FillColumn(std::int32_t x, std::int32_t y0, std::int32_t y1, std::int32_t colour) const
        requires(!std::is_const_v<Byte>) {
        std::int32_t first = 0, last = 0;
        if (x < 1 || x > width_ || !ClipRange(y0, y1, height_, first, last)) return;
        for (std::int32_t y = first; y <= last; ++y) Store(Pixel(x, y), colour);
    }

private:
    Byte* bytes_ = nullptr;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::size_t stride_ = 0;
};

using View = BasicView<std::uint8_t>;
using ConstView = BasicView<const std::uint8_t>;

// Counts a write into the current drawing target's layer.
inline void CountWrite(Draw& canvas) {
    if (canvas.ActiveLayer >= 1 && canvas.ActiveLayer <= MaxLayers)
        ++canvas.Layers[static_cast<std::size_t>(canvas.ActiveLayer - 1)].Writes;
}

// The canvas's current drawing target, to draw into: counts a write. Empty
// before Init and after Kill.
inline View Target(Draw& canvas) {
    if (canvas.BitmapFileData == nullptr) return {};
    CountWrite(canvas);
    return View(*canvas.BitmapFileData, canvas.Width, canvas.Height);
}
// The same, only to read.
inline ConstView ReadTarget(const Draw& canvas) {
    if (canvas.BitmapFileData == nullptr) return {};
    return ConstView(*canvas.BitmapFileData, canvas.Width, canvas.Height);
}

// A layer's pixels; a caller that writes them counts the write in Writes.
inline View Of(LayerRecord& layer) {
    return View(layer.BitmapData, layer.Width, layer.Height);
}
inline ConstView Of(const LayerRecord& layer) {
    return ConstView(layer.BitmapData, layer.Width, layer.Height);
}

}  // namespace canvas::raster
