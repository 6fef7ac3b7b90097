// Single pixels, clearing, and the screen metrics.
#include <cstring>

#include "canvas/Draw.h"
#include "canvas/Raster.h"

namespace canvas {

void Draw::PutPixel(std::int32_t X, std::int32_t Y, std::int32_t PCOLOR) {
    if (X < 1 || Y < 1 || (PenColor < 0 && PCOLOR < 0)) return;
    if (X > Width || Y > Height || BitmapFileData == nullptr) return;
    if (strideCache_.width != Width) strideCache_ = {Width, raster::Stride(Width)};
    const std::size_t offset = raster::HeaderSize +
                               static_cast<std::size_t>(Height - Y) * strideCache_.stride +
                               raster::BytesPerPixel * static_cast<std::size_t>(X - 1);
    // The buffer may hold fewer rows than Height claims only if a program
    // changed the fields by hand; never write past it.
    if (offset + raster::BytesPerPixel > BitmapFileData->size()) return;
    raster::CountWrite(*this);
    raster::Store(BitmapFileData->data() + offset, PCOLOR >= 0 ? PCOLOR : PenColor);
}

void Draw::Plot(std::int32_t X, std::int32_t Y, std::int32_t FLAG) {
    if (FLAG != 0) std::swap(X, Y);
    if (PenStyle == 0) {
        PutPixel(X, Y, -1);
        return;
    }
    if (StylePos > StyleLength || StylePos < 1) StylePos = 1;
    if (StylePattern[static_cast<std::size_t>(StylePos - 1)] != 0) PutPixel(X, Y, -1);
    ++StylePos;
}

std::int32_t Draw::GetImagePixel(std::int32_t X, std::int32_t Y) {
    const raster::ConstView target = raster::ReadTarget(*this);
    if (!target.Contains(X, Y)) return -1;
    return raster::Load(target.Pixel(X, Y));
}

std::int32_t Draw::GetPixel(std::int32_t X, std::int32_t Y) { return GetImagePixel(X, Y); }

std::int32_t Draw::GetDevicePixel(std::int32_t X, std::int32_t Y) {
    return static_cast<std::int32_t>(host_.ScreenPixel(X, Y));
}

void Draw::Blank(std::int32_t VAL) {
    if (BitmapFileData == nullptr) return;
    Bytes& buffer = *BitmapFileData;
    raster::CountWrite(*this);
    if (VAL <= 0) {
        std::memset(buffer.data(), 0, buffer.size());
        return;
    }
    if (VAL >= 0xFFFFFF || VAL == 1) {
        std::memset(buffer.data(), 0xFF, buffer.size());
        return;
    }
    // Any other colour: fill the top row, then copy it to every other row.
    // The header bytes stay as they were.
    const raster::View target = raster::Target(*this);
    if (target.Height() == 0) return;
    target.FillRow(1, 1, target.Width(), VAL);
    const std::uint8_t* top = target.Row(1);
    const std::size_t rowBytes = raster::BytesPerPixel * static_cast<std::size_t>(target.Width());
    for (std::int32_t y = 2; y <= target.Height(); ++y) std::memcpy(target.Row(y), top, rowBytes);
}

std::int32_t Draw::GetDeviceCaps(std::int32_t NINDEX) {
    // The index values of the desktop's device-capability query.
    enum : std::int32_t { HorzRes = 8, VertRes = 10, BitsPixel = 12, LogPixelsX = 88, LogPixelsY = 90 };
    const HostScreen screen = host_.Screen();
    if (NINDEX > 0) {
        switch (NINDEX) {
        case HorzRes: return screen.width;
        case VertRes: return screen.height;
        case BitsPixel: return screen.bitsPerPixel;
        case LogPixelsX: return screen.dotsPerInchX;
        case LogPixelsY: return screen.dotsPerInchY;
        default: return 0;
        }
    }
    HScreenRes = screen.dotsPerInchX;
    VScreenRes = screen.dotsPerInchY;
    FontResMult = static_cast<double>(HScreenRes) * VScreenRes / 5184.0;  // 72 x 72
    HScreenSize = screen.width;
    VScreenSize = screen.height;
    BitDepth = screen.bitsPerPixel;
    return 0;
}

std::int32_t Draw::ColorToRGB(std::int32_t COLOR) {
    return ((COLOR & 0xFF) << 16) + (COLOR & 0xFF00) + ((COLOR >> 16) & 0xFF);
}

std::int32_t Draw::Absolute(std::int32_t I, std::int32_t J, std::int32_t& SIGN) {
    SIGN = I - J < 0 ? -1 : 1;
    return (I - J) * SIGN;
}

void Draw::Swap(std::int32_t& A, std::int32_t& B) { std::swap(A, B); }

}  // namespace canvas
