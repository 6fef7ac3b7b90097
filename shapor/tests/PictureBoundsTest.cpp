#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shapor/PictureBounds.h"

namespace shapor {
namespace {

namespace fs = std::filesystem;

// A 24-bit bitmap file of w x h white pixels with one black box.
std::vector<std::uint8_t> BoxPicture(int w, int h, runtime::Rect box) {
    const int stride = (3 * w + 3) & ~3;
    std::vector<std::uint8_t> b(54 + static_cast<std::size_t>(stride * h), 0xFF);
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(6, 0);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    put32(26, 1 | 24 << 16);
    for (std::size_t at = 30; at < 54; at += 4) put32(at, 0);
    for (int y = box.y; y < box.y + box.height; ++y)
        for (int x = box.x; x < box.x + box.width; ++x)
            for (int c = 0; c < 3; ++c) b[54 + (h - 1 - y) * stride + 3 * x + c] = 0;
    return b;
}

class PictureBoundsTest : public ::testing::Test {
protected:
    PictureBoundsTest()
        : folder_(fs::temp_directory_path() / ("shapor-bounds-" + std::to_string(::getpid()))) {
        fs::create_directories(folder_);
    }
    ~PictureBoundsTest() override { fs::remove_all(folder_); }
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    fs::path folder_;
};

TEST_F(PictureBoundsTest, TheBoxAroundThePixelsThatAreNotWhite) {
    const runtime::Rect box{3, 5, 7, 2};
    EXPECT_EQ(InkedBounds(Write("box.bmp", BoxPicture(13, 11, box))), box);
}

TEST_F(PictureBoundsTest, NothingThatShowsGivesNoBounds) {
    const auto good = BoxPicture(8, 8, {1, 1, 2, 2});
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + 60);
    const std::string text = "not a picture at all";
    for (const auto& [name, bytes] :
         {std::pair{"white.bmp", BoxPicture(8, 8, {0, 0, 0, 0})}, std::pair{"cut.bmp", cut},
          std::pair{"text.bmp", std::vector<std::uint8_t>(text.begin(), text.end())},
          std::pair{"empty.bmp", std::vector<std::uint8_t>{}}}) {
        EXPECT_FALSE(InkedBounds(Write(name, bytes))) << name;
    }
    EXPECT_FALSE(InkedBounds((folder_ / "missing.bmp").string()));
}

}  // namespace
}  // namespace shapor
