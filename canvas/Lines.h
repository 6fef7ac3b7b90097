#pragma once

// The canvas's lines at 64-bit coordinates, for the figures that draw their
// outlines with them (Box edges can lie beyond the 32-bit range). Each draws
// from (x, y) to (x + w, y + h), both ends included, in the pen colour.
// Private to the canvas.

#include "canvas/Draw.h"
#include "canvas/Paint.h"

namespace canvas::lines {

using paint::Coord;

// What Draw::Line draws: the thick line when the pen is wider than one pixel,
// else the thin line.
void Stroke(Draw& canvas, Coord x, Coord y, Coord w, Coord h);

// One pixel per column of the major axis: straight runs for horizontal,
// vertical and 45-degree lines, the symmetric double-step line otherwise.
// A dashed pen plots through its pattern.
void Thin(Draw& canvas, Coord x, Coord y, Coord w, Coord h);

// A line about PenWidth pixels thick, centred on the thin line.
void Thick(Draw& canvas, Coord x, Coord y, Coord w, Coord h);

// The polygon outline: a plain Bresenham walk from (x, y), every pixel solid
// whatever the pen's width and style.
void Outline(Draw& canvas, Coord x, Coord y, Coord w, Coord h);

}  // namespace canvas::lines
