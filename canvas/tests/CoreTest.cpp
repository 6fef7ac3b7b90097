#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "canvas/tests/CanvasFixture.h"

namespace canvas {
namespace {

using testing::CanvasTest;
using testing::FakeHost;
using testing::OpenDraw;

// Row layout of the buffer by canvas width.
struct StrideCase {
    std::int32_t width;
    std::uint8_t pad;
    std::uint32_t stride;
};

class BufferLayoutTest : public CanvasTest, public ::testing::WithParamInterface<StrideCase> {};

TEST_P(BufferLayoutTest, RowsArePaddedToFourBytesAndTheBufferHasASpareByte) {
    const StrideCase c = GetParam();
    Bind(c.width, 3);
    EXPECT_EQ(canvas.ZeroPad, c.pad);
    EXPECT_EQ(canvas.BufferSize, 3 * c.stride + 55);
    EXPECT_EQ(canvas.BitmapFileData->size(), canvas.BufferSize);
    EXPECT_EQ(canvas.BaseLayer.BitmapData.size(), canvas.BufferSize);
    // The bottom-left pixel of the second stored row starts one stride in.
    canvas.PutPixel(1, 2, 0x0000FF);
    EXPECT_EQ((*canvas.BitmapFileData)[54 + c.stride + 2], 0xFF);
}

INSTANTIATE_TEST_SUITE_P(Widths, BufferLayoutTest,
                         ::testing::Values(StrideCase{190, 2, 572}, StrideCase{4, 0, 12}, StrideCase{1, 1, 4},
                                           StrideCase{2, 2, 8}, StrideCase{3, 3, 12}, StrideCase{5, 1, 16},
                                           StrideCase{150, 2, 452}));

TEST_F(CanvasTest, InitBindsALayerOfTheControlSizeAndABlackBaseImage) {
    EXPECT_EQ(canvas.Control, 16u);
    EXPECT_EQ(canvas.Width, 10);
    EXPECT_EQ(canvas.Height, 10);
    EXPECT_EQ(canvas.BufferSize, 10u * 32 + 55);
    const auto zero = [](const Bytes& b) { return std::all_of(b.begin(), b.end(), [](auto v) { return v == 0; }); };
    EXPECT_TRUE(zero(canvas.Layers[0].BitmapData));
    EXPECT_TRUE(zero(canvas.BaseLayer.BitmapData));
    EXPECT_EQ(canvas.BitmapFileData, &canvas.Layers[0].BitmapData);
    EXPECT_EQ(canvas.NumLayers(), 1);
    EXPECT_EQ(canvas.LayerCount, 1);
    EXPECT_EQ(canvas.ActiveLayer, 1);
    EXPECT_EQ(Order(), (std::vector<std::int32_t>{1}));
    EXPECT_EQ(canvas.Layers[0].XPos, 1);
    EXPECT_EQ(canvas.Layers[0].YPos, 1);
    EXPECT_EQ(canvas.PenWidth, 1);
    EXPECT_EQ(canvas.PenStyle, 0);
    EXPECT_EQ(canvas.Colors256, 0);
}

TEST(CoreLifeTest, InitLeavesReportsSuppressedAndKeepsThePenColour) {
    FakeHost host;
    Draw canvas(host);
    canvas.PenColor = 0x123456;
    canvas.Logging = 1;
    canvas.Init(16);
    EXPECT_EQ(canvas.SuppressErrors, 1);
    EXPECT_EQ(canvas.PenColor, 0x123456);
    EXPECT_EQ(canvas.Logging, 1);
    canvas.WithLayer("2");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.debugLines.empty());
}

TEST(CoreLifeTest, FontComesFromTheWindowOrDefaults) {
    FakeHost host;
    Draw canvas(host);
    canvas.Init(16);
    EXPECT_EQ(canvas.FontName, "Arial");
    EXPECT_EQ(canvas.FontSize, 12);

    FakeHost styled;
    styled.font = {"Comic Sans   ", 0x0000FF, 9, 700};
    Draw other(styled);
    other.Init(16);
    EXPECT_EQ(other.FontName, "Comic Sans");
    EXPECT_EQ(other.FontSize, 9);
    EXPECT_EQ(other.FontStyle, 700);
    EXPECT_EQ(other.FontRed, 0xFF);
    EXPECT_EQ(other.FontBlue, 0);
}

TEST(CoreLifeTest, AControlOfNoSizeGivesAnEmptyCanvasThatDrawsNothing) {
    FakeHost host;
    host.SetSize(0, 0);
    Draw canvas(host);
    canvas.Init(16);
    EXPECT_EQ(canvas.BufferSize, 55u);
    canvas.PutPixel(1, 1, 0xFF);
    canvas.Blank(0x00FF00);
    canvas.Display();
    EXPECT_EQ(canvas.GetImagePixel(1, 1), -1);
    ASSERT_EQ(host.pictures.size(), 1u);
    EXPECT_EQ(host.LastPicture().size(), 55u);
}

TEST(CoreLifeTest, KillTwiceAndThenDestroyingReleasesOnce) {
    FakeHost host;
    auto canvas = std::make_unique<Draw>(host);
    canvas->Init(16);
    canvas->Init256();
    canvas->Kill();
    EXPECT_EQ(canvas->Killed, 1);
    EXPECT_EQ(canvas->NumLayers(), 0);
    EXPECT_TRUE(canvas->BitmapFileData256.empty());
    EXPECT_EQ(canvas->Intialised256, 0);
    canvas->Kill();
    EXPECT_EQ(canvas->Killed, 1);
    // After Kill nothing reaches a freed buffer.
    canvas->PutPixel(1, 1, 0xFF);
    canvas->Blank(0x00FF00);
    EXPECT_EQ(canvas->GetImagePixel(1, 1), -1);
    canvas->Display();
    EXPECT_TRUE(host.pictures.empty());
    canvas.reset();
}

TEST(CoreLifeTest, DestroyingWithoutInitIsSafe) {
    FakeHost host;
    Draw canvas(host);
    canvas.PutPixel(1, 1, 0);
    EXPECT_EQ(canvas.GetPixel(1, 1), -1);
}

TEST(ScreenTest, DeviceCapsAnswersTheScreenMetrics) {
    FakeHost host;
    host.screen = {1280, 1024, 120, 144, 32};
    Draw canvas(host);
    canvas.Init(16);
    EXPECT_EQ(canvas.HScreenSize, 1280);
    EXPECT_EQ(canvas.VScreenSize, 1024);
    EXPECT_EQ(canvas.HScreenRes, 120);
    EXPECT_EQ(canvas.VScreenRes, 144);
    EXPECT_EQ(canvas.BitDepth, 32);
    EXPECT_DOUBLE_EQ(canvas.FontResMult, 120.0 * 144.0 / 5184.0);

    const std::pair<std::int32_t, std::int32_t> cases[] = {{8, 1280}, {10, 1024}, {12, 32}, {88, 120}, {90, 144}, {0, 0}, {-3, 0}, {7, 0}};
    for (const auto& [index, expected] : cases) EXPECT_EQ(canvas.GetDeviceCaps(index), expected) << index;
}

TEST(ScreenTest, DevicePixelComesFromTheHost) {
    FakeHost host;
    Draw canvas(host);
    canvas.Init(16);
    EXPECT_EQ(canvas.GetDevicePixel(3, 4), -1);  // the invalid colour
    host.screenPixel = 0x00ABCDEF;
    EXPECT_EQ(canvas.GetDevicePixel(3, 4), 0x00ABCDEF);
}

TEST(HelperTest, ColorToRGBExchangesRedAndBlue) {
    FakeHost host;
    Draw canvas(host);
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0x0000FF, 0xFF0000}, {0xFF0000, 0x0000FF}, {0x00FF00, 0x00FF00}, {0x123456, 0x563412}, {-1, 0xFFFFFF}, {0x7F000001, 0x010000}};
    for (const auto& [in, out] : cases) EXPECT_EQ(canvas.ColorToRGB(in), out) << std::hex << in;
}

TEST(HelperTest, AbsoluteGivesTheDistanceAndItsSign) {
    FakeHost host;
    OpenDraw canvas(host);
    struct Case {
        std::int32_t i, j, distance, sign;
    };
    for (const Case c : {Case{5, 3, 2, 1}, Case{3, 5, 2, -1}, Case{4, 4, 0, 1}, Case{-2, 7, 9, -1}}) {
        std::int32_t sign = 0;
        EXPECT_EQ(canvas.Absolute(c.i, c.j, sign), c.distance);
        EXPECT_EQ(sign, c.sign);
    }
    std::int32_t a = 1, b = 2;
    canvas.Swap(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

}  // namespace
}  // namespace canvas
