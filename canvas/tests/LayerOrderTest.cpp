#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "canvas/tests/CanvasFixture.h"

namespace canvas {
namespace {

using testing::CanvasTest;
using Sequence = std::vector<std::int32_t>;

class LayerTest : public CanvasTest {
protected:
    void AddLayers(std::initializer_list<std::int32_t> numbers) {
        for (std::int32_t n : numbers) ASSERT_EQ(canvas.InitLayer(n, 0, 0, 1, 1, -1, 0), 1) << n;
    }
};

TEST_F(LayerTest, InitLayerAppendsABlackLayerOfTheBaseSize) {
    canvas.Blank(0xFFFFFF);
    AddLayers({2});
    EXPECT_EQ(Order(), (Sequence{1, 2}));
    EXPECT_EQ(canvas.NumLayers(), 2);
    const LayerRecord& layer = canvas.Layers[1];
    EXPECT_EQ(layer.Width, 10);
    EXPECT_EQ(layer.Height, 10);
    EXPECT_EQ(layer.BufferSize, 375u);
    EXPECT_EQ(layer.IndexColor, -1);
    EXPECT_EQ(canvas.ActiveLayer, 1);  // the target is not changed
    ASSERT_EQ(canvas.WithLayer("2"), 1);
    EXPECT_EQ(canvas.GetImagePixel(5, 5), 0);

    // Again with the same arguments: cleared, same place in the order.
    canvas.Blank(0xFFFFFF);
    AddLayers({2});
    EXPECT_EQ(canvas.GetImagePixel(5, 5), 0);
    EXPECT_EQ(Order(), (Sequence{1, 2}));
    EXPECT_EQ(canvas.NumLayers(), 2);
}

TEST_F(LayerTest, InitLayerSizes) {
    struct Case {
        std::int32_t width, height, expectedWidth, expectedHeight;
    };
    for (const Case c : {Case{0, 0, 10, 10}, Case{-3, -4, 3, 4}, Case{7, 0, 7, 10}, Case{1, 1, 1, 1}}) {
        ASSERT_EQ(canvas.InitLayer(3, c.width, c.height, 1, 1, 0, 0), 1);
        EXPECT_EQ(canvas.Layers[2].Width, c.expectedWidth);
        EXPECT_EQ(canvas.Layers[2].Height, c.expectedHeight);
        EXPECT_EQ(canvas.Layers[2].BitmapData.size(), 54 + c.expectedHeight * (3 * c.expectedWidth + (4 - 3 * c.expectedWidth % 4) % 4) + 1u);
    }
}

TEST_F(LayerTest, ReCreatingTheTargetWithAnotherSizeDrawsIntoTheNewBuffer) {
    AddLayers({2});
    ASSERT_EQ(canvas.WithLayer("2"), 1);
    ASSERT_EQ(canvas.InitLayer(2, 30, 20, 1, 1, -1, 0), 1);
    EXPECT_EQ(canvas.Width, 30);
    EXPECT_EQ(canvas.Height, 20);
    EXPECT_EQ(canvas.BufferSize, canvas.Layers[1].BufferSize);
    canvas.PutPixel(30, 20, 0x0000FF);
    EXPECT_EQ(canvas.GetImagePixel(30, 20), 0x0000FF);
    canvas.Blank(0x00FF00);
    EXPECT_EQ(canvas.GetImagePixel(30, 1), 0x00FF00);
}

TEST_F(LayerTest, WithLayerTakesTheNumberAsText) {
    AddLayers({12});
    for (const char* text : {"12", " 12", "12 ", "+12"}) {
        ASSERT_EQ(canvas.WithLayer("1"), 1);
        EXPECT_EQ(canvas.WithLayer(text), 1) << text;
        EXPECT_EQ(canvas.ActiveLayer, 12);
    }
    for (const char* text : {"", "x", "-1", "256", "99999999999"}) {
        EXPECT_EQ(canvas.WithLayer(text), 0) << text;
        EXPECT_EQ(LastMessage(),
                  "An error occured in WithLayer(), error: The layer being selected is outside of the valid range of layers.");
    }
}

TEST_F(LayerTest, KillLayerClosesTheGapInTheOrder) {
    AddLayers({2, 3});
    EXPECT_EQ(canvas.KillLayer(2), 1);
    EXPECT_EQ(Order(), (Sequence{1, 3}));
    EXPECT_EQ(canvas.NumLayers(), 2);
    EXPECT_EQ(canvas.LayerCount, 2);
    EXPECT_EQ(canvas.KillLayer(2), 1);  // no such layer: nothing changes
    EXPECT_EQ(Order(), (Sequence{1, 3}));
    AddLayers({2});
    EXPECT_EQ(Order(), (Sequence{1, 3, 2}));
}

TEST_F(LayerTest, KillingTheTargetSelectsLayerOneOrTheFirstLayerDrawn) {
    AddLayers({2, 3});
    ASSERT_EQ(canvas.WithLayer("3"), 1);
    ASSERT_EQ(canvas.KillLayer(3), 1);
    EXPECT_EQ(canvas.ActiveLayer, 1);
    EXPECT_EQ(canvas.BitmapFileData, &canvas.Layers[0].BitmapData);

    ASSERT_EQ(canvas.InitLayer(2, 4, 4, 1, 1, -1, 0), 1);
    ASSERT_EQ(canvas.KillLayer(1), 1);
    EXPECT_EQ(canvas.ActiveLayer, 2);
    EXPECT_EQ(canvas.Width, 4);
    canvas.Blank(0x00FF00);
    EXPECT_EQ(canvas.GetImagePixel(4, 4), 0x00FF00);
}

TEST_F(LayerTest, SwapAndMoveKeepTheOtherLayersInOrder) {
    AddLayers({2, 3});
    struct Case {
        std::function<std::int32_t(Draw&)> change;
        Sequence expected;
    };
    const Case cases[] = {
        {[](Draw& d) { return d.SwapLayers(1, 3); }, {3, 2, 1}},
        {[](Draw& d) { return d.MoveLayer(3, 3); }, {1, 2, 3}},
        {[](Draw& d) { return d.MoveLayer(1, 3); }, {2, 3, 1}},
        {[](Draw& d) { return d.MoveLayer(3, 1); }, {3, 1, 2}},
        {[](Draw& d) { return d.MoveLayer(2, 2); }, {1, 2, 3}},
        {[](Draw& d) { return d.MoveLayer(1, 2); }, {2, 1, 3}},
        // A place outside the order: to the end.
        {[](Draw& d) { return d.MoveLayer(1, 0); }, {2, 3, 1}},
        {[](Draw& d) { return d.MoveLayer(1, 200); }, {2, 3, 1}},
        {[](Draw& d) { return d.MoveLayer(2, -5); }, {1, 3, 2}},
    };
    for (const Case& c : cases) {
        canvas.LayerOrder.fill(0);
        canvas.LayerOrder[0] = 1, canvas.LayerOrder[1] = 2, canvas.LayerOrder[2] = 3;
        EXPECT_EQ(c.change(canvas), 1);
        EXPECT_EQ(Order(), c.expected);
        EXPECT_EQ(canvas.LayerOrder[3], 0);
    }
}

TEST_F(LayerTest, HideShowAndTransparencyFlags) {
    AddLayers({2});
    canvas.HideLayer(2);
    EXPECT_EQ(canvas.LayerMode(2, ModeHidden), 1);
    canvas.HideLayer(2);
    EXPECT_EQ(canvas.Layers[1].DisplayMode, ModeHidden);
    ASSERT_EQ(canvas.WithLayer("2"), 1);
    canvas.ShowLayer(2);
    EXPECT_EQ(canvas.LayerMode(2, ModeHidden), 0);

    EXPECT_EQ(canvas.IndexTransparency(2, 0xFFFFFF, 1), 1);
    EXPECT_EQ(canvas.LayerMode(2, ModeIndex), 1);
    EXPECT_EQ(canvas.IndexTransparency(2, 0x123456, 0), 1);
    EXPECT_EQ(canvas.LayerMode(2, ModeIndex), 0);
    EXPECT_EQ(canvas.Layers[1].IndexColor, 0x123456);

    // Mixed flags set and clear only their own bits.
    ASSERT_EQ(canvas.SetMode(2, ModeHidden, 1), 1);
    ASSERT_EQ(canvas.SetMode(2, ModeAlpha | ModeHidden, 0), 1);
    EXPECT_EQ(canvas.Layers[1].DisplayMode, 0);
    ASSERT_EQ(canvas.SetMode(2, ModeAlpha, 1), 1);
    ASSERT_EQ(canvas.SetMode(2, ModeAlpha | ModeIndex, 1), 1);
    EXPECT_EQ(canvas.Layers[1].DisplayMode, ModeAlpha | ModeIndex);
}

// Nothing detaches an alpha source: killing either layer and creating it
// again keeps the link, in both directions.
TEST_F(LayerTest, AlphaLinksOutliveKillingEitherLayer) {
    AddLayers({2, 3});
    EXPECT_EQ(canvas.HasAlpha(2), 0);
    EXPECT_EQ(canvas.AddAlpha(2, 3, ChannelGreen), 1);
    EXPECT_EQ(canvas.HasAlpha(2), 1);
    for (std::int32_t killed : {3, 2}) {
        ASSERT_EQ(canvas.KillLayer(killed), 1);
        EXPECT_EQ(canvas.Layers[static_cast<std::size_t>(killed - 1)].Init, 0);
        EXPECT_TRUE(canvas.Layers[static_cast<std::size_t>(killed - 1)].BitmapData.empty());
        EXPECT_EQ(canvas.HasAlpha(2), 1) << killed;
        ASSERT_EQ(canvas.InitLayer(killed, 4, 4, 2, 2, -1, 0), 1);
        EXPECT_EQ(canvas.HasAlpha(2), 1) << killed;
        EXPECT_EQ(canvas.Layers[1].Alpha, &canvas.Layers[2].BitmapData);
        EXPECT_EQ(canvas.Layers[1].AlphaLayer, 3);
        EXPECT_EQ(canvas.Layers[1].AlphaChannel, ChannelGreen);
    }
    for (std::int32_t n : {0, -1, 256, INT32_MIN}) EXPECT_EQ(canvas.HasAlpha(n), 0);
}

TEST_F(LayerTest, EmptyLayerRecordsHoldZerosAfterInit) {
    for (std::size_t n = 1; n < canvas.Layers.size(); ++n) {
        const LayerRecord& layer = canvas.Layers[n];
        EXPECT_EQ(layer.XPos, 0) << n + 1;
        EXPECT_EQ(layer.YPos, 0) << n + 1;
        EXPECT_EQ(layer.Width | layer.Height | layer.AlphaLayer | layer.IndexColor, 0) << n + 1;
        EXPECT_EQ(layer.AlphaChannel | layer.ZeroPad | layer.DisplayMode | layer.Init, 0) << n + 1;
        EXPECT_EQ(layer.BufferSize, 0u) << n + 1;
        EXPECT_EQ(layer.Alpha, nullptr) << n + 1;
        EXPECT_TRUE(layer.BitmapData.empty()) << n + 1;
    }
    // A new object's records start at (1, 1) until Init clears them.
    EXPECT_EQ(LayerRecord{}.XPos, 1);
    EXPECT_EQ(LayerRecord{}.YPos, 1);
    EXPECT_EQ(canvas.BaseLayer.XPos, 1);
    EXPECT_EQ(canvas.BaseLayer.YPos, 1);
}

// Every refused call: its result, its report, and nothing changed.
struct Refusal {
    const char* name;
    std::function<std::int32_t(Draw&)> call;
    const char* message;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class LayerErrorTest : public LayerTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(LayerErrorTest, ReportsAndChangesNothing) {
    AddLayers({2, 3});
    const Sequence before = Order();
    const auto modes = [&] {
        std::vector<std::uint8_t> m;
        for (const auto& l : canvas.Layers) m.push_back(l.DisplayMode);
        return m;
    };
    const auto modesBefore = modes();
    EXPECT_EQ(GetParam().call(canvas), 0);
    EXPECT_EQ(LastMessage(), std::string("An error occured in ") + GetParam().message);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Order(), before);
    EXPECT_EQ(canvas.NumLayers(), 3);
    EXPECT_EQ(modes(), modesBefore);
    EXPECT_EQ(canvas.ActiveLayer, 1);
}

const Refusal kRefusals[] = {
    {"InitLayer256", [](Draw& d) { return d.InitLayer(256, 0, 0, 1, 1, -1, 0); },
     "InitLayer, error: Invalid layer number, value out of valid range: 256. Layer number must be greater than 0 and less than Draw:numLayers."},
    {"InitLayer0", [](Draw& d) { return d.InitLayer(0, 0, 0, 1, 1, -1, 0); },
     "InitLayer, error: Invalid layer number, value out of valid range: 0. Layer number must be greater than 0 and less than Draw:numLayers."},
    {"InitLayerHuge", [](Draw& d) { return d.InitLayer(4, 100000, 100000, 1, 1, -1, 0); },
     "InitLayer, error: Cannot create a layer of more than 4 GB."},
    // Negated in 32 bits the most negative size stays negative.
    {"InitLayerMostNegativeWidth", [](Draw& d) { return d.InitLayer(4, INT32_MIN, 1, 1, 1, -1, 0); },
     "InitLayer, error: Cannot create a layer with width or height less than 1."},
    {"InitLayerMostNegativeHeight", [](Draw& d) { return d.InitLayer(4, 5, INT32_MIN, 1, 1, -1, 0); },
     "InitLayer, error: Cannot create a layer with width or height less than 1."},
    {"InitLayerLargestNegative", [](Draw& d) { return d.InitLayer(4, INT32_MIN + 1, 100, 1, 1, -1, 0); },
     "InitLayer, error: Cannot create a layer of more than 4 GB."},
    {"WithLayerMissing", [](Draw& d) { return d.WithLayer("4"); },
     "WithLayer(), error: Invalid layer. Layers must be initialised by calling InitLayer() before being drawn to."},
    {"KillLayer0", [](Draw& d) { return d.KillLayer(0); }, "Killlayer, error: Invalid layer number, must be greater than zero"},
    {"KillLayer256", [](Draw& d) { return d.KillLayer(256); },
     "KillLayer, error: Invalid layer number, greater than maximum number of layers"},
    {"LayerModeRange", [](Draw& d) { return d.LayerMode(0, 4); }, "LayerMode, error: Invalid layer Number"},
    {"LayerModeMissing", [](Draw& d) { return d.LayerMode(9, 4); }, "LayerMode, error: Layer is not intialised"},
    {"SetModeRange", [](Draw& d) { return d.SetMode(256, 4, 1); }, "SetMode, error: Invalid layer Number"},
    {"SetModeMissing", [](Draw& d) { return d.SetMode(9, 4, 1); }, "SetMode, error: Layer is not intialised"},
    {"HideMissing", [](Draw& d) { d.HideLayer(9); return 0; }, "SetMode, error: Layer is not intialised"},
    {"IndexRange", [](Draw& d) { return d.IndexTransparency(-2, 0, 1); }, "IndexTransparency, error: Invalid layer Number"},
    {"IndexMissing", [](Draw& d) { return d.IndexTransparency(9, 0, 1); }, "IndexTransparency, error: Layer is not intialised"},
    {"MoveRange", [](Draw& d) { return d.MoveLayer(256, 1); }, "MoveLayer, error: Invalid layer number"},
    {"MoveMissing", [](Draw& d) { return d.MoveLayer(9, 1); }, "Movelayer, error: Layer is not intialised"},
    {"SwapRange", [](Draw& d) { return d.SwapLayers(1, 0); }, "SwapLayers, error: Invalid layer number"},
    {"SwapMissing", [](Draw& d) { return d.SwapLayers(1, 9); }, "SwapLayers, error: Both layers must be initialised"},
    {"SwapSelf", [](Draw& d) { return d.SwapLayers(2, 2); }, "SwapLayers, error: Cannot swap a layer with itself"},
    {"AlphaLayerRange", [](Draw& d) { return d.AddAlpha(0, 2, 1); }, "AddAlpha, error: The layer number is outside of the valid range"},
    {"AlphaSourceRange", [](Draw& d) { return d.AddAlpha(2, 256, 1); },
     "AddAlpha, error: The alpha layer number is outside of the valid range"},
    {"AlphaLayerMissing", [](Draw& d) { return d.AddAlpha(9, 2, 1); },
     "AddAlpha, error: The passed layer (9) does not exist - call InitLayer()"},
    {"AlphaSourceMissing", [](Draw& d) { return d.AddAlpha(2, 9, 1); },
     "AddAlpha, error: The passed alpha layer (9) does not exist - call InitLayer()"},
    {"AlphaChannel", [](Draw& d) { return d.AddAlpha(2, 3, 4); },
     "AddAlpha, error: Invalid channel, value must be: Channel:Red, Channel:Green or Channel:Blue"},
    {"CopyRange", [](Draw& d) { return d.CopyLayer(0, 1, 1, 5, 5, 0, 1, 1); }, "CopyLayer, error: Invalid layer Number."},
    {"CopyDestRange", [](Draw& d) { return d.CopyLayer(2, 1, 1, 5, 5, 256, 1, 1); }, "CopyLayer, error: Invalid layer Number."},
    {"CopyMissing", [](Draw& d) { return d.CopyLayer(9, 1, 1, 5, 5, 0, 1, 1); },
     "CopyLayer, error: Source or destination layer has not been intialised."},
    {"CopyDestMissing", [](Draw& d) { return d.CopyLayer(2, 1, 1, 5, 5, 9, 1, 1); },
     "CopyLayer, error: Source or destination layer has not been intialised."},
    {"CopySelf", [](Draw& d) { return d.CopyLayer(2, 1, 1, 10, 10, 2, 1, 1); }, "CopyLayer, error: Cannot copy a layer into itself."},
    {"ResizeRange", [](Draw& d) { return d.ResizeLayer(0, 5, 5, 1); }, "ResizeLayer, error: Invalid layer number - out of range"},
    {"ResizeMissing", [](Draw& d) { return d.ResizeLayer(9, 5, 5, 1); }, "ResizeLayer, error: Invalid layer - Not initialised"},
};

INSTANTIATE_TEST_SUITE_P(Refusals, LayerErrorTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LayerTest, SwapFindsBothLayersInTheOrder) {
    AddLayers({2, 3});
    canvas.LayerOrder[2] = 0;  // an order that lost layer 3
    EXPECT_EQ(canvas.SwapLayers(1, 3), 0);
    EXPECT_EQ(LastMessage(), "An error occured in SwapLayers, error: Could not find layers in layerOrder array");
    EXPECT_EQ(Order(), (Sequence{1, 2}));
}

TEST_F(LayerTest, TheOnlyLayerCannotBeKilled) {
    EXPECT_EQ(canvas.KillLayer(1), 0);
    EXPECT_EQ(LastMessage(), "An error occured in KillLayer, error: Cannot kill only layer");
    EXPECT_EQ(canvas.NumLayers(), 1);
    EXPECT_EQ(canvas.WithLayer("2"), 0);
}

TEST_F(LayerTest, AllLayersFillTheOrderWithoutOverrunningIt) {
    for (std::int32_t n = 2; n <= MaxLayers; ++n) ASSERT_EQ(canvas.InitLayer(n, 1, 1, 1, 1, -1, 0), 1);
    EXPECT_EQ(canvas.NumLayers(), 255);
    EXPECT_EQ(canvas.LayerOrder.back(), 255);
    ASSERT_EQ(canvas.MoveLayer(1, 255), 1);
    EXPECT_EQ(canvas.LayerOrder.front(), 2);
    EXPECT_EQ(canvas.LayerOrder.back(), 1);
    ASSERT_EQ(canvas.KillLayer(255), 1);
    EXPECT_EQ(canvas.LayerOrder.back(), 0);
    EXPECT_EQ(canvas.LayerOrder[253], 1);
}

}  // namespace
}  // namespace canvas
