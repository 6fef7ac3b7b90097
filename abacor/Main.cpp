#include "abacor/Main.h"

#include "abacor/Controls.h"
#include "abacor/MenuWindow.h"
#include "runtime/Runtime.h"

namespace abacor {

namespace {
void BindVariables(runtime::Window& window, Variables& v) {
    for (runtime::ControlId id : {ctl::N1, ctl::N1_2, ctl::N1_3}) window.Bind(id, v.N1);
    for (runtime::ControlId id : {ctl::N2, ctl::N2_2, ctl::N2_3}) window.Bind(id, v.N2);
    for (runtime::ControlId id : {ctl::SUMIT, ctl::SUMIT_2}) window.Bind(id, v.SUMIT);
    for (runtime::ControlId id : {ctl::OPERATORSYMBOL, ctl::OPERATORSYMBOL_2})
        window.Bind(id, v.OPERATORSYMBOL.Span());
}
}  // namespace

MainWindow::MainWindow(frame::Program& program, const language::Choice& language)
    : definition(MenuWindow),
      window(definition.Definition(), program.GetRuntime()),
      trainer(variables, window, program.GetRuntime(), language.VoiceFolder()),
      manager(program, window, trainer) {
    BindVariables(window, variables);
}

void Main(frame::Program& program, const language::Choice& language) {
    MainWindow main(program, language);
    program.GetRuntime().globalResponse = main.manager.Run();
}

}  // namespace abacor
