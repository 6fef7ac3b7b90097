// Polygon fill: a scan-line fill over an edge table sorted by first row and
// an active-edge list sorted by x, edges stepped with integer Bresenham
// balances; then the outline.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "canvas/Draw.h"
#include "canvas/Lines.h"
#include "canvas/Paint.h"
#include "canvas/Raster.h"

namespace canvas {

using paint::Coord;

namespace {

constexpr std::size_t MaxEdges = 128;       // non-horizontal edges of one polygon
constexpr std::size_t MaxActiveEdges = 64;  // edges crossing one row

struct Vertex {
    Coord x, y;
};

// Vertex k of the first n coordinates, and the vertex its edge runs to.
class Outline {
public:
    explicit Outline(std::span<const std::int32_t> coordinates) : xy_(coordinates) {}
    std::size_t Count() const { return xy_.size() / 2; }
    Vertex At(std::size_t k) const { return {xy_[2 * k], xy_[2 * k + 1]}; }
    Vertex Next(std::size_t k) const { return At(k + 1 == Count() ? 0 : k + 1); }

private:
    std::span<const std::int32_t> xy_;
};

bool Steep(const EdgeRecord& edge) { return edge.DX < edge.DY; }

// One row's step of an edge.
void StepSteep(EdgeRecord& edge) {
    if (edge.Balance >= 0) {
        edge.XCur += edge.XIncr;
        edge.Balance -= edge.DY;
    }
    edge.Balance += edge.DX;
}
void CatchUpFlat(EdgeRecord& edge) {
    while (edge.Balance < 0) {
        edge.Balance += edge.DY;
        edge.XCur += edge.XIncr;
    }
}
void FinishFlat(EdgeRecord& edge) {
    edge.Balance -= edge.DX;
    edge.Balance += edge.DY;
    edge.XCur += edge.XIncr;
}

// Fills the row between a pair of edges and steps both to the next row.
template <class SpanFiller>
void FillRowAndStep(const SpanFiller& span, EdgeRecord& e, EdgeRecord& f) {
    if (Steep(e)) {
        if (f.XCur != e.XCur) span(e.XCur, f.XCur);
        StepSteep(e);
    } else {
        CatchUpFlat(e);
        if (f.XCur != e.XCur) span(e.XCur, f.XCur);
        FinishFlat(e);
    }
    if (Steep(f)) {
        StepSteep(f);
    } else {
        CatchUpFlat(f);
        FinishFlat(f);
    }
}

EdgeRecord MakeEdge(Vertex from, Vertex to) {
    const Vertex top = from.y > to.y ? from : to;  // the end with the larger y
    const Vertex bottom = from.y > to.y ? to : from;
    EdgeRecord edge;
    edge.YTop = top.y;
    edge.XTop = top.x;
    edge.YBottom = bottom.y;
    edge.XCur = bottom.x;
    edge.XIncr = edge.XTop >= edge.XCur ? 1 : -1;
    edge.YIncr = 1;
    const Coord dx = (edge.XTop - edge.XCur) * edge.XIncr;
    const Coord dy = edge.YTop - edge.YBottom;
    edge.Balance = dx < dy ? 2 * dx - dy : 2 * dy - dx;
    edge.DX = 2 * dx;
    edge.DY = 2 * dy;
    return edge;
}

// The most edges the fill will hold active at once: after row y it holds
// those that begin at or above y and end below it.
std::size_t MostActive(const std::vector<EdgeRecord>& edges, Coord yMin, Coord yMax) {
    std::size_t most = 0;
    for (const EdgeRecord& row : edges) {
        const Coord y = std::max(row.YBottom, yMin);
        if (y > yMax) continue;
        const auto active = std::count_if(edges.begin(), edges.end(), [y](const EdgeRecord& e) {
            return e.YBottom <= y && e.YTop > y;
        });
        most = std::max(most, static_cast<std::size_t>(active));
    }
    return most;
}

}  // namespace

void Draw::Polygon(std::span<const std::int32_t> ARRAY, std::int32_t FILL, std::int32_t NUMVERTICES) {
    std::size_t n = ARRAY.size() & ~std::size_t{1};  // an odd last value has no partner
    if (NUMVERTICES > 0) {
        n = 2 * static_cast<std::size_t>(NUMVERTICES);
        if (n > ARRAY.size()) {
            ErrorTrap("The number of vertices specified is larger than the number of vertices in the array passed.",
                      "Polygon");
            return;
        }
    }
    const Outline outline(ARRAY.first(n));
    const raster::View target = raster::Target(*this);

    if (FILL >= 0) {
        // The edge table and the rows it covers.
        Coord yMin = target.Height(), yMax = 1;
        // Both tables keep their room from call to call: a scene fills many
        // small polygons, and allocating for each would cost more than its rows.
        thread_local std::vector<EdgeRecord> edges, active;
        edges.clear();
        active.clear();
        for (std::size_t k = 0; k < outline.Count(); ++k) {
            const Vertex from = outline.At(k), to = outline.Next(k);
            for (const Coord y : {from.y, to.y}) {
                if (y < yMin)
                    yMin = y;
                else if (y > yMax)
                    yMax = y;
            }
            if (from.y != to.y) edges.push_back(MakeEdge(from, to));
        }
        yMax = std::min<Coord>(yMax, target.Height());
        if (edges.size() > MaxEdges) {
            ErrorTrap("The polygon has more edges than can be filled, at most 128 edges may be other than horizontal.",
                      "Polygon");
            return;
        }
        if (MostActive(edges, yMin, yMax) > MaxActiveEdges) {
            ErrorTrap("The polygon has more edges crossing one row than can be filled, at most 64 may cross a row.",
                      "Polygon");
            return;
        }

        SortEdgesY(edges);
        // The edges sorted by first row wait in order: those still waiting
        // are always the ones from `waiting` on.
        std::size_t waiting = 0;
        for (; waiting < edges.size() && edges[waiting].YBottom == yMin; ++waiting) {
            edges[waiting].Exists = 1;
            active.push_back(edges[waiting]);
        }
        // The exchange sort leaves a sorted list as it is: skip it then.
        const auto sortByX = [&] {
            const bool sorted = active.size() == 2 ? active[0].XCur <= active[1].XCur
                                                   : std::is_sorted(active.begin(), active.end(),
                                                                    [](const EdgeRecord& a, const EdgeRecord& b) { return a.XCur < b.XCur; });
            if (!sorted) SortEdgesX(active);
        };
        sortByX();
        // The first row after which an active edge ends: before it none is removed.
        const auto firstEnd = [&] {
            Coord end = std::numeric_limits<Coord>::max();
            for (const EdgeRecord& e : active) end = std::min(end, e.YTop);
            return end;
        };
        Coord nextEnd = firstEnd();

        const paint::Painter fill(target, FILL);
        for (Coord y = yMin; y <= yMax; ++y) {
            // Until the next row where an edge ends or joins, a pair of edges
            // only fills and steps: those rows run on copies of the edges that
            // no pixel store can reach, so the compiler keeps them in registers.
            if (active.size() == 2) {
                Coord stop = std::min(yMax, nextEnd);
                if (waiting < edges.size()) stop = std::min(stop, edges[waiting].YBottom);
                EdgeRecord e = active[0], f = active[1];
                for (std::uint8_t* row = fill.Row(y); y < stop; row = fill.NextRow(row, y), ++y) {
                    FillRowAndStep([&](Coord x0, Coord x1) { fill.RowSpan(row, x0, x1); }, e, f);
                    if (f.XCur < e.XCur) std::swap(e, f);
                }
                active[0] = e;
                active[1] = f;
            }
            // Spans between pairs of edges; an unpaired last edge waits.
            for (std::size_t i = 0; i + 1 < active.size(); i += 2)
                FillRowAndStep([&](Coord x0, Coord x1) { fill.Span(y, x0, x1); }, active[i], active[i + 1]);
            sortByX();
            bool changed = false;
            if (nextEnd <= y) {
                for (std::size_t i = 0; i < active.size();) {
                    if (active[i].YTop <= y)
                        DeleteEdge(active, i);
                    else
                        ++i;
                }
                changed = true;
            }
            bool joined = false;
            for (; waiting < edges.size() && edges[waiting].YBottom <= y; ++waiting) {
                edges[waiting].Exists = 1;
                active.push_back(edges[waiting]);
                joined = true;
            }
            // Removing edges keeps the order; only new edges can break it.
            if (joined) sortByX();
            if (changed || joined) nextEnd = firstEnd();
        }

        // Without an outline the horizontal edges are drawn in the fill.
        if (PenColor < 0) {
            for (std::size_t k = 0; k < outline.Count(); ++k) {
                const Vertex from = outline.At(k), to = outline.Next(k);
                if (from.y == to.y && from.x != to.x) fill.Span(from.y, from.x, to.x);
            }
        }
    }

    if (PenColor >= 0) {
        for (std::size_t k = 0; k < outline.Count(); ++k) {
            const Vertex from = outline.At(k), to = outline.Next(k);
            lines::Outline(*this, from.x, from.y, to.x - from.x, to.y - from.y);
        }
    }
}

// Exchange sorts: equal keys are never exchanged, and which of two equal
// edges comes first decides how they pair up, so the order must be exactly this.
void Draw::SortEdgesY(std::span<EdgeRecord> EDGES) {
    for (std::size_t i = 0; i + 1 < EDGES.size(); ++i)
        for (std::size_t j = i + 1; j < EDGES.size(); ++j)
            if (EDGES[j].YBottom < EDGES[i].YBottom) std::swap(EDGES[i], EDGES[j]);
}

void Draw::SortEdgesX(std::span<EdgeRecord> EDGES) {
    for (std::size_t i = 0; i + 1 < EDGES.size(); ++i)
        for (std::size_t j = i + 1; j < EDGES.size(); ++j)
            if (EDGES[j].XCur < EDGES[i].XCur) std::swap(EDGES[i], EDGES[j]);
}

void Draw::DeleteEdge(std::vector<EdgeRecord>& EDGES, std::size_t POSITION) {
    if (POSITION < EDGES.size()) EDGES.erase(EDGES.begin() + static_cast<std::ptrdiff_t>(POSITION));
}

}  // namespace canvas
