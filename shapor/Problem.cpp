#include "shapor/Problem.h"

namespace shapor {

void ComputeResult(Variables& v) {
    const auto op = v.OPERATOR.Upper();
    if (op == "PLUS") {
        v.SUMIT = static_cast<std::int16_t>(v.N1 + v.N2);
        v.OPERATORSYMBOL = "+";
    } else if (op == "MINUS") {
        v.SUMIT = static_cast<std::int16_t>(v.N1 - v.N2);
        v.OPERATORSYMBOL = "-";
    }
}

}  // namespace shapor
