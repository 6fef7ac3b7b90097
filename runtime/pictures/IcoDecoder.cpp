#include <algorithm>

#include "runtime/PngFile.h"
#include "runtime/pictures/Decoders.h"
#include "runtime/pictures/Limits.h"

namespace runtime::pictures {

namespace {

// Little-endian reads that never step outside the bytes: a read past the end
// marks the reader failed and yields 0.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool Has(std::size_t at, std::size_t count) const { return at <= bytes_.size() && count <= bytes_.size() - at; }
    std::uint32_t U8(std::size_t at) { return Has(at, 1) ? bytes_[at] : Fail(); }
    std::uint32_t U16(std::size_t at) { return Has(at, 2) ? bytes_[at] | bytes_[at + 1] << 8 : Fail(); }
    std::uint32_t U32(std::size_t at) {
        return Has(at, 4) ? bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 |
                                static_cast<std::uint32_t>(bytes_[at + 3]) << 24
                          : Fail();
    }
    bool ok = true;

private:
    std::uint32_t Fail() {
        ok = false;
        return 0;
    }
    std::span<const std::uint8_t> bytes_;
};

// Bytes per row of `bits`-per-pixel pixels, padded to four bytes.
std::size_t RowStride(std::int64_t width, int bits) {
    return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

}  // namespace

std::optional<Image> DecodeIconDib(std::span<const std::uint8_t> bytes) {
    Reader in(bytes);
    const std::uint32_t headerSize = in.U32(0);
    const std::int64_t width = static_cast<std::int32_t>(in.U32(4));
    const std::int64_t doubledHeight = static_cast<std::int32_t>(in.U32(8));
    const int bits = static_cast<int>(in.U16(14));
    const std::uint32_t compression = in.U32(16);
    std::uint32_t coloursUsed = in.U32(32);
    if (!in.ok || headerSize < 40 || compression != 0) return std::nullopt;
    const std::int64_t height = doubledHeight / 2;
    if (!SizeAcceptable(width, height)) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;

    const std::size_t paletteSize = bits <= 8 ? (coloursUsed ? coloursUsed : 1u << bits) : 0;
    if (paletteSize > 256) return std::nullopt;
    const std::size_t paletteAt = headerSize;
    const std::size_t colourStride = RowStride(width, bits);
    const std::size_t maskStride = RowStride(width, 1);
    const std::size_t colourAt = paletteAt + paletteSize * 4;
    const std::size_t maskAt = colourAt + colourStride * static_cast<std::size_t>(height);
    if (!in.Has(paletteAt, paletteSize * 4) || !in.Has(colourAt, colourStride * static_cast<std::size_t>(height)))
        return std::nullopt;
    // Icons with an alpha channel may leave out the AND mask.
    const bool hasMask = in.Has(maskAt, maskStride * static_cast<std::size_t>(height));

    Image out(static_cast<int>(width), static_cast<int>(height), 0);
    bool anyAlpha = false;
    for (int y = 0; y < out.height; ++y) {
        const std::size_t row = colourAt + colourStride * static_cast<std::size_t>(out.height - 1 - y);
        for (int x = 0; x < out.width; ++x) {
            std::uint32_t argb = 0;
            if (bits == 32) {
                const std::size_t at = row + static_cast<std::size_t>(x) * 4;
                argb = in.U32(at);
                anyAlpha |= (argb >> 24) != 0;
            } else if (bits == 24) {
                const std::size_t at = row + static_cast<std::size_t>(x) * 3;
                argb = 0xFF000000 | in.U8(at + 2) << 16 | in.U8(at + 1) << 8 | in.U8(at);
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const std::uint32_t byte = in.U8(row + bit / 8);
                const std::uint32_t index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index >= paletteSize) return std::nullopt;
                argb = 0xFF000000 | (in.U32(paletteAt + index * 4) & 0xFFFFFF);
            }
            out.At(x, y) = argb;
        }
    }
    if (!in.ok) return std::nullopt;

    // A 32-bit picture whose alpha is all zero is an old-style icon: opaque
    // colours, transparency from the mask.
    for (int y = 0; y < out.height; ++y) {
        const std::size_t maskRow = maskAt + maskStride * static_cast<std::size_t>(out.height - 1 - y);
        for (int x = 0; x < out.width; ++x) {
            std::uint32_t& p = out.At(x, y);
            if (bits == 32 && anyAlpha) continue;
            p |= 0xFF000000;
            if (hasMask && (in.U8(maskRow + static_cast<std::size_t>(x) / 8) >> (7 - x % 8) & 1)) p = 0;
        }
    }
    return out;
}

std::optional<Image> DecodeIco(std::span<const std::uint8_t> bytes) {
    Reader in(bytes);
    if (in.U16(0) != 0 || in.U16(2) != 1) return std::nullopt;
    const std::uint32_t count = in.U16(4);
    if (!in.ok || count == 0) return std::nullopt;

    struct Entry {
        std::uint32_t area = 0, bits = 0, size = 0, offset = 0;
    };
    std::optional<Entry> best;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + static_cast<std::size_t>(i) * 16;
        const std::uint32_t w = in.U8(at) ? in.U8(at) : 256;
        const std::uint32_t h = in.U8(at + 1) ? in.U8(at + 1) : 256;
        const Entry e{w * h, in.U16(at + 6), in.U32(at + 8), in.U32(at + 12)};
        if (!in.ok) return std::nullopt;
        if (!in.Has(e.offset, e.size) || e.size == 0) continue;  // a damaged entry is skipped
        if (!best || e.area > best->area || (e.area == best->area && e.bits > best->bits)) best = e;
    }
    if (!best) return std::nullopt;

    const auto data = bytes.subspan(best->offset, best->size);
    if (auto png = DecodePng(data)) return png;
    return DecodeIconDib(data);
}

}  // namespace runtime::pictures
