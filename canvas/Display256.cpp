// The 8-bit output mode: a paletted bitmap built from the 24-bit picture.
#include <algorithm>
#include <cstring>
#include <optional>

#include "canvas/BitmapHeaders.h"
#include "canvas/Draw.h"
#include "canvas/KeyRuns.h"
#include "canvas/Palette.h"
#include "canvas/Raster.h"

namespace canvas {

namespace {

std::uint8_t Pad8(std::int32_t width) { return static_cast<std::uint8_t>((4 - width % 4) % 4); }

std::size_t Size256(std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return raster::PaletteHeaderSize;
    return raster::PaletteHeaderSize +
           static_cast<std::size_t>(height) * (static_cast<std::size_t>(width) + Pad8(width));
}

}  // namespace

void Draw::Init256() {
    ZeroPad256 = Pad8(Width);
    BitmapFileData256.assign(Size256(Width, Height) + 1, 0);  // with a spare byte
    BufferSize256 = static_cast<std::int32_t>(BitmapFileData256.size());
    Colors256 = 1;
    Intialised256 = 1;
}

void Draw::Kill256() {
    Bytes().swap(BitmapFileData256);
    BufferSize256 = 0;
    Colors256 = 0;
    Intialised256 = 0;
}

void Draw::Create256() {
    if (!Intialised256) {
        ErrorTrap("256 Colour Drawing was not intialised", "Create256");
        return;
    }
    if (BitmapFileData == nullptr) return;
    BitCount = 8;
    ConvertTo256(*BitmapFileData, Width, Height, 2834);  // 72 dots per inch
}

void Draw::ConvertTo256(const Bytes& source, std::int32_t width, std::int32_t height, std::int32_t resolution) {
    // The 8-bit buffer was sized for the target at Init256; a picture of
    // another size gets a buffer of its own size rather than a short one.
    const std::size_t needed = Size256(width, height);
    if (BitmapFileData256.size() < needed) BitmapFileData256.resize(needed + 1);
    std::fill(BitmapFileData256.begin(), BitmapFileData256.end(), 0);
    BufferSize256 = static_cast<std::int32_t>(BitmapFileData256.size());
    ZeroPad256 = Pad8(width);

    const raster::ConstView from(source, width, height);
    const std::size_t stride8 = static_cast<std::size_t>(std::max(width, 0)) + ZeroPad256;
    raster::Palette palette;
    std::uint8_t* indices = BitmapFileData256.data() + raster::PaletteHeaderSize;
    for (std::int32_t r = 0; r < from.Height(); ++r) {
        const std::uint8_t* pixel = from.StoredRow(r);
        std::uint8_t* out = indices + static_cast<std::size_t>(r) * stride8;
        // A run of one colour costs one look-up, and its blocks of sixteen
        // pixels one comparison each.
        std::uint32_t previous = 0xFFFFFFFF;
        std::uint8_t index = 0;
        std::optional<raster::KeyColour> run;
        const auto count = static_cast<std::size_t>(from.Width());
        for (std::size_t x = 0; x < count;) {
            const std::uint32_t colour = pixel[3 * x] | (pixel[3 * x + 1] << 8) | (pixel[3 * x + 2] << 16);
            if (colour != previous) {
                index = palette.IndexOf(colour);
                previous = colour;
                run.reset();
            }
            out[x++] = index;
            if (x + 16 > count || std::memcmp(pixel + 3 * x, pixel + 3 * x - 3, 3) != 0) continue;
            if (!run) run.emplace(static_cast<std::int32_t>(((colour & 0xFF) << 16) | (colour & 0xFF00) | (colour >> 16)));
            for (; x + 16 <= count && run->Matches16(pixel + 3 * x); x += 16) std::memset(out + x, index, 16);
        }
    }

    std::uint8_t* table = BitmapFileData256.data() + raster::HeaderSize;
    for (std::size_t k = 0; k < palette.Size(); ++k) {
        const std::uint32_t colour = palette.At(k);
        table[4 * k] = static_cast<std::uint8_t>(colour);
        table[4 * k + 1] = static_cast<std::uint8_t>(colour >> 8);
        table[4 * k + 2] = static_cast<std::uint8_t>(colour >> 16);
    }

    const auto image = static_cast<std::uint32_t>(stride8 * static_cast<std::size_t>(std::max(height, 0)));
    BitmapFileHeaderRecord file;
    file.BfSize = image + static_cast<std::uint32_t>(raster::PaletteHeaderSize);
    file.BfOffBits = static_cast<std::uint32_t>(raster::PaletteHeaderSize);
    BitmapInfoHeaderRecord info;
    info.BiWidth = width;
    info.BiHeight = height;
    info.BiBitCount = 8;
    info.BiSizeImage = image;
    info.BiXPixPerMeter = resolution;
    info.BiYPixPerMeter = resolution;
    info.BiColorUsed = 256;
    raster::WriteHeaders(BitmapFileData256, file, info);
}

}  // namespace canvas
