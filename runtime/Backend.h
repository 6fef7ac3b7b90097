#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "runtime/Runtime.h"

namespace runtime {

// The desktop runtime of the backend the program is linked with (SDL for
// the programs). Returns nullptr and a one-line reason when no display can
// be opened. Pictures and sounds are read from `dataFolder` (empty: the
// working folder).
std::unique_ptr<Runtime> CreateDesktopRuntime(std::string& error,
                                              const std::filesystem::path& dataFolder = {});

}  // namespace runtime
