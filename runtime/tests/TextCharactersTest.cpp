// Window texts are UTF-8: each character is one glyph; broken bytes stay visible.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/render/Fonts.h"

namespace runtime::render {
namespace {

std::vector<char32_t> Characters(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t at = 0; at < text.size();) out.push_back(NextCharacter(text, at));
    return out;
}

struct Case {
    const char* name;
    std::string text;
    std::vector<char32_t> characters;
};

TEST(TextCharacters, Utf8AndBrokenBytes) {
    const Case cases[] = {
        {"Ascii", "E&xit", {'E', '&', 'x', 'i', 't'}},
        {"TwoBytes", "W\xC3\xA4hle", {'W', 0xE4, 'h', 'l', 'e'}},
        {"Polish",
         "Zako\xC5\x84"
         "cz",
         {'Z', 'a', 'k', 'o', 0x144, 'c', 'z'}},
        {"ThreeAndFourBytes", "\xE2\x82\xAC\xF0\x9F\xA6\x96", {0x20AC, 0x1F996}},
        {"Latin1Byte", "f\xFCr", {'f', 0xFC, 'r'}},
        {"CutAtTheEnd", "a\xC3", {'a', 0xC3}},
        {"BadContinuation", "\xC3(", {0xC3, '('}},
        {"Overlong", "\xC0\xAF", {0xC0, 0xAF}},
        {"OverlongThree", "\xE0\x80\xAF", {0xE0, 0x80, 0xAF}},
        {"Surrogate", "\xED\xA0\x80", {0xED, 0xA0, 0x80}},
        {"BeyondUnicode", "\xF4\x90\x80\x80", {0xF4, 0x90, 0x80, 0x80}},
        {"NoLead", "\x80\xBF", {0x80, 0xBF}},
    };
    for (const Case& c : cases) EXPECT_EQ(Characters(c.text), c.characters) << c.name;
}

}  // namespace
}  // namespace runtime::render
