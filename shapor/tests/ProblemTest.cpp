#include <gtest/gtest.h>

#include "shapor/Problem.h"

namespace shapor {
namespace {

struct Case {
    std::int16_t n1;
    std::string_view op;
    std::int16_t n2;
    std::int16_t sum;
    std::string_view symbol;
};

class ComputeResultTest : public testing::TestWithParam<Case> {};

TEST_P(ComputeResultTest, SetsSumAndSymbol) {
    const Case c = GetParam();
    Variables v;
    v.N1 = c.n1;
    v.N2 = c.n2;
    v.OPERATOR = c.op;
    v.SUMIT = 99;
    v.OPERATORSYMBOL = "?";
    ComputeResult(v);
    EXPECT_EQ(v.SUMIT, c.sum);
    EXPECT_EQ(v.OPERATORSYMBOL, c.symbol);
}

// An unknown operator leaves the 99 and "?" the test starts with.
INSTANTIATE_TEST_SUITE_P(Operators, ComputeResultTest,
                         testing::Values(Case{7, "MINUS", 9, -2, "-"},
                                         Case{10, "PLUS", 10, 20, "+"},
                                         Case{0, "MINUS", 10, -10, "-"}, Case{0, "PLUS", 0, 0, "+"},
                                         Case{3, "plus", 4, 7, "+"}, Case{5, "Minus", 1, 4, "-"},
                                         Case{3, "TIMES", 4, 99, "?"}, Case{3, " PLUS", 4, 99, "?"},
                                         Case{3, "", 4, 99, "?"}));

}  // namespace
}  // namespace shapor
