#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/IniFile.h"
#include "frame/PlacedWindow.h"

namespace runtime {
class DebugOutput;
class Window;
}  // namespace runtime

namespace frame {

// One entry of the sector list kept in section "__Dont_Touch_Me__".
struct Sector {
    static constexpr std::size_t MaxFieldLength = 99;
    std::string family;
    std::string item;
    std::string type;
    friend bool operator==(const Sector&, const Sector&) = default;
};

// The program's settings file: the sector list, read at Open and written
// back at Close, and the placement of windows by section name.
//
// Every operation reads the file afresh before it changes it, so entries
// that another program or a person added meanwhile survive, and writes it
// atomically. A file that exists but cannot be read is never written (its
// entries would be lost); write failures go to the debug output as one line
// and are otherwise silent. Each operation holds the manager's lock.
class SettingsManager {
public:
    static constexpr std::string_view SectorSection = "__Dont_Touch_Me__";

    // `debug` (may be null) receives one line per failed write.
    explicit SettingsManager(runtime::DebugOutput* debug = nullptr);

    // Binds to `fileName` in the user's settings folder (created when
    // missing) and reads the sector list. Without a usable folder the
    // program runs without saving.
    void Open(std::string_view fileName);
    // Binds to a file at an exact path (the folder must exist).
    void OpenPath(std::filesystem::path path);

    // Restores the placement remembered in `section`.
    void FetchWindow(std::string_view section, PlacedWindow& window);
    void FetchWindow(std::string_view section, runtime::Window& window);
    // Remembers the window's placement in `section`.
    void UpdateWindow(std::string_view section, const PlacedWindow& window);
    void UpdateWindow(std::string_view section, runtime::Window& window);

    // Writes the sector list back and forgets it.
    void Close();

    std::vector<Sector> Sectors() const;
    // The settings file, when there is one to use.
    std::optional<std::filesystem::path> Path() const;

private:
    // The file as it is on disk now; nullopt when it cannot be read.
    std::optional<IniFile> Load() const;
    void Save(const IniFile& before, const IniFile& after);
    void ReadSectors(const IniFile& file);
    void WriteSectors(IniFile& file) const;
    void Debug(const std::string& line) const;

    mutable std::mutex mutex_;
    runtime::DebugOutput* debug_;
    std::optional<std::filesystem::path> path_;
    std::vector<Sector> sectors_;
};

}  // namespace frame
