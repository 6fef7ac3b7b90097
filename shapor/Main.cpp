#include "shapor/Main.h"

#include "runtime/Runtime.h"
#include "shapor/Controls.h"
#include "shapor/MenuWindow.h"

namespace shapor {

ThisWindow::ThisWindow(frame::Program& program, MainProcedure& main)
    : WindowManager(program, main.window, ctl::FirstField), main_(main) {}

int ThisWindow::AfterOpen() {
    // The scene is redrawn object by object; buffering keeps that from flickering.
    GetWindow().SetBuffered(true);
    main_.Drawer1.Init(static_cast<std::uint32_t>(runtime::ToInt(ctl::DRAW1)));
    return frame::Level::Benign;
}

void ThisWindow::BeforeKill() {
    main_.Drawer1.Kill();
}

int ThisWindow::TakeWindowEvent() {
    const int result = WindowManager::TakeWindowEvent();
    if (CurrentEvent().kind == runtime::EventKind::OpenWindow) {
        main_.v.OPERATOR = "PLUS";
        main_.v.OPERATORSYMBOL = "+";
        GetWindow().Refresh();
    }
    return result;
}

int ThisWindow::TakeFieldEvent() {
    const int result = WindowManager::TakeFieldEvent();
    const runtime::Event& event = CurrentEvent();
    // Option groups report a new choice as accepted; nothing else moves the problem.
    if (event.kind == runtime::EventKind::Accepted) {
        if (event.control == ctl::N1) {
            main_.scene.DrawShapes1();
            main_.Addit();
        } else if (event.control == ctl::OPERATOR || event.control == ctl::N2) {
            main_.Addit();
        }
    }
    return result;
}

MainProcedure::MainProcedure(frame::Program& program)
    : definition(MenuWindow),
      window(definition.Definition(), program.GetRuntime()),
      host(window),
      Drawer1(host),
      scene(v, Drawer1, program.GetRuntime().random(), program.GetRuntime().pictures().Folder()),
      thisWindow(program, *this) {
    window.Bind(ctl::N1, v.N1);
    window.Bind(ctl::N1_2, v.N1);
    window.Bind(ctl::OPERATOR, v.OPERATOR.Span());
    window.Bind(ctl::OPERATORSYMBOL, v.OPERATORSYMBOL.Span());
    window.Bind(ctl::N2, v.N2);
    window.Bind(ctl::SUMIT, v.SUMIT);
    window.Bind(ctl::N2_2, v.N2);
}

void MainProcedure::Addit() {
    ComputeResult(v);
    window.Refresh();
}

void Main(frame::Program& program) {
    MainProcedure main(program);
    program.GetRuntime().globalResponse = main.thisWindow.Run();
}

}  // namespace shapor
