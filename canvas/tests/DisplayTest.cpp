#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "canvas/tests/CanvasFixture.h"

namespace canvas {
namespace {

using testing::CanvasTest;

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

TEST_F(CanvasTest, DisplayHandsTheWholeBufferWithBitmapHeaders) {
    Bind(190, 150);
    canvas.Display();
    ASSERT_EQ(host.pictures.size(), 1u);
    EXPECT_EQ(host.lastControl, 16u);
    const auto& b = host.LastPicture();
    ASSERT_EQ(b.size(), 150u * 572 + 55);  // one more than the file size: the spare byte
    struct Field {
        std::size_t offset;
        int bytes;
        std::uint32_t value;
    };
    const Field fields[] = {{0, 2, 'B' | ('M' << 8)}, {2, 4, 150 * 572 + 54}, {6, 2, 0}, {8, 2, 0}, {10, 4, 54},
                            {14, 4, 40}, {18, 4, 190}, {22, 4, 150}, {26, 2, 1}, {28, 2, 24},
                            {30, 4, 0}, {34, 4, 150 * 572}, {38, 4, 0}, {42, 4, 0}, {46, 4, 0}, {50, 4, 0}};
    for (const Field& f : fields) EXPECT_EQ(f.bytes == 2 ? U16(b, f.offset) : U32(b, f.offset), f.value) << f.offset;
    EXPECT_TRUE(std::all_of(b.begin() + 54, b.end(), [](auto v) { return v == 0; }));
    EXPECT_EQ(canvas.BitCount, 24);
    EXPECT_EQ(canvas.BitmapFileHeader.BfSize, 150u * 572 + 54);
}

TEST_F(CanvasTest, DisplayShowsTheLayersInOrderAndSkipsHiddenAndKilledOnes) {
    Bind(4, 4);
    canvas.Blank(0x0000FF);
    ASSERT_EQ(canvas.InitLayer(2, 2, 2, 1, 1, -1, 0), 1);
    ASSERT_EQ(canvas.InitLayer(3, 2, 2, 2, 2, -1, 0), 1);
    Paint(2, 0x00FF00);
    Paint(3, 0xFF0000);
    canvas.Display();
    EXPECT_EQ(BasePixel(1, 1), 0x00FF00);
    EXPECT_EQ(BasePixel(2, 2), 0xFF0000);  // the later layer covers
    EXPECT_EQ(BasePixel(4, 4), 0x0000FF);

    canvas.HideLayer(3);
    canvas.Display();
    EXPECT_EQ(BasePixel(2, 2), 0x00FF00);
    EXPECT_EQ(BasePixel(3, 3), 0x0000FF);
    canvas.ShowLayer(3);
    canvas.Display();
    EXPECT_EQ(BasePixel(3, 3), 0xFF0000);

    ASSERT_EQ(canvas.SwapLayers(2, 3), 1);
    canvas.Display();
    EXPECT_EQ(BasePixel(2, 2), 0x00FF00);

    ASSERT_EQ(canvas.KillLayer(3), 1);
    canvas.LayerOrder[5] = 3;    // a stale entry of a killed layer
    canvas.LayerOrder[6] = 300;  // and one out of range
    canvas.Display();
    EXPECT_EQ(BasePixel(3, 3), 0x0000FF);
    EXPECT_EQ(host.pictures.size(), 5u);
}

TEST_F(CanvasTest, DisplayRebuildsTheBaseFromBlack) {
    Bind(6, 6);
    // The first layer does not cover the whole base: the rest must be black,
    // not what an earlier Display left there.
    canvas.Blank(0xFFFFFF);
    canvas.Display();
    ASSERT_EQ(canvas.InitLayer(2, 2, 2, 3, 3, -1, 0), 1);
    Paint(2, 0x00FF00);
    ASSERT_EQ(canvas.MoveLayer(2, 1), 1);
    canvas.HideLayer(1);
    canvas.Display();
    for (std::int32_t y = 1; y <= 6; ++y)
        for (std::int32_t x = 1; x <= 6; ++x) {
            const bool layer = x >= 3 && x <= 4 && y >= 3 && y <= 4;
            ASSERT_EQ(BasePixel(x, y), layer ? 0x00FF00 : 0) << x << "," << y;
        }
    const auto& b = host.LastPicture();
    EXPECT_EQ(b.back(), 0);                // spare byte
    EXPECT_EQ(b[54 + 18], 0);              // pad of the bottom row
    EXPECT_EQ(b[54 + 2 * 20 + 18 + 1], 0); // pad beside the layer's rows
}

TEST_F(CanvasTest, DisplayDoesNotChangeTheLayersOrTheTarget) {
    ASSERT_EQ(canvas.InitLayer(2, 0, 0, 1, 1, -1, 0), 1);
    ASSERT_EQ(canvas.WithLayer("2"), 1);
    canvas.Blank(0x123456);
    const Bytes before = canvas.Layers[1].BitmapData;
    canvas.Display();
    EXPECT_EQ(canvas.ActiveLayer, 2);
    EXPECT_EQ(canvas.Layers[1].BitmapData, before);
}

TEST_F(CanvasTest, GetDisplayCopiesTheShownPictureIntoTheTarget) {
    canvas.Blank(0x00FF00);
    canvas.Display();
    canvas.Blank(0);
    (*canvas.BitmapFileData)[0] = 'x';
    canvas.GetDisplay();
    EXPECT_EQ(canvas.GetImagePixel(5, 5), 0x00FF00);
    EXPECT_EQ((*canvas.BitmapFileData)[0], 'x');  // the target keeps its header bytes
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CanvasTest, GetDisplayRefusesAPictureOfAnotherSize) {
    canvas.Display();
    ASSERT_EQ(canvas.InitLayer(2, 5, 5, 1, 1, -1, 0), 1);
    ASSERT_EQ(canvas.WithLayer("2"), 1);
    canvas.Blank(0x00FF00);
    const Bytes before = *canvas.BitmapFileData;
    canvas.GetDisplay();
    EXPECT_EQ(*canvas.BitmapFileData, before);
    EXPECT_EQ(LastMessage(), "An error occured in GetDisplay, error: Stored image must be the same size as the image control.");

    host.shown.clear();  // no picture at all
    canvas.GetDisplay();
    EXPECT_EQ(*canvas.BitmapFileData, before);
    EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(CanvasTest, SwapBuffersHandsTheBytesOver) {
    const std::vector<std::uint8_t> picture = {'B', 'M', 1, 2, 3};
    canvas.SwapBuffers(picture);
    EXPECT_EQ(host.LastPicture(), picture);
}

class PalettedTest : public CanvasTest {};

TEST_F(PalettedTest, ColoursAreNumberedInTheOrderTheyFirstOccurFromTheBottomLeft) {
    Bind(5, 3);  // 8-bit rows of 8 bytes
    canvas.Blank(0x0000FF);
    for (std::int32_t x = 1; x <= 2; ++x) canvas.PutPixel(x, 3, 0);  // bottom row starts black
    canvas.Init256();
    canvas.Display();
    const auto& b = host.LastPicture();
    ASSERT_EQ(b.size(), 3u * 8 + 1079);
    EXPECT_EQ(U16(b, 0), 'B' | ('M' << 8));
    EXPECT_EQ(U32(b, 2), 3u * 8 + 1078);
    EXPECT_EQ(U32(b, 10), 1078u);
    EXPECT_EQ(U32(b, 18), 5u);
    EXPECT_EQ(U32(b, 22), 3u);
    EXPECT_EQ(U16(b, 28), 8u);
    EXPECT_EQ(U32(b, 34), 3u * 8);
    EXPECT_EQ(U32(b, 38), 0u);
    EXPECT_EQ(U32(b, 46), 256u);
    // Entry 0 black, entry 1 red (blue, green, red, 0), the rest empty.
    const std::uint8_t table[] = {0, 0, 0, 0, 0, 0, 255, 0};
    EXPECT_TRUE(std::equal(std::begin(table), std::end(table), b.begin() + 54));
    EXPECT_TRUE(std::all_of(b.begin() + 62, b.begin() + 1078, [](auto v) { return v == 0; }));
    const std::uint8_t rows[] = {0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(rows), std::end(rows), b.begin() + 1078));
    EXPECT_EQ(canvas.BitCount, 8);
}

TEST_F(PalettedTest, LongRunsKeepEveryPixelsIndex) {
    // Runs longer than a block of sixteen, broken at every offset of a block.
    Bind(61, 17);
    canvas.Blank(0x0000FF);
    for (std::int32_t y = 1; y <= 17; ++y) {
        canvas.PutPixel(y + 16, y, 0x00FF00);
        canvas.PutPixel(61, y, 0xFF0000);
    }
    canvas.Init256();
    canvas.Display();
    const auto& b = host.LastPicture();
    for (std::int32_t y = 1; y <= 17; ++y) {
        const std::uint8_t* row = b.data() + 1078 + static_cast<std::size_t>(17 - y) * 64;
        for (std::int32_t x = 1; x <= 61; ++x) {
            const std::int32_t colour = x == 61 ? 0xFF0000 : x == y + 16 ? 0x00FF00 : 0x0000FF;
            const std::uint8_t* entry = b.data() + 54 + 4 * row[x - 1];
            ASSERT_EQ(entry[0] << 16 | entry[1] << 8 | entry[2], colour) << x << "," << y;
        }
        EXPECT_EQ(row[61], 0);  // pad
    }
}

TEST_F(PalettedTest, MoreThan256ColoursStayWithinTheTable) {
    Bind(40, 10);
    for (std::int32_t y = 1; y <= 10; ++y)
        for (std::int32_t x = 1; x <= 40; ++x) canvas.PutPixel(x, y, (y * 40 + x) * 0x010203);
    canvas.Init256();
    canvas.Display();
    const auto& b = host.LastPicture();
    ASSERT_EQ(b.size(), 10u * 40 + 1079);
    // 400 colours: the first 256 get their own entries, the others the
    // nearest of those.
    const std::uint8_t* indices = b.data() + 1078;
    EXPECT_EQ(indices[0], 0);
    EXPECT_EQ(indices[255], 255);
    const std::uint8_t last = indices[399];
    const std::int32_t wanted = (1 * 40 + 40) * 0x010203 & 0xFFFFFF;  // top right pixel
    const std::uint8_t* entry = b.data() + 54 + 4 * last;
    const std::int32_t got = entry[0] << 16 | entry[1] << 8 | entry[2];
    EXPECT_LT(std::abs((got & 0xFF) - (wanted & 0xFF)), 8);
}

TEST_F(PalettedTest, Create256ConvertsTheTargetWithoutShowingIt) {
    canvas.Create256();  // not prepared: refused, nothing built
    EXPECT_EQ(LastMessage(), "An error occured in Create256, error: 256 Colour Drawing was not intialised");
    EXPECT_TRUE(canvas.BitmapFileData256.empty());

    canvas.Blank(0x00FF00);
    canvas.Init256();
    canvas.Create256();
    EXPECT_TRUE(host.pictures.empty());
    const Bytes& b = canvas.BitmapFileData256;
    EXPECT_EQ(U32(b, 38), 2834u);
    EXPECT_EQ(U32(b, 42), 2834u);
    EXPECT_EQ(b[54 + 1], 255);  // entry 0 is green
    canvas.SwapBuffers(b);
    EXPECT_EQ(host.LastPicture(), b);
}

TEST_F(PalettedTest, Kill256ReturnsTo24Bits) {
    canvas.Init256();
    EXPECT_EQ(canvas.BitmapFileData256.size(), 10u * 12 + 1079);
    canvas.Kill256();
    EXPECT_TRUE(canvas.BitmapFileData256.empty());
    canvas.Display();
    EXPECT_EQ(host.LastPicture()[28], 24);
}

TEST_F(PalettedTest, A8BitBufferPreparedForASmallerTargetStillFitsTheBase) {
    ASSERT_EQ(canvas.InitLayer(2, 2, 2, 1, 1, -1, 0), 1);
    ASSERT_EQ(canvas.WithLayer("2"), 1);
    canvas.Init256();  // sized for the 2 x 2 target
    canvas.Display();  // converts the 10 x 10 base
    EXPECT_EQ(host.LastPicture().size(), 10u * 12 + 1079);
    EXPECT_EQ(U32(host.LastPicture(), 18), 10u);
}

}  // namespace
}  // namespace canvas
