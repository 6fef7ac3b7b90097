#include <gtest/gtest.h>

#include <array>

#include "canvas/Draw.h"
#include "canvas/WindowHost.h"
#include "runtime/Window.h"
#include "runtime/backends/headless/Headless.h"

namespace canvas {
namespace {

using runtime::ControlDefinition;
using runtime::ControlKind;

constexpr int kDraw = 16;

const runtime::WindowDefinition& DrawingWindow() {
    static const std::array<ControlDefinition, 1> controls = [] {
        ControlDefinition image;
        image.number = kDraw;
        image.label = "DRAW1";
        image.kind = ControlKind::Image;
        image.x = 4, image.y = 4, image.width = 100, image.height = 60;
        return std::array{image};
    }();
    static const runtime::WindowDefinition window{"Shapes", "", 120, 80, {"Arial", 10, true, 0x0000FF},
                                                  true,     true, false, false, controls};
    return window;
}

class WindowHostTest : public ::testing::Test {
protected:
    runtime::Headless headless = runtime::CreateHeadlessRuntime({1.0, {{1600, 900}, {0, 0, 1600, 900}, 120, 24}});
    runtime::Window window{DrawingWindow(), *headless.runtime};
    WindowHost host{window};
    Draw canvas{host};

    void SetUp() override {
        ASSERT_TRUE(window.Open());
        canvas.Init(kDraw);
    }
};

TEST_F(WindowHostTest, TheCanvasTakesTheControlsSizeTheScreenAndTheWindowFont) {
    const runtime::Rect rect = window.ControlRect(static_cast<runtime::ControlId>(kDraw));
    ASSERT_GT(rect.width, 0);
    EXPECT_EQ(canvas.Width, rect.width);
    EXPECT_EQ(canvas.Height, rect.height);
    EXPECT_EQ(canvas.HScreenSize, 1600);
    EXPECT_EQ(canvas.VScreenRes, 120);
    EXPECT_EQ(canvas.BitDepth, 24);
    EXPECT_EQ(canvas.FontName, "Arial");
    EXPECT_EQ(canvas.FontSize, 10);
    EXPECT_EQ(canvas.FontColor, 0x0000FF);
    EXPECT_EQ(canvas.FontStyle, 700);
}

TEST_F(WindowHostTest, DisplayShowsThePictureOnTheControlAndGetDisplayReadsItBack) {
    canvas.Blank(0x00FF00);
    canvas.Display();
    const auto id = static_cast<runtime::ControlId>(kDraw);
    EXPECT_EQ(window.PictureBytes(id), canvas.BaseLayer.BitmapData);
    EXPECT_TRUE(window.ShowsPicture(id));

    canvas.Blank(0);
    canvas.GetDisplay();
    EXPECT_EQ(canvas.GetImagePixel(canvas.Width, canvas.Height), 0x00FF00);
}

TEST_F(WindowHostTest, ResizeControlGivesTheImageControlTheCanvasSize) {
    const auto id = static_cast<runtime::ControlId>(kDraw);
    const runtime::Rect before = window.ControlRect(id);
    canvas.Resize(40, 30, 0);
    canvas.ResizeControl();
    EXPECT_EQ(window.ControlRect(id), (runtime::Rect{before.x, before.y, 40, 30}));
    canvas.Display();  // the picture now fills the smaller control
    EXPECT_EQ(window.PictureBytes(id).size(), static_cast<std::size_t>(canvas.BufferSize));
    EXPECT_TRUE(headless.platform->messages.empty());
}

TEST_F(WindowHostTest, ReportsGoToTheMessageBoxOrTheDebugger) {
    canvas.SuppressErrors = 0;
    canvas.WithLayer("0");
    ASSERT_EQ(headless.platform->messages.size(), 1u);
    EXPECT_EQ(headless.platform->messages[0].second,
              "An error occured in WithLayer(), error: The layer being selected is outside of the valid range of layers.");
    canvas.Logging = 1;
    canvas.WithLayer("0");
    ASSERT_EQ(headless.debug->lines.size(), 1u);
    EXPECT_EQ(headless.debug->lines[0].rfind("[Draw] An error occured in WithLayer()", 0), 0u);
    EXPECT_EQ(canvas.GetDevicePixel(1, 1), -1);  // a headless desktop cannot read the screen
}

}  // namespace
}  // namespace canvas
