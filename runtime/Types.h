#pragma once

#include <cstdint>

namespace runtime {

// Colour as the programs store it: red in bits 0-7, green 8-15, blue 16-23.
// A negative value means "none".
using Colour = std::int32_t;
constexpr Colour NoColour = -1;

// The number that identifies a control of a window; 0 is "no control".
enum class ControlId : int { None = 0 };
constexpr int ToInt(ControlId id) { return static_cast<int>(id); }

// Marks a position or size as "not given".
constexpr std::int32_t NotGiven = INT32_MIN;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool Contains(Point p) const { return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace runtime
