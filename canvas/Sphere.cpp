// The shaded sphere: concentric two-pixel rings stepping from an outer
// colour towards an inner one, then a thin outline in the pen.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <utility>
#include <vector>

#include "canvas/Draw.h"
#include "canvas/Paint.h"
#include "canvas/Raster.h"
#include "canvas/Rings.h"

namespace canvas {

using paint::Coord;

namespace {

constexpr std::int32_t RingPen = 2;

// Ring colours: each channel moves by a fixed real step per ring, clamped to
// 0..255 and rounded half up; the top byte stays the outer colour's.
class Shade {
public:
    Shade(std::int32_t outer, std::int32_t inner, Coord steps) : colour_(outer) {
        const auto channel = [](std::int32_t c, int shift) { return static_cast<double>((c >> shift) & 0xFF); };
        for (int i = 0; i < 3; ++i) {
            current_[i] = channel(outer, 8 * i);
            increment_[i] = (channel(inner, 8 * i) - current_[i]) / static_cast<double>(steps);
        }
    }
    std::int32_t Colour() const { return colour_; }
    void Next() {
        auto bits = static_cast<std::uint32_t>(colour_) & 0xFF000000u;
        for (int i = 0; i < 3; ++i) {
            current_[i] = std::clamp(current_[i] + increment_[i], 0.0, 255.0);
            bits |= static_cast<std::uint32_t>(std::floor(current_[i] + 0.5)) << (8 * i);
        }
        colour_ = static_cast<std::int32_t>(bits);
    }

private:
    std::int32_t colour_;
    std::array<double, 3> current_{}, increment_{};  // red, green, blue
};

// A real position or size to a LONG: cut towards zero, kept inside the range.
std::int32_t ToLong(double v) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::trunc(v), lo, hi));
}
std::int32_t Nearest(double v) { return ToLong(std::round(v)); }  // halves away from zero

// The most rings a map holds: the rings of the largest mapped sphere.
constexpr std::size_t MaxRings = 512;

// Which ring of a circular sphere of a given size covers each pixel last,
// relative to the sphere's top-left corner. The rings are drawn by the same
// ring code as on the canvas, so stamping the map gives the same pixels as
// drawing ring over ring, with one write per pixel.
class RingMap {
public:
    explicit RingMap(Coord size) : size_(size) {
        const Coord rings = size / 2;
        // Bounds of every ring's reach.
        Coord lo = 0, hi = 0;
        for (Coord k = 0; k < rings; ++k) {
            const Ring ring = RingOf(k);
            const Coord reach = rings::CircleRingReach(ring.outer, ring.outer - RingPen + 1);
            lo = std::min(lo, ring.centre - reach);
            hi = std::max(hi, ring.centre + reach);
        }
        origin_ = lo;
        side_ = hi - lo + 1;
        cells_.assign(static_cast<std::size_t>(side_ * side_), -1);
        for (Coord k = 0; k < rings; ++k) {
            const Ring ring = RingOf(k);
            Marker marker{*this, static_cast<std::int16_t>(k)};
            rings::CircleRing(ring.centre, ring.centre, ring.outer, ring.outer - RingPen + 1, marker);
        }
        KeepCoveredRows();
    }
    Coord Size() const { return size_; }

    // Draws the map at (x, y), ring k in colours[k].
    void Stamp(const raster::View& target, Coord x, Coord y,
               std::span<const std::array<std::uint8_t, 3>> colours) const {
        std::array<std::uint32_t, MaxRings> wide;  // only the rings' entries are used
        for (std::size_t k = 0; k < colours.size() && k < wide.size(); ++k) {
            wide[k] = 0;
            std::memcpy(&wide[k], colours[k].data(), 3);
        }
        for (const Row& row : rows_) {
            const Coord canvasY = y + row.y;
            if (canvasY < 1 || canvasY > target.Height()) continue;
            const Coord left = x + row.x;
            const Coord first = std::max<Coord>(left, 1);
            const Coord last = std::min<Coord>(left + static_cast<Coord>(row.cells) - 1, target.Width());
            if (first > last) continue;
            const std::int16_t* cell = &cells_[row.offset + static_cast<std::size_t>(first - left)];
            std::uint8_t* pixel = target.Pixel(static_cast<std::int32_t>(first), static_cast<std::int32_t>(canvasY));
            Coord c = first;
            // A row without gaps takes four-byte stores: the fourth byte is
            // the next pixel's first, written again right after.
            if (row.solid)
                for (; c < last; ++c, ++cell, pixel += raster::BytesPerPixel)
                    std::memcpy(pixel, &wide[static_cast<std::size_t>(*cell)], 4);
            for (; c <= last; ++c, ++cell, pixel += raster::BytesPerPixel)
                if (*cell >= 0) std::memcpy(pixel, colours[static_cast<std::size_t>(*cell)].data(), 3);
        }
    }

private:
    struct Ring {
        Coord centre, outer;
    };
    // Ring k of a circle: size - 2k across, its box starting k pixels in.
    Ring RingOf(Coord k) const {
        const Coord outer = (size_ - 2 * k + 1) / 2 - 1;
        return {k + outer, outer};
    }
    struct Marker {
        RingMap& map;
        std::int16_t ring;
        void Column(Coord x, Coord y0, Coord y1) {
            for (Coord y = y0; y <= y1; ++y) map.Cell(x, y) = ring;
        }
        void Span(Coord y, Coord x0, Coord x1) {
            for (Coord x = x0; x <= x1; ++x) map.Cell(x, y) = ring;
        }
    };
    std::int16_t& Cell(Coord x, Coord y) {
        return cells_[static_cast<std::size_t>((y - origin_) * side_ + (x - origin_))];
    }

    // The square the rings were marked in is far larger than the disc: keep
    // each row only from its first to its last covered cell.
    void KeepCoveredRows() {
        std::vector<std::int16_t> kept;
        for (Coord gy = 0; gy < side_; ++gy) {
            const std::int16_t* row = &cells_[static_cast<std::size_t>(gy * side_)];
            Coord first = 0;
            while (first < side_ && row[first] < 0) ++first;
            if (first == side_) continue;
            Coord last = side_ - 1;
            while (row[last] < 0) --last;
            const bool solid = std::all_of(row + first, row + last + 1, [](std::int16_t cell) { return cell >= 0; });
            rows_.push_back({gy + origin_, first + origin_, static_cast<std::size_t>(last - first + 1), kept.size(), solid});
            kept.insert(kept.end(), row + first, row + last + 1);
        }
        cells_ = std::move(kept);
    }

    // Cells x .. x + cells - 1 of row y, relative to the sphere's corner.
    struct Row {
        Coord y, x;
        std::size_t cells, offset;
        bool solid;  // every cell covered
    };
    std::vector<Row> rows_;

    Coord size_;
    Coord origin_ = 0, side_ = 0;
    std::vector<std::int16_t> cells_;
};

// Above this size the map would outgrow the cache's purpose; such spheres
// are drawn ring by ring.
constexpr Coord MaxMappedSize = 2 * MaxRings;

const RingMap& MapFor(Coord size) {
    // One map, for the size drawn last: a scene draws spheres of one size.
    // The canvas is used from one thread; each thread keeps its own map.
    thread_local std::vector<RingMap> cache;
    if (cache.empty() || cache.front().Size() != size) {
        cache.clear();
        cache.emplace_back(size);
    }
    return cache.front();
}

}  // namespace

void Draw::Sphere(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                  std::int32_t OUTERCOLOR, std::int32_t INNERCOLOR, double XOFFSET, double YOFFSET) {
    // The drift is at most half a pixel per ring either way; a value that is
    // not a number has none.
    const auto clampOffset = [](double v) { return std::isnan(v) ? 0.0 : std::clamp(v, -0.5, 0.5); };
    XOFFSET = clampOffset(XOFFSET);
    YOFFSET = clampOffset(YOFFSET);

    const std::int32_t savedWidth = PenWidth, savedColor = PenColor;
    auto ring = [&](Coord x, Coord y, Coord w, Coord h, std::int32_t colour) {
        PenWidth = RingPen;
        PenColor = colour;
        Ellipse(ToLong(static_cast<double>(x)), ToLong(static_cast<double>(y)),
                ToLong(static_cast<double>(w)), ToLong(static_cast<double>(h)), -1);
    };
    Coord x = X, y = Y, w = WIDTH, h = HEIGHT;
    if (w == h) {
        // A circle: the rings move in one pixel a side. A negative outer
        // colour keeps its sign ring after ring and so draws no ring at all.
        if (w > 1 && OUTERCOLOR >= 0) {
            Shade shade(OUTERCOLOR, INNERCOLOR, w / 2);
            if (w <= MaxMappedSize) {
                std::array<std::array<std::uint8_t, 3>, MaxMappedSize / 2> colours;
                const auto used = std::span(colours).first(static_cast<std::size_t>(w / 2));
                for (auto& colour : used) {
                    raster::Store(colour.data(), shade.Colour());
                    shade.Next();
                }
                MapFor(w).Stamp(raster::Target(*this), x, y, used);
            } else {
                for (; w > 1; ++x, ++y, w -= 2, shade.Next()) ring(x, y, w, w, shade.Colour());
            }
        }
    } else if (w > h) {
        // Wide: the sides move in one pixel, the top follows the shrinking
        // height plus the drift.
        if (w > 1) {
            const double ratio = static_cast<double>(h) / static_cast<double>(w);
            const double yRatio = ratio + YOFFSET;
            Shade shade(OUTERCOLOR, INNERCOLOR, w / 2);
            for (double yPos = static_cast<double>(y); w > 1; shade.Next()) {
                ring(x, y, w, h, shade.Colour());
                ++x;
                yPos += yRatio;
                y = ToLong(yPos);
                w -= 2;
                h = Nearest(ratio * static_cast<double>(w));
            }
        }
    } else if (h > 1) {
        // Tall: the same with the axes exchanged.
        const double ratio = static_cast<double>(w) / static_cast<double>(h);
        const double xRatio = ratio + XOFFSET;
        Shade shade(OUTERCOLOR, INNERCOLOR, h / 2);
        for (double xPos = static_cast<double>(x); h > 1; shade.Next()) {
            ring(x, y, w, h, shade.Colour());
            ++y;
            xPos += xRatio;
            x = ToLong(xPos);
            h -= 2;
            w = Nearest(ratio * static_cast<double>(h));
        }
    }
    PenWidth = savedWidth;
    PenColor = savedColor;

    // The outline at the caller's pen width.
    if (PenColor >= 0) Ellipse(X, Y, WIDTH, HEIGHT, -1);
}

}  // namespace canvas
