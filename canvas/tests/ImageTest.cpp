#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include <cstdint>
#include <set>
#include <string>

#include "canvas/tests/BitmapBytes.h"
#include "canvas/tests/FigureCanvas.h"

namespace canvas {
namespace {

using testing::FigureCanvas;
using testing::FileBytes;
using testing::Pixel;
using testing::PictureFolder;
using testing::Rect;

constexpr std::int32_t White = 0xFFFFFF;
constexpr std::int32_t Ground = 0x336699;  // the scene under the pictures
constexpr std::int32_t Red = 0x0000FF;

// A red cross on white, 7 x 7: the shape trainer's kind of picture.
std::int32_t Star(std::int32_t x, std::int32_t y) { return x == 3 || y == 3 ? Red : White; }
// Every pixel different: colour from its place.
std::int32_t Gradient(std::int32_t x, std::int32_t y) { return (x << 16) | (y << 8) | 0x80; }

class ImageTest : public ::testing::Test {
protected:
    PictureFolder folder;
    FigureCanvas canvas{40, 30, Ground};

    std::int32_t Place(const std::string& file, std::int32_t x, std::int32_t y, std::int32_t mask,
                       std::int32_t w = 0, std::int32_t h = 0, std::int32_t flag = -1) {
        return canvas.draw.Image(x, y, w, h, file, flag, mask);
    }
    // Pixels the 30 x 20 gradient picture at (x, y) should leave on the canvas.
    void ExpectGradientAt(std::int32_t x, std::int32_t y) {
        for (std::int32_t cy = 1; cy <= 30; ++cy)
            for (std::int32_t cx = 1; cx <= 40; ++cx) {
                const std::int32_t px = cx - x, py = cy - y;
                const bool inside = px >= 0 && px < 30 && py >= 0 && py < 20;
                ASSERT_EQ(canvas.At(cx, cy), inside ? Gradient(px, py) : Ground) << cx << ", " << cy;
            }
    }
};

TEST_F(ImageTest, ColourKeyLeavesTheSceneShowingThroughTheWhiteGround) {
    const std::string star = folder.Write("star1.bmp", testing::Bitmap24(7, 7, Star));
    EXPECT_EQ(Place(star, 10, 10, White), 0);
    std::set<Pixel> cross;
    for (const Pixel& p : Rect(10, 10, 16, 16))
        if (p.first == 13 || p.second == 13) cross.insert(p);
    EXPECT_EQ(canvas.PixelsOf(Red), cross);
    EXPECT_EQ(canvas.PixelsNot(Ground), cross);
    EXPECT_TRUE(canvas.host.messages.empty());
}

TEST_F(ImageTest, WithoutColourKeyThePictureCoversItsRectangle) {
    const std::string star = folder.Write("star1.bmp", testing::Bitmap24(7, 7, Star));
    Place(star, 10, 10, -1);
    EXPECT_EQ(canvas.PixelsNot(Ground), Rect(10, 10, 16, 16));
    EXPECT_EQ(canvas.PixelsOf(White).size(), 49u - 13u);
}

TEST_F(ImageTest, KeyComparisonIsExact) {
    const std::string file = folder.Write("near.bmp", testing::Bitmap24(2, 1, [](std::int32_t x, std::int32_t) {
        return x == 0 ? 0xFEFFFF : White;
    }));
    Place(file, 1, 1, White);
    EXPECT_EQ(canvas.At(1, 1), 0xFEFFFF);
    EXPECT_EQ(canvas.At(2, 1), Ground);
}

TEST_F(ImageTest, PictureIsCutAtEachEdge) {
    const std::string file = folder.Write("gradient.bmp", testing::Bitmap24(30, 20, Gradient));
    struct Case {
        const char* name;
        std::int32_t x, y;
    } const cases[] = {
        {"inside", 3, 4},      {"right edge: 6 columns", 40 - 5, 1}, {"top edge: 10 bottom rows", 1, -9},
        {"left edge", -4, 1},  {"bottom edge", 2, 25},               {"beyond the right", 41, 1},
        {"beyond the bottom", 1, 31}, {"far off", -100000, 2000000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        canvas.draw.Blank(Ground);
        for (std::int32_t mask : {-1, White}) {
            EXPECT_EQ(Place(file, c.x, c.y, mask), 0);
            ExpectGradientAt(c.x, c.y);
        }
    }
}

TEST_F(ImageTest, SizeArgumentsDoNothingWithoutTiling) {
    const std::string file = folder.Write("gradient.bmp", testing::Bitmap24(30, 20, Gradient));
    Place(file, 3, 4, -1, 500, 500, 0);
    ExpectGradientAt(3, 4);
}

TEST_F(ImageTest, TwentyFourBitRowsAlwaysStartAfterTheHeader) {
    FileBytes bytes = testing::Bitmap24(30, 20, Gradient);
    testing::PutLe(bytes, 10, 1078);
    Place(folder.Write("offset.bmp", bytes), 3, 4, -1);
    ExpectGradientAt(3, 4);
}

TEST_F(ImageTest, FilesThatCannotBeDrawnAreReported) {
    struct Case {
        const char* name;
        FileBytes bytes;
        std::string report;  // after "An error occured in "
    };
    FileBytes deep = testing::Bitmap24(4, 4, Gradient);
    deep[28] = 32;
    FileBytes wide = testing::Bitmap24(4, 4, Gradient);
    testing::PutLe(wide, 18, 70000);
    FileBytes backwards = testing::Bitmap24(4, 4, Gradient);
    testing::PutLe(backwards, 18, static_cast<std::uint32_t>(-4));
    const std::string text = "A picture is worth a thousand words, but this is a text file.";
    const Case cases[] = {
        {"text", FileBytes(text.begin(), text.end()), "Image, error: @ is not a valid image file, or is of an unknown type"},
        {"empty", {}, "Image, error: @ is not a valid image file, or is of an unknown type"},
        {"short header", FileBytes{'B', 'M', 0, 0}, "Image, error: @ is not a valid image file, or is of an unknown type"},
        {"32 bits", deep, "Image, error: Sorry, but @ contains an unsupported number of colors."},
        {"too wide", wide, "Image, error: @ has a width or height that cannot be drawn."},
        {"negative width", backwards, "Image, error: @ has a width or height that cannot be drawn."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = folder.Write("picture.bmp", c.bytes);
        canvas.host.messages.clear();
        EXPECT_EQ(Place(file, 1, 1, -1), 0);
        std::string expected = "An error occured in " + c.report;
        expected.replace(expected.find('@'), 1, file);
        EXPECT_EQ(canvas.LastMessage(), expected);
        EXPECT_TRUE(canvas.PixelsNot(Ground).empty());
    }
}

TEST_F(ImageTest, MissingFileReturnsTheSystemsErrorCode) {
    const std::string missing = folder.PathOf("missing.bmp");
    EXPECT_NE(Place(missing + "   ", 1, 1, -1), 0);  // trailing blanks are not part of the name
    EXPECT_EQ(canvas.LastMessage(), "An error occured in Image() - places and image from a file in the imagecontrol, "
                                    "error: Unable to open bitmap file: " + missing +
                                        ", file may be missing or filename may be incorrect");
    EXPECT_NE(Place(folder.PathOf(""), 1, 1, -1), 0);  // a folder is no picture
    EXPECT_TRUE(canvas.PixelsNot(Ground).empty());
}

TEST_F(ImageTest, ReadOnlyPicturesAreDrawn) {
    const std::string star = folder.Write("star1.bmp", testing::Bitmap24(7, 7, Star));
    ASSERT_EQ(::chmod(star.c_str(), 0444), 0);
    EXPECT_EQ(Place(star, 10, 10, White), 0);
    EXPECT_EQ(canvas.PixelsOf(Red).size(), 13u);
}

TEST_F(ImageTest, TruncatedFileDrawsTheRowsItHolds) {
    FileBytes bytes = testing::Bitmap24(30, 20, Gradient);
    bytes.resize(54 + 92 * 5 + 90);  // five whole rows, the sixth without its pad
    const std::string file = folder.Write("short.bmp", bytes);
    EXPECT_EQ(Place(file, 1, 1, -1), 0);
    EXPECT_EQ(canvas.PixelsNot(Ground), Rect(1, 15, 30, 20));  // the six bottom rows
    EXPECT_EQ(canvas.At(1, 20), Gradient(0, 19));
    EXPECT_EQ(canvas.LastMessage(), "An error occured in Image, error: " + file +
                                        " is shorter than its header says, only the rows it holds were drawn.");
}

TEST_F(ImageTest, TopDownFileIsDrawnUpright) {
    FileBytes bytes = testing::Bitmap24(30, 20, [](std::int32_t x, std::int32_t y) { return Gradient(x, 19 - y); });
    testing::PutLe(bytes, 22, static_cast<std::uint32_t>(-20));
    const std::string file = folder.Write("topdown.bmp", bytes);
    Place(file, 3, 4, -1);
    ExpectGradientAt(3, 4);
    // Keyed, and cut at the top and bottom: the key's pixel keeps the ground.
    canvas.draw.Blank(Ground);
    Place(file, 3, -2, Gradient(5, 7));
    Place(file, 3, 25, Gradient(5, 7));
    for (const Pixel& p : Rect(1, 1, 40, 30)) {
        const std::int32_t px = p.first - 3, py = p.second < 20 ? p.second + 2 : p.second - 25;
        const bool inside = px >= 0 && px < 30 && py >= 0 && py < 20 && (p.second <= 17 || p.second >= 25);
        const bool keyed = px == 5 && py == 7;
        ASSERT_EQ(canvas.At(p.first, p.second), inside && !keyed ? Gradient(px, py) : Ground) << p.first << ", " << p.second;
    }
}

TEST_F(ImageTest, EightBitFileIsDrawnThroughItsColourTable) {
    const std::vector<std::int32_t> table = {White, Red, 0x00FF00};
    const FileBytes bytes = testing::Bitmap8(5, 3, table, [](std::int32_t x, std::int32_t y) {
        return static_cast<std::uint8_t>(x == 4 ? 7 : (x + y) % 3);  // index 7 lies beyond the table
    });
    Place(folder.Write("indexed.bmp", bytes), 2, 2, White);  // the key is not consulted
    for (std::int32_t y = 0; y < 3; ++y)
        for (std::int32_t x = 0; x < 5; ++x)
            EXPECT_EQ(canvas.At(2 + x, 2 + y), x == 4 ? 0 : table[static_cast<std::size_t>((x + y) % 3)]);
}

TEST_F(ImageTest, TilingCoversTheAreaAndKeepsTheTarget) {
    const std::string star = folder.Write("star1.bmp", testing::Bitmap24(7, 7, Star));
    EXPECT_EQ(Place(star, 3, 2, White, 14, 10, 1), 0);
    for (const Pixel& p : Rect(1, 1, 40, 30)) {
        const bool inArea = p.first >= 3 && p.first <= 16 && p.second >= 2 && p.second <= 11;
        const bool onCross = (p.first - 3) % 7 == 3 || (p.second - 2) % 7 == 3;
        ASSERT_EQ(canvas.At(p.first, p.second), inArea && onCross ? Red : Ground) << p.first << ", " << p.second;
    }
    EXPECT_EQ(canvas.draw.ActiveLayer, 1);
    EXPECT_EQ(canvas.draw.BitmapFileData, &canvas.draw.Layers[0].BitmapData);
    EXPECT_EQ(canvas.draw.LayerMode(255, ModeHidden), 1);
}

TEST_F(ImageTest, TilingAreaBeyondTheCanvas) {
    const std::string star = folder.Write("star1.bmp", testing::Bitmap24(7, 7, Star));
    EXPECT_EQ(Place(star, 41, 2, White, 10, 10, 1), 1);
    EXPECT_EQ(Place(star, 2, 31, White, 10, 10, 1), 1);
    EXPECT_EQ(Place(star, 50, 40, White, -15, -15, 1), 0);  // mirrored back onto the canvas
    EXPECT_FALSE(canvas.PixelsOf(Red).empty());
}

// Pictures installed long ago, as a program's are: the canvas keeps what it
// read of them. Their times are set back by an hour.
void Age(const std::string& file, std::filesystem::file_time_type when) {
    std::filesystem::last_write_time(file, when);
}
std::filesystem::file_time_type AnHourAgo() { return std::filesystem::file_time_type::clock::now() - std::chrono::hours(1); }

TEST_F(ImageTest, APictureReadBeforeIsPlacedAsTheFirstTime) {
    const std::string star = folder.Write("star1.bmp", testing::Bitmap24(7, 7, Star));
    Age(star, AnHourAgo());
    FileBytes bytes = testing::Bitmap24(30, 20, Gradient);
    bytes.resize(54 + 92 * 5 + 90);
    const std::string shortFile = folder.Write("short.bmp", bytes);
    Age(shortFile, AnHourAgo());
    for (int pass = 0; pass < 3; ++pass) {
        SCOPED_TRACE(pass);
        canvas.draw.Blank(Ground);
        canvas.host.messages.clear();
        EXPECT_EQ(Place(star, 10, 10, White), 0);
        EXPECT_EQ(Place(star, -3, 27, White), 0);  // cut on two sides
        EXPECT_EQ(Place(star, 20, 2, -1), 0);      // the same picture unkeyed
        EXPECT_EQ(Place(star, 30, 12, White, 9, 8, 1), 0);
        std::set<Pixel> red;
        for (const Pixel& p : Rect(10, 10, 16, 16))
            if (p.first == 13 || p.second == 13) red.insert(p);
        for (const Pixel& p : Rect(1, 27, 3, 30))
            if (p.first == 0 || p.second == 30) red.insert(p);
        for (const Pixel& p : Rect(20, 2, 26, 8))
            if (p.first == 23 || p.second == 5) red.insert(p);
        for (const Pixel& p : Rect(30, 12, 38, 19))
            if ((p.first - 30) % 7 == 3 || (p.second - 12) % 7 == 3) red.insert(p);
        EXPECT_EQ(canvas.PixelsOf(Red), red);
        EXPECT_EQ(canvas.PixelsOf(White).size(), 49u - 13u);
        EXPECT_TRUE(canvas.host.messages.empty());
        EXPECT_EQ(Place(shortFile, 1, 1, -1), 0);
        EXPECT_EQ(canvas.At(1, 20), Gradient(0, 19));
        EXPECT_EQ(canvas.LastMessage(), "An error occured in Image, error: " + shortFile +
                                            " is shorter than its header says, only the rows it holds were drawn.");
    }
}

// Whatever changed, the file is read again: new contents of the same size
// under the old modification time, another size, another file renamed over
// it, the same contents made unreadable.
TEST_F(ImageTest, AChangedPictureFileIsReadAgain) {
    const FileBytes star = testing::Bitmap24(7, 7, Star);
    const FileBytes other = testing::Bitmap24(7, 7, [](std::int32_t x, std::int32_t) { return x == 0 ? Red : White; });
    const std::string file = folder.Write("star1.bmp", star);
    const auto then = AnHourAgo();
    Age(file, then);
    ASSERT_EQ(Place(file, 10, 10, White), 0);
    ASSERT_EQ(canvas.PixelsOf(Red).size(), 13u);

    folder.Write("star1.bmp", other);
    Age(file, then);
    canvas.draw.Blank(Ground);
    ASSERT_EQ(Place(file, 10, 10, White), 0);
    EXPECT_EQ(canvas.PixelsOf(Red), Rect(10, 10, 10, 16));

    folder.Write("star1.bmp", testing::Bitmap24(2, 7, [](std::int32_t x, std::int32_t) { return x == 1 ? Red : White; }));
    Age(file, then);
    canvas.draw.Blank(Ground);
    ASSERT_EQ(Place(file, 10, 10, White), 0);
    EXPECT_EQ(canvas.PixelsOf(Red), Rect(11, 10, 11, 16));

    const std::string replacement = folder.Write("new.bmp", star);
    Age(replacement, then);
    std::filesystem::rename(replacement, file);
    canvas.draw.Blank(Ground);
    ASSERT_EQ(Place(file, 10, 10, White), 0);
    EXPECT_EQ(canvas.PixelsOf(Red).size(), 13u);

    if (::geteuid() != 0) {  // root reads it anyway
        ASSERT_EQ(::chmod(file.c_str(), 0), 0);
        canvas.draw.Blank(Ground);
        EXPECT_NE(Place(file, 10, 10, White), 0);
        EXPECT_TRUE(canvas.PixelsNot(Ground).empty());
    }
    std::filesystem::remove(file);
    canvas.draw.Blank(Ground);
    EXPECT_NE(Place(file, 10, 10, White), 0);
    EXPECT_TRUE(canvas.PixelsNot(Ground).empty());
}

TEST_F(ImageTest, DimensionsOfAFile) {
    std::int32_t w = -1, h = -1;
    canvas.draw.ImageDimensions(w, h, folder.Write("gradient.bmp", testing::Bitmap24(30, 20, Gradient)));
    EXPECT_EQ(w, 30);
    EXPECT_EQ(h, 20);

    canvas.draw.ImageDimensions(w, h, folder.Write("text.bmp", FileBytes{'h', 'e', 'l', 'l', 'o'}));
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(canvas.LastMessage(), "An error occured in Image, error: Not a BMP file");

    const std::string missing = folder.PathOf("missing.bmp");
    canvas.draw.ImageDimensions(w, h, missing);
    EXPECT_EQ(canvas.LastMessage(), "An error occured in Image() - places and image from a file in the imagecontrol, "
                                    "error: Unable to open bitmap file: " + missing +
                                        ", file may be missing or filename may be incorrect");
}

}  // namespace
}  // namespace canvas
