#pragma once

#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "frame/IniFile.h"
#include "frame/PlacedWindow.h"
#include "frame/WholeFile.h"

namespace runtime {
class DebugOutput;
class Window;
}  // namespace runtime

namespace frame {

struct WindowInfo;

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
// atomically. A file that exists but cannot be read, or is no regular file,
// is never written (its entries would be lost). Each problem goes to the
// debug output as one line, once per run, and is otherwise silent. Each
// operation holds the manager's lock.
class SettingsManager {
public:
    static constexpr std::string_view SectorSection = "__Dont_Touch_Me__";

    // `debug` (may be null) receives one line per problem. `write` is the
    // write call of saves (tests make it fail).
    explicit SettingsManager(runtime::DebugOutput* debug = nullptr, WriteCall write = ::write);

    // Binds to `fileName` in the user's settings folder (created when
    // missing) and reads the sector list. Without a usable folder the
    // program runs without saving.
    void Open(std::string_view fileName);
    // Binds to a file at an exact path (the folder must exist).
    void OpenPath(std::filesystem::path path);

    // Restores the placement remembered in `section`; a window that would be
    // mostly off the screens goes where it is seen instead, and the
    // remembered place is kept unless the window is moved from there.
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
    void NotSaved(const std::string& reason) const;
    void KeepRememberedPlace(std::string_view section, WindowInfo& info) const;

    // A window put elsewhere than its remembered place.
    struct ShownElsewhere {
        runtime::Point shown;
        std::int32_t left, top;  // remembered
    };

    mutable std::mutex mutex_;
    runtime::DebugOutput* debug_;
    WriteCall write_;
    std::optional<std::filesystem::path> path_;
    std::vector<Sector> sectors_;
    std::vector<bool> inFile_;  // which entries the file had (the others are gaps)
    std::map<std::string, ShownElsewhere, std::less<>> shownElsewhere_;
    mutable std::set<std::string> reported_;
};

}  // namespace frame
