#include "abacor/tests/Session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "abacor/tests/Bmp.h"
#include "assets/BuiltInPictures.h"

namespace abacor::testing {

namespace fs = std::filesystem;

const std::map<std::string, std::uint32_t>& PictureColours() {
    static const std::map<std::string, std::uint32_t> colours{
        {"beadblack.bmp", 0x000000}, {"beadred.bmp", 0xE00000}, {"beadNeg.bmp", 0x00A000},
        {"star1.bmp", 0xF0C000},     {"dino1.bmp", 0x008080},   {"rubik.bmp", 0x0000F0},
        {"pyramid2.bmp", 0xA06000},  {"quarter.bmp", 0x808080},
    };
    return colours;
}

Workspace::Workspace() {
    std::random_device seed;
    folder_ = fs::temp_directory_path() / ("abacor-test-" + std::to_string(seed()));
    fs::create_directories(folder_ / "config");
    // Larger than their controls, so every pixel of a shown control has the colour.
    for (const auto& [name, colour] : PictureColours()) {
        const bool bead = name.starts_with("bead");
        WriteBmp(folder_ / name, 48, bead ? 16 : 64, colour);
    }

    previousFolder_ = fs::current_path();
    fs::current_path(folder_);
    if (const char* home = std::getenv("XDG_CONFIG_HOME")) {
        hadConfigHome_ = true;
        previousConfigHome_ = home;
    }
    setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
}

Workspace::~Workspace() {
    fs::current_path(previousFolder_);
    if (hadConfigHome_)
        setenv("XDG_CONFIG_HOME", previousConfigHome_.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

fs::path Workspace::SettingsFile() const {
    return folder_ / "config" / "korvanda" / "abacor.INI";
}

Session::Session(runtime::HeadlessOptions options, const language::Choice& language)
    : headless(runtime::CreateHeadlessRuntime(options)), settings(headless.debug) {
    headless.runtime->pictures().AddBuiltIn(BuiltInPictures());
    settings.Open("abacor.INI");
    program = std::make_unique<frame::Program>(frame::ProgramInfo{"abacor", "abacor.INI"},
                                               *headless.runtime, settings);
    main = std::make_unique<MainWindow>(*program, language);
    EXPECT_EQ(main->manager.Start(), frame::Level::Benign);
    Pump();  // the open event
}

Session::~Session() {
    Close();
}

void Session::Click(runtime::ControlId control) {
    runtime::Click(Window(), control);
    Pump();
}

void Session::Press(int keyCode) {
    runtime::PressKey(Window(), keyCode);
    Pump();
}

void Session::Close() {
    if (closed_) return;
    closed_ = true;
    runtime::RequestClose(Window());
    Pump();
    main->manager.Finish();
    main.reset();
    settings.Close();
}

}  // namespace abacor::testing
