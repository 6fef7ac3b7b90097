#include "Ico.h"

#include <cstring>

namespace assetcheck {

namespace {

using Images = std::vector<IcoImage>;
constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t Be32(Bytes b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
           std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

}  // namespace

Result<Images> ParseIco(Bytes file) {
    if (file.size() < 6 || *Le16(file, 0) != 0 || *Le16(file, 2) != 1)
        return Result<Images>::Fail("not an icon file");
    const std::size_t count = *Le16(file, 4);
    if (count == 0) return Result<Images>::Fail("no images");
    if (6 + 16 * count > file.size()) return Result<Images>::Fail("directory runs past the end");

    Images images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        IcoImage image;
        image.width = file[entry] ? file[entry] : 256;  // 0 stands for 256
        image.height = file[entry + 1] ? file[entry + 1] : 256;
        image.bits = static_cast<int>(*Le16(file, entry + 6));
        const std::size_t size = *Le32(file, entry + 8);
        const std::size_t offset = *Le32(file, entry + 12);
        if (offset > file.size() || size > file.size() - offset || size < 40)
            return Result<Images>::Fail("image " + std::to_string(i) + " lies outside the file");
        const Bytes data = file.subspan(offset, size);
        int width = 0, height = 0;
        if (std::memcmp(data.data(), kPngSignature, 8) == 0) {
            if (size < 24 || std::memcmp(data.data() + 12, "IHDR", 4) != 0)
                return Result<Images>::Fail("image " + std::to_string(i) + ": bad PNG");
            image.png = true;
            width = static_cast<int>(Be32(data, 16));
            height = static_cast<int>(Be32(data, 20));
        } else {
            if (*Le32(data, 0) != 40)
                return Result<Images>::Fail("image " + std::to_string(i) + ": bad bitmap header");
            width = static_cast<int>(*Le32(data, 4));
            // A bitmap's height counts its colour rows and its mask rows.
            height = static_cast<int>(*Le32(data, 8)) / 2;
        }
        if (width != image.width || height != image.height)
            return Result<Images>::Fail("image " + std::to_string(i) +
                                        " differs in size from its directory entry");
        images.push_back(image);
    }
    return {std::move(images), {}};
}

}  // namespace assetcheck
