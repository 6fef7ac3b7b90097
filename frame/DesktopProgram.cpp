#include <iostream>

#include "frame/Program.h"
#include "language/Catalog.h"
#include "runtime/Backend.h"

namespace frame {

int RunDesktopProgram(const ProgramInfo& info, const MainProcedure& main) {
    std::string error;
    const std::unique_ptr<runtime::Runtime> runtime = runtime::CreateDesktopRuntime(error);
    if (!runtime) {
        std::cerr << info.name << ": "
                  << (error.empty() ? language::Tr("cannot open the display") : error)
                  << '\n';
        return 1;
    }
    const auto dragging = CreateFullWindowDragging();
    return RunProgram(info, *runtime, *dragging, main);
}

}  // namespace frame
