#include "abacor/ThisWindow.h"

#include "abacor/Controls.h"

namespace abacor {

using runtime::EventKind;

ThisWindow::ThisWindow(frame::Program& program, runtime::Window& window, BeadTrainer& trainer)
    : WindowManager(program, window, ctl::FirstField), trainer_(trainer) {}

int ThisWindow::TakeWindowEvent() {
    const int result = WindowManager::TakeWindowEvent();
    const runtime::Event& event = CurrentEvent();
    if (event.kind == EventKind::OpenWindow) trainer_.WindowOpened();
    if (event.kind == EventKind::AlertKey) trainer_.AlertKey(event.keyCode);
    return result;
}

// Any event of a grid is a new choice: the runtime raises one only when the
// choice changes.
int ThisWindow::TakeFieldEvent() {
    const int result = WindowManager::TakeFieldEvent();
    const runtime::ControlId control = CurrentEvent().control;
    if (control == ctl::N1) trainer_.FirstNumberChosen();
    if (control == ctl::N2) trainer_.SecondNumberChosen();
    return result;
}

int ThisWindow::TakeAccepted() {
    const int result = WindowManager::TakeAccepted();
    const runtime::ControlId control = CurrentEvent().control;
    if (control == ctl::PLUSB || control == ctl::MINUSB) {
        Update();
        trainer_.OperatorPressed(control == ctl::PLUSB ? Operation::Plus : Operation::Minus);
    } else if (control == ctl::EQUALSB) {
        Update();
        trainer_.EqualsPressed();
    }
    return result;
}

}  // namespace abacor
