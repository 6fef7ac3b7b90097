#pragma once

#include <optional>
#include <vector>

#include "runtime/Services.h"
#include "runtime/Types.h"
#include "shapor/ShapeKind.h"

namespace shapor {

// Finds where the objects of a scene go so that a child can count them:
// every object wholly inside the surface, clear of its edge, and apart from
// the others. Positions are drawn uniformly among those that fit, by
// rejection sampling with a bounded number of tries; drawn kinds are made
// smaller only when that many objects of the nominal size cannot be placed.
class ScenePlacement {
public:
    // White pixels kept free between two objects and along the surface's edge.
    struct Spacing {
        int gap;
        int margin;
        friend bool operator==(const Spacing&, const Spacing&) = default;
    };
    static constexpr Spacing Roomy{3, 2};
    // Closer, for pictures, which cannot shrink, and for surfaces too small
    // for the smallest shapes; still white around every object.
    static constexpr Spacing Snug{2, 1};
    static constexpr Spacing Tight{1, 1};
    // The smallest side a drawn object is shrunk to.
    static constexpr int SmallestSide = 4;

    struct Result {
        std::vector<runtime::Point> at;  // top-left pixel of each object's box, 1-based
        runtime::Size size;              // the size to draw them at
        Spacing spacing = Roomy;         // what is kept free around them
    };

    explicit ScenePlacement(runtime::Random& random) : random_(random) {}

    Result Place(runtime::Size surface, ShapeKind kind, runtime::Size nominal, int count);

private:
    struct Box {
        int left, top, right, bottom;  // inclusive
    };

    using Points = std::vector<runtime::Point>;
    std::optional<Points> Sample(runtime::Size surface, runtime::Size extent, Spacing spacing,
                                 int count);
    std::optional<Points> Grid(runtime::Size surface, runtime::Size extent, Spacing spacing,
                               int count);
    Points Anywhere(runtime::Size surface, runtime::Size extent, int count);
    int Between(int low, int high);

    runtime::Random& random_;
};

}  // namespace shapor
