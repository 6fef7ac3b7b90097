#pragma once

#include "abacor/BeadTrainer.h"
#include "abacor/Problem.h"
#include "abacor/ThisWindow.h"
#include "frame/Program.h"
#include "frame/TranslatedWindow.h"
#include "language/Choice.h"
#include "runtime/Window.h"

namespace abacor {

// The window procedure's parts, in the order they are made: the variables,
// the window (its texts in the chosen language) bound to them, the trainer
// working on both, and the manager that runs the window.
struct MainWindow {
    // `language`: whose voices speak (the texts follow the catalog in use).
    explicit MainWindow(frame::Program& program, const language::Choice& language = {});

    Variables variables;
    frame::TranslatedWindow definition;
    runtime::Window window;
    BeadTrainer trainer;
    ThisWindow manager;
};

// The bead trainer's window procedure: runs MenuWindow until it closes and
// leaves the manager's result in the runtime's global response.
void Main(frame::Program& program, const language::Choice& language = {});

}  // namespace abacor
