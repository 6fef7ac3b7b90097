#include <gtest/gtest.h>

#include "canvas/tests/CanvasFixture.h"

namespace canvas {
namespace {

using testing::CanvasTest;

std::int32_t Marker(std::int32_t x, std::int32_t y) { return 0x200000 + (y << 8) + x; }

class ResizeTest : public CanvasTest {
protected:
    void MarkTarget() {
        for (std::int32_t y = 1; y <= canvas.Height; ++y)
            for (std::int32_t x = 1; x <= canvas.Width; ++x) canvas.PutPixel(x, y, Marker(x, y));
    }
};

struct ResizeCase {
    std::int32_t width, height;
};

class KeepPictureTest : public ResizeTest, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(KeepPictureTest, ResizeLayerKeepsTheBottomLeftOfThePicture) {
    const auto [w, h] = GetParam();
    MarkTarget();  // 10 x 10
    ASSERT_EQ(canvas.ResizeLayer(1, w, h, 1), 1);
    EXPECT_EQ(canvas.Width, w);
    EXPECT_EQ(canvas.Height, h);
    EXPECT_EQ(canvas.BufferSize, 54 + h * (3 * w + (4 - 3 * w % 4) % 4) + 0u);  // no spare byte
    EXPECT_EQ(canvas.BufferSize, canvas.BitmapFileData->size());
    // Old row 10 (the bottom) is the new bottom row h; columns keep their x.
    for (std::int32_t y = 1; y <= h; ++y)
        for (std::int32_t x = 1; x <= w; ++x) {
            const std::int32_t oldY = y + (10 - h);
            const bool kept = x <= 10 && oldY >= 1 && oldY <= 10;
            ASSERT_EQ(canvas.GetImagePixel(x, y), kept ? Marker(x, oldY) : 0) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Sizes, KeepPictureTest,
                         ::testing::Values(ResizeCase{20, 10}, ResizeCase{5, 5}, ResizeCase{10, 20}, ResizeCase{3, 17},
                                           ResizeCase{1, 1}));

TEST_F(ResizeTest, ResizeLayerWithoutCopyingIsBlack) {
    MarkTarget();
    ASSERT_EQ(canvas.ResizeLayer(1, 12, 8, 0), 1);
    EXPECT_EQ(canvas.GetImagePixel(1, 8), 0);
}

TEST_F(ResizeTest, ResizeLayerWithoutASizeTakesTheControlsSize) {
    host.SetSize(7, 3);
    ASSERT_EQ(canvas.ResizeLayer(1, 0, 5, 0), 1);
    EXPECT_EQ(canvas.Width, 7);
    EXPECT_EQ(canvas.Height, 3);
}

TEST_F(ResizeTest, ResizingAnotherLayerLeavesTheTargetAlone) {
    ASSERT_EQ(canvas.InitLayer(2, 0, 0, 1, 1, -1, 0), 1);
    ASSERT_EQ(canvas.ResizeLayer(2, 30, 30, 1), 1);
    EXPECT_EQ(canvas.Width, 10);
    EXPECT_EQ(canvas.Layers[1].Width, 30);
}

TEST_F(ResizeTest, AnAlphaSourceFollowsItsResizedLayer) {
    ASSERT_EQ(canvas.InitLayer(2, 0, 0, 1, 1, -1, ModeAlpha), 1);
    ASSERT_EQ(canvas.InitLayer(3, 0, 0, 1, 1, -1, ModeHidden), 1);
    ASSERT_EQ(canvas.AddAlpha(2, 3, ChannelRed), 1);
    ASSERT_EQ(canvas.ResizeLayer(3, 2, 2, 0), 1);
    EXPECT_EQ(canvas.Layers[1].Alpha, &canvas.Layers[2].BitmapData);
    canvas.Display();  // reads only what the 2 x 2 source holds
}

TEST_F(ResizeTest, ResizeWithOneLayerResizesItToo) {
    MarkTarget();
    canvas.Resize(20, 15, 1);
    EXPECT_EQ(canvas.BaseLayer.Width, 20);
    EXPECT_EQ(canvas.BaseLayer.Height, 15);
    EXPECT_EQ(canvas.BaseLayer.BitmapData.size(), 54 + 15 * 60u);
    EXPECT_EQ(canvas.Width, 20);
    EXPECT_EQ(canvas.GetImagePixel(1, 15), Marker(1, 10));
    canvas.Display();
    EXPECT_EQ(host.LastPicture().size(), 54 + 15 * 60u);
}

TEST_F(ResizeTest, ResizeDropsTheImageWorkingLayer) {
    ASSERT_EQ(canvas.InitLayer(255, 4, 4, 1, 1, 2, ModeIndex | ModeHidden), 1);
    canvas.Resize(6, 6, 0);
    EXPECT_EQ(canvas.NumLayers(), 1);
    EXPECT_EQ(canvas.Width, 6);
}

TEST_F(ResizeTest, ResizeWithThreeLayersResizesTheBaseImageOnly) {
    ASSERT_EQ(canvas.InitLayer(2, 0, 0, 1, 1, -1, 0), 1);
    ASSERT_EQ(canvas.InitLayer(3, 0, 0, 1, 1, -1, 0), 1);
    canvas.Resize(30, 20, 1);
    EXPECT_EQ(canvas.BaseLayer.Width, 30);
    EXPECT_EQ(canvas.BaseLayer.Height, 20);
    for (const LayerRecord& layer : {canvas.Layers[0], canvas.Layers[1], canvas.Layers[2]}) {
        EXPECT_EQ(layer.Width, 10);
        EXPECT_EQ(layer.Height, 10);
    }
    EXPECT_EQ(canvas.Width, 10);
    canvas.Display();
}

TEST_F(ResizeTest, ResizeWithoutASizeTakesTheControlsSize) {
    host.SetSize(8, 9);
    canvas.Resize(-1, 4, 0);
    EXPECT_EQ(canvas.BaseLayer.Width, 8);
    EXPECT_EQ(canvas.BaseLayer.Height, 9);
}

TEST_F(ResizeTest, ResizeReplacesThe8BitBuffer) {
    canvas.Init256();
    canvas.Resize(7, 3, 0);
    EXPECT_EQ(canvas.ZeroPad256, 1);
    EXPECT_EQ(canvas.BitmapFileData256.size(), 3 * 8 + 1078u);
    EXPECT_EQ(canvas.BufferSize256, 3 * 8 + 1078);
    canvas.Display();
    EXPECT_EQ(host.LastPicture()[28], 8);
}

TEST_F(ResizeTest, ResizeControlGivesTheControlTheCanvasSize) {
    canvas.Resize(33, 22, 0);
    canvas.ResizeControl();
    EXPECT_EQ(host.width, 33);
    EXPECT_EQ(host.height, 22);
}

TEST_F(ResizeTest, ResizeControlThatCannotBeDoneIsReported) {
    canvas.SuppressErrors = 0;
    host.resizable = false;
    canvas.Resize(33, 22, 0);
    canvas.ResizeControl();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "An error occured in ResizeControl, error: The image control could not be resized");
}

}  // namespace
}  // namespace canvas
