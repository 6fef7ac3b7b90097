#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "abacor/Main.h"
#include "frame/Program.h"
#include "frame/SettingsManager.h"
#include "runtime/backends/headless/Headless.h"

namespace abacor::testing {

// The colours of the picture files made for the tests, by file name.
const std::map<std::string, std::uint32_t>& PictureColours();

// A working folder holding the bead and shape pictures, and a settings
// folder of its own; the test runs inside it and leaves it afterwards.
class Workspace {
public:
    Workspace();
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path SettingsFile() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path previousFolder_;
    std::string previousConfigHome_;
    bool hadConfigHome_ = false;
};

// One run of the bead trainer on a headless desktop: the window is open
// (its open event handled) from construction until Close.
class Session {
public:
    explicit Session(runtime::HeadlessOptions options = {}, const language::Choice& language = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Real input through the platform, then every event it raises handled.
    void Click(runtime::ControlId control);
    void Press(int keyCode);
    int Pump() { return main->manager.Pump(); }
    // Closes the window the way the desktop asks it to; writes the settings.
    void Close();

    runtime::Window& Window() { return main->window; }
    Variables& Vars() { return main->variables; }
    std::vector<std::string> Sounds() const { return headless.sound->Files(); }

    runtime::Headless headless;
    frame::SettingsManager settings;
    std::unique_ptr<frame::Program> program;
    std::unique_ptr<MainWindow> main;

private:
    bool closed_ = false;
};

}  // namespace abacor::testing
