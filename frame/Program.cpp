#include "frame/Program.h"

#include "runtime/Runtime.h"

namespace frame {

int RunProgram(const ProgramInfo& info, runtime::Runtime& runtime, FullWindowDragging& dragging,
               const MainProcedure& main) {
    // A fresh error manager: no procedure is running yet.
    while (runtime.errors().Depth() > 0) runtime.errors().Pop();

    SettingsManager settings(&runtime.debug());
    settings.Open(info.settingsFile);
    {
        const FullWindowDraggingOff draggingOff(dragging);
        Program program(info, runtime, settings);
        main(program);
    }
    settings.Close();
    return runtime.globalResponse;
}

}  // namespace frame
