// The one place of the core that uses SDL: its BMP reader knows every
// variant of the format. No video or audio is initialised for it.
#include <SDL.h>
#include <climits>
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

}  // namespace

std::optional<Image> DecodeBmpFile(std::span<const std::uint8_t> bytes) {
    if (!HeaderPlausible(bytes) || bytes.size() > INT_MAX) return std::nullopt;
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
