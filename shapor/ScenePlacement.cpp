#include "shapor/ScenePlacement.h"

#include <algorithm>
#include <numeric>

namespace shapor {

namespace {

// Bounds of the rejection sampling: tries per object before the whole scene
// is started again, and fresh starts before a size counts as not fitting.
constexpr int TriesPerObject = 100;
constexpr int Restarts = 10;

// The range of top-left coordinates that keeps an object of length `extent`
// inside a surface side of `length`, clear of the edge margin.
struct Range {
    int low, high;
    bool Empty() const { return high < low; }
};
Range Fitting(int length, int extent, int margin) {
    return {1 + margin, length - margin - extent + 1};
}

// The next smaller size of the same shape: its shorter side one pixel less,
// the longer side in proportion; none below the smallest side.
std::optional<runtime::Size> Smaller(runtime::Size nominal, runtime::Size current) {
    const bool widthIsShort = nominal.width <= nominal.height;
    const int shortNominal = widthIsShort ? nominal.width : nominal.height;
    const int longNominal = widthIsShort ? nominal.height : nominal.width;
    const int shortSide = (widthIsShort ? current.width : current.height) - 1;
    if (shortSide < ScenePlacement::SmallestSide) return std::nullopt;
    const int longSide = (longNominal * shortSide + shortNominal / 2) / shortNominal;
    return widthIsShort ? runtime::Size{shortSide, longSide} : runtime::Size{longSide, shortSide};
}

}  // namespace

int ScenePlacement::Between(int low, int high) {
    return random_.Between(low, high);
}

ScenePlacement::Result ScenePlacement::Place(runtime::Size surface, ShapeKind kind,
                                             runtime::Size nominal, int count) {
    if (count <= 0) return {{}, nominal};
    runtime::Size size = nominal;
    for (const Spacing spacing : {Roomy, Snug, Tight}) {
        size = nominal;
        for (;;) {
            const runtime::Size extent = Extent(kind, size);
            if (auto at = Sample(surface, extent, spacing, count))
                return {std::move(*at), size, spacing};
            if (auto at = Grid(surface, extent, spacing, count))
                return {std::move(*at), size, spacing};
            // Pictures have their own size; drawn shapes shrink until they fit.
            const auto smaller = IsPicture(kind) ? std::nullopt : Smaller(nominal, size);
            if (!smaller) break;
            size = *smaller;
        }
    }
    // A surface too small for even the smallest objects: keep the count, give up on the gaps.
    return {Anywhere(surface, Extent(kind, size), count), size, {0, 0}};
}

std::optional<ScenePlacement::Points> ScenePlacement::Sample(runtime::Size surface,
                                                             runtime::Size extent, Spacing spacing,
                                                             int count) {
    const Range xs = Fitting(surface.width, extent.width, spacing.margin);
    const Range ys = Fitting(surface.height, extent.height, spacing.margin);
    if (xs.Empty() || ys.Empty()) return std::nullopt;

    const int gap = spacing.gap;
    const auto apart = [gap](const Box& a, const Box& b) {
        return a.right + gap < b.left || b.right + gap < a.left || a.bottom + gap < b.top ||
               b.bottom + gap < a.top;
    };
    std::vector<Box> boxes;
    boxes.reserve(static_cast<std::size_t>(count));
    for (int start = 0; start < Restarts; ++start) {
        boxes.clear();
        while (static_cast<int>(boxes.size()) < count) {
            bool placed = false;
            for (int t = 0; t < TriesPerObject && !placed; ++t) {
                const int x = Between(xs.low, xs.high);
                const int y = Between(ys.low, ys.high);
                const Box box{x, y, x + extent.width - 1, y + extent.height - 1};
                placed = std::all_of(boxes.begin(), boxes.end(),
                                     [&](const Box& other) { return apart(box, other); });
                if (placed) boxes.push_back(box);
            }
            if (!placed) break;
        }
        if (static_cast<int>(boxes.size()) == count) {
            Points at;
            at.reserve(boxes.size());
            for (const Box& b : boxes) at.push_back({b.left, b.top});
            return at;
        }
    }
    return std::nullopt;
}

// When chance keeps failing but a regular grid holds them all: random cells
// of the grid, each object at a random place within its cell.
std::optional<ScenePlacement::Points> ScenePlacement::Grid(runtime::Size surface,
                                                           runtime::Size extent, Spacing spacing,
                                                           int count) {
    const int usableWidth = surface.width - 2 * spacing.margin;
    const int usableHeight = surface.height - 2 * spacing.margin;
    if (extent.width <= 0 || extent.height <= 0 || usableWidth < extent.width ||
        usableHeight < extent.height)
        return std::nullopt;
    const int gap = spacing.gap;
    const int columns = (usableWidth + gap) / (extent.width + gap);
    const int rows = (usableHeight + gap) / (extent.height + gap);
    if (columns * rows < count) return std::nullopt;

    const int pitchX = (usableWidth + gap) / columns;
    const int pitchY = (usableHeight + gap) / rows;
    std::vector<int> cells(static_cast<std::size_t>(columns * rows));
    std::iota(cells.begin(), cells.end(), 0);
    Points at;
    at.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::swap(cells[i], cells[Between(i, static_cast<int>(cells.size()) - 1)]);
        const int column = cells[i] % columns;
        const int row = cells[i] / columns;
        const int x =
            1 + spacing.margin + column * pitchX + Between(0, pitchX - extent.width - gap);
        at.push_back(
            {x, 1 + spacing.margin + row * pitchY + Between(0, pitchY - extent.height - gap)});
    }
    return at;
}

ScenePlacement::Points ScenePlacement::Anywhere(runtime::Size surface, runtime::Size extent,
                                                int count) {
    const auto pick = [&](Range r) { return r.Empty() ? 1 : Between(r.low, r.high); };
    const Range xs = Fitting(surface.width, extent.width, 0);
    const Range ys = Fitting(surface.height, extent.height, 0);
    Points at;
    for (int i = 0; i < count; ++i) {
        const int x = pick(xs);  // x is drawn before y
        at.push_back({x, pick(ys)});
    }
    return at;
}

}  // namespace shapor
