#include "abacor/Main.h"

#include "assets/BuiltInPictures.h"
#include "frame/Program.h"
#include "runtime/Runtime.h"

int main() {
    return frame::RunDesktopProgram({"abacor", "abacor.INI"}, [](frame::Program& program) {
        program.GetRuntime().pictures().AddBuiltIn(BuiltInPictures());
        abacor::Main(program);
    });
}
