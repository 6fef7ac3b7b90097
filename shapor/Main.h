#pragma once

#include "canvas/Draw.h"
#include "canvas/WindowHost.h"
#include "frame/Program.h"
#include "frame/TranslatedWindow.h"
#include "frame/WindowManager.h"
#include "runtime/Window.h"
#include "shapor/Problem.h"
#include "shapor/ShapeScene.h"

namespace shapor {

class MainProcedure;

// The window manager of Main: what the shape trainer adds to each step.
class ThisWindow final : public frame::WindowManager {
public:
    ThisWindow(frame::Program& program, MainProcedure& main);

    int TakeWindowEvent() override;
    int TakeFieldEvent() override;

protected:
    int AfterOpen() override;
    void BeforeKill() override;

private:
    MainProcedure& main_;
};

// The window procedure Main: its variables bound to the window, the drawing
// object on DRAW1, the scene drawn with it, and the window manager. Members
// are made in this order and destroyed in the reverse one.
class MainProcedure {
public:
    explicit MainProcedure(frame::Program& program);

    // Recomputes the result and the operator symbol and shows them.
    void Addit();

    Variables v;
    frame::TranslatedWindow definition;  // MenuWindow with its texts in the catalog's language
    runtime::Window window;
    canvas::WindowHost host;
    canvas::Draw Drawer1;
    ShapeScene scene;
    ThisWindow thisWindow;
};

// Runs the shape trainer's window until it closes; its result becomes the
// runtime's global response.
void Main(frame::Program& program);

}  // namespace shapor
