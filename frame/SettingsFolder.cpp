#include "frame/SettingsFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
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

// Makes `folder` and the folders above it that are missing (new ones only
// for this user, as the desktop rules ask). On failure `error` names the
// folder that could not be made and the reason the system gave for it.
bool MakeFolders(const fs::path& folder, std::string& error) {
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        struct stat info {};
        if (::stat(partial.c_str(), &info) == 0) {
            if (S_ISDIR(info.st_mode)) continue;
            error = partial.string() + " is not a folder";
            return false;
        }
        if (errno != ENOENT) {
            error = "cannot reach " + partial.string() + ": " + std::strerror(errno);
            return false;
        }
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            error = "cannot make " + partial.string() + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
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
    std::string reason;
    if (!MakeFolders(*folder, reason)) {
        error = "cannot make the settings folder " + folder->string() + ": " + reason;
        return std::nullopt;
    }
    return folder;
}

}  // namespace frame
