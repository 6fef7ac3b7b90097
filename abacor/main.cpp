#include "abacor/Main.h"

#include "assets/BuiltInPictures.h"
#include "frame/Program.h"
#include "language/Choice.h"
#include "runtime/Runtime.h"

int main() {
    // The pictures and English voices lie in the working folder, the voices
    // of other languages in voices/<language> there.
    const language::Choice language = language::ChooseAtStart(".");
    return frame::RunDesktopProgram({"abacor", "abacor.INI"}, [&](frame::Program& program) {
        program.GetRuntime().pictures().AddBuiltIn(BuiltInPictures());
        abacor::Main(program, language);
    });
}
