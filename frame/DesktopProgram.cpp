#include <iostream>

#include "frame/Program.h"
#include "language/Catalog.h"
#include "runtime/Backend.h"
#include "runtime/DataFolder.h"

namespace frame {

int RunDesktopProgram(const ProgramInfo& info, const runtime::DataFolder& data,
                      const MainProcedure& main) {
    std::string error;
    const std::unique_ptr<runtime::Runtime> runtime =
        runtime::CreateDesktopRuntime(error, data.folder);
    if (!runtime) {
        std::cerr << info.name << ": "
                  << (error.empty() ? language::Tr("cannot open the display") : error)
                  << '\n';
        return 1;
    }
    // Without its files the program still starts: the numerals are built in.
    if (!data.found) std::cerr << info.name << ": " << runtime::DescribeMissing(data) << '\n';
    const auto dragging = CreateFullWindowDragging();
    return RunProgram(info, *runtime, *dragging, main);
}

}  // namespace frame
