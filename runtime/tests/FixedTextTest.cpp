#include <gtest/gtest.h>

#include "runtime/FixedText.h"

namespace runtime {
namespace {

TEST(FixedText, AssignmentPadsAndCuts) {
    struct Case {
        std::string_view value;
        std::string_view raw;
    };
    const Case cases[] = {
        {"", "     "}, {"AB", "AB   "}, {"ABCDE", "ABCDE"}, {"ABCDEFG", "ABCDE"}, {"  A", "  A  "},
    };
    for (const Case& c : cases) {
        FixedText<5> text;
        text = c.value;
        EXPECT_EQ(text.Raw(), c.raw) << "assigning '" << c.value << "'";
        EXPECT_EQ(FixedText<5>(c.value).Raw(), c.raw);
    }
}

TEST(FixedText, ComparesWithoutTrailingBlanks) {
    const FixedText<10> plus("PLUS");
    EXPECT_TRUE(plus == "PLUS");
    EXPECT_TRUE(plus == "PLUS      ");
    EXPECT_TRUE(plus == "PLUS  ");
    EXPECT_FALSE(plus == "PLU");
    EXPECT_FALSE(plus == " PLUS");  // leading blanks count
    EXPECT_TRUE(plus == FixedText<4>("PLUS"));
    EXPECT_FALSE(plus == FixedText<3>("PLUS"));  // cut to "PLU"
    EXPECT_EQ(plus.Trimmed(), "PLUS");
    EXPECT_EQ(plus.Str(), "PLUS");
    EXPECT_TRUE(FixedText<3>() == "");
}

TEST(FixedText, UpperCasesEveryLetter) {
    const FixedText<10> mixed("mInUs 7");
    EXPECT_EQ(mixed.Upper().Raw(), "MINUS 7   ");
    EXPECT_EQ(mixed.Raw(), "mInUs 7   ");  // unchanged
}

TEST(FixedText, SpanWritesThroughToItsText) {
    FixedText<4> text("abcd");
    TextSpan span = text.Span();
    span.Assign("xy");
    EXPECT_EQ(text.Raw(), "xy  ");
    EXPECT_EQ(span.Trimmed(), "xy");
    span.Assign("123456");
    EXPECT_EQ(text.Raw(), "1234");
}

}  // namespace
}  // namespace runtime
