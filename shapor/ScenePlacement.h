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
    // White pixels kept free along the surface's edge and between two objects.
    static constexpr int EdgeMargin = 2;
    static constexpr int Gap = 3;
    // The smallest side a drawn object is shrunk to.
    static constexpr int SmallestSide = 4;

    struct Result {
        std::vector<runtime::Point> at;  // top-left pixel of each object's box, 1-based
        runtime::Size size;              // the size to draw them at
    };

    explicit ScenePlacement(runtime::Random& random) : random_(random) {}

    Result Place(runtime::Size surface, ShapeKind kind, runtime::Size nominal, int count);

private:
    struct Box {
        int left, top, right, bottom;  // inclusive
    };

    std::optional<std::vector<runtime::Point>> Sample(runtime::Size surface, runtime::Size extent,
                                                      int count);
    std::optional<std::vector<runtime::Point>> Grid(runtime::Size surface, runtime::Size extent,
                                                    int count);
    std::vector<runtime::Point> Anywhere(runtime::Size surface, runtime::Size extent, int count);
    int Between(int low, int high);

    runtime::Random& random_;
};

}  // namespace shapor
