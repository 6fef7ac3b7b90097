// Every picture the programs name: format, size, white ground, one object,
// no pale rim.
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Assets.h"
#include "Bmp.h"
#include "Picture.h"

namespace assetcheck {
namespace {

struct Limits {
    int minWidth, maxWidth, minHeight, maxHeight;
};

// Beads fill the bead trainer's 20 x 6 dialog-unit controls: about 35 x 10.5
// pixels in its window font. Shapes are at most 32 x 32, so that ten fit
// apart on the shape trainer's surface (and in the 22 x 25 unit controls).
constexpr Limits kBead{28, 35, 8, 10};
constexpr Limits kShape{20, 32, 16, 32};

struct Picture {
    std::string name;
    Limits limits;
};

void PrintTo(const Picture& p, std::ostream* os) { *os << p.name; }

std::vector<Picture> Pictures() {
    std::vector<Picture> all;
    for (const char* bead : {"beadblack.bmp", "beadred.bmp", "beadNeg.bmp"})
        all.push_back({bead, kBead});
    for (const char* shape :
         {"star1.bmp", "star2.bmp", "star3.bmp", "star4.bmp", "dino1.bmp", "dino2.bmp",
          "dino3.bmp", "rubik.bmp", "pyramid.bmp", "pyramid2.bmp", "pyramid3.bmp",
          "pyramid4.bmp", "penny.bmp", "nickel.bmp", "quarter.bmp"})
        all.push_back({shape, kShape});
    return all;
}

class PictureTest : public testing::TestWithParam<Picture> {
protected:
    Bmp Load() {
        const auto file = ReadAsset("data/" + GetParam().name);
        auto bmp = ParseBmp(file);
        if (!bmp) ADD_FAILURE() << GetParam().name << ": " << bmp.error;
        return bmp ? *bmp : Bmp{};
    }
};

TEST_P(PictureTest, IsTheBitmapLayoutThatImageReads) {
    // `Image` takes the pixels from offset 54, bottom row first.
    const Bmp bmp = Load();
    EXPECT_EQ(bmp.dataOffset, 54u);
    EXPECT_EQ(bmp.infoSize, 40u);
    EXPECT_TRUE(bmp.bottomUp);
}

TEST_P(PictureTest, FitsItsControls) {
    const Bmp bmp = Load();
    const Limits& l = GetParam().limits;
    EXPECT_GE(bmp.width, l.minWidth);
    EXPECT_LE(bmp.width, l.maxWidth);
    EXPECT_GE(bmp.height, l.minHeight);
    EXPECT_LE(bmp.height, l.maxHeight);
}

TEST_P(PictureTest, StandsOnWhite) {
    const Bmp bmp = Load();
    EXPECT_TRUE(BorderIsWhite(bmp));
}

TEST_P(PictureTest, IsOneWholeObject) {
    const Bmp bmp = Load();
    EXPECT_EQ(CountPieces(bmp), 1);
    // Not a speck either: the object fills most of its picture.
    const auto ink = InkBox(bmp);
    ASSERT_TRUE(ink);
    EXPECT_GE(ink->Width() * 4, bmp.width * 3);
    EXPECT_GE(ink->Height() * 4, bmp.height * 3);
}

TEST_P(PictureTest, HasNoPaleRim) {
    const Bmp bmp = Load();
    EXPECT_EQ(PaleEdgePixels(bmp), 0);
}

INSTANTIATE_TEST_SUITE_P(Assets, PictureTest, testing::ValuesIn(Pictures()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

class NumeralTest : public testing::TestWithParam<int> {};

TEST_P(NumeralTest, IsABlackNumeralInTheMiddleOfItsButton) {
    const int n = GetParam();
    const auto file = ReadAsset("builtin/" + std::to_string(n) + ".bmp");
    const auto bmp = ParseBmp(file);
    ASSERT_TRUE(bmp) << bmp.error;
    EXPECT_EQ(bmp->dataOffset, 54u);
    EXPECT_TRUE(bmp->bottomUp);
    ASSERT_EQ(bmp->width, 25);
    ASSERT_EQ(bmp->height, 28);
    EXPECT_TRUE(BorderIsWhite(*bmp));

    const auto ink = InkBox(*bmp);
    ASSERT_TRUE(ink);
    // Digits about 8 x 12 pixels, "10" about 16 x 12.
    EXPECT_NEAR(ink->Height(), 12, 1);
    EXPECT_NEAR(ink->Width(), n == 10 ? 16 : 8, n == 10 ? 2 : 3);
    EXPECT_NEAR(ink->x0 + ink->x1, bmp->width, 2) << "not centred across";
    EXPECT_NEAR(ink->y0 + ink->y1, bmp->height, 2) << "not centred down";

    int black = 0, grey = 0;
    for (const auto c : bmp->pixels) {
        const int r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
        EXPECT_TRUE(r == g && g == b) << "coloured pixel " << std::hex << c;
        if (c == 0) ++black;
        else if (c != kWhite) ++grey;
    }
    EXPECT_GT(black, 20) << "no solid black strokes";
    EXPECT_GT(grey, 5) << "no grey edge pixels";
}

INSTANTIATE_TEST_SUITE_P(Assets, NumeralTest, testing::Range(0, 11));

}  // namespace
}  // namespace assetcheck
