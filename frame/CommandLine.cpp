#include "frame/CommandLine.h"

#include <string>

namespace frame {

std::string_view Version() {
    return KORVANDA_VERSION;
}

std::optional<int> AnswerCommandLine(const ProgramInfo& info, std::span<char* const> arguments,
                                     std::ostream& out, std::ostream& err) {
    if (arguments.size() <= 1) return std::nullopt;
    const std::string_view option = arguments[1];
    if (arguments.size() == 2 && option == "--version") {
        out << info.name << ' ' << Version() << '\n';
        return 0;
    }
    if (arguments.size() == 2 && option == "--help") {
        out << "Usage: " << info.name << " [--version | --help]\n"
            << info.summary << '\n'
            << "It reads no other options. The window remembers its place in\n"
            << "~/.config/korvanda/" << info.settingsFile << ".\n";
        return 0;
    }
    err << "usage: " << info.name << " [--version | --help]\n";
    return 2;
}

}  // namespace frame
