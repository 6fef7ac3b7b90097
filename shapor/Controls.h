#pragma once

#include <array>
#include <cassert>
#include <cstddef>

#include "runtime/Types.h"

// The control numbers of the shape trainer's window, as its handlers test them.
namespace shapor::ctl {

using runtime::ControlId;

constexpr ControlId FILEMENU{1};
constexpr ControlId EXIT{2};
constexpr ControlId N1{3};
constexpr ControlId N1_2{15};
constexpr ControlId DRAW1{16};
constexpr ControlId OPERATOR{17};
constexpr ControlId OPERATOR_RADIO1{18};
constexpr ControlId OPERATOR_RADIO2{19};
constexpr ControlId OPERATORSYMBOL{20};
constexpr ControlId N2{21};
constexpr ControlId STRING2{33};
constexpr ControlId LINE1{34};
constexpr ControlId SUMIT{35};
constexpr ControlId N2_2{36};

// The numeral buttons of a grid, indexed from 1 as their labels count:
// N1_RADIO(1) is N1:RADIO1, the button of the number 0.
struct Grid {
    int first;
    static constexpr int Size = 11;
    constexpr ControlId operator()(int k) const {
        assert(k >= 1 && k <= Size);
        return ControlId{first + k - 1};
    }
    // The button that stands for `number`.
    constexpr ControlId ForNumber(int number) const { return (*this)(number + 1); }
};
constexpr Grid N1_RADIO{4};
constexpr Grid N2_RADIO{22};

// The numeral "0" of the first grid gets the focus when the window opens.
constexpr ControlId FirstField = N1_RADIO(1);

}  // namespace shapor::ctl
