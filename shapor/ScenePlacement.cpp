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
Range Fitting(int length, int extent) {
    return {1 + ScenePlacement::EdgeMargin, length - ScenePlacement::EdgeMargin - extent + 1};
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

int ScenePlacement::Between(int low, int high) { return random_.Between(low, high); }

ScenePlacement::Result ScenePlacement::Place(runtime::Size surface, ShapeKind kind,
                                             runtime::Size nominal, int count) {
    if (count <= 0) return {{}, nominal};
    runtime::Size size = nominal;
    for (;;) {
        const runtime::Size extent = Extent(kind, size);
        if (auto at = Sample(surface, extent, count)) return {std::move(*at), size};
        if (auto at = Grid(surface, extent, count)) return {std::move(*at), size};
        // Pictures have their own size; drawn shapes shrink until they fit.
        const auto smaller = IsPicture(kind) ? std::nullopt : Smaller(nominal, size);
        if (!smaller) break;
        size = *smaller;
    }
    // A surface too small for even the smallest objects: keep the count, give up on the gaps.
    return {Anywhere(surface, Extent(kind, size), count), size};
}

std::optional<std::vector<runtime::Point>> ScenePlacement::Sample(runtime::Size surface,
                                                                  runtime::Size extent, int count) {
    const Range xs = Fitting(surface.width, extent.width);
    const Range ys = Fitting(surface.height, extent.height);
    if (xs.Empty() || ys.Empty()) return std::nullopt;

    const auto apart = [](const Box& a, const Box& b) {
        return a.right + Gap < b.left || b.right + Gap < a.left || a.bottom + Gap < b.top ||
               b.bottom + Gap < a.top;
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
            std::vector<runtime::Point> at;
            at.reserve(boxes.size());
            for (const Box& b : boxes) at.push_back({b.left, b.top});
            return at;
        }
    }
    return std::nullopt;
}

// When chance keeps failing but a regular grid holds them all: random cells
// of the grid, each object at a random place within its cell.
std::optional<std::vector<runtime::Point>> ScenePlacement::Grid(runtime::Size surface,
                                                                runtime::Size extent, int count) {
    const int usableWidth = surface.width - 2 * EdgeMargin;
    const int usableHeight = surface.height - 2 * EdgeMargin;
    if (extent.width <= 0 || extent.height <= 0 || usableWidth < extent.width ||
        usableHeight < extent.height)
        return std::nullopt;
    const int columns = (usableWidth + Gap) / (extent.width + Gap);
    const int rows = (usableHeight + Gap) / (extent.height + Gap);
    if (columns * rows < count) return std::nullopt;

    const int pitchX = (usableWidth + Gap) / columns;
    const int pitchY = (usableHeight + Gap) / rows;
    std::vector<int> cells(static_cast<std::size_t>(columns * rows));
    std::iota(cells.begin(), cells.end(), 0);
    std::vector<runtime::Point> at;
    at.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::swap(cells[i], cells[Between(i, static_cast<int>(cells.size()) - 1)]);
        const int column = cells[i] % columns;
        const int row = cells[i] / columns;
        at.push_back({1 + EdgeMargin + column * pitchX + Between(0, pitchX - extent.width - Gap),
                      1 + EdgeMargin + row * pitchY + Between(0, pitchY - extent.height - Gap)});
    }
    return at;
}

std::vector<runtime::Point> ScenePlacement::Anywhere(runtime::Size surface, runtime::Size extent,
                                                     int count) {
    const auto pick = [&](Range r) { return r.Empty() ? r.low : Between(r.low, r.high); };
    const Range xs = Fitting(surface.width, extent.width);
    const Range ys = Fitting(surface.height, extent.height);
    std::vector<runtime::Point> at;
    for (int i = 0; i < count; ++i) {
        const int x = pick(xs);  // x is drawn before y
        at.push_back({x, pick(ys)});
    }
    return at;
}

}  // namespace shapor
