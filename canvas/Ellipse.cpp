// Thin-pen ellipses and circles: an integer walk over one quadrant, once for
// the fill and once for the outline.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "canvas/Draw.h"
#include "canvas/Ellipses.h"
#include "canvas/Lines.h"
#include "canvas/Paint.h"
#include "canvas/Raster.h"
#include "canvas/Rings.h"

namespace canvas {

using paint::Coord;

namespace {

// Rows cy - offset and cy + offset from cx - half to cx + half. A zero half
// width is a zero-length line and sets nothing.
void MirroredSpans(const paint::Painter& fill, Coord cx, Coord cy, Coord offset, Coord half) {
    if (half == 0) return;
    fill.Span(cy - offset, cx - half, cx + half);
    if (offset != 0) fill.Span(cy + offset, cx - half, cx + half);
}

// The quadrant walk of an ellipse with half axes a and b, visiting (px, py)
// from (0, b) until it passes (a, 0). Int is wide enough for a*a*b.
template <class Int, class Visit>
void EllipseWalk(Int a, Int b, Visit&& visit) {
    const Int a2 = a * a, b2 = b * b;
    const Int crit1 = -(a2 / 4 + a % 2 + b2);
    const Int crit2 = -(b2 / 4 + b % 2 + a2);
    const Int crit3 = -(b2 / 4 + b % 2);
    const Int d2xt = 2 * b2, d2yt = 2 * a2;
    Int t = -a2 * b, dxt = 0, dyt = -2 * a2 * b;
    Int px = 0, py = b;
    auto stepX = [&] {
        ++px;
        dxt += d2xt;
        t += dxt;
    };
    auto stepY = [&] {
        --py;
        dyt += d2yt;
        t += dyt;
    };
    while (py >= 0 && px <= a) {
        visit(static_cast<Coord>(px), static_cast<Coord>(py));
        if (t + b2 * px <= crit1 || t + a2 * py <= crit3) {
            stepX();
        } else if (t - a2 * py > crit2) {
            stepY();
        } else {
            stepX();
            stepY();
        }
    }
}

// 64-bit arithmetic holds a*a*b for half axes below 2^20; beyond that the
// walk runs in 128 bits.
template <class Visit>
void WalkEllipse(Coord a, Coord b, Visit&& visit) {
    constexpr Coord Narrow = Coord{1} << 20;
    if (a < Narrow && b < Narrow)
        EllipseWalk<Coord>(a, b, visit);
    else
        EllipseWalk<__int128>(a, b, visit);
}

template <class Visit>
void WalkCircle(Coord r, Visit&& visit) {
    for (rings::CircleWalk walk(r); walk.x <= walk.y; walk.Advance()) visit(walk.x, walk.y);
}

// The fill draws, at every visit, rows cy -/+ py out to px. Each row is drawn
// again, wider, as long as only x steps, so only its last, widest span counts:
// that one is drawn when the walk leaves the row.
// The rows (offset from the centre, half width) that fill, for the size
// drawn last: a scene fills many ellipses of one size, and the walk costs as
// much as the rows. Each thread keeps its own.
struct FillRow {
    Coord offset, half;
};
const std::vector<FillRow>& FillRows(Coord a, Coord b) {
    thread_local Coord cachedA = -1, cachedB = -1;
    thread_local std::vector<FillRow> rows;
    if (a != cachedA || b != cachedB) {
        rows.clear();
        Coord rowPy = b, rowPx = 0;
        WalkEllipse(a, b, [&](Coord px, Coord py) {
            if (py != rowPy) {
                rows.push_back({rowPy, rowPx});
                rowPy = py;
            }
            rowPx = px;
        });
        rows.push_back({rowPy, rowPx});
        cachedA = a;
        cachedB = b;
    }
    return rows;
}

// Taller ellipses are rare and cost their rows many times over the walk:
// they are filled as the walk goes.
constexpr Coord MaxKeptRows = 4096;

void FillEllipse(const paint::Painter& fill, Coord cx, Coord cy, Coord a, Coord b) {
    if (b <= MaxKeptRows) {
        for (const FillRow& row : FillRows(a, b)) MirroredSpans(fill, cx, cy, row.offset, row.half);
        return;
    }
    Coord rowPy = b, rowPx = 0;
    WalkEllipse(a, b, [&](Coord px, Coord py) {
        if (py != rowPy) {
            MirroredSpans(fill, cx, cy, rowPy, rowPx);
            rowPy = py;
        }
        rowPx = px;
    });
    MirroredSpans(fill, cx, cy, rowPy, rowPx);
}

void OutlineEllipse(const paint::Painter& pen, Coord cx, Coord cy, Coord a, Coord b) {
    WalkEllipse(a, b, [&](Coord px, Coord py) {
        pen.Dot(cx + px, cy + py);
        if (px != 0 || py != 0) pen.Dot(cx - px, cy - py);
        if (px != 0 && py != 0) {
            pen.Dot(cx + px, cy - py);
            pen.Dot(cx - px, cy + py);
        }
    });
}

// The circle fill draws, at every visit (px, py), rows cy -/+ py out to px
// and rows cy -/+ px out to py. Each px is visited once, so rows cy -/+ px
// are drawn as visited; rows cy -/+ py only when the walk leaves them, with
// their widest span. A row left at px = py is the row cy -/+ px just drawn.
void FillCircle(const paint::Painter& fill, Coord cx, Coord cy, Coord r) {
    Coord rowPy = r, rowPx = 0;
    WalkCircle(r, [&](Coord px, Coord py) {
        if (py != rowPy) {
            if (rowPx < rowPy) MirroredSpans(fill, cx, cy, rowPy, rowPx);
            rowPy = py;
        }
        rowPx = px;
        MirroredSpans(fill, cx, cy, px, py);
    });
    if (rowPx < rowPy) MirroredSpans(fill, cx, cy, rowPy, rowPx);
}

void OutlineCircle(const paint::Painter& pen, Coord cx, Coord cy, Coord r) {
    WalkCircle(r, [&](Coord px, Coord py) {
        pen.Dot(cx + px, cy + py);
        pen.Dot(cx - px, cy + py);
        pen.Dot(cx + px, cy - py);
        pen.Dot(cx - px, cy - py);
        pen.Dot(cx + py, cy + px);
        pen.Dot(cx - py, cy + px);
        pen.Dot(cx + py, cy - px);
        pen.Dot(cx - py, cy - px);
    });
}

}  // namespace

void Draw::Ellipse(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                   std::int32_t FILL) {
    Coord x = X, y = Y, w = WIDTH, h = HEIGHT;
    paint::Normalise(x, y, w, h);
    // A flat ellipse is a line in the pen colour; the fill plays no part.
    if (w == 0 || h == 0) {
        lines::Stroke(*this, x, y, w, h);
        return;
    }
    if (PenWidth > 1) {
        ellipses::Thick(*this, x, y, w, h, FILL);
        return;
    }
    if (FILL >= 0) FillColor = FILL;

    // An even size loses its last column or row: the shape spans x..x+2a.
    const Coord a = (w - 1) / 2, b = (h - 1) / 2;
    const Coord cx = x + a, cy = y + b;
    const raster::View target = raster::Target(*this);
    if (x + 2 * a < 1 || y + 2 * b < 1 || x > target.Width() || y > target.Height()) return;

    const paint::Painter fill(target, FILL);
    const paint::Painter pen(target, PenColor);
    if (w == h) {
        if (FILL >= 0) FillCircle(fill, cx, cy, a);
        // No outline pass in the fill's colour: a small circle then shows
        // only its fill rows.
        if (PenColor >= 0 && !(FILL >= 0 && PenColor == FILL)) OutlineCircle(pen, cx, cy, a);
    } else {
        if (FILL >= 0) FillEllipse(fill, cx, cy, a, b);
        if (PenColor >= 0) OutlineEllipse(pen, cx, cy, a, b);
    }
}

}  // namespace canvas
