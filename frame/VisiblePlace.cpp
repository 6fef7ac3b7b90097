#include "frame/VisiblePlace.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace frame {
namespace {

// Coordinates of a remembered place can be anything a file holds; sums are
// taken in 64 bits.
struct Box {
    std::int64_t left, top, right, bottom;
    std::int64_t Area() const {
        return std::max<std::int64_t>(0, right - left) * std::max<std::int64_t>(0, bottom - top);
    }
};

Box At(runtime::Point position, runtime::Rect r) {
    const std::int64_t left = std::int64_t{position.x} + r.x, top = std::int64_t{position.y} + r.y;
    return {left, top, left + r.width, top + r.height};
}

Box BoxOf(runtime::Rect r) {
    return At({0, 0}, r);
}

Box Intersection(const Box& a, const Box& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The area of `box` that lies on any screen; screens may overlap (a copy of
// one screen on another), so the union is measured, cell by cell of the grid
// their edges make.
std::int64_t VisibleArea(const Box& box, std::span<const runtime::Rect> screens) {
    std::vector<Box> parts;
    std::vector<std::int64_t> xs{box.left, box.right}, ys{box.top, box.bottom};
    for (const runtime::Rect& screen : screens) {
        const Box part = Intersection(box, BoxOf(screen));
        if (part.Area() == 0) continue;
        parts.push_back(part);
        xs.insert(xs.end(), {part.left, part.right});
        ys.insert(ys.end(), {part.top, part.bottom});
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    std::int64_t area = 0;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i)
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            const Box cell{xs[i], ys[j], xs[i + 1], ys[j + 1]};
            if (cell.Area() == 0) continue;
            const bool covered = std::any_of(parts.begin(), parts.end(), [&](const Box& p) {
                return p.left <= cell.left && p.top <= cell.top && p.right >= cell.right &&
                       p.bottom >= cell.bottom;
            });
            if (covered) area += cell.Area();
        }
    return area;
}

// Three quarters of `box` is on the screens (an empty box always is).
bool MostlyOn(const Box& box, std::span<const runtime::Rect> screens) {
    return 4 * VisibleArea(box, screens) >= 3 * box.Area();
}

// How far to move [low, high) so that it lies in [from, to): as little as
// possible; onto `from` when it is longer than the range.
std::int64_t Shift(std::int64_t low, std::int64_t high, std::int64_t from, std::int64_t to) {
    if (high - low > to - from || low < from) return from - low;
    if (high > to) return to - high;
    return 0;
}

}  // namespace

bool MostlyVisible(runtime::Point position, runtime::Rect outline,
                   std::span<const runtime::Rect> screens) {
    const Box window = At(position, outline);
    const Box caption{window.left, window.top, window.right, std::int64_t{position.y}};
    return MostlyOn(window, screens) && MostlyOn(caption, screens);
}

runtime::Point NearestWholePlace(runtime::Point position, runtime::Rect outline,
                                 std::span<const runtime::Rect> screens) {
    const Box window = At(position, outline);
    runtime::Point best = position;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const runtime::Rect& screen : screens) {
        const Box s = BoxOf(screen);
        if (s.Area() == 0) continue;
        const std::int64_t dx = Shift(window.left, window.right, s.left, s.right);
        const std::int64_t dy = Shift(window.top, window.bottom, s.top, s.bottom);
        // In doubles: the square of a shift across the whole 32-bit range
        // does not fit 64 bits.
        const double distance = static_cast<double>(dx) * dx + static_cast<double>(dy) * dy;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = {static_cast<int>(position.x + dx), static_cast<int>(position.y + dy)};
        }
    }
    return best;
}

runtime::Point VisiblePlace(runtime::Point position, runtime::Rect outline,
                            std::span<const runtime::Rect> screens) {
    if (screens.empty() || MostlyVisible(position, outline, screens)) return position;
    return NearestWholePlace(position, outline, screens);
}

}  // namespace frame
