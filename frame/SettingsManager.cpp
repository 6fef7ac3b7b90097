#include "frame/SettingsManager.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

#include "frame/SettingsFolder.h"
#include "frame/WholeFile.h"
#include "frame/WindowInfo.h"
#include "runtime/Services.h"

namespace frame {
namespace {

constexpr const char* CountKey = "Sectors";
// More entries than any real list holds; a larger count is damage.
constexpr long MaxSectors = 10000;

std::string EntryKey(long i) {
    return std::string(CountKey) + "_" + std::to_string(i);
}

std::string Lowered(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// "family,item,type": the third field keeps any further commas, so such a
// value is written back as it was read.
Sector SplitSector(std::string_view value) {
    std::string_view fields[3];
    for (int i = 0; i < 2; ++i) {
        const auto comma = value.find(',');
        fields[i] = value.substr(0, comma);
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
    }
    fields[2] = value;
    auto cut = [](std::string_view s) { return std::string(s.substr(0, Sector::MaxFieldLength)); };
    return {cut(fields[0]), cut(fields[1]), cut(fields[2])};
}

}  // namespace

SettingsManager::SettingsManager(runtime::DebugOutput* debug) : debug_(debug) {}

void SettingsManager::Open(std::string_view fileName) {
    std::string error;
    const auto folder = EnsureSettingsFolder(error);
    if (!folder) {
        Debug("settings are not saved: " + error);
        std::lock_guard lock(mutex_);
        path_.reset();
        sectors_.clear();
        return;
    }
    // A bare name: anything before a slash is not ours to follow.
    OpenPath(*folder / std::filesystem::path(fileName).filename());
}

void SettingsManager::OpenPath(std::filesystem::path path) {
    std::lock_guard lock(mutex_);
    path_ = std::move(path);
    sectors_.clear();
    if (const auto file = Load()) ReadSectors(*file);
}

void SettingsManager::FetchWindow(std::string_view section, PlacedWindow& window) {
    std::lock_guard lock(mutex_);
    if (const auto file = Load()) ApplyWindowInfo(ReadWindowInfo(*file, section), window);
}

void SettingsManager::UpdateWindow(std::string_view section, const PlacedWindow& window) {
    std::lock_guard lock(mutex_);
    const auto before = Load();
    if (!before) return;
    IniFile after = *before;
    WriteWindowInfo(after, section, CaptureWindowInfo(window));
    Save(*before, after);
}

void SettingsManager::Close() {
    std::lock_guard lock(mutex_);
    if (const auto before = Load()) {
        IniFile after = *before;
        WriteSectors(after);
        Save(*before, after);
    }
    sectors_.clear();
    path_.reset();
}

std::vector<Sector> SettingsManager::Sectors() const {
    std::lock_guard lock(mutex_);
    return sectors_;
}

std::optional<std::filesystem::path> SettingsManager::Path() const {
    std::lock_guard lock(mutex_);
    return path_;
}

std::optional<IniFile> SettingsManager::Load() const {
    if (!path_) return std::nullopt;
    const FileText text = ReadWholeFile(*path_);
    if (text.status == FileText::Status::Unreadable) {
        // Writing now would replace entries we could not see.
        Debug("settings are not saved: " + text.error);
        return std::nullopt;
    }
    return IniFile::Parse(text.bytes);
}

void SettingsManager::Save(const IniFile& before, const IniFile& after) {
    const std::string bytes = after.Serialize();
    std::error_code ec;
    if (bytes == before.Serialize() && std::filesystem::exists(*path_, ec)) return;
    std::string error;
    if (!WriteWholeFileAtomically(*path_, bytes, error)) Debug("settings not saved: " + error);
}

void SettingsManager::ReadSectors(const IniFile& file) {
    std::unordered_map<std::string, std::string> entries;
    for (auto& [key, value] : file.Entries(SectorSection)) entries.emplace(Lowered(key), value);
    auto value = [&](const std::string& key) -> std::string_view {
        const auto it = entries.find(Lowered(key));
        return it == entries.end() ? std::string_view() : std::string_view(it->second);
    };

    const std::string_view countText = value(CountKey);
    long count = 0;
    const auto [stop, error] =
        std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (error != std::errc() || stop != countText.data() + countText.size()) count = 0;
    // A count beyond the keys the section holds cannot be real.
    count = std::clamp(count, 0L, std::min(MaxSectors, static_cast<long>(entries.size())));

    sectors_.reserve(static_cast<std::size_t>(count));
    for (long i = 1; i <= count; ++i) sectors_.push_back(SplitSector(value(EntryKey(i))));
}

void SettingsManager::WriteSectors(IniFile& file) const {
    file.Set(SectorSection, CountKey, std::to_string(sectors_.size()));
    for (std::size_t i = 0; i < sectors_.size(); ++i) {
        const Sector& s = sectors_[i];
        file.Set(SectorSection, EntryKey(static_cast<long>(i) + 1),
                 s.family + "," + s.item + "," + s.type);
    }
}

void SettingsManager::Debug(const std::string& line) const {
    if (debug_) debug_->Write(line + "\n");
}

}  // namespace frame
