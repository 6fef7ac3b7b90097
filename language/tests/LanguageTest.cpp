// Which language the desktop asks for, which one we have, and the catalog.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "language/Catalog.h"
#include "language/Choice.h"
#include "language/Preferred.h"

namespace language {
namespace {

namespace fs = std::filesystem;
using Variables = std::map<std::string, std::string>;

Getenv From(const Variables& variables) {
    return [&variables](const char* name) -> const char* {
        const auto it = variables.find(name);
        return it == variables.end() ? nullptr : it->second.c_str();
    };
}

struct OrderCase {
    std::string name;
    Variables variables;
    std::vector<std::string> preferred;
};

void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << c.name;
}

class LocaleOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(LocaleOrder, GivesTheLanguagesMostWantedFirst) {
    EXPECT_EQ(PreferredLanguages(From(GetParam().variables)), GetParam().preferred);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Language, LocaleOrder, testing::Values(
    OrderCase{"NothingSet", {}, {}},
    OrderCase{"Lang", {{"LANG", "de_DE.UTF-8"}}, {"de"}},
    OrderCase{"LcMessagesBeforeLang", {{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, {"fr"}},
    OrderCase{"LcAllBeforeLcMessages",
              {{"LC_ALL", "nl_NL.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}}, {"nl"}},
    OrderCase{"EmptyLcAllIsNotSet", {{"LC_ALL", ""}, {"LANG", "it_IT.UTF-8"}}, {"it"}},
    OrderCase{"LanguageListFirst", {{"LANGUAGE", "de:fr"}, {"LANG", "es_ES.UTF-8"}}, {"de", "fr", "es"}},
    OrderCase{"LanguageEvenUnderC", {{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, {"de", "en"}},
    OrderCase{"EmptyLanguage", {{"LANGUAGE", ""}, {"LANG", "pl_PL.UTF-8"}}, {"pl"}},
    OrderCase{"CountryCodesetModifier", {{"LANGUAGE", "de_AT@euro:pt_BR.UTF-8"}}, {"de", "pt"}},
    OrderCase{"CLocales", {{"LANGUAGE", "C.UTF-8:POSIX"}, {"LANG", "C"}}, {"en"}},
    OrderCase{"NoDuplicates", {{"LANGUAGE", "de_DE:de_CH:de"}, {"LANG", "de_AT.UTF-8"}}, {"de"}},
    OrderCase{"JunkSkipped", {{"LANGUAGE", "::../../etc:DE:d:deutsch:de/x:fr:"}}, {"fr"}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// A data folder with voices of some languages; the build's catalogs.
class Choosing : public testing::Test {
protected:
    Choosing() {
        data =
            fs::temp_directory_path() / ("language-test-" + std::to_string(std::random_device{}()));
        for (const char* code : {"de", "fr"}) fs::create_directories(data / "voices" / code);
    }
    ~Choosing() override {
        std::error_code ignored;
        fs::remove_all(data, ignored);
    }
    Choice ChooseFor(const Variables& variables) const {
        return Choose(data, KORVANDA_LOCALE_DIR, From(variables));
    }

    fs::path data;
};

TEST_F(Choosing, TakesTheFirstLanguageWeHave) {
    const Choice c = ChooseFor({{"LANGUAGE", "sv:fr:de"}});
    EXPECT_EQ(c.voices, "fr");
    EXPECT_EQ(c.texts, "fr");
    EXPECT_EQ(c.VoiceFolder(), "voices/fr/");
}

TEST_F(Choosing, WorksWhereTheLocaleIsNotGenerated) {
    // de_DE.UTF-8 is not a locale of the test machine; the variable decides.
    const Choice c = ChooseFor({{"LANG", "de_DE.UTF-8"}});
    EXPECT_EQ(c.voices, "de");
    EXPECT_EQ(c.texts, "de");
}

TEST_F(Choosing, FallsBackToEnglish) {
    for (const Variables& v : {Variables{}, Variables{{"LANGUAGE", "sv"}}, Variables{{"LANG", "C"}},
                               Variables{{"LANGUAGE", "en:de"}}}) {
        const Choice c = ChooseFor(v);
        EXPECT_EQ(c.voices, "en");
        EXPECT_EQ(c.texts, "en");
        EXPECT_EQ(c.VoiceFolder(), "");
    }
}

TEST_F(Choosing, KeepsTheTextsOfALanguageWithoutVoices) {
    // Italian has a catalog, but this data folder has no Italian voices.
    const Choice c = ChooseFor({{"LANGUAGE", "it"}});
    EXPECT_EQ(c.voices, "en");
    EXPECT_EQ(c.texts, "it");
}

TEST_F(Choosing, SkipsAFileWhereAVoiceFolderShouldBe) {
    fs::create_directories(data / "voices");
    std::FILE* file = std::fopen((data / "voices" / "nl").c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(ChooseFor({{"LANGUAGE", "nl:de"}}).voices, "de");
}

const char* const Texts[] = {
    "Use mouse to choose numbers above, or use the spacebar for random numbers",
    "&File",
    "E&xit",
    "PLUS",
    "MINUS",
    "cannot open the display",
    "cannot open a display",
    "cannot open the window"};

class Catalog : public testing::Test {
protected:
    ~Catalog() override { UseCatalog(KORVANDA_LOCALE_DIR, "en"); }
};

TEST_F(Catalog, EnglishIsTheTextsThemselves) {
    UseCatalog(KORVANDA_LOCALE_DIR, "de");  // and back: nothing of German stays
    UseCatalog(KORVANDA_LOCALE_DIR, "en");
    for (const char* text : Texts) {
        EXPECT_EQ(Tr(text), text);
        const std::string_view view(text);
        EXPECT_EQ(Tr(view).data(), view.data());
    }
    EXPECT_STREQ(Tr(""), "");
}

TEST_F(Catalog, TranslatesEveryTextInEveryLanguage) {
    for (const char* code : {"de", "es", "fr", "it", "nl", "pl"}) {
        ASSERT_TRUE(HasCatalog(KORVANDA_LOCALE_DIR, code)) << code;
        UseCatalog(KORVANDA_LOCALE_DIR, code);
        int changed = 0;
        for (const char* text : Texts) changed += std::strcmp(Tr(text), text) != 0;
        // PLUS and MINUS may stay as they are.
        EXPECT_GE(changed, 6) << code;
        EXPECT_STREQ(Tr(""), "") << "the catalog's header is no text";
    }
}

TEST_F(Catalog, ReadsUtf8AndSwitchesLanguage) {
    UseCatalog(KORVANDA_LOCALE_DIR, "de");
    EXPECT_STREQ(Tr("&File"), "&Datei");
    EXPECT_EQ(Tr(std::string_view("cannot open the window")), "kann das Fenster nicht öffnen");
    UseCatalog(KORVANDA_LOCALE_DIR, "es");
    EXPECT_STREQ(Tr("PLUS"), "MÁS");
    // A language without a catalog answers in English.
    UseCatalog(KORVANDA_LOCALE_DIR, "sv");
    EXPECT_STREQ(Tr("&File"), "&File");
}

}  // namespace
}  // namespace language
