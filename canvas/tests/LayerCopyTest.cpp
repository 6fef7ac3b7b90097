#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "canvas/tests/CanvasFixture.h"

namespace canvas {
namespace {

using testing::CanvasTest;
using testing::OpenDraw;

constexpr std::int32_t kBackground = 0x0000AA;

// A distinct colour for every pixel of a layer.
std::int32_t Marker(std::int32_t x, std::int32_t y) { return 0x100000 + (y << 8) + x; }

class CompositionTest : public CanvasTest {
protected:
    void SetUp() override {
        Bind(10, 10);
        canvas.Blank(kBackground);
    }
    void AddMarkedLayer(std::int32_t n, std::int32_t w, std::int32_t h, std::int32_t xpos, std::int32_t ypos) {
        ASSERT_EQ(canvas.InitLayer(n, w, h, xpos, ypos, -1, 0), 1);
        ASSERT_EQ(canvas.WithLayer(std::to_string(n)), 1);
        for (std::int32_t y = 1; y <= h; ++y)
            for (std::int32_t x = 1; x <= w; ++x) canvas.PutPixel(x, y, Marker(x, y));
        ASSERT_EQ(canvas.WithLayer("1"), 1);
    }
};

struct Placement {
    std::int32_t xpos, ypos;
};

class PlacementTest : public CompositionTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(PlacementTest, ALayerShowsWhereItLiesAndNothingElse) {
    const auto [xpos, ypos] = GetParam();
    AddMarkedLayer(2, 10, 10, xpos, ypos);
    canvas.Display();
    for (std::int32_t y = 1; y <= 10; ++y) {
        for (std::int32_t x = 1; x <= 10; ++x) {
            const std::int64_t lx = std::int64_t{x} - xpos + 1, ly = std::int64_t{y} - ypos + 1;
            const bool inside = lx >= 1 && lx <= 10 && ly >= 1 && ly <= 10;
            ASSERT_EQ(BasePixel(x, y), inside ? Marker(static_cast<std::int32_t>(lx), static_cast<std::int32_t>(ly)) : kBackground)
                << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, PlacementTest,
                         ::testing::Values(Placement{1, 1}, Placement{0, 1}, Placement{-20, 1}, Placement{10, 1},
                                           Placement{11, 1}, Placement{1, 5}, Placement{1, 10}, Placement{1, 11},
                                           Placement{3, -2}, Placement{-9, -9}, Placement{4, 6},
                                           Placement{INT32_MIN, 1}, Placement{1, INT32_MAX}));

struct Rectangle {
    const char* name;
    std::int32_t srcx, srcy, width, height, destx, desty;
    // Base pixel -> layer pixel it must show; {0, 0} for the background.
    std::function<std::pair<std::int32_t, std::int32_t>(std::int32_t, std::int32_t)> shows;
};

void PrintTo(const Rectangle& r, std::ostream* out) { *out << r.name; }

class RectangleTest : public CompositionTest, public ::testing::WithParamInterface<Rectangle> {};

TEST_P(RectangleTest, CopyLayerClipsToBothLayers) {
    const Rectangle& r = GetParam();
    AddMarkedLayer(2, 6, 5, 1, 1);
    ASSERT_EQ(canvas.CopyLayer(2, r.srcx, r.srcy, r.width, r.height, 0, r.destx, r.desty), 1);
    for (std::int32_t y = 1; y <= 10; ++y) {
        for (std::int32_t x = 1; x <= 10; ++x) {
            const auto [lx, ly] = r.shows(x, y);
            const std::int32_t expected = lx == 0 ? 0 : Marker(lx, ly);
            ASSERT_EQ(BasePixel(x, y), expected) << x << "," << y;
        }
    }
}

auto Within(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::int32_t dx, std::int32_t dy) {
    // Base pixels x0..x1, y0..y1 show layer pixel (x + dx, y + dy).
    return [=](std::int32_t x, std::int32_t y) {
        if (x < x0 || x > x1 || y < y0 || y > y1) return std::pair{0, 0};
        return std::pair{x + dx, y + dy};
    };
}

const Rectangle kRectangles[] = {
    {"Whole", 1, 1, 6, 5, 1, 1, Within(1, 1, 6, 5, 0, 0)},
    {"Part", 3, 4, 2, 2, 1, 1, Within(1, 1, 2, 2, 2, 3)},
    {"Moved", 1, 1, 6, 5, 4, 6, Within(4, 6, 9, 10, -3, -5)},
    // Cut at the source's last column and row; the corner stays.
    {"TooLarge", 2, 2, 50, 50, 1, 1, Within(1, 1, 5, 4, 1, 1)},
    // A start before column 1 becomes 1 and the corner stays.
    {"BeforeTheSource", -3, 1, 2, 1, 5, 5, Within(5, 5, 6, 5, -4, -4)},
    // Negative sizes extend left and up from the given corner.
    {"NegativeSizes", 5, 4, -2, -2, 1, 1, Within(1, 1, 2, 2, 2, 1)},
    // Off the destination: the part inside keeps its place.
    {"LeftOfTheBase", 1, 1, 6, 5, -2, 1, Within(1, 1, 3, 5, 3, 0)},
    {"AboveTheBase", 1, 1, 6, 5, 1, -3, Within(1, 1, 6, 1, 0, 4)},
    {"RightOfTheBase", 1, 1, 6, 5, 8, 1, Within(8, 1, 10, 5, -7, 0)},
    {"BelowTheBase", 1, 1, 6, 5, 1, 8, Within(1, 8, 6, 10, 0, -7)},
    {"WhollyOutside", 1, 1, 6, 5, 11, 1, Within(0, 0, -1, -1, 0, 0)},
    {"SourceStartsPastItsEnd", 7, 1, 2, 2, 1, 1, Within(0, 0, -1, -1, 0, 0)},
    {"ZeroWidth", 1, 1, 0, 5, 1, 1, Within(0, 0, -1, -1, 0, 0)},
};

INSTANTIATE_TEST_SUITE_P(Rectangles, RectangleTest, ::testing::ValuesIn(kRectangles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CompositionTest, ALayerCopiesOntoAnotherLayer) {
    AddMarkedLayer(2, 3, 3, 1, 1);
    ASSERT_EQ(canvas.InitLayer(3, 5, 5, 1, 1, -1, 0), 1);
    ASSERT_EQ(canvas.CopyLayer(2, 1, 1, 3, 3, 3, 2, 3), 1);
    ASSERT_EQ(canvas.WithLayer("3"), 1);
    EXPECT_EQ(canvas.GetImagePixel(2, 3), Marker(1, 1));
    EXPECT_EQ(canvas.GetImagePixel(4, 5), Marker(3, 3));
    EXPECT_EQ(canvas.GetImagePixel(1, 1), 0);
}

// Transparent colour: a pseudo-random picture of white and other pixels on
// a wide canvas, so that runs cross every block boundary.
struct KeyCase {
    std::int32_t indexColor;  // as given to IndexTransparency
    std::int32_t keyPixel;    // the pixel colour left out
};

class TransparencyTest : public CanvasTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(TransparencyTest, PixelsOfTheIndexColourLetTheLayerBelowShow) {
    const KeyCase c = GetParam();
    Bind(157, 3);
    canvas.Blank(kBackground);
    ASSERT_EQ(canvas.InitLayer(2, 0, 0, 1, 1, -1, 0), 1);
    ASSERT_EQ(canvas.WithLayer("2"), 1);
    std::uint32_t seed = 12345;
    auto keyed = [&](std::int32_t, std::int32_t) {
        seed = seed * 1103515245 + 12345;
        return ((seed >> 16) % 7) < 3 || ((seed >> 20) % 40) == 0;
    };
    std::vector<bool> isKey;
    for (std::int32_t y = 1; y <= 3; ++y)
        for (std::int32_t x = 1; x <= 157; ++x) {
            const bool k = y == 2 ? x < 60 : keyed(x, y);  // row 2: one long run, then opaque
            isKey.push_back(k);
            // Near misses of the key colour are drawn.
            canvas.PutPixel(x, y, k ? c.keyPixel : (x % 3 == 0 ? (c.keyPixel ^ 0x010000) : Marker(x, y)));
        }
    ASSERT_EQ(canvas.WithLayer("1"), 1);

    ASSERT_EQ(canvas.IndexTransparency(2, c.indexColor, 1), 1);
    std::size_t i = 0;
    // Once as drawn, then again unchanged, when the opaque runs are reused.
    for (int pass = 0; pass < 3; ++pass) {
        canvas.Display();
        i = 0;
        for (std::int32_t y = 1; y <= 3; ++y)
            for (std::int32_t x = 1; x <= 157; ++x, ++i) {
                const std::int32_t drawn = x % 3 == 0 ? (c.keyPixel ^ 0x010000) & 0xFFFFFF : Marker(x, y);
                ASSERT_EQ(BasePixel(x, y), isKey[i] ? kBackground : drawn) << x << "," << y << " pass " << pass;
            }
    }

    // Without the flag the key colour covers the layer below again.
    ASSERT_EQ(canvas.IndexTransparency(2, c.indexColor, 0), 1);
    canvas.Display();
    i = 0;
    for (std::int32_t y = 1; y <= 3; ++y)
        for (std::int32_t x = 1; x <= 157; ++x, ++i)
            if (isKey[i]) {
                ASSERT_EQ(BasePixel(x, y), c.keyPixel & 0xFFFFFF);
            }
}

INSTANTIATE_TEST_SUITE_P(Keys, TransparencyTest,
                         ::testing::Values(KeyCase{0xFFFFFF, 0xFFFFFF}, KeyCase{-1, 0xFFFFFF}, KeyCase{0, 0},
                                           KeyCase{0x7F123456, 0x123456}));

// A keyed layer shown again and again, changed in between by each way of
// changing a layer: every change shows at the next Display, although the
// unchanged layer was copied from what was learnt about its pixels.
constexpr std::int32_t kChanged = 0x123456;
constexpr std::int32_t kRed = 0x0000FF;
struct Change {
    const char* name;
    std::function<void(OpenDraw&)> change;
    std::int32_t at3x2, at25x1;  // the base pixels after it
};
void PrintTo(const Change& change, std::ostream* out) { *out << change.name; }

class KeyedLayerChangeTest : public CanvasTest, public ::testing::WithParamInterface<Change> {
protected:
    void SetUp() override {
        Bind(40, 4);
        canvas.Blank(kBackground);
        ASSERT_EQ(canvas.InitLayer(2, 0, 0, 1, 1, 0xFFFFFF, ModeIndex), 1);
        ASSERT_EQ(canvas.InitLayer(3, 0, 0, 1, 1, -1, ModeHidden), 1);
        Paint(3, kChanged);
        Paint(2, 0xFFFFFF);
        ASSERT_EQ(canvas.WithLayer("2"), 1);
        for (std::int32_t x = 20; x <= 40; ++x) canvas.PutPixel(x, 1, kRed);
    }
};

TEST_P(KeyedLayerChangeTest, ShowsAtTheNextDisplay) {
    for (int pass = 0; pass < 3; ++pass) canvas.Display();
    ASSERT_EQ(BasePixel(3, 2), kBackground);
    ASSERT_EQ(BasePixel(25, 1), kRed);
    GetParam().change(canvas);
    canvas.Display();
    EXPECT_EQ(BasePixel(3, 2), GetParam().at3x2);
    EXPECT_EQ(BasePixel(25, 1), GetParam().at25x1);
    EXPECT_EQ(BasePixel(4, 2), GetParam().at3x2 == kChanged ? kBackground : GetParam().at3x2);
}

const Change kChanges[] = {
    {"PutPixel", [](OpenDraw& d) { d.PutPixel(3, 2, kChanged); }, kChanged, kRed},
    {"Plot", [](OpenDraw& d) { d.SetPenColor(kChanged); d.Plot(3, 2, 0); }, kChanged, kRed},
    {"Line", [](OpenDraw& d) { d.SetPenColor(kChanged); d.Line(3, 2, 0, 1); d.PutPixel(3, 3, 0xFFFFFF); }, kChanged, kRed},
    {"Box", [](OpenDraw& d) { d.SetPenColor(-1); d.Box(2, 2, 2, 1, kChanged); }, kChanged, kRed},
    {"Ellipse", [](OpenDraw& d) { d.SetPenColor(kChanged); d.Ellipse(3, 2, 1, 1, -1); }, kChanged, kRed},
    {"Polygon", [](OpenDraw& d) {
         d.SetPenColor(kChanged);
         const std::int32_t xy[] = {3, 2, 3, 2, 3, 2};
         d.Polygon(xy, -1, 0);
     }, kChanged, kRed},
    {"CopyLayer", [](OpenDraw& d) { d.CopyLayer(3, 1, 1, 1, 1, 2, 3, 2); }, kChanged, kRed},
    {"Blank", [](OpenDraw& d) { d.Blank(0x00FF00); }, 0x00FF00, 0x00FF00},
    {"GetDisplay", [](OpenDraw& d) {
         // Layer 2 takes the composed picture with a changed pixel of layer 1.
         d.WithLayer("1");
         d.PutPixel(3, 2, kChanged);
         d.Display();
         d.PutPixel(3, 2, kBackground);
         d.WithLayer("2");
         d.GetDisplay();
     }, kChanged, kRed},
    {"IndexColour", [](OpenDraw& d) { d.IndexTransparency(2, kRed, 1); }, 0xFFFFFF, kBackground},
    {"InitLayer", [](OpenDraw& d) { d.InitLayer(2, 0, 0, 1, 1, 0xFFFFFF, ModeIndex); }, 0, 0},
    {"KillAndInitLayer", [](OpenDraw& d) {
         d.KillLayer(2);
         d.InitLayer(2, 0, 0, 1, 1, 0xFFFFFF, ModeIndex);
     }, 0, 0},
    {"ResizeLayer", [](OpenDraw& d) { d.ResizeLayer(2, 20, 4, 0); }, 0, kBackground},
};

INSTANTIATE_TEST_SUITE_P(Changes, KeyedLayerChangeTest, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

// A keyed layer over an opaque layer of the same size and place, shown again
// unchanged, is composed in one pass from the two: the picture is the one
// the two copies gave, wherever the pair lies, cut by the base or not.
TEST_F(CanvasTest, KeyedLayerOverAnOpaqueOneShowsAsTwoCopiesWouldAgain) {
    const struct {
        std::int32_t x, y;
    } places[] = {{1, 1}, {-4, 3}, {12, 0}, {3, 7}};
    // Opaque runs long enough to be kept: 12 pixels, 8 apart, shifted by the
    // row so that they start and end at both row ends.
    const auto opaque = [](std::int32_t x, std::int32_t y) { return (x + 3 * y) % 20 < 12; };
    for (const auto& place : places) {
        SCOPED_TRACE(::testing::Message() << "pair at " << place.x << ", " << place.y);
        Bind(90, 9);
        canvas.Blank(0x102030);
        ASSERT_EQ(canvas.InitLayer(2, 80, 8, place.x, place.y, -1, 0), 1);
        ASSERT_EQ(canvas.InitLayer(3, 80, 8, place.x, place.y, 0xFFFFFF, ModeIndex), 1);
        ASSERT_EQ(canvas.WithLayer("2"), 1);
        for (std::int32_t y = 1; y <= 8; ++y)
            for (std::int32_t x = 1; x <= 80; ++x) canvas.PutPixel(x, y, x * 0x010301 + y * 0x000B00);
        ASSERT_EQ(canvas.WithLayer("3"), 1);
        canvas.Blank(0xFFFFFF);
        for (std::int32_t y = 1; y <= 8; ++y)
            for (std::int32_t x = 1; x <= 80; ++x)
                if (opaque(x, y)) canvas.PutPixel(x, y, x % 4 == 0 ? 0xFFFFFE : 0x00C000 + x);  // near misses too
        ASSERT_EQ(canvas.WithLayer("1"), 1);

        canvas.Display();  // layer 3 copied as drawn
        const std::vector<std::uint8_t> twoCopies = canvas.BaseLayer.BitmapData;
        for (int pass = 0; pass < 2; ++pass) {  // then its runs are found, then reused
            canvas.Display();
            ASSERT_EQ(canvas.BaseLayer.BitmapData, twoCopies) << "pass " << pass;
        }
        // A change to the layer under shows at once, where the keyed layer
        // leaves it out.
        ASSERT_EQ(canvas.WithLayer("2"), 1);
        canvas.PutPixel(9, 2, 0x0000FF);
        ASSERT_EQ(canvas.WithLayer("1"), 1);
        ASSERT_FALSE(opaque(9, 2));
        canvas.Display();
        const std::int32_t x = place.x + 8, y = place.y + 1;  // layer pixel (9, 2) on the base
        if (x >= 1 && x <= 90 && y >= 1 && y <= 9) {
            EXPECT_EQ(BasePixel(x, y), 0x0000FF);
        }
    }
}

// Layers wholly covered by an opaque layer above are not copied; the picture
// is the same as if they were.
TEST_F(CompositionTest, CoveredLayersLeaveThePictureAsIfCopied) {
    struct Case {
        const char* name;
        std::int32_t coverX, coverY, coverWidth;  // layer 4, opaque, above the others
        std::uint8_t coverMode;
    };
    const Case cases[] = {
        {"whole", 1, 1, 10, 0}, {"shifted", 2, 1, 10, 0}, {"narrow", 1, 1, 6, 0},
        {"keyed", 1, 1, 10, ModeIndex}, {"hidden", 1, 1, 10, ModeHidden},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bind(10, 10);
        AddMarkedLayer(2, 4, 4, 3, 3);
        AddMarkedLayer(3, 10, 10, 1, 1);
        ASSERT_EQ(canvas.InitLayer(4, c.coverWidth, 10, c.coverX, c.coverY, 0x00FF00, c.coverMode), 1);
        Paint(4, 0x00FF00);
        ASSERT_EQ(canvas.WithLayer("4"), 1);
        canvas.PutPixel(1, 1, 0x0000FF);
        canvas.Display();
        const Bytes shown = canvas.BaseLayer.BitmapData;

        // The same picture built by copying every layer, lowest first.
        canvas.BaseLayer.BitmapData.assign(canvas.BaseLayer.BitmapData.size(), 0);
        for (std::int32_t n : {1, 2, 3, 4}) {
            const LayerRecord& layer = canvas.Layers[static_cast<std::size_t>(n - 1)];
            if (layer.DisplayMode & ModeHidden) continue;
            canvas.CopyLayer(n, 1, 1, layer.Width, layer.Height, 0, layer.XPos, layer.YPos);
        }
        EXPECT_EQ(Bytes(shown.begin() + 54, shown.end()),
                  Bytes(canvas.BaseLayer.BitmapData.begin() + 54, canvas.BaseLayer.BitmapData.end()));
    }
}

class AlphaTest : public CanvasTest {
protected:
    void SetUp() override {
        Bind(4, 1);
        canvas.Blank(0x0000C8);  // red 200 below
        ASSERT_EQ(canvas.InitLayer(2, 0, 0, 1, 1, -1, ModeAlpha), 1);
        ASSERT_EQ(canvas.InitLayer(3, 0, 0, 1, 1, -1, 0), 1);
        Paint(2, 0x000064);  // red 100 above
        ASSERT_EQ(canvas.WithLayer("3"), 1);
        // Alpha in the red byte: opaque, invisible, a third, a half.
        const std::int32_t alpha[] = {0, 255, 85, 128};
        for (std::int32_t x = 1; x <= 4; ++x) canvas.PutPixel(x, 1, alpha[x - 1] | 0x00FF00);
        ASSERT_EQ(canvas.WithLayer("1"), 1);
    }
};

TEST_F(AlphaTest, AlphaGivesTheTransparencyOfEachPixel) {
    ASSERT_EQ(canvas.AddAlpha(2, 3, ChannelRed), 1);
    // (100 * (255 - a) + 200 * a) / 255, rounded; layer 3 itself is drawn
    // last and would cover, so it is hidden.
    canvas.HideLayer(3);
    canvas.Display();
    EXPECT_EQ(BasePixel(1, 1), 100);
    EXPECT_EQ(BasePixel(2, 1), 200);
    EXPECT_EQ(BasePixel(3, 1), 133);
    EXPECT_EQ(BasePixel(4, 1), 150);
}

TEST_F(AlphaTest, TheChannelChoosesTheByte) {
    canvas.HideLayer(3);
    ASSERT_EQ(canvas.AddAlpha(2, 3, ChannelGreen), 1);  // green 255: invisible
    canvas.Display();
    for (std::int32_t x = 1; x <= 4; ++x) EXPECT_EQ(BasePixel(x, 1), 200);
    ASSERT_EQ(canvas.AddAlpha(2, 3, ChannelBlue), 1);  // blue 0: opaque
    canvas.Display();
    for (std::int32_t x = 1; x <= 4; ++x) EXPECT_EQ(BasePixel(x, 1), 100);
}

TEST_F(AlphaTest, BlendingNeedsTheFlag) {
    canvas.HideLayer(3);
    ASSERT_EQ(canvas.AddAlpha(2, 3, ChannelRed), 1);
    ASSERT_EQ(canvas.SetMode(2, ModeAlpha, 0), 1);
    canvas.Display();
    EXPECT_EQ(BasePixel(2, 1), 100);
}

TEST_F(AlphaTest, TheIndexColourIsLeftOutBeforeBlending) {
    canvas.HideLayer(3);
    ASSERT_EQ(canvas.AddAlpha(2, 3, ChannelRed), 1);
    ASSERT_EQ(canvas.IndexTransparency(2, 0x000064, 1), 1);
    canvas.Display();
    EXPECT_EQ(BasePixel(1, 1), 200);
}

TEST_F(AlphaTest, ASmallAlphaSourceIsNeverReadPastItsEnd) {
    ASSERT_EQ(canvas.InitLayer(3, 1, 1, 1, 1, -1, 0), 1);  // 1 x 1 now
    Paint(3, 0x0000FF);                                     // alpha 255: invisible
    canvas.HideLayer(3);
    ASSERT_EQ(canvas.AddAlpha(2, 3, ChannelRed), 1);
    canvas.Display();
    EXPECT_EQ(BasePixel(1, 1), 200);
    // Past the alpha source's pixels the layer counts as opaque.
    EXPECT_EQ(BasePixel(4, 1), 100);
}

TEST_F(AlphaTest, AKilledAlphaSourceIsNoLongerUsed) {
    ASSERT_EQ(canvas.AddAlpha(2, 3, ChannelRed), 1);
    ASSERT_EQ(canvas.KillLayer(3), 1);
    canvas.Display();
    for (std::int32_t x = 1; x <= 4; ++x) EXPECT_EQ(BasePixel(x, 1), 100);
}

// The link outlives the kill: the re-created source blends again, and so
// does a re-created layer through its old source.
TEST_F(AlphaTest, ReCreatedLayersBlendThroughTheirOldLink) {
    ASSERT_EQ(canvas.AddAlpha(2, 3, ChannelRed), 1);
    ASSERT_EQ(canvas.KillLayer(3), 1);
    ASSERT_EQ(canvas.InitLayer(3, 0, 0, 1, 1, -1, ModeHidden), 1);
    ASSERT_EQ(canvas.WithLayer("3"), 1);
    canvas.PutPixel(2, 1, 0x0000FF);  // invisible there
    canvas.Display();
    EXPECT_EQ(BasePixel(1, 1), 100);
    EXPECT_EQ(BasePixel(2, 1), 200);

    ASSERT_EQ(canvas.KillLayer(2), 1);
    ASSERT_EQ(canvas.InitLayer(2, 0, 0, 1, 1, -1, ModeAlpha), 1);
    Paint(2, 0x000064);
    canvas.Display();
    EXPECT_EQ(BasePixel(1, 1), 100);
    EXPECT_EQ(BasePixel(2, 1), 200);
}

}  // namespace
}  // namespace canvas
