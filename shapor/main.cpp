#include "shapor/Main.h"

#include "assets/BuiltInPictures.h"
#include "frame/Program.h"
#include "runtime/Runtime.h"

int main() {
    return frame::RunDesktopProgram({"shapor", "shapor.INI"}, [](frame::Program& program) {
        program.GetRuntime().pictures().AddBuiltIn(BuiltInPictures());
        shapor::Main(program);
    });
}
