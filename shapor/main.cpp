#include "shapor/Main.h"

#include <iostream>

#include "assets/BuiltInPictures.h"
#include "frame/CommandLine.h"
#include "frame/Program.h"
#include "language/Choice.h"
#include "runtime/DataFolder.h"
#include "runtime/Runtime.h"

int main(int argc, char* argv[]) {
    const frame::ProgramInfo info{
        "shapor", "shapor.INI",
        "shapor, the shape trainer: a child picks two numbers from 0 to 10 and plus or\n"
        "minus, sees the sum or difference in large digits, and each first number\n"
        "drawn as that many shapes."};
    if (const auto answered = frame::AnswerCommandLine(info, {argv, static_cast<std::size_t>(argc)},
                                                       std::cout, std::cerr))
        return *answered;
    const runtime::DataFolder data = runtime::FindDataFolder();
    // shapor speaks nothing: only its texts follow the desktop's language.
    language::ChooseAtStart(data.folder);
    return frame::RunDesktopProgram(info, data, [](frame::Program& program) {
        program.GetRuntime().pictures().AddBuiltIn(BuiltInPictures());
        shapor::Main(program);
    });
}
