#pragma once

#include <array>
#include <cstdint>

#include "runtime/FixedText.h"

namespace shapor {

using runtime::FixedText;

// The variables of Main: the problem the window shows, and the current scene.
struct Variables {
    std::int16_t N1 = 0;          // first number, 0 to 10: also the number of objects
    std::int16_t N2 = 0;          // second number, 0 to 10
    std::int16_t SUMIT = 0;       // result, -10 to 20
    FixedText<10> OPERATOR;       // "PLUS" or "MINUS"
    FixedText<1> OPERATORSYMBOL;  // "+" or "-"
    FixedText<10> LocShape;       // kind of the current scene: "circle" ...
    std::array<std::int32_t, 6> TriangleArray{};  // x1, y1, x2, y2, x3, y3 of the last triangle
};

// Sets SUMIT and OPERATORSYMBOL from N1, OPERATOR and N2 in 16-bit
// arithmetic; an operator that is neither plus nor minus (in any letter
// case) leaves both as they are.
void ComputeResult(Variables& v);

}  // namespace shapor
