#include "abacor/Voice.h"

#include <cstdlib>

namespace abacor {

void Voice::SayNumber(int value) {
    Say(NumberSound(value));
}

void Voice::Pause() {
    const auto end = clock_.Now() + PauseLength;
    // A sleep may end early (a signal); it never needs to end late.
    while (clock_.Now() < end) clock_.SleepUntil(end);
}

void Voice::SayEquation(const Variables& v) {
    SayNumber(v.N1);
    Pause();
    switch (OperationOf(v.OPERATOR)) {
        case Operation::Plus:
            Say(sound::Plus);
            break;
        case Operation::Minus:
            Say(sound::Minus);
            break;
        case Operation::None:
            break;
    }
    Pause();
    SayNumber(v.N2);
    Pause();
    Say(sound::Equals);
    Pause();
    if (v.SUMIT < 0) {
        Say(sound::Minus);
        Pause();
    }
    Pause();
    SayNumber(std::abs(v.SUMIT));
}

}  // namespace abacor
