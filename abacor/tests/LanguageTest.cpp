// The bead trainer in German: German words in the English order and timing,
// and German window texts that fit their boxes.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "abacor/Controls.h"
#include "abacor/MenuWindow.h"
#include "abacor/tests/Session.h"
#include "frame/TranslatedWindow.h"
#include "frame/testing/TextInk.h"
#include "language/Catalog.h"
#include "language/Choice.h"

namespace abacor::testing {
namespace {

using Spoken = std::vector<std::pair<std::string, std::chrono::milliseconds>>;

// A problem posed and spoken: a number, the other, minus, then "=".
Spoken SpeakAProblem(const language::Choice& language) {
    Session session({}, language);
    session.Click(ctl::N1_RADIO(4));
    session.Click(ctl::N2_RADIO(8));
    session.Click(ctl::MINUSB);
    session.Click(ctl::EQUALSB);
    Spoken spoken;
    const auto& played = session.headless.sound->played;
    for (const auto& p : played)
        spoken.emplace_back(p.file, std::chrono::duration_cast<std::chrono::milliseconds>(
                                        p.at - played.front().at));
    return spoken;
}

TEST(German, SpeaksTheGermanFilesInTheEnglishOrderAndTiming) {
    Workspace workspace;
    std::filesystem::create_directories("voices/de");
    const language::Choice german = language::Choose(".", KORVANDA_LOCALE_DIR, [](const char* name) {
        return std::string(name) == "LANGUAGE" ? "de" : nullptr;
    });
    ASSERT_EQ(german.voices, "de");

    const Spoken english = SpeakAProblem({});
    Spoken expected = english;
    for (auto& [file, at] : expected) file = "voices/de/" + file;
    EXPECT_EQ(SpeakAProblem(german), expected);
    // 3, 7, minus, then 3 minus 7 equals minus 4.
    ASSERT_EQ(english.size(), 9u);
    EXPECT_EQ(english[3].first, "3.wav");
    EXPECT_EQ(english.back().first, "4.wav");
}

class Texts : public ::testing::TestWithParam<const char*> {
protected:
    ~Texts() override { language::UseCatalog(KORVANDA_LOCALE_DIR, "en"); }
};

TEST_P(Texts, FitTheirBoxes) {
    language::UseCatalog(KORVANDA_LOCALE_DIR, GetParam());
    const frame::TranslatedWindow window(MenuWindow);
    if (std::string(GetParam()) != "en") {
        EXPECT_NE(window.Definition().controls[126].text, MenuWindow.controls[126].text);
    }
    // At scale 1; at scale 2 the font grows a little faster than the box,
    // and the English prompt itself reaches its box's edge.
    frame::testing::ExpectTextsInsideTheirBoxes(window.Definition(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Language, Texts,
                         ::testing::Values("en", "de", "es", "fr", "it", "nl", "pl"));

TEST(English, TextsAreTheTableItself) {
    language::UseCatalog(KORVANDA_LOCALE_DIR, "en");
    const frame::TranslatedWindow window(MenuWindow);
    ASSERT_EQ(window.Definition().controls.size(), MenuWindow.controls.size());
    for (std::size_t i = 0; i < MenuWindow.controls.size(); ++i)
        EXPECT_EQ(window.Definition().controls[i].text.data(), MenuWindow.controls[i].text.data());
}

}  // namespace
}  // namespace abacor::testing
