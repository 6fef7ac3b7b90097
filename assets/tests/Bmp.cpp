#include "Bmp.h"

#include <cstdlib>

namespace assetcheck {

namespace {
constexpr int kMaxSide = 4096;  // far beyond any asset; refuses absurd headers
}

Result<Bmp> ParseBmp(Bytes file) {
    if (file.size() < 54) return Result<Bmp>::Fail("shorter than a BMP header");
    if (file[0] != 'B' || file[1] != 'M') return Result<Bmp>::Fail("no \"BM\" signature");
    Bmp bmp;
    bmp.dataOffset = *Le32(file, 10);
    bmp.infoSize = *Le32(file, 14);
    const auto width = static_cast<std::int32_t>(*Le32(file, 18));
    const auto height = static_cast<std::int32_t>(*Le32(file, 22));
    if (bmp.infoSize < 40) return Result<Bmp>::Fail("info header smaller than 40 bytes");
    if (*Le16(file, 26) != 1) return Result<Bmp>::Fail("planes is not 1");
    if (*Le16(file, 28) != 24) return Result<Bmp>::Fail("not 24 bits per pixel");
    if (*Le32(file, 30) != 0) return Result<Bmp>::Fail("compressed");
    if (width <= 0 || width > kMaxSide || height == 0 || std::abs(height) > kMaxSide)
        return Result<Bmp>::Fail("width or height out of range");
    bmp.width = width;
    bmp.height = std::abs(height);
    bmp.bottomUp = height > 0;

    const std::size_t stride = (3 * static_cast<std::size_t>(bmp.width) + 3) & ~std::size_t{3};
    const std::size_t need = stride * bmp.height;
    if (bmp.dataOffset > file.size() || need > file.size() - bmp.dataOffset)
        return Result<Bmp>::Fail("pixel rows run past the end of the file");

    bmp.pixels.resize(static_cast<std::size_t>(bmp.width) * bmp.height);
    for (int row = 0; row < bmp.height; ++row) {
        const int y = bmp.bottomUp ? bmp.height - 1 - row : row;
        const std::uint8_t* p = file.data() + bmp.dataOffset + row * stride;
        for (int x = 0; x < bmp.width; ++x, p += 3)
            bmp.pixels[static_cast<std::size_t>(y) * bmp.width + x] =
                std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
    }
    return {std::move(bmp), {}};
}

}  // namespace assetcheck
