#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "frame/IniFile.h"

namespace frame {
namespace {

using namespace std::string_literals;

std::string AllByteValues() {
    std::string bytes;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

struct TextCase {
    const char* name;
    std::string text;
};

// Files as people, editors, crashes and other programs leave them.
const TextCase kFiles[] = {
    {"empty", ""},
    {"one newline", "\n"},
    {"plain", "[Main]\nMaximize=No\nXPos=40\n"},
    {"crlf", "[Main]\r\nMaximize=No\r\nXPos=40\r\n"},
    {"mixed endings", "[Main]\r\nA=1\nB=2\r\n\r\n"},
    {"no newline at the end", "[Main]\nXPos=40"},
    {"lone carriage returns", "[Main]\rXPos=1\r\r\n\r"},
    {"nul bytes", "[Ma\0in]\nX\0Pos=1\n\0\0\0\n"s},
    {"binary", AllByteValues()},
    {"very long line", "[Main]\nXPos=" + std::string(200000, '7') + "\n"},
    {"keys before any section", "XPos=1\nYPos=2\n[Main]\nXPos=3\n"},
    {"comments and junk", "; settings\n# more\n[Main]\njunk line\n=no key\n  [  Spaced  ]  \n"},
    {"duplicate sections", "[Main]\nA=1\n[Main]\nA=2\n"},
    {"unclosed header", "[Main\nA=1\n"},
    {"utf-8 and tabs", "[Fenêtre]\n\tclé\t=\tvaleur ünd mehr\t\n"},
    {"byte-order mark", "\xEF\xBB\xBF[Main]\r\nXPos=40\r\n"},
    {"only a byte-order mark", "\xEF\xBB\xBF"},
    {"byte-order mark in the middle", "[Main]\n\xEF\xBB\xBF[Other]\n"},
};

class IniFileRoundTrip : public ::testing::TestWithParam<TextCase> {};

TEST_P(IniFileRoundTrip, SerializesEveryByteItRead) {
    const std::string& text = GetParam().text;
    EXPECT_EQ(IniFile::Parse(text).Serialize(), text);
}

// Adding a new section keeps the old bytes as they were, at the front.
TEST_P(IniFileRoundTrip, AddingASectionKeepsTheOldBytesInFront) {
    const std::string& text = GetParam().text;
    IniFile file = IniFile::Parse(text);
    ASSERT_TRUE(file.Set("Placement", "XPos", "5"));
    const std::string out = file.Serialize();
    EXPECT_EQ(out.substr(0, text.size()), text);
    const IniFile again = IniFile::Parse(out);
    EXPECT_EQ(again.Get("Placement", "XPos"), "5");
    EXPECT_EQ(again.Serialize(), out);
}

INSTANTIATE_TEST_SUITE_P(Files, IniFileRoundTrip, ::testing::ValuesIn(kFiles),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

struct FindCase {
    const char* name;
    std::string text;
    std::optional<std::string> expected;  // value of Main/XPos
};

const FindCase kFinds[] = {
    {"plain", "[Main]\nXPos=12\n", "12"},
    {"names ignore case", "[main]\nxpos=12", "12"},
    {"crlf is not part of the value", "[Main]\r\nXPos=12\r\n", "12"},
    {"stray carriage return at the end", "[Main]\nXPos=12\r", "12"},
    {"blanks around key and value", "[ Main ]\n  XPos \t=  12  \n", "12"},
    {"empty value", "[Main]\nXPos=\n", ""},
    {"equals sign inside the value", "[Main]\nXPos=a=b\n", "a=b"},
    {"first section of a name wins", "[Main]\nXPos=1\n[Main]\nXPos=2\n", "1"},
    {"first key of a name wins", "[Main]\nXPos=1\nXPos=2\n", "1"},
    {"other section", "[Other]\nXPos=1\n", std::nullopt},
    {"key before any section", "XPos=1\n[Main]\n", std::nullopt},
    {"commented out", "[Main]\n;XPos=1\n#XPos=2\n", std::nullopt},
    {"unclosed header", "[Main\nXPos=3\n", "3"},
    {"line with a nul byte", "[Main]\nXPos=\0 12\n"s, std::nullopt},
    {"value cut at 1023", "[Main]\nXPos=" + std::string(5000, 'x') + "\n", std::string(1023, 'x')},
    {"next section ends the search", "[Main]\n[Other]\nXPos=1\n", std::nullopt},
    {"byte-order mark before the first section", "\xEF\xBB\xBF[Main]\nXPos=12\n", "12"},
    {"byte-order mark before the first key", "\xEF\xBB\xBFXPos=1\n[Main]\n", std::nullopt},
};

class IniFileFind : public ::testing::TestWithParam<FindCase> {};

TEST_P(IniFileFind, ReadsTheValue) {
    const FindCase& c = GetParam();
    const IniFile file = IniFile::Parse(c.text);
    EXPECT_EQ(file.Find("Main", "XPos"), c.expected);
    EXPECT_EQ(file.Get("Main", "XPos", "fallback"), c.expected.value_or("fallback"));
}

INSTANTIATE_TEST_SUITE_P(Values, IniFileFind, ::testing::ValuesIn(kFinds), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

struct EditCase {
    const char* name;
    std::string before;
    std::string after;
};

std::string SetB2(std::string text) {
    IniFile file = IniFile::Parse(text);
    EXPECT_TRUE(file.Set("Main", "B", "2"));
    return file.Serialize();
}

// The mark stays in front; the section behind it is the one changed.
TEST(IniFileSet, ChangesTheFirstSectionBehindAByteOrderMark) {
    IniFile file = IniFile::Parse("\xEF\xBB\xBF[Main]\nXPos=1\n");
    ASSERT_TRUE(file.Set("Main", "XPos", "2"));
    EXPECT_EQ(file.Serialize(), "\xEF\xBB\xBF[Main]\nXPos=2\n");
}

TEST(IniFileSet, PlacesTheLineWherePeopleExpectIt) {
    const EditCase cases[] = {
        {"replaced in place", "[Main]\n; note\nB=1\nC=3\n", "[Main]\n; note\nB=2\nC=3\n"},
        {"replaced keeping crlf", "[Main]\r\nB=1\r\n", "[Main]\r\nB=2\r\n"},
        {"replaced at the end without newline", "[Main]\nB=1", "[Main]\nB=2"},
        {"appended to the section", "[Main]\nA=1\n[Other]\nX=9\n",
         "[Main]\nA=1\nB=2\n[Other]\nX=9\n"},
        {"appended before blank lines", "[Main]\nA=1\n\n\n[Other]\n",
         "[Main]\nA=1\nB=2\n\n\n[Other]\n"},
        {"appended with crlf", "[Main]\r\nA=1\r\n", "[Main]\r\nA=1\r\nB=2\r\n"},
        {"appended after a last line without newline", "[Main]\nA=1", "[Main]\nA=1\nB=2\n"},
        {"appended under a bare header", "[Main]", "[Main]\nB=2\n"},
        {"new file", "", "[Main]\nB=2\n"},
        {"new section after others", "[Other]\nX=9", "[Other]\nX=9\n\n[Main]\nB=2\n"},
        {"new section after a blank line", "[Other]\nX=9\n\n", "[Other]\nX=9\n\n[Main]\nB=2\n"},
        {"keys before any section are not the section's", "B=1\n", "B=1\n\n[Main]\nB=2\n"},
    };
    for (const EditCase& c : cases) EXPECT_EQ(SetB2(c.before), c.after) << c.name;
}

TEST(IniFileSet, RefusesWhatWouldBreakTheLines) {
    const std::string text = "[Main]\nA=1\n";
    struct Bad {
        std::string section, key, value;
    };
    const Bad bad[] = {
        {"Main", "A", "1\n[Evil]"}, {"Main", "A", "1\r"}, {"Main", "A", "x\0y"s},
        {"Main", "A\nB", "1"},      {"Main", "A=B", "1"}, {"Main", "", "1"},
        {"Main", "[A]", "1"},       {"Main", ";A", "1"},  {"Ma]in", "A", "1"},
        {"Ma\nin", "A", "1"},       {"", "A", "1"},
    };
    for (const Bad& b : bad) {
        IniFile file = IniFile::Parse(text);
        EXPECT_FALSE(file.Set(b.section, b.key, b.value)) << b.section << "/" << b.key;
        EXPECT_EQ(file.Serialize(), text);
    }
}

TEST(IniFileRemove, RemovesEveryLineOfTheKeyInThatSectionOnly) {
    IniFile file = IniFile::Parse("[Main]\nW=1\nX=2\nw=3\n; W=4\n[Other]\nW=5\n");
    file.Remove("main", "W");
    EXPECT_EQ(file.Serialize(), "[Main]\nX=2\n; W=4\n[Other]\nW=5\n");
    file.Remove("Main", "Missing");
    file.Remove("Missing", "X");
    EXPECT_EQ(file.Serialize(), "[Main]\nX=2\n; W=4\n[Other]\nW=5\n");
}

TEST(IniFileEntries, ListsEachKeyOnceWithTheValueThatIsRead) {
    const IniFile file = IniFile::Parse("[S]\nA=1\nb=2\na=3\n; c=4\n[T]\nD=5\n");
    using Entries = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(file.Entries("s"), (Entries{{"A", "1"}, {"b", "2"}}));
    EXPECT_TRUE(file.Entries("Missing").empty());
    EXPECT_TRUE(file.HasSection("T"));
    EXPECT_FALSE(file.HasSection("U"));
}

}  // namespace
}  // namespace frame
