#include "shapor/PictureBounds.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "runtime/Pictures.h"

namespace shapor {

namespace {
// Scene pictures are a few kilobytes; anything far larger is not one.
constexpr std::streamoff LargestFile = 4 << 20;
}  // namespace

std::optional<runtime::Rect> InkedBounds(std::string_view fileName) {
    std::ifstream file{std::string(fileName), std::ios::binary | std::ios::ate};
    if (!file) return std::nullopt;
    const std::streamoff length = file.tellg();
    if (length <= 0 || length > LargestFile) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), length)) return std::nullopt;

    const auto picture = runtime::PictureLibrary::DecodeBmp(bytes);
    if (!picture || picture->Empty()) return std::nullopt;
    int left = picture->width, top = picture->height, right = -1, bottom = -1;
    for (int y = 0; y < picture->height; ++y) {
        for (int x = 0; x < picture->width; ++x) {
            if ((picture->At(x, y) & 0xFFFFFF) == 0xFFFFFF) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return std::nullopt;
    return runtime::Rect{left, top, right - left + 1, bottom - top + 1};
}

}  // namespace shapor
