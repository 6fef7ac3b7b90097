#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <random>

#include "TestWindows.h"
#include "runtime/Pictures.h"
#include "runtime/PngFile.h"

namespace runtime::testing {
namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// An icon's bitmap: BITMAPINFOHEADER, rows bottom-up, then the AND mask.
// 24-bit pixels are `rgb` with the left column masked out; 32-bit pixels
// carry alpha 0x80 and no mask bits.
std::vector<std::uint8_t> IconDib(int size, int bits, std::uint32_t rgb) {
    const int colourStride = (size * bits / 8 + 3) & ~3, maskStride = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> b(40 + static_cast<std::size_t>((colourStride + maskStride) * size), 0);
    Put32(b, 0, 40);
    Put32(b, 4, static_cast<std::uint32_t>(size));
    Put32(b, 8, static_cast<std::uint32_t>(size * 2));
    Put16(b, 12, 1);
    Put16(b, 14, static_cast<std::uint32_t>(bits));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const std::size_t at = 40 + static_cast<std::size_t>(y * colourStride + x * bits / 8);
            b[at] = rgb & 0xFF;
            b[at + 1] = rgb >> 8 & 0xFF;
            b[at + 2] = rgb >> 16 & 0xFF;
            if (bits == 32) b[at + 3] = 0x80;
        }
    if (bits == 24)
        for (int y = 0; y < size; ++y) b[40 + static_cast<std::size_t>(colourStride * size + y * maskStride)] = 0x80;
    return b;
}

std::vector<std::uint8_t> Ico(const std::vector<std::pair<int, std::vector<std::uint8_t>>>& entries) {
    std::vector<std::uint8_t> b(6 + 16 * entries.size(), 0);
    Put16(b, 2, 1);
    Put16(b, 4, static_cast<std::uint32_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& [size, data] = entries[i];
        const std::size_t at = 6 + 16 * i;
        b[at] = b[at + 1] = static_cast<std::uint8_t>(size % 256);
        Put16(b, at + 4, 1);
        Put16(b, at + 6, 32);
        Put32(b, at + 8, static_cast<std::uint32_t>(data.size()));
        Put32(b, at + 12, static_cast<std::uint32_t>(b.size()));
        b.insert(b.end(), data.begin(), data.end());
    }
    return b;
}

class Pictures : public ::testing::Test {
protected:
    WorkingFolder folder;
    PictureLibrary library;
};

TEST_F(Pictures, BuiltInPicturesComeBeforeFilesOfTheSameName) {
    static const std::vector<std::uint8_t> red = SolidBmp(2, 2, 0xFF0000);
    static const EmbeddedFile builtIn[] = {{"0.bmp", red}};
    WriteFile("0.bmp", SolidBmp(3, 3, 0x0000FF));
    WriteFile("1.bmp", SolidBmp(3, 3, 0x0000FF));
    library.AddBuiltIn(builtIn);

    auto zero = library.Load("0.bmp");
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->width, 2);
    EXPECT_EQ(zero->At(0, 0), 0xFFFF0000u);
    auto one = library.Load("1.bmp");
    ASSERT_TRUE(one);
    EXPECT_EQ(one->At(0, 0), 0xFF0000FFu);
    EXPECT_EQ(library.Load("1.bmp"), one);  // cached
    EXPECT_FALSE(library.Load("2.bmp"));
    EXPECT_FALSE(library.Load(""));

    // A file that appears later is found; a forgotten file is read again.
    WriteFile("2.bmp", SolidBmp(1, 1, 0));
    EXPECT_TRUE(library.Load("2.bmp"));
    WriteFile("1.bmp", SolidBmp(5, 5, 0));
    library.ForgetFiles();
    EXPECT_EQ(library.Load("1.bmp")->width, 5);
    EXPECT_EQ(library.Load("0.bmp")->width, 2);  // built-in stays
}

TEST_F(Pictures, DamagedBitmapsAreNoPicture) {
    const std::vector<std::uint8_t> good = SolidBmp(8, 8, 0x808080);
    std::vector<std::uint8_t> truncated(good.begin(), good.begin() + 60);
    std::vector<std::uint8_t> huge = good;
    Put32(huge, 18, 100000);
    Put32(huge, 22, 100000);
    std::vector<std::uint8_t> negativeWidth = good;
    Put32(negativeWidth, 18, 0xFFFFFFF0);
    std::vector<std::uint8_t> badBits = good;
    Put16(badBits, 28, 13);
    const std::vector<std::vector<std::uint8_t>> cases = {
        {}, {'B'}, {'B', 'M'}, truncated, huge, negativeWidth, badBits, std::vector<std::uint8_t>(200, 0xFF),
    };
    EXPECT_TRUE(PictureLibrary::DecodeBmp(good));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_FALSE(PictureLibrary::DecodeBmp(cases[i])) << "case " << i;
        WriteFile("bad.bmp", cases[i]);
        library.ForgetFiles();
        EXPECT_FALSE(library.Load("bad.bmp")) << "case " << i;
    }
}

// Files that are there but hostile: each is no picture, refused from its
// header or its type, without reading or allocating what it claims.
TEST_F(Pictures, HostileFilesAreNoPicture) {
    std::vector<std::uint8_t> claimsHuge =
        SolidBmp(8, 8, 0x808080);  // 1 KB of a 4096 x 4096 picture
    claimsHuge.resize(1024);
    Put32(claimsHuge, 18, 4096);
    Put32(claimsHuge, 22, 4096);
    std::vector<std::uint8_t> claimsHugeTopDown = claimsHuge;
    Put32(claimsHugeTopDown, 22, static_cast<std::uint32_t>(-4096));
    std::vector<std::uint8_t> beyondTheBound = SolidBmp(8, 8, 0x808080);  // 16384 x 4096 at 24 bits
    Put32(beyondTheBound, 18, 16384);
    Put32(beyondTheBound, 22, 4096);
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"a small file claiming 4096 x 4096", claimsHuge},
        {"the same, rows top-down", claimsHugeTopDown},
        {"a header claiming 16384 x 4096", beyondTheBound},
        {"a whole picture one pixel wider than the bound", SolidBmp(4097, 1, 0x808080)},
        {"a whole picture one pixel taller than the bound", SolidBmp(1, 4097, 0x808080)},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(PictureLibrary::DecodeBmp(c.bytes)) << c.what;
        WriteFile("hostile.bmp", c.bytes);
        library.ForgetFiles();
        EXPECT_FALSE(library.Load("hostile.bmp")) << c.what;
    }
    // The largest picture allowed still shows.
    WriteFile("largest.bmp", SolidBmp(4096, 2, 0x808080));
    EXPECT_TRUE(library.Load("largest.bmp"));

    // A FIFO nobody writes to, a folder and a device: refused at once, never waited on.
    ASSERT_EQ(mkfifo("fifo.bmp", 0600), 0);
    std::filesystem::create_directory("folder.bmp");
    std::filesystem::create_symlink("/dev/zero", "device.bmp");
    for (const char* name : {"fifo.bmp", "folder.bmp", "device.bmp"})
        EXPECT_FALSE(library.Load(name)) << name;
}

// Rows bottom-up or top-down, and rows that start where the data-offset
// field says, each pixel in its place.
TEST_F(Pictures, BitmapRowsLandWhereTheyBelong) {
    auto picture = [](bool topDown, std::uint32_t gap) {
        std::vector<std::uint8_t> b = SolidBmp(3, 2, 0);
        b.insert(b.begin() + 54, gap, 0xAA);
        Put32(b, 10, 54 + gap);
        if (topDown) Put32(b, 22, static_cast<std::uint32_t>(-2));
        for (int row = 0; row < 2; ++row)
            for (int x = 0; x < 3; ++x) {
                const std::size_t at = 54 + gap + static_cast<std::size_t>(row * 12 + x * 3);
                b[at] = static_cast<std::uint8_t>(x);        // blue: the column
                b[at + 2] = static_cast<std::uint8_t>(row);  // red: the row as stored
            }
        return b;
    };
    for (const bool topDown : {false, true})
        for (const std::uint32_t gap : {0u, 10u}) {
            const auto decoded = PictureLibrary::DecodeBmp(picture(topDown, gap));
            ASSERT_TRUE(decoded) << topDown << " " << gap;
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x) {
                    const std::uint32_t storedRow = topDown ? y : 1 - y;
                    EXPECT_EQ(decoded->At(x, y),
                              0xFF000000u | storedRow << 16 | static_cast<std::uint32_t>(x))
                        << topDown << " " << gap << " at " << x << "," << y;
                }
        }
}

// A bitmap padded far beyond its rows is read only as far as its rows go.
TEST_F(Pictures, PaddingAfterTheRowsIsNotRead) {
    std::vector<std::uint8_t> padded = SolidBmp(3, 2, 0x0000FF);
    padded.resize(70 * 1024 * 1024, 0xEE);  // more than any picture file may hold
    WriteFile("padded.bmp", padded);
    const auto picture = library.Load("padded.bmp");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->At(2, 1), 0xFF0000FFu);
}

// A damaged file is remembered as damaged, but only while it stays the same.
TEST_F(Pictures, ADamagedFileIsReadAgainOnceItChanges) {
    WriteFile("bead.bmp", {'B', 'M', 0, 0});
    EXPECT_FALSE(library.Load("bead.bmp"));
    EXPECT_FALSE(library.Load("bead.bmp"));
    WriteFile("bead.bmp", SolidBmp(2, 2, 0));
    EXPECT_TRUE(library.Load("bead.bmp"));
}

// Pictures no control holds any more are kept only up to a budget, oldest
// out first; the pictures in use always stay.
TEST_F(Pictures, UnusedPicturesAreKeptWithinABudget) {
    std::vector<std::shared_ptr<const Image>> held;
    std::vector<std::weak_ptr<const Image>> loaded;
    for (int i = 0; i < 8; ++i) {
        const std::string name = "big" + std::to_string(i) + ".bmp";
        WriteFile(name, SolidBmp(2048, 1024, static_cast<std::uint32_t>(i)));  // 8 MB decoded
        auto picture = library.Load(name);
        ASSERT_TRUE(picture);
        loaded.push_back(picture);
        if (i < 2) held.push_back(picture);
    }
    // Loading the eighth left five unused ones, 40 MB: the oldest of them went.
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(loaded[static_cast<std::size_t>(i)].expired(), i == 2) << i;
    EXPECT_EQ(library.Load("big0.bmp"), held[0]);
}

TEST_F(Pictures, IconTakesItsLargestEntry) {
    Image png(20, 20, 0xFF00FF00);
    ASSERT_TRUE(WritePng(png, "entry.png"));
    WriteFile("working.ico", Ico({{16, IconDib(16, 24, 0xFF0000)}, {20, ReadFile("entry.png")}, {8, IconDib(8, 32, 0)}}));
    auto icon = library.Load("working.ico");
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->width, 20);
    EXPECT_EQ(icon->At(5, 5), 0xFF00FF00u);
}

TEST_F(Pictures, IconBitmapsUseTheirMaskOrAlpha) {
    WriteFile("masked.ico", Ico({{16, IconDib(16, 24, 0xFF0000)}}));
    auto masked = library.Load("masked.ico");
    ASSERT_TRUE(masked);
    EXPECT_EQ(masked->width, 16);
    EXPECT_EQ(masked->height, 16);
    EXPECT_EQ(masked->At(0, 3), 0u);  // masked out: transparent
    EXPECT_EQ(masked->At(1, 3), 0xFFFF0000u);

    WriteFile("alpha.ico", Ico({{8, IconDib(8, 32, 0x0000FF)}}));
    auto alpha = library.Load("alpha.ico");
    ASSERT_TRUE(alpha);
    EXPECT_EQ(alpha->At(0, 0), 0x800000FFu);
}

TEST_F(Pictures, DamagedIconsAreNoPicture) {
    const std::vector<std::uint8_t> good = Ico({{16, IconDib(16, 24, 0xFF0000)}});
    std::vector<std::uint8_t> offsetOutside = good;
    Put32(offsetOutside, 6 + 12, 100000);
    std::vector<std::uint8_t> sizeOutside = good;
    Put32(sizeOutside, 6 + 8, 0xFFFFFFF0);
    std::vector<std::uint8_t> noEntries = good;
    Put16(noEntries, 4, 0);
    std::vector<std::uint8_t> manyEntries = good;
    Put16(manyEntries, 4, 500);
    std::vector<std::uint8_t> truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
    std::vector<std::uint8_t> hugeDib = good;
    Put32(hugeDib, 22 + 4, 1 << 20);
    std::vector<std::uint8_t> badBits = good;
    Put16(badBits, 22 + 14, 7);
    const std::vector<std::vector<std::uint8_t>> cases = {
        {0, 0, 1, 0}, offsetOutside, sizeOutside, noEntries, manyEntries, truncated, hugeDib, badBits,
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        WriteFile("bad.ico", cases[i]);
        library.ForgetFiles();
        EXPECT_FALSE(library.Load("bad.ico")) << "case " << i;
    }
}

// Damaged copies of good files: each decodes or is refused, and nothing is
// read outside the bytes (the sanitizer build checks that).
TEST_F(Pictures, MutatedFilesNeverCrashTheDecoders) {
    Image png(6, 5, 0xFF204060);
    ASSERT_TRUE(WritePng(png, "good.png"));
    const std::vector<std::vector<std::uint8_t>> originals = {
        SolidBmp(7, 5, 0x102030),
        Ico({{16, IconDib(16, 24, 0xFF0000)}, {8, IconDib(8, 32, 0x00FF00)}}),
        Ico({{6, ReadFile("good.png")}}),
        ReadFile("good.png"),
    };
    std::mt19937 random(12345);
    for (const auto& original : originals) {
        for (int round = 0; round < 300; ++round) {
            std::vector<std::uint8_t> bytes = original;
            const int changes = 1 + static_cast<int>(random() % 4);
            for (int i = 0; i < changes; ++i) bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
            if (round % 3 == 0) bytes.resize(random() % bytes.size());
            WriteFile("mutated", bytes);
            library.ForgetFiles();
            if (auto picture = library.Load("mutated")) {
                EXPECT_EQ(picture->pixels.size(), static_cast<std::size_t>(picture->width) * picture->height);
            }
        }
    }
}

TEST_F(Pictures, PngIsWrittenAndReadBack) {
    Image image(3, 2, 0xFF000000);
    image.At(0, 0) = 0xFFFF0000;
    image.At(2, 1) = 0x800000FF;
    ASSERT_TRUE(WritePng(image, "out.png"));
    const auto bytes = ReadFile("out.png");
    auto back = DecodePng(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 3);
    EXPECT_EQ(back->pixels, image.pixels);
    EXPECT_FALSE(DecodePng(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 30)));
    EXPECT_FALSE(WritePng(Image(), "empty.png"));
    EXPECT_FALSE(WritePng(image, "no/such/folder/out.png"));
}

}  // namespace
}  // namespace runtime::testing
