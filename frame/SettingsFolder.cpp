#include "frame/SettingsFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

namespace frame {
namespace {

namespace fs = std::filesystem;

constexpr const char* FolderName = "korvanda";

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// HOME, or the home folder of the account when HOME is not set.
std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); IsAbsolute(home)) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        IsAbsolute(found->pw_dir))
        return found->pw_dir;
    return {};
}

}  // namespace

std::optional<fs::path> SettingsFolderFor(const char* xdgConfigHome, const char* home) {
    if (IsAbsolute(xdgConfigHome)) return fs::path(xdgConfigHome) / FolderName;
    if (IsAbsolute(home)) return fs::path(home) / ".config" / FolderName;
    return std::nullopt;
}

std::optional<fs::path> EnsureSettingsFolder(std::string& error) {
    const std::string home = HomeFolder();
    auto folder =
        SettingsFolderFor(std::getenv("XDG_CONFIG_HOME"), home.empty() ? nullptr : home.c_str());
    if (!folder) {
        error = "no home folder for the settings";
        return std::nullopt;
    }
    std::error_code ec;
    fs::create_directories(*folder, ec);
    if (!fs::is_directory(*folder, ec)) {
        error = "cannot make the settings folder " + folder->string() +
                (ec ? ": " + ec.message() : std::string());
        return std::nullopt;
    }
    return folder;
}

}  // namespace frame
