#include "abacor/tests/Bmp.h"

#include <fstream>
#include <vector>

namespace abacor::testing {

namespace {
void Put(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
}  // namespace

void WriteBmp(const std::filesystem::path& path, int width, int height, std::uint32_t rgb) {
    const int padding = (-3 * width) & 3;
    const auto imageSize = static_cast<std::uint32_t>((3 * width + padding) * height);
    std::vector<char> out;
    out.push_back('B');
    out.push_back('M');
    Put(out, 54 + imageSize, 4);
    Put(out, 0, 4);
    Put(out, 54, 4);
    Put(out, 40, 4);
    Put(out, static_cast<std::uint32_t>(width), 4);
    Put(out, static_cast<std::uint32_t>(height), 4);
    Put(out, 1, 2);
    Put(out, 24, 2);
    Put(out, 0, 4);
    Put(out, imageSize, 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) Put(out, rgb, 3);  // blue, green, red
        Put(out, 0, padding);
    }
    std::ofstream(path, std::ios::binary)
        .write(out.data(), static_cast<std::streamsize>(out.size()));
}

}  // namespace abacor::testing
