#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "abacor/Voice.h"
#include "runtime/backends/headless/Headless.h"

namespace abacor {
namespace {

using namespace std::chrono_literals;

struct Word {
    std::string file;
    std::chrono::milliseconds at;  // since SayEquation started
    friend bool operator==(const Word&, const Word&) = default;
};

void PrintTo(const Word& w, std::ostream* os) {
    *os << w.file << "@" << w.at.count() << "ms";
}

struct EquationCase {
    std::string name;
    int n1, n2;
    const char* op;
    int sum;
    std::vector<Word> words;
    std::chrono::milliseconds duration;
};

class SpokenEquation : public ::testing::TestWithParam<EquationCase> {
protected:
    runtime::ManualClock clock;
    runtime::RecordingSound sound{clock};
    Voice voice{sound, clock};
};

TEST_P(SpokenEquation, WordsAndGaps) {
    const EquationCase& c = GetParam();
    Variables v;
    v.N1 = static_cast<std::int16_t>(c.n1);
    v.N2 = static_cast<std::int16_t>(c.n2);
    v.OPERATOR = c.op;
    v.SUMIT = static_cast<std::int16_t>(c.sum);

    const auto start = clock.Now();
    voice.SayEquation(v);

    std::vector<Word> words;
    for (const auto& played : sound.played)
        words.push_back({played.file,
                         std::chrono::duration_cast<std::chrono::milliseconds>(played.at - start)});
    EXPECT_EQ(words, c.words);
    EXPECT_EQ(clock.Now() - start, c.duration);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Voice, SpokenEquation,
    ::testing::Values(
        EquationCase{"ThreePlusFour", 3, 4, "PLUS", 7,
                     {{"3.wav", 0ms}, {"plus.wav", 500ms}, {"4.wav", 1000ms},
                      {"equals.wav", 1500ms}, {"7.wav", 2500ms}},
                     2500ms},
        EquationCase{"ZeroPlusZero", 0, 0, "PLUS", 0,
                     {{"0.wav", 0ms}, {"plus.wav", 500ms}, {"0.wav", 1000ms},
                      {"equals.wav", 1500ms}, {"0.wav", 2500ms}},
                     2500ms},
        EquationCase{"TenPlusTen", 10, 10, "PLUS", 20,
                     {{"10.wav", 0ms}, {"plus.wav", 500ms}, {"10.wav", 1000ms},
                      {"equals.wav", 1500ms}, {"20.wav", 2500ms}},
                     2500ms},
        EquationCase{"ZeroMinusTen", 0, 10, "MINUS", -10,
                     {{"0.wav", 0ms}, {"minus.wav", 500ms}, {"10.wav", 1000ms},
                      {"equals.wav", 1500ms}, {"minus.wav", 2000ms}, {"10.wav", 3000ms}},
                     3000ms},
        EquationCase{"FiveMinusFive", 5, 5, "MINUS", 0,
                     {{"5.wav", 0ms}, {"minus.wav", 500ms}, {"5.wav", 1000ms},
                      {"equals.wav", 1500ms}, {"0.wav", 2500ms}},
                     2500ms},
        EquationCase{"LowerCaseMinus", 3, 7, "minus", -4,
                     {{"3.wav", 0ms}, {"minus.wav", 500ms}, {"7.wav", 1000ms},
                      {"equals.wav", 1500ms}, {"minus.wav", 2000ms}, {"4.wav", 3000ms}},
                     3000ms}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// The time of day starts again at midnight; the pause must not wait for a
// time that never comes.
TEST(Pause, EndsAfterHalfASecondAcrossMidnight) {
    runtime::ManualClock clock;
    runtime::RecordingSound sound{clock};
    Voice voice{sound, clock};
    constexpr std::int32_t lastHundredthOfTheDay = 24 * 60 * 60 * 100;
    clock.SetTimeOfDay(lastHundredthOfTheDay - 10);
    clock.onSleep = [&] { clock.SetTimeOfDay(1); };

    const auto start = clock.Now();
    voice.Pause();
    EXPECT_EQ(clock.Now() - start, 500ms);
    EXPECT_EQ(clock.sleeps, 1);  // one sleep, no spinning
}

}  // namespace
}  // namespace abacor
