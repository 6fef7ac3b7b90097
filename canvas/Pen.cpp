// Pen colour, width and dash pattern; font colour; fill pattern.
#include <algorithm>
#include <array>
#include <span>

#include "canvas/Draw.h"

namespace canvas {

void Draw::SetPenColor(std::int32_t NEWCOLOR) {
    PenColor = NEWCOLOR;
    PenRed = static_cast<char>(NEWCOLOR & 0xFF);
    PenGreen = static_cast<char>((NEWCOLOR >> 8) & 0xFF);
    PenBlue = static_cast<char>((NEWCOLOR >> 16) & 0xFF);
}

void Draw::SetFontColor(std::int32_t COLOR) {
    FontColor = COLOR;
    FontRed = static_cast<std::uint8_t>(COLOR & 0xFF);
    FontGreen = static_cast<std::uint8_t>((COLOR >> 8) & 0xFF);
    FontBlue = static_cast<std::uint8_t>((COLOR >> 16) & 0xFF);
}

void Draw::SetPenWidth(std::int32_t WIDTH) {
    if (WIDTH == PenWidth) return;
    PenWidth = WIDTH;
    SetPenStyle(static_cast<std::uint8_t>(PenStyle));
}

namespace {

// One dash-pattern run: steps [from, to] of the pattern, in units of the pen
// width, are plotted.
struct Run {
    int from, to;
};

struct StyleShape {
    int length;  // in units of the pen width
    int runs;
    std::array<Run, 3> plotted;
};

// Dash, dot, dash-dot and dash-dot-dot.
StyleShape Shape(std::uint8_t style) {
    switch (style) {
    case 1: return {8, 1, {{{0, 4}}}};
    case 2: return {2, 1, {{{0, 1}}}};
    case 3: return {13, 2, {{{0, 4}, {8, 9}}}};
    default: return {15, 3, {{{0, 4}, {8, 9}, {10, 11}}}};
    }
}

}  // namespace

void Draw::SetPenStyle(std::uint8_t STYLE) {
    StylePattern.fill(0);
    if (STYLE == 0 || STYLE > 4) {
        PenStyle = 0;
        StyleLength = 0;
        return;
    }
    if (PenWidth == 0) PenWidth = 1;
    PenStyle = STYLE;
    const StyleShape shape = Shape(STYLE);
    // 64-bit: a huge pen width must not overflow before the length check.
    const std::int64_t length = static_cast<std::int64_t>(shape.length) * PenWidth;
    if (length > static_cast<std::int64_t>(StylePattern.size()) || length < 0) {
        PenStyle = 0;
        StyleLength = 0;
        return;
    }
    StyleLength = static_cast<std::int32_t>(length);
    for (const Run& run : std::span(shape.plotted).first(static_cast<std::size_t>(shape.runs)))
        std::fill(StylePattern.begin() + run.from * PenWidth, StylePattern.begin() + run.to * PenWidth, 1);
}

void Draw::SetFill(std::string_view PATTERN) {
    if (PATTERN.find_first_not_of(' ') == std::string_view::npos) {
        UsePatternFill = 0;
        return;
    }
    UsePatternFill = 1;
    // A missing or non-digit character leaves its cell empty.
    for (std::size_t i = 0; i < 8; ++i) {
        for (std::size_t j = 0; j < 8; ++j) {
            const std::size_t at = i * 8 + j;
            const char c = at < PATTERN.size() ? PATTERN[at] : '0';
            Pattern[i][j] = (c >= '0' && c <= '9') ? static_cast<std::uint8_t>(c - '0') : 0;
        }
    }
}

}  // namespace canvas
