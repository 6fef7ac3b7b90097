#include <gtest/gtest.h>

#include "abacor/Problem.h"

namespace abacor {
namespace {

TEST(Problem, OperatorIgnoresCaseAndTrailingBlanks) {
    const struct {
        const char* text;
        Operation operation;
    } cases[] = {{"PLUS", Operation::Plus},     {"plus", Operation::Plus},
                 {"Minus  ", Operation::Minus}, {"MINUS", Operation::Minus},
                 {"", Operation::None},         {" PLUS", Operation::None},
                 {"PLUSMINUS", Operation::None}};
    for (const auto& c : cases)
        EXPECT_EQ(OperationOf(FixedText<10>(c.text)), c.operation) << c.text;
}

TEST(Problem, ResultAndSymbol) {
    const struct {
        int n1, n2;
        const char* op;
        int sum;
        const char* symbol;
    } cases[] = {{0, 0, "PLUS", 0, "+"},  {10, 10, "PLUS", 20, "+"}, {3, 7, "MINUS", -4, "-"},
                 {7, 3, "minus", 4, "-"}, {5, 5, "MINUS", 0, "-"},   {0, 10, "MINUS", -10, "-"}};
    for (const auto& c : cases) {
        Variables v;
        v.N1 = static_cast<std::int16_t>(c.n1);
        v.N2 = static_cast<std::int16_t>(c.n2);
        v.OPERATOR = c.op;
        ComputeResult(v);
        EXPECT_EQ(v.SUMIT, c.sum) << c.n1 << c.op << c.n2;
        EXPECT_EQ(v.OPERATORSYMBOL, c.symbol);
    }
}

TEST(Problem, UnknownOperatorKeepsTheResult) {
    Variables v;
    v.N1 = 4;
    v.SUMIT = 9;
    ComputeResult(v);
    EXPECT_EQ(v.SUMIT, 9);
    EXPECT_EQ(v.OPERATORSYMBOL, "");
}

TEST(Problem, NumberSounds) {
    EXPECT_EQ(NumberSound(0), "0.wav");
    EXPECT_EQ(NumberSound(7), "7.wav");
    EXPECT_EQ(NumberSound(20), "20.wav");
}

}  // namespace
}  // namespace abacor
