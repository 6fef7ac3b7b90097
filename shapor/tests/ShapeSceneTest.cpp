#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "canvas/tests/FakeHost.h"
#include "shapor/ShapeScene.h"
#include "shapor/testing/SceneFolder.h"
#include "shapor/tests/Regions.h"

namespace shapor {
namespace {

using testing::CountPieces;

// A scene on a canvas of the drawing surface's size, pictures read from the
// folder of the shipped scene pictures.
class ShapeSceneTest : public ::testing::Test {
protected:
    explicit ShapeSceneTest(int width = testing::SurfaceWidth,
                            int height = testing::SurfaceHeight) {
        host.SetSize(width, height);
        drawer.Init(16);
    }

    // Draws scenes of `n` objects, seed after seed, until every kind has been
    // drawn `perKind` times; calls check(kind) after each scene.
    template <typename Check>
    void EveryKind(int n, int perKind, Check check) {
        std::map<std::string, int> drawn;
        for (std::uint64_t seed = 1; static_cast<int>(drawn.size()) < LastKind ||
                                     std::any_of(drawn.begin(), drawn.end(),
                                                 [&](const auto& d) { return d.second < perKind; });
             ++seed) {
            ASSERT_LT(seed, 2000u) << "some kind is never drawn";
            random.Seed(seed * 7919 + static_cast<std::uint64_t>(n));
            v.N1 = static_cast<std::int16_t>(n);
            host.pictures.clear();
            scene.DrawShapes1();
            const std::string kind = v.LocShape.Str();
            ++drawn[kind];
            SCOPED_TRACE(::testing::Message() << kind << ", N1 " << n << ", seed " << seed);
            check(kind);
            if (HasFatalFailure()) return;
        }
    }

    testing::SceneFolder folder;
    canvas::testing::FakeHost host;
    canvas::Draw drawer{host};
    runtime::Random random{1};
    Variables v;
    ShapeScene scene{v, drawer, random};
};

TEST_F(ShapeSceneTest, TheSceneBuildsUpObjectByObject) {
    EveryKind(6, 2, [&](const std::string& kind) {
        // A clear surface first; each triangle is shown twice.
        const int showsPerObject = kind == "triangle" ? 2 : 1;
        ASSERT_EQ(static_cast<int>(host.pictures.size()), 1 + 6 * showsPerObject);
        EXPECT_EQ(CountPieces(host.pictures.front()).count, 0);
        for (int k = 1; k <= 6; ++k)
            EXPECT_EQ(
                CountPieces(host.pictures[static_cast<std::size_t>(k * showsPerObject)]).count, k);
    });
}

TEST_F(ShapeSceneTest, NoObjectsClearsTheSurfaceToWhite) {
    EveryKind(0, 1, [&](const std::string& kind) {
        EXPECT_TRUE(std::any_of(Kinds.begin(), Kinds.end(),
                                [&](const KindInfo& k) { return k.name == kind; }));
        ASSERT_EQ(host.pictures.size(), 1u);
        const auto pieces = CountPieces(host.LastPicture());
        EXPECT_TRUE(pieces.valid);
        EXPECT_EQ(pieces.count, 0) << "a pixel is not white";
    });
}

TEST_F(ShapeSceneTest, ALaterSquareIsOutlinedInTheLastTrianglesPen) {
    v.N1 = 3;
    std::int32_t trianglePen = -1;
    for (std::uint64_t seed = 1; seed < 500; ++seed) {
        random.Seed(seed);
        scene.DrawShapes1();
        if (v.LocShape == "triangle") {
            trianglePen = drawer.PenColor;
        } else if (v.LocShape == "square" && trianglePen >= 0) {
            // Every square's top-left corner is the first inked pixel of its rows.
            const auto& shown = host.LastPicture();
            int corners = 0;
            for (int y = 1; y <= drawer.Height; ++y)
                for (int x = 1; x <= drawer.Width; ++x)
                    if (testing::PixelAt(shown, x, y) != 0xFFFFFF &&
                        testing::PixelAt(shown, x - 1, y) == 0xFFFFFF &&
                        testing::PixelAt(shown, x, y - 1) == 0xFFFFFF) {
                        EXPECT_EQ(testing::PixelAt(shown, x, y), trianglePen);
                        ++corners;
                    }
            EXPECT_EQ(corners, 3);
            return;
        }
    }
    FAIL() << "no square scene after a triangle scene";
}

}  // namespace
}  // namespace shapor
