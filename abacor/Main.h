#pragma once

#include "abacor/BeadTrainer.h"
#include "abacor/Problem.h"
#include "abacor/ThisWindow.h"
#include "frame/Program.h"
#include "runtime/Window.h"

namespace abacor {

// The window procedure's parts, in the order they are made: the variables,
// the window bound to them, the trainer working on both, and the manager
// that runs the window.
struct MainWindow {
    explicit MainWindow(frame::Program& program);

    Variables variables;
    runtime::Window window;
    BeadTrainer trainer;
    ThisWindow manager;
};

// The bead trainer's window procedure: runs MenuWindow until it closes and
// leaves the manager's result in the runtime's global response.
void Main(frame::Program& program);

}  // namespace abacor
