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

// The count as written: a whole decimal number, else none.
std::optional<long> ParseCount(std::string_view text) {
    long count = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || stop != text.data() + text.size()) return std::nullopt;
    return count;
}

// The number n of a key "sectors_<n>" (lowered) as the list writes it: no
// sign, no leading zero, at most MaxSectors.
std::optional<long> EntryNumber(std::string_view lowered) {
    const std::string prefix = Lowered(CountKey) + "_";
    if (!lowered.starts_with(prefix)) return std::nullopt;
    const std::string_view digits = lowered.substr(prefix.size());
    if (digits.empty() || digits.front() < '1' || digits.front() > '9') return std::nullopt;
    const auto number = ParseCount(digits);
    if (!number || *number > MaxSectors) return std::nullopt;
    return number;
}

}  // namespace

SettingsManager::SettingsManager(runtime::DebugOutput* debug, WriteCall write)
    : debug_(debug), write_(write) {}

void SettingsManager::Open(std::string_view fileName) {
    std::string error;
    const auto folder = EnsureSettingsFolder(error);
    if (!folder) {
        std::lock_guard lock(mutex_);
        NotSaved(error);
        path_.reset();
        sectors_.clear();
        inFile_.clear();
        return;
    }
    // A bare name: anything before a slash is not ours to follow.
    OpenPath(*folder / std::filesystem::path(fileName).filename());
}

void SettingsManager::OpenPath(std::filesystem::path path) {
    std::lock_guard lock(mutex_);
    path_ = std::move(path);
    sectors_.clear();
    inFile_.clear();
    shownElsewhere_.clear();
    // What saves of earlier runs left when they were killed halfway.
    RemoveLeftoverTemporaryFiles(*path_);
    if (const auto file = Load()) ReadSectors(*file);
}

void SettingsManager::FetchWindow(std::string_view section, PlacedWindow& window) {
    std::lock_guard lock(mutex_);
    const auto file = Load();
    if (!file) return;
    const WindowInfo info = ReadWindowInfo(*file, section);
    if (const auto shown = ApplyWindowInfo(info, window))
        shownElsewhere_.insert_or_assign(std::string(section),
                                         ShownElsewhere{*shown, info.left, info.top});
}

void SettingsManager::UpdateWindow(std::string_view section, const PlacedWindow& window) {
    std::lock_guard lock(mutex_);
    const auto before = Load();
    if (!before) return;
    WindowInfo info = CaptureWindowInfo(window);
    KeepRememberedPlace(section, info);
    IniFile after = *before;
    WriteWindowInfo(after, section, info);
    Save(*before, after);
}

// A window that was shown elsewhere and never moved from there keeps its
// remembered place, for the day its screen is back.
void SettingsManager::KeepRememberedPlace(std::string_view section, WindowInfo& info) const {
    const auto it = shownElsewhere_.find(section);
    if (it == shownElsewhere_.end()) return;
    const ShownElsewhere& moved = it->second;
    if (info.left != moved.shown.x || info.top != moved.shown.y) return;
    info.left = moved.left;
    info.top = moved.top;
}

void SettingsManager::Close() {
    std::lock_guard lock(mutex_);
    if (const auto before = Load()) {
        IniFile after = *before;
        WriteSectors(after);
        Save(*before, after);
    }
    sectors_.clear();
    inFile_.clear();
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
        NotSaved(text.error);
        return std::nullopt;
    }
    return IniFile::Parse(text.bytes);
}

void SettingsManager::Save(const IniFile& before, const IniFile& after) {
    const std::string bytes = after.Serialize();
    std::error_code ec;
    if (bytes == before.Serialize() && std::filesystem::exists(*path_, ec)) return;
    std::string error;
    if (!WriteWholeFileAtomically(*path_, bytes, error, write_)) NotSaved(error);
}

void SettingsManager::ReadSectors(const IniFile& file) {
    std::optional<long> count;
    std::unordered_map<long, std::string> entries;  // by entry number
    for (auto& [key, value] : file.Entries(SectorSection)) {
        const std::string name = Lowered(key);
        if (name == Lowered(CountKey))
            count = ParseCount(value);
        else if (const auto number = EntryNumber(name))
            entries.emplace(*number, std::move(value));
    }
    // A count beyond the entries that are there is damage: the list ends at
    // the last real entry, so no entry is ever made up.
    long last = 0;
    for (const auto& entry : entries)
        if (entry.first <= count.value_or(0) && entry.first > last) last = entry.first;

    sectors_.assign(static_cast<std::size_t>(last), Sector{});
    inFile_.assign(static_cast<std::size_t>(last), false);
    for (auto& [number, value] : entries) {
        if (number > last) continue;
        sectors_[static_cast<std::size_t>(number - 1)] = SplitSector(value);
        inFile_[static_cast<std::size_t>(number - 1)] = true;
    }
}

void SettingsManager::WriteSectors(IniFile& file) const {
    file.Set(SectorSection, CountKey, std::to_string(sectors_.size()));
    for (std::size_t i = 0; i < sectors_.size(); ++i) {
        // A gap in the list stays a gap.
        if (!inFile_[i]) continue;
        const Sector& s = sectors_[i];
        file.Set(SectorSection, EntryKey(static_cast<long>(i) + 1),
                 s.family + "," + s.item + "," + s.type);
    }
}

void SettingsManager::NotSaved(const std::string& reason) const {
    // The same trouble comes back at every read and write; once is enough.
    if (debug_ && reported_.insert(reason).second)
        debug_->Write("settings are not saved: " + reason + "\n");
}

}  // namespace frame
