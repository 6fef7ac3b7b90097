#pragma once

// The thick circle ring, written once for every consumer: the canvas draws
// it in the pen colour, the shaded sphere records which ring covers which
// pixel. Private to the canvas.

#include "canvas/Paint.h"

namespace canvas::rings {

using paint::Coord;

// One step of the midpoint circle walk.
struct CircleWalk {
    Coord x, y, d;
    explicit CircleWalk(Coord radius) : x(0), y(radius), d(1 - radius) {}
    void Advance() {
        if (d < 0) {
            ++x;
            d += 2 * x + 1;
        } else {
            ++x;
            --y;
            d += 2 * (x - y) + 1;
        }
    }
};

// The ring between the outer radius and the inner one, centred on (cx, cy):
// an outer and an inner midpoint walk in step, each visit covering the rows
// and columns between the two walks in all four quadrants. The inner radius
// may be negative (a pen wider than the circle); the walks then still end.
// `sink` takes Column(x, y0, y1) and Span(y, x0, x1) with y0 <= y1, x0 <= x1.
template <class Sink>
void CircleRing(Coord cx, Coord cy, Coord outer, Coord inner, Sink& sink) {
    CircleWalk o(outer), i(inner);
    while (o.x <= o.y) {
        // Every run goes from the inner walk to the outer one: none while the
        // inner walk lies outside the outer.
        if (i.y <= o.y) {
            sink.Column(cx + o.x, cy + i.y, cy + o.y);
            sink.Column(cx - o.x, cy + i.y, cy + o.y);
            sink.Column(cx + o.x, cy - o.y, cy - i.y);
            sink.Column(cx - o.x, cy - o.y, cy - i.y);
            sink.Span(cy + o.x, cx + i.y, cx + o.y);
            sink.Span(cy + o.x, cx - o.y, cx - i.y);
            sink.Span(cy - o.x, cx + i.y, cx + o.y);
            sink.Span(cy - o.x, cx - o.y, cx - i.y);
        }
        o.Advance();
        i.Advance();
    }
}

// How far from the centre a ring can reach: the inner walk moves at most one
// pixel per visit, and there are at most `outer` + 1 visits.
inline Coord CircleRingReach(Coord outer, Coord inner) {
    const Coord innerReach = (inner < 0 ? -inner : inner) + outer + 1;
    return outer > innerReach ? outer : innerReach;
}

}  // namespace canvas::rings
