#pragma once

#include <memory>
#include <string>
#include <vector>

#include "runtime/Pictures.h"
#include "runtime/Platform.h"
#include "runtime/Services.h"

namespace runtime {

// The error manager's stack of running procedure names.
class ErrorManager {
public:
    void Push(std::string name) { names_.push_back(std::move(name)); }
    void Pop() {
        if (!names_.empty()) names_.pop_back();
    }
    std::string Current() const { return names_.empty() ? std::string() : names_.back(); }
    std::size_t Depth() const { return names_.size(); }

private:
    std::vector<std::string> names_;
};

// Everything a program takes from the desktop, in one place. A backend
// (SDL or headless) fills it; the frame and the programs only use it.
class Runtime {
public:
    Runtime(std::unique_ptr<Platform> platform, std::unique_ptr<SoundService> sound,
            std::unique_ptr<Clock> clock, std::unique_ptr<DebugOutput> debug);

    Platform& platform() { return *platform_; }
    SoundService& sound() { return *sound_; }
    Clock& clock() { return *clock_; }
    DebugOutput& debug() { return *debug_; }
    Random& random() { return random_; }
    PictureLibrary& pictures() { return pictures_; }
    ErrorManager& errors() { return errors_; }

    // The global request and response values of the window procedures.
    int globalRequest = 0;
    int globalResponse = 0;

private:
    // First, so it outlives the services that write to it (the sound's worker).
    std::unique_ptr<DebugOutput> debug_;
    std::unique_ptr<Platform> platform_;
    std::unique_ptr<SoundService> sound_;
    std::unique_ptr<Clock> clock_;
    Random random_;
    PictureLibrary pictures_;
    ErrorManager errors_;
};

}  // namespace runtime
