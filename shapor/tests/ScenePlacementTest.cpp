#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shapor/ScenePlacement.h"

namespace shapor {
namespace {

using runtime::Point;
using runtime::Size;

constexpr ScenePlacement::Spacing Roomy = ScenePlacement::Roomy;
constexpr ScenePlacement::Spacing Tight = ScenePlacement::Tight;

// Surfaces around the size of the drawing surface, a roomy one and a cramped
// one; pictures cannot shrink and are only asked to fit where ten of them can.
struct Case {
    ShapeKind kind;
    Size surface;
};
std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (const KindInfo& info : Kinds) {
        for (const Size surface : {Size{150, 100}, Size{175, 120}, Size{300, 200}, Size{90, 70}}) {
            const int tightRows = 3 * LargestPicture.height + 2 * (Tight.gap + Tight.margin);
            if (!IsPicture(info.kind) || surface.height >= tightRows)
                cases.push_back({info.kind, surface});
        }
    }
    return cases;
}

// How many objects of this extent a regular grid holds on the surface, roomily spaced.
int GridCapacity(Size surface, Size extent) {
    const int columns = (surface.width - 2 * Roomy.margin + Roomy.gap) / (extent.width + Roomy.gap);
    const int rows = (surface.height - 2 * Roomy.margin + Roomy.gap) / (extent.height + Roomy.gap);
    return std::max(columns, 0) * std::max(rows, 0);
}

class ScenePlacementTest : public testing::TestWithParam<Case> {};

TEST_P(ScenePlacementTest, EveryObjectInsideClearOfTheEdgeAndApart) {
    const auto [kind, surface] = GetParam();
    for (int count = 0; count <= 10; ++count) {
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            runtime::Random random(seed);
            const auto result =
                ScenePlacement(random).Place(surface, kind, Info(kind).nominal, count);
            ASSERT_EQ(static_cast<int>(result.at.size()), count);
            const Size extent = Extent(kind, result.size);
            // Drawn shapes shrink rather than crowd; pictures may need the tight spacing.
            const auto spacing = result.spacing;
            if (!IsPicture(kind) || count == 1) {
                EXPECT_EQ(spacing, Roomy);
            }
            ASSERT_TRUE(spacing == Roomy || spacing == ScenePlacement::Snug || spacing == Tight);
            const int M = spacing.margin, G = spacing.gap;
            for (std::size_t i = 0; i < result.at.size(); ++i) {
                const Point p = result.at[i];
                SCOPED_TRACE(testing::Message()
                             << "N " << count << " seed " << seed << " object " << i);
                EXPECT_GE(p.x, 1 + M);
                EXPECT_GE(p.y, 1 + M);
                EXPECT_LE(p.x + extent.width - 1, surface.width - M);
                EXPECT_LE(p.y + extent.height - 1, surface.height - M);
                for (std::size_t j = 0; j < i; ++j) {
                    const Point q = result.at[j];
                    const bool apart =
                        p.x + extent.width - 1 + G < q.x || q.x + extent.width - 1 + G < p.x ||
                        p.y + extent.height - 1 + G < q.y || q.y + extent.height - 1 + G < p.y;
                    EXPECT_TRUE(apart) << "overlaps object " << j;
                }
            }
        }
    }
}

TEST_P(ScenePlacementTest, ShrinksOnlyWhenTheNextLargerSizeCannotHoldThem) {
    const auto [kind, surface] = GetParam();
    const Size nominal = Info(kind).nominal;
    for (int count = 1; count <= 10; ++count) {
        runtime::Random random(count);
        const Size size = ScenePlacement(random).Place(surface, kind, nominal, count).size;
        SCOPED_TRACE(testing::Message() << "N " << count);
        if (IsPicture(kind) || GridCapacity(surface, Extent(kind, nominal)) >= count) {
            EXPECT_EQ(size, nominal);
            continue;
        }
        // Same shape, smaller; one step larger would not have held them in a grid.
        EXPECT_LT(size.width, nominal.width);
        EXPECT_NEAR(static_cast<double>(size.height) / size.width,
                    static_cast<double>(nominal.height) / nominal.width, 0.1);
        const bool widthIsShort = nominal.width <= nominal.height;
        const int shortNominal = std::min(nominal.width, nominal.height);
        const int longNominal = std::max(nominal.width, nominal.height);
        const int shortSide = std::min(size.width, size.height) + 1;
        const int longSide = (longNominal * shortSide + shortNominal / 2) / shortNominal;
        const Size larger = widthIsShort ? Size{shortSide, longSide} : Size{longSide, shortSide};
        EXPECT_LT(GridCapacity(surface, Extent(kind, larger)), count);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKindAndSurface, ScenePlacementTest, testing::ValuesIn(Cases()),
                         [](const auto& info) {
                             return std::string(Info(info.param.kind).name) + "_" +
                                    std::to_string(info.param.surface.width) + "x" +
                                    std::to_string(info.param.surface.height);
                         });

TEST(ScenePlacement, OneObjectIsPlacedUniformlyOverTheWholeRange) {
    const Size surface{150, 100};
    const Size extent = Extent(ShapeKind::Square, {40, 40});
    const int low = 1 + Roomy.margin, high = surface.width - Roomy.margin - extent.width + 1;
    std::vector<int> hits(static_cast<std::size_t>(high - low + 1));
    runtime::Random random(7);
    ScenePlacement placement(random);
    constexpr int Draws = 20000;
    for (int i = 0; i < Draws; ++i) {
        const int x = placement.Place(surface, ShapeKind::Square, {40, 40}, 1).at[0].x;
        ASSERT_GE(x, low);
        ASSERT_LE(x, high);
        ++hits[static_cast<std::size_t>(x - low)];
    }
    const double expected = static_cast<double>(Draws) / static_cast<double>(hits.size());
    for (int h : hits) EXPECT_NEAR(h, expected, expected * 0.35);
}

TEST(ScenePlacement, ASurfaceTooSmallStillGetsEveryObject) {
    for (const Size surface : {Size{0, 0}, Size{5, 5}, Size{20, 200}}) {
        runtime::Random random(3);
        const auto result = ScenePlacement(random).Place(surface, ShapeKind::Star, {32, 32}, 10);
        EXPECT_EQ(result.at.size(), 10u);
        const auto square = ScenePlacement(random).Place(surface, ShapeKind::Square, {40, 40}, 10);
        EXPECT_EQ(square.at.size(), 10u);
        EXPECT_GE(square.size.width, ScenePlacement::SmallestSide);
    }
}

}  // namespace
}  // namespace shapor
