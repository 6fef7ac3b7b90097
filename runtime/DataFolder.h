#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace runtime {

// Where the programs read their pictures and voices from. A folder holds
// them when it holds "star1.bmp", a picture both programs show.
struct DataFolder {
    std::filesystem::path folder;  // the working folder when none holds them
    bool found = false;
    std::vector<std::filesystem::path> tried;  // in the order they were looked at
};

// The working folder wins when it holds the files (started from assets/data
// or from a folder of one's own pictures); otherwise share/korvanda beside
// the executable's bin folder, so a package, a --prefix install and the
// build tree (build/share/korvanda links to assets/data) need no setting.
DataFolder FindDataFolder(const std::filesystem::path& workingFolder,
                          const std::filesystem::path& executable);

// The same for this process: "." and /proc/self/exe.
DataFolder FindDataFolder();

// "no pictures or voices in /a or /b", for the one line a program writes
// when it found none.
std::string DescribeMissing(const DataFolder& data);

}  // namespace runtime
