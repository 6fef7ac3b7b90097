#pragma once

#include <array>
#include <cassert>

#include "runtime/Types.h"

// The control numbers of the bead trainer's window, as its handlers test them.
namespace abacor::ctl {

using runtime::ControlId;

constexpr ControlId N1{1};
constexpr ControlId PANEL1{13};
constexpr ControlId PANEL4{14};
constexpr ControlId PANEL5{15};
constexpr ControlId N1_2{16};
constexpr ControlId OPERATORSYMBOL_2{17};
constexpr ControlId PANEL1_2{18};
constexpr ControlId PANEL3{19};
constexpr ControlId OPERATORSYMBOL{20};
constexpr ControlId N1_3{25};
constexpr ControlId N2_3{36};
constexpr ControlId SUMIT_2{53};
constexpr ControlId STRING9{64};
constexpr ControlId GROUP1{65};
constexpr ControlId GROUP2{76};
constexpr ControlId PLUSB{87};
constexpr ControlId MINUSB{88};
constexpr ControlId GROUP3{89};
constexpr ControlId STRING8{110};
constexpr ControlId N2{111};
constexpr ControlId STRING2{123};
constexpr ControlId LINE1{124};
constexpr ControlId SUMIT{125};
constexpr ControlId EQUALSB{126};
constexpr ControlId PROMPT1{127};
constexpr ControlId N2_2{128};

constexpr int ControlCount = 128;

// Rows of controls, indexed from 1 as their labels count (IMAGE1:1 is IMAGE1(1)).
// The shape pictures were numbered as they were drawn, so their numbers jump.
namespace detail {
template <std::size_t N>
struct Row {
    std::array<int, N> numbers;
    constexpr ControlId operator()(int k) const {
        assert(k >= 1 && k <= static_cast<int>(N));
        return ControlId{numbers[static_cast<std::size_t>(k - 1)]};
    }
    static constexpr int Size = static_cast<int>(N);
};

template <std::size_t N>
constexpr Row<N> Consecutive(int first) {
    Row<N> row{};
    for (std::size_t i = 0; i < N; ++i) row.numbers[i] = first + static_cast<int>(i);
    return row;
}
}  // namespace detail

constexpr auto N1_RADIO = detail::Consecutive<11>(2);
constexpr auto N2_RADIO = detail::Consecutive<11>(112);
constexpr detail::Row<10> IMAGE1{{21, 22, 26, 23, 24, 27, 28, 29, 30, 31}};
constexpr detail::Row<10> IMAGE2{{32, 33, 37, 34, 35, 38, 39, 40, 41, 42}};
constexpr detail::Row<20> IMAGE3{
    {43, 44, 47, 45, 46, 48, 49, 50, 51, 52, 54, 55, 58, 56, 57, 59, 60, 61, 62, 63}};
constexpr auto BEAD1 = detail::Consecutive<10>(66);
constexpr auto BEAD2 = detail::Consecutive<10>(77);
constexpr auto BEAD3 = detail::Consecutive<20>(90);

// The numeral "0" of the first grid gets the focus when the window opens.
constexpr ControlId FirstField = N1_RADIO(1);

}  // namespace abacor::ctl
