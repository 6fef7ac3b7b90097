#include "abacor/Problem.h"

namespace abacor {

Operation OperationOf(const FixedText<10>& text) {
    const FixedText<10> upper = text.Upper();
    if (upper == "PLUS") return Operation::Plus;
    if (upper == "MINUS") return Operation::Minus;
    return Operation::None;
}

void ComputeResult(Variables& v) {
    switch (OperationOf(v.OPERATOR)) {
        case Operation::Plus:
            v.SUMIT = static_cast<std::int16_t>(v.N1 + v.N2);
            v.OPERATORSYMBOL = "+";
            break;
        case Operation::Minus:
            v.SUMIT = static_cast<std::int16_t>(v.N1 - v.N2);
            v.OPERATORSYMBOL = "-";
            break;
        case Operation::None:
            break;
    }
}

std::string NumberSound(int value) {
    return std::to_string(value) + ".wav";
}

}  // namespace abacor
