#include "frame/IniFile.h"

#include <algorithm>
#include <unordered_set>

namespace frame {
namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Blanks around names and values; a stray carriage return counts as one.
std::string_view Trim(std::string_view s) {
    constexpr std::string_view blanks = " \t\r";
    const auto first = s.find_first_not_of(blanks);
    if (first == npos) return {};
    const auto last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool HasBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != npos;
}

}  // namespace

IniFile::Line IniFile::Classify(std::string text, std::string ending) {
    Line line{std::move(text), std::move(ending), Kind::Other, {}, {}};
    // A line with a NUL byte is not understood: kept, never matched.
    if (line.text.find('\0') != npos) return line;
    const std::string_view body = Trim(line.text);
    if (body.empty() || body.front() == ';' || body.front() == '#') return line;
    if (body.front() == '[') {
        const auto close = body.find(']');
        line.kind = Kind::Section;
        line.name = Trim(body.substr(1, close == npos ? npos : close - 1));
        return line;
    }
    const auto equals = body.find('=');
    if (equals == npos) return line;
    const std::string_view key = Trim(body.substr(0, equals));
    if (key.empty()) return line;
    line.kind = Kind::Key;
    line.name = key;
    line.value = Trim(body.substr(equals + 1));
    return line;
}

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    file.byteOrderMark_ = text.starts_with(ByteOrderMark);
    if (file.byteOrderMark_) text.remove_prefix(ByteOrderMark.size());
    std::size_t start = 0;
    while (start < text.size()) {
        const auto newline = text.find('\n', start);
        if (newline == npos) {
            file.lines_.push_back(Classify(std::string(text.substr(start)), ""));
            break;
        }
        std::size_t end = newline;
        std::string ending = "\n";
        if (end > start && text[end - 1] == '\r') {
            --end;
            ending = "\r\n";
        }
        file.lines_.push_back(Classify(std::string(text.substr(start, end - start)), ending));
        start = newline + 1;
    }
    return file;
}

std::string IniFile::Serialize() const {
    std::string out(byteOrderMark_ ? ByteOrderMark : std::string_view());
    for (const Line& line : lines_) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

std::size_t IniFile::SectionStart(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && SameName(lines_[i].name, section)) return i;
    return npos;
}

std::size_t IniFile::SectionEnd(std::size_t start) const {
    std::size_t i = start + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
    return i;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
    const auto start = SectionStart(section);
    if (start == npos) return std::nullopt;
    const auto end = SectionEnd(start);
    for (std::size_t i = start + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Key && SameName(lines_[i].name, key))
            return lines_[i].value.substr(0, MaxValueLength);
    return std::nullopt;
}

std::string IniFile::Get(std::string_view section, std::string_view key,
                         std::string_view fallback) const {
    if (auto value = Find(section, key)) return std::move(*value);
    return std::string(fallback.substr(0, MaxValueLength));
}

std::vector<std::pair<std::string, std::string>> IniFile::Entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    const auto start = SectionStart(section);
    if (start == npos) return entries;
    const auto end = SectionEnd(start);
    std::unordered_set<std::string> seen;
    for (std::size_t i = start + 1; i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind != Kind::Key) continue;
        std::string folded = line.name;
        for (char& c : folded) c = Lower(c);
        if (seen.insert(std::move(folded)).second)
            entries.emplace_back(line.name, line.value.substr(0, MaxValueLength));
    }
    return entries;
}

bool IniFile::HasSection(std::string_view section) const {
    return SectionStart(section) != npos;
}

// New lines follow the file's own habit: CRLF when its first line has one.
std::string IniFile::NewLineEnding() const {
    return !lines_.empty() && lines_.front().ending == "\r\n" ? "\r\n" : "\n";
}

// A file whose last line has no ending gets one before anything is added.
void IniFile::EndLastLine() {
    if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = NewLineEnding();
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view name = Trim(key);
    const std::string_view sectionName = Trim(section);
    if (name.empty() || sectionName.empty() || HasBreakOrNul(name) || HasBreakOrNul(sectionName) ||
        HasBreakOrNul(value) || name.find('=') != npos || name.front() == '[' ||
        name.front() == ';' || name.front() == '#' || sectionName.find(']') != npos)
        return false;
    const std::string text = std::string(name) + "=" + std::string(Trim(value));

    auto start = SectionStart(sectionName);
    if (start == npos) {
        EndLastLine();
        const std::string ending = NewLineEnding();
        // A blank line between sections, as people write them.
        if (!lines_.empty() && !Trim(lines_.back().text).empty())
            lines_.push_back(Classify("", ending));
        lines_.push_back(Classify("[" + std::string(sectionName) + "]", ending));
        lines_.push_back(Classify(text, ending));
        return true;
    }
    const auto end = SectionEnd(start);
    for (std::size_t i = start + 1; i < end; ++i) {
        if (lines_[i].kind == Kind::Key && SameName(lines_[i].name, name)) {
            lines_[i] = Classify(text, lines_[i].ending);
            return true;
        }
    }
    // After the section's last non-blank line, so blank lines before the
    // next section stay where they are.
    std::size_t at = end;
    while (at > start + 1 && Trim(lines_[at - 1].text).empty()) --at;
    std::string ending = NewLineEnding();
    if (lines_[at - 1].ending.empty()) lines_[at - 1].ending = ending;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Classify(text, ending));
    return true;
}

void IniFile::Remove(std::string_view section, std::string_view key) {
    const auto start = SectionStart(section);
    if (start == npos) return;
    const auto end = SectionEnd(start);
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(start + 1);
    const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(end);
    lines_.erase(
        std::remove_if(first, last,
                       [&](const Line& l) { return l.kind == Kind::Key && SameName(l.name, key); }),
        last);
}

}  // namespace frame
