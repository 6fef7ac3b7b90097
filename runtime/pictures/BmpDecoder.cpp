// The one place of the core that uses SDL: its BMP reader knows every
// variant of the format. No video or audio is initialised for it. The most
// common variant, 24-bit rows without compression, is read here directly.
#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>

#include "runtime/pictures/Decoders.h"
#include "runtime/pictures/Limits.h"

namespace runtime::pictures {

namespace {

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

std::int32_t ReadLe32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// Checks the size the header claims before SDL allocates anything for it.
bool HeaderPlausible(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const std::int32_t headerSize = ReadLe32(bytes, 14);
    if (headerSize == 12) {
        const int w = bytes[18] | bytes[19] << 8, h = bytes[20] | bytes[21] << 8;
        return SizeAcceptable(w, h);
    }
    if (headerSize < 40 || bytes.size() < 30) return false;
    const std::int64_t w = ReadLe32(bytes, 18), h = ReadLe32(bytes, 22);
    return SizeAcceptable(w, h < 0 ? -h : h);
}

constexpr std::int32_t Uncompressed = 0, BitFields = 3, AlphaBitFields = 6;

// Where the rows begin: the data-offset field, unless it points into the
// headers (some writers leave it 0), where the rows follow the headers.
std::uint64_t RowsAt(std::span<const std::uint8_t> bytes) {
    const std::uint64_t declared = static_cast<std::uint32_t>(ReadLe32(bytes, 10));
    const std::uint64_t headersEnd =
        14 + static_cast<std::uint64_t>(static_cast<std::uint32_t>(ReadLe32(bytes, 14)));
    return std::max(declared, headersEnd);
}

// 24-bit rows without compression, read straight into the picture: a large
// one costs one pass and no copies in between. The rows are known to be
// there (BmpBytesUsed).
std::optional<Image> DecodeUncompressed24(std::span<const std::uint8_t> bytes) {
    const std::size_t dataAt = static_cast<std::size_t>(RowsAt(bytes));
    const int width = ReadLe32(bytes, 18), rows = ReadLe32(bytes, 22);
    const int height = rows < 0 ? -rows : rows;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    Image out(width, height, 0);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = bytes.data() + dataAt +
                                   stride * static_cast<std::size_t>(rows < 0 ? y : height - 1 - y);
        std::uint32_t* to = &out.At(0, y);
        for (int x = 0; x < width; ++x, from += 3)
            to[x] =
                0xFF000000u | std::uint32_t{from[2]} << 16 | std::uint32_t{from[1]} << 8 | from[0];
    }
    return out;
}

bool IsUncompressed24(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 34 && ReadLe32(bytes, 14) >= 40 && (bytes[28] | bytes[29] << 8) == 24 &&
           ReadLe32(bytes, 30) == Uncompressed;
}

}  // namespace

std::optional<std::uint64_t> BmpBytesUsed(std::span<const std::uint8_t> start,
                                          std::uint64_t fileSize) {
    if (!HeaderPlausible(start) || fileSize < start.size()) return std::nullopt;
    const std::int32_t headerSize = ReadLe32(start, 14);
    const std::uint64_t dataAt = RowsAt(start);
    const bool declaredAt = dataAt == static_cast<std::uint32_t>(ReadLe32(start, 10));
    std::int64_t width = 0, height = 0, bits = 0, compression = Uncompressed;
    if (headerSize == 12) {
        width = start[18] | start[19] << 8;
        height = start[20] | start[21] << 8;
        bits = start[24] | start[25] << 8;
    } else {
        if (start.size() < 34) return std::nullopt;
        width = ReadLe32(start, 18);
        height = std::abs(static_cast<std::int64_t>(ReadLe32(start, 22)));
        bits = start[28] | start[29] << 8;
        compression = ReadLe32(start, 30);
    }
    // Compressed rows have no size to check; the pixel bound holds for them.
    if (compression != Uncompressed && compression != BitFields && compression != AlphaBitFields)
        return fileSize;
    if (bits <= 0 || bits > 32) return std::nullopt;
    const std::uint64_t stride = static_cast<std::uint64_t>((width * bits + 31) / 32 * 4);
    const std::uint64_t used = dataAt + stride * static_cast<std::uint64_t>(height);
    if (used > fileSize) return std::nullopt;
    // Without a usable data offset a colour table may come first: all is read.
    return declaredAt ? used : fileSize;
}

std::optional<Image> DecodeBmpFile(std::span<const std::uint8_t> bytes) {
    if (!HeaderPlausible(bytes) || bytes.size() > INT_MAX) return std::nullopt;
    // A header that claims rows the bytes do not hold is refused before SDL
    // allocates the picture.
    if (!BmpBytesUsed(bytes, bytes.size())) return std::nullopt;
    if (IsUncompressed24(bytes)) return DecodeUncompressed24(bytes);
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!rw) return std::nullopt;
    Surface loaded(SDL_LoadBMP_RW(rw, 1));
    if (!loaded) return std::nullopt;
    Surface argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb || argb->w <= 0 || argb->h <= 0) return std::nullopt;

    Image out(argb->w, argb->h, 0);
    if (SDL_LockSurface(argb.get()) != 0) return std::nullopt;
    const auto* base = static_cast<const std::uint8_t*>(argb->pixels);
    for (int y = 0; y < out.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(base + static_cast<std::size_t>(y) * argb->pitch);
        std::copy(row, row + out.width, out.pixels.begin() + static_cast<std::ptrdiff_t>(y) * out.width);
    }
    SDL_UnlockSurface(argb.get());
    return out;
}

}  // namespace runtime::pictures
