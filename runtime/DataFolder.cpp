#include "runtime/DataFolder.h"

#include <system_error>

namespace runtime {

namespace {

constexpr const char* Probe = "star1.bmp";

bool HoldsData(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_regular_file(folder / Probe, error);
}

}  // namespace

DataFolder FindDataFolder(const std::filesystem::path& workingFolder,
                          const std::filesystem::path& executable) {
    DataFolder data{workingFolder, false, {workingFolder}};
    if (HoldsData(workingFolder)) {
        data.found = true;
        return data;
    }
    if (!executable.empty()) {
        const auto installed = executable.parent_path().parent_path() / "share" / "korvanda";
        data.tried.push_back(installed);
        if (HoldsData(installed)) {
            data.folder = installed;
            data.found = true;
        }
    }
    return data;
}

DataFolder FindDataFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return FindDataFolder(".", error ? std::filesystem::path() : executable);
}

std::string DescribeMissing(const DataFolder& data) {
    std::string text = "no pictures or voices in ";
    for (std::size_t i = 0; i < data.tried.size(); ++i) {
        if (i > 0) text += " or ";
        std::error_code error;
        auto shown = std::filesystem::absolute(data.tried[i], error).lexically_normal();
        if (error) shown = data.tried[i];
        if (!shown.has_filename()) shown = shown.parent_path();  // "/home/ann/." is "/home/ann"
        text += shown.string();
    }
    return text;
}

}  // namespace runtime
