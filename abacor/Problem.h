#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/FixedText.h"

namespace abacor {

using runtime::FixedText;

// The variables of Main: the problem, and the working values of its display.
struct Variables {
    std::int16_t N1 = 0;          // first number, 0 to 10
    std::int16_t N2 = 0;          // second number, 0 to 10
    std::int16_t SUMIT = 0;       // result, -10 to 20
    FixedText<10> OPERATOR;       // "PLUS" or "MINUS"
    FixedText<1> OPERATORSYMBOL;  // "+" or "-"
    FixedText<20> LocShape;       // picture file repeated in the shape grids
    std::int16_t ResultBeadCount = 0;
    FixedText<50> ResultBeadPicture;
};

enum class Operation { None, Plus, Minus };

// "PLUS" or "MINUS" in any case, trailing blanks ignored.
Operation OperationOf(const FixedText<10>& text);

// Sets SUMIT and OPERATORSYMBOL from N1, N2 and OPERATOR; an operator that is
// neither plus nor minus leaves both as they are.
void ComputeResult(Variables& v);

// The sound file that speaks a number: "7.wav".
std::string NumberSound(int value);

namespace picture {
constexpr std::string_view BlackBead = "beadblack.bmp";
constexpr std::string_view RedBead = "beadred.bmp";
constexpr std::string_view NegativeBead = "beadNeg.bmp";
}  // namespace picture

namespace sound {
constexpr std::string_view Plus = "plus.wav";
constexpr std::string_view Minus = "minus.wav";
constexpr std::string_view Equals = "equals.wav";
}  // namespace sound

// The shape pictures, by the random draw 5 to 9 that picks them.
constexpr int FirstShapeDraw = 5;
constexpr std::array<std::string_view, 5> ShapePictures{"star1.bmp", "dino1.bmp", "rubik.bmp",
                                                        "pyramid2.bmp", "quarter.bmp"};
constexpr int LastShapeDraw = FirstShapeDraw + static_cast<int>(ShapePictures.size()) - 1;

}  // namespace abacor
