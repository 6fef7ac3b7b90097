#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace frame {

// A settings file in the classic "[section]" / "key=value" form, held in
// memory line by line. Every line keeps its bytes and its own line ending,
// so a file comes back byte for byte except where Set or Remove changed it:
// comments, unknown sections and keys, damaged lines (NUL bytes, missing
// "=", keys before the first section) all survive.
//
// Section and key names match without regard to ASCII letter case; the
// first section of a name is the one read and changed. A UTF-8 byte-order
// mark at the start (some editors write one) is no part of the first line
// and is written back as it was.
class IniFile {
public:
    // The longest value Get hands out; the rest of a longer value is cut.
    static constexpr std::size_t MaxValueLength = 1023;

    IniFile() = default;
    static IniFile Parse(std::string_view text);
    std::string Serialize() const;

    // The value of `key` in `section`, cut to MaxValueLength; nullopt when
    // the key is not there.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string Get(std::string_view section, std::string_view key,
                    std::string_view fallback = {}) const;

    // Writes `key=value` (blanks around the value are dropped, as reading
    // drops them anyway), replacing the key's line in place or adding it at
    // the end of the section (the section at the end of the file when it is
    // new). Refuses (false, nothing changed) names or values that would break
    // the line structure: line breaks, NUL, "=" in a key, "]" in a section.
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every line of `key` in the section; other lines stay.
    void Remove(std::string_view section, std::string_view key);

    // The keys of the section and their values (cut), in file order; a key
    // that comes twice is listed once, with the value Find reads.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

    bool HasSection(std::string_view section) const;

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string text;    // the line's bytes without its ending
        std::string ending;  // "\n", "\r\n" or "" (last line without one)
        Kind kind = Kind::Other;
        std::string name;   // section name or key, trimmed
        std::string value;  // key lines: the value, trimmed
    };

    // Index of the header line of the first `section`, or npos.
    std::size_t SectionStart(std::string_view section) const;
    // One past the last line of the section starting at `start`.
    std::size_t SectionEnd(std::size_t start) const;
    std::string NewLineEnding() const;
    void EndLastLine();

    static Line Classify(std::string text, std::string ending);

    std::vector<Line> lines_;
    bool byteOrderMark_ = false;
};

}  // namespace frame
