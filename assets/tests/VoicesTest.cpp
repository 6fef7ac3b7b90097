// The spoken words of every language: format, length, trimmed silence,
// equal loudness.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <ostream>
#include <set>
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

// English, in the data folder itself, then every folder of data/voices.
std::vector<std::string> Languages() {
    std::vector<std::string> languages;
    const std::filesystem::path voices = std::string(KORVANDA_ASSETS_DIR) + "/data/voices";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(voices, error))
        if (entry.is_directory()) languages.push_back(entry.path().filename());
    std::sort(languages.begin(), languages.end());
    languages.insert(languages.begin(), "en");
    return languages;
}

std::string Folder(const std::string& language) {
    return language == "en" ? "data/" : "data/voices/" + language + "/";
}

struct Voice {
    std::string language;
    std::string name;
    double limit;
};

void PrintTo(const Voice& v, std::ostream* os) { *os << Folder(v.language) << v.name << ".wav"; }

std::vector<Voice> Voices(const std::string& language) {
    std::vector<Voice> all;
    for (int n = 0; n <= 20; ++n)
        all.push_back({language, std::to_string(n), n <= 10 ? kSpacedLimit : kLastWordLimit});
    for (const char* op : {"plus", "minus", "equals"}) all.push_back({language, op, kSpacedLimit});
    return all;
}

std::vector<Voice> AllVoices() {
    std::vector<Voice> all;
    for (const std::string& language : Languages()) {
        const auto voices = Voices(language);
        all.insert(all.end(), voices.begin(), voices.end());
    }
    return all;
}

Wav LoadVoice(const Voice& v) {
    const auto file = ReadAsset(Folder(v.language) + v.name + ".wav");
    auto wav = ParseWav(file);
    if (!wav) ADD_FAILURE() << v.language << " " << v.name << ".wav: " << wav.error;
    return wav ? *wav : Wav{};
}

double MeanRms(const std::string& language) {
    std::vector<double> levels;
    for (const auto& v : Voices(language)) levels.push_back(Rms(LoadVoice(v)));
    return std::accumulate(levels.begin(), levels.end(), 0.0) / double(levels.size());
}

class VoiceTest : public testing::TestWithParam<Voice> {};

TEST_P(VoiceTest, IsSixteenBitMonoPcm) {
    const Wav wav = LoadVoice(GetParam());
    EXPECT_EQ(wav.format, 1);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.bits, 16);
    EXPECT_GE(wav.rate, 22050);
}

TEST_P(VoiceTest, EndsInTime) {
    const Wav wav = LoadVoice(GetParam());
    EXPECT_GT(wav.Seconds(), 0.1);
    EXPECT_LE(wav.Seconds(), GetParam().limit);
}

TEST_P(VoiceTest, HasNoSilenceAtEitherEnd) {
    const Wav wav = LoadVoice(GetParam());
    ASSERT_GT(wav.rate, 0);
    // Something louder than -50 dB within the first and the last 20 ms.
    const std::size_t edge = wav.rate / 50, n = wav.samples.size();
    ASSERT_GT(n, 2 * edge);
    EXPECT_GT(Peak(wav, 0, edge), 100);
    EXPECT_GT(Peak(wav, n - edge, n), 100);
}

TEST_P(VoiceTest, DoesNotClip) {
    const Wav wav = LoadVoice(GetParam());
    EXPECT_LT(Peak(wav, 0, wav.samples.size()), 32767);
}

INSTANTIATE_TEST_SUITE_P(Assets, VoiceTest, testing::ValuesIn(AllVoices()),
                         [](const auto& info) { return info.param.language + "_w" + info.param.name; });

class LanguageTest : public testing::TestWithParam<std::string> {};

TEST_P(LanguageTest, AllWordsSoundEquallyLoud) {
    std::vector<double> levels;
    for (const auto& v : Voices(GetParam())) levels.push_back(Rms(LoadVoice(v)));
    const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
    ASSERT_GT(*quietest, 0);
    EXPECT_LT(20 * std::log10(*loudest / *quietest), 3.0) << "dB between the words";
}

TEST_P(LanguageTest, SoundsAboutAsLoudAsEnglish) {
    // Each language is levelled on its own, as loud as its peaks allow; a
    // voice whose peaks are high for its loudness ends up quieter (5.3 dB
    // between the loudest and the quietest language).
    const double english = MeanRms("en"), here = MeanRms(GetParam());
    ASSERT_GT(here, 0);
    EXPECT_LT(std::abs(20 * std::log10(english / here)), 6.0) << "dB from the English voices";
}

INSTANTIATE_TEST_SUITE_P(Assets, LanguageTest, testing::ValuesIn(Languages()),
                         [](const auto& info) { return info.param; });

TEST(Voices, EveryLanguageHasItsWindowTexts) {
    // po/LINGUAS lists the catalogs; English needs none.
    std::ifstream linguas(std::string(KORVANDA_ASSETS_DIR) + "/../po/LINGUAS");
    ASSERT_TRUE(linguas) << "po/LINGUAS";
    std::set<std::string> catalogs{"en"};
    for (std::string line; std::getline(linguas, line);)
        if (!line.empty() && line[0] != '#') catalogs.insert(line);
    const auto languages = Languages();
    EXPECT_EQ(std::set<std::string>(languages.begin(), languages.end()), catalogs);
    EXPECT_GE(languages.size(), 7u) << "English and six more";
}

}  // namespace
}  // namespace assetcheck
