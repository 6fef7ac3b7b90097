#include "abacor/Main.h"

#include <iostream>

#include "assets/BuiltInPictures.h"
#include "frame/CommandLine.h"
#include "frame/Program.h"
#include "language/Choice.h"
#include "runtime/DataFolder.h"
#include "runtime/Runtime.h"

int main(int argc, char* argv[]) {
    const frame::ProgramInfo info{
        "abacor", "abacor.INI",
        "abacor, the bead trainer: a child picks two numbers from 0 to 10 and plus or\n"
        "minus, and sees the sum or difference as digits, beads and pictures, and\n"
        "hears it spoken."};
    if (const auto answered = frame::AnswerCommandLine(info, {argv, static_cast<std::size_t>(argc)},
                                                       std::cout, std::cerr))
        return *answered;
    const runtime::DataFolder data = runtime::FindDataFolder();
    // The voices of other languages lie in voices/<language> of the data folder.
    const language::Choice language = language::ChooseAtStart(data.folder);
    return frame::RunDesktopProgram(info, data, [&](frame::Program& program) {
        program.GetRuntime().pictures().AddBuiltIn(BuiltInPictures());
        abacor::Main(program, language);
    });
}
