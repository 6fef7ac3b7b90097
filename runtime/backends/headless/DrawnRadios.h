#pragma once

#include <string>
#include <vector>

#include "runtime/Window.h"

namespace runtime {

// What is wrong, as drawn in the window's frame, with the radio buttons of
// an option group; empty when nothing is. A person expects every button of
// the group to have one size, no button to cover a neighbour (unless the
// definition's own places and sizes make them overlap), every raised button
// to show its light top-left and dark bottom-right edge, and the chosen
// button's frame to be whole on all four sides.
std::vector<std::string> RadioGridFaults(Window& window, ControlId group);

}  // namespace runtime
