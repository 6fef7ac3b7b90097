// The spoken words: format, length, trimmed silence, equal loudness.
#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Assets.h"
#include "Wav.h"

namespace assetcheck {
namespace {

// SayEquation starts a word every half second: these must end before the next.
constexpr double kSpacedLimit = 0.48;
// 11..20 are only ever the last word; a broken trim would still show.
constexpr double kLastWordLimit = 1.2;

struct Voice {
    std::string name;
    double limit;
};

void PrintTo(const Voice& v, std::ostream* os) { *os << v.name << ".wav"; }

std::vector<Voice> Voices() {
    std::vector<Voice> all;
    for (int n = 0; n <= 20; ++n)
        all.push_back({std::to_string(n), n <= 10 ? kSpacedLimit : kLastWordLimit});
    for (const char* op : {"plus", "minus", "equals"}) all.push_back({op, kSpacedLimit});
    return all;
}

Wav LoadVoice(const std::string& name) {
    const auto file = ReadAsset("data/" + name + ".wav");
    auto wav = ParseWav(file);
    if (!wav) ADD_FAILURE() << name << ".wav: " << wav.error;
    return wav ? *wav : Wav{};
}

class VoiceTest : public testing::TestWithParam<Voice> {};

TEST_P(VoiceTest, IsSixteenBitMonoPcm) {
    const Wav wav = LoadVoice(GetParam().name);
    EXPECT_EQ(wav.format, 1);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.bits, 16);
    EXPECT_GE(wav.rate, 22050);
}

TEST_P(VoiceTest, EndsInTime) {
    const Wav wav = LoadVoice(GetParam().name);
    EXPECT_GT(wav.Seconds(), 0.1);
    EXPECT_LE(wav.Seconds(), GetParam().limit);
}

TEST_P(VoiceTest, HasNoSilenceAtEitherEnd) {
    const Wav wav = LoadVoice(GetParam().name);
    ASSERT_GT(wav.rate, 0);
    // Something louder than -50 dB within the first and the last 20 ms.
    const std::size_t edge = wav.rate / 50, n = wav.samples.size();
    ASSERT_GT(n, 2 * edge);
    EXPECT_GT(Peak(wav, 0, edge), 100);
    EXPECT_GT(Peak(wav, n - edge, n), 100);
}

TEST_P(VoiceTest, DoesNotClip) {
    const Wav wav = LoadVoice(GetParam().name);
    EXPECT_LT(Peak(wav, 0, wav.samples.size()), 32767);
}

INSTANTIATE_TEST_SUITE_P(Assets, VoiceTest, testing::ValuesIn(Voices()),
                         [](const auto& info) { return "w" + info.param.name; });

TEST(Voices, AllSoundEquallyLoud) {
    std::vector<double> levels;
    for (const auto& v : Voices()) levels.push_back(Rms(LoadVoice(v.name)));
    const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
    ASSERT_GT(*quietest, 0);
    EXPECT_LT(20 * std::log10(*loudest / *quietest), 3.0) << "dB between the words";
}

}  // namespace
}  // namespace assetcheck
