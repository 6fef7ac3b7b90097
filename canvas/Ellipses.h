#pragma once

// Ellipse outlines drawn with a pen wider than one pixel, at 64-bit
// coordinates. Private to the canvas.

#include "canvas/Draw.h"
#include "canvas/Paint.h"

namespace canvas::ellipses {

using paint::Coord;

// The ellipse inscribed in the box (x, y, w, h), sizes already made positive:
// a ring PenWidth pixels thick, its inside filled first when fill >= 0.
// A zero size draws the line (x, y)-(x + w, y + h) instead.
void Thick(Draw& canvas, Coord x, Coord y, Coord w, Coord h, std::int32_t fill);

}  // namespace canvas::ellipses
