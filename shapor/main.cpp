#include "shapor/Main.h"

#include "assets/BuiltInPictures.h"
#include "frame/Program.h"
#include "language/Choice.h"
#include "runtime/Runtime.h"

int main() {
    // shapor speaks nothing: only its texts follow the desktop's language.
    language::ChooseAtStart(".");
    return frame::RunDesktopProgram({"shapor", "shapor.INI"}, [](frame::Program& program) {
        program.GetRuntime().pictures().AddBuiltIn(BuiltInPictures());
        shapor::Main(program);
    });
}
