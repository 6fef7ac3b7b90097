#include "abacor/Voice.h"

#include <cstdlib>

namespace abacor {

void Voice::SayNumber(int value) {
    Say(NumberSound(value));
}

bool Voice::Pause() {
    const auto end = clock_.Now() + PauseLength;
    if (window_) return window_->WaitShowing(end);
    // A sleep may end early (a signal); it never needs to end late.
    while (clock_.Now() < end) clock_.SleepUntil(end);
    return true;
}

void Voice::SayEquation(const Variables& v) {
    SayNumber(v.N1);
    if (!Pause()) return;
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
    if (!Pause()) return;
    SayNumber(v.N2);
    if (!Pause()) return;
    Say(sound::Equals);
    if (!Pause()) return;
    if (v.SUMIT < 0) {
        Say(sound::Minus);
        if (!Pause()) return;
    }
    if (!Pause()) return;
    SayNumber(std::abs(v.SUMIT));
}

}  // namespace abacor
