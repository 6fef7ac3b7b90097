#pragma once

// Small bitmap files made in the test, and a folder to put them in.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace canvas::testing {

using FileBytes = std::vector<std::uint8_t>;

inline void PutLe(FileBytes& b, std::size_t at, std::uint32_t v, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A 24-bit bitmap file, rows bottom row first; colour(x, y) with (0, 0) the
// top-left pixel, red in the low byte.
inline FileBytes Bitmap24(std::int32_t width, std::int32_t height,
                          const std::function<std::int32_t(std::int32_t, std::int32_t)>& colour) {
    const std::size_t stride = (3 * static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    FileBytes b(54 + stride * static_cast<std::size_t>(height), 0);
    b[0] = 'B';
    b[1] = 'M';
    PutLe(b, 2, static_cast<std::uint32_t>(b.size()));
    PutLe(b, 10, 54);
    PutLe(b, 14, 40);
    PutLe(b, 18, static_cast<std::uint32_t>(width));
    PutLe(b, 22, static_cast<std::uint32_t>(height));
    PutLe(b, 26, 1, 2);
    PutLe(b, 28, 24, 2);
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(height - 1 - y) * stride + 3 * static_cast<std::size_t>(x);
            const auto c = static_cast<std::uint32_t>(colour(x, y));
            b[at] = static_cast<std::uint8_t>(c >> 16);
            b[at + 1] = static_cast<std::uint8_t>(c >> 8);
            b[at + 2] = static_cast<std::uint8_t>(c);
        }
    return b;
}

// An 8-bit bitmap file with the given colour table (red in the low byte).
inline FileBytes Bitmap8(std::int32_t width, std::int32_t height, const std::vector<std::int32_t>& table,
                         const std::function<std::uint8_t(std::int32_t, std::int32_t)>& index) {
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    const std::size_t data = 54 + 4 * table.size();
    FileBytes b(data + stride * static_cast<std::size_t>(height), 0);
    b[0] = 'B';
    b[1] = 'M';
    PutLe(b, 2, static_cast<std::uint32_t>(b.size()));
    PutLe(b, 10, static_cast<std::uint32_t>(data));
    PutLe(b, 14, 40);
    PutLe(b, 18, static_cast<std::uint32_t>(width));
    PutLe(b, 22, static_cast<std::uint32_t>(height));
    PutLe(b, 26, 1, 2);
    PutLe(b, 28, 8, 2);
    PutLe(b, 46, static_cast<std::uint32_t>(table.size()));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto c = static_cast<std::uint32_t>(table[i]);
        b[54 + 4 * i] = static_cast<std::uint8_t>(c >> 16);
        b[55 + 4 * i] = static_cast<std::uint8_t>(c >> 8);
        b[56 + 4 * i] = static_cast<std::uint8_t>(c);
    }
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x)
            b[data + static_cast<std::size_t>(height - 1 - y) * stride + static_cast<std::size_t>(x)] = index(x, y);
    return b;
}

// A folder of its own for one test's files, removed afterwards.
class PictureFolder {
public:
    PictureFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::path(::testing::TempDir()) /
                (std::string("korvanda-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~PictureFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    std::string Write(const std::string& name, const FileBytes& bytes) const {
        const std::string file = (path_ / name).string();
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        return file;
    }
    std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace canvas::testing
