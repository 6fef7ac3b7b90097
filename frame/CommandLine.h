#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

#include "frame/Program.h"

namespace frame {

// The version the programs were built as, "0.1".
std::string_view Version();

// The few options a program answers before it opens its window:
// --version (one line), --help (a short paragraph); both end it with 0.
// Any other argument gives one line of usage on `err` and 2. With no
// arguments nullopt: the program starts as always.
std::optional<int> AnswerCommandLine(const ProgramInfo& info, std::span<char* const> arguments,
                                     std::ostream& out, std::ostream& err);

}  // namespace frame
