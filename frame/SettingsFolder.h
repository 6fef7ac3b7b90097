#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace frame {

// The per-user folder of the programs' settings files:
// $XDG_CONFIG_HOME/korvanda, or ~/.config/korvanda when that is not set
// (or not an absolute path, which the desktop rules ignore).
std::optional<std::filesystem::path> SettingsFolderFor(const char* xdgConfigHome, const char* home);

// The folder for this user, created when missing. nullopt (and `error`)
// when there is no home or the folder cannot be made.
std::optional<std::filesystem::path> EnsureSettingsFolder(std::string& error);

}  // namespace frame
