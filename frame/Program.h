#pragma once

#include <functional>
#include <string>

#include "frame/FullWindowDragging.h"
#include "frame/SettingsManager.h"
#include "runtime/DataFolder.h"

namespace runtime {
class Runtime;
}

namespace frame {

struct ProgramInfo {
    std::string name;          // "abacor": starts messages to the user
    std::string settingsFile;  // "abacor.INI": bare name in the settings folder
    std::string summary = {};  // what the program teaches, for --help
};

// What the window procedure `Main` and its window manager take from the
// program entry: the runtime and the settings manager, both owned by the
// entry for the whole run.
//
//   int main() {
//       return frame::RunDesktopProgram({"abacor", "abacor.INI"}, runtime::FindDataFolder(),
//                                       abacor::Main);
//   }
//
//   void Main(frame::Program& program) {
//       Variables v;
//       runtime::Window window(MenuWindow, program.GetRuntime());
//       window.Bind(N1, v.N1);
//       ThisWindow thisWindow(program, window, v);  // a frame::WindowManager
//       program.GetRuntime().globalResponse = thisWindow.Run();
//   }
class Program {
public:
    Program(ProgramInfo info, runtime::Runtime& runtime, SettingsManager& settings)
        : info_(std::move(info)), runtime_(runtime), settings_(settings) {}

    const ProgramInfo& Info() const { return info_; }
    runtime::Runtime& GetRuntime() const { return runtime_; }
    SettingsManager& Settings() const { return settings_; }

private:
    ProgramInfo info_;
    runtime::Runtime& runtime_;
    SettingsManager& settings_;
};

using MainProcedure = std::function<void(Program&)>;

// The program entry: resets the error manager, opens the settings manager
// on info.settingsFile, switches full-window dragging off if it is on, runs
// `main`, switches dragging back on, and writes the sector list back.
// Returns the runtime's global response value (0 normally), which `main`
// sets from its window manager's Run.
int RunProgram(const ProgramInfo& info, runtime::Runtime& runtime, FullWindowDragging& dragging,
               const MainProcedure& main);

// For main(): the same on the real desktop, with pictures and voices from
// `data` (found once at start by runtime::FindDataFolder). When no display
// can be opened it prints "<name>: <reason>" to standard error and returns 1.
int RunDesktopProgram(const ProgramInfo& info, const runtime::DataFolder& data,
                      const MainProcedure& main);

}  // namespace frame
