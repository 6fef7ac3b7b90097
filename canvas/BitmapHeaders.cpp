#include "canvas/BitmapHeaders.h"

namespace canvas::raster {

namespace {

class LittleEndianWriter {
public:
    explicit LittleEndianWriter(std::span<std::uint8_t> out) : out_(out) {}
    void Put(std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out_[at_++] = static_cast<std::uint8_t>(value >> (8 * i));
    }

private:
    std::span<std::uint8_t> out_;
    std::size_t at_ = 0;
};

}  // namespace

void WriteHeaders(std::span<std::uint8_t> out, const BitmapFileHeaderRecord& file, const BitmapInfoHeaderRecord& info) {
    if (out.size() < 54) return;
    LittleEndianWriter w(out);
    w.Put(static_cast<std::uint8_t>(file.BfType[0]), 1);
    w.Put(static_cast<std::uint8_t>(file.BfType[1]), 1);
    w.Put(file.BfSize, 4);
    w.Put(file.BfReserved1, 2);
    w.Put(file.BfReserved2, 2);
    w.Put(file.BfOffBits, 4);
    w.Put(info.BiSize, 4);
    w.Put(static_cast<std::uint32_t>(info.BiWidth), 4);
    w.Put(static_cast<std::uint32_t>(info.BiHeight), 4);
    w.Put(info.BiPlanes, 2);
    w.Put(info.BiBitCount, 2);
    w.Put(info.BiCompression, 4);
    w.Put(info.BiSizeImage, 4);
    w.Put(static_cast<std::uint32_t>(info.BiXPixPerMeter), 4);
    w.Put(static_cast<std::uint32_t>(info.BiYPixPerMeter), 4);
    w.Put(info.BiColorUsed, 4);
    w.Put(info.BiColorImportant, 4);
}

}  // namespace canvas::raster
