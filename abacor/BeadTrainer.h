#pragma once

#include <string>

#include "abacor/Problem.h"
#include "abacor/Voice.h"
#include "runtime/Runtime.h"
#include "runtime/Window.h"

namespace abacor {

// The bead trainer's problem and how it is shown and spoken: what the window
// manager calls for each event the child causes. It works on Main's
// variables, which the window shows through its bindings.
class BeadTrainer {
public:
    // `voices`: the folder of the recordings (Voice).
    BeadTrainer(Variables& variables, runtime::Window& window, runtime::Runtime& runtime,
                std::string voices = {});

    // Reactions to events.
    void WindowOpened();
    void AlertKey(int keyCode);
    void FirstNumberChosen();
    void SecondNumberChosen();
    void OperatorPressed(Operation operation);
    void EqualsPressed();

    // Computes the result and redraws the three rows.
    void Addit();
    void ShowBeads1();
    void ShowBeads2();
    void ShowBeads3();
    // Random numbers, operator and shape, then Addit; speaks nothing.
    void RandomProblem();
    void PickShape();

private:
    Variables& v_;
    runtime::Window& window_;
    runtime::Random& random_;
    Voice voice_;
};

}  // namespace abacor
