// The shape trainer in other languages: the shown texts change, the values
// the program compares do not, and every text fits its box.
#include <gtest/gtest.h>

#include <string>

#include "frame/TranslatedWindow.h"
#include "frame/testing/TextInk.h"
#include "language/Catalog.h"
#include "shapor/Controls.h"
#include "shapor/MenuWindow.h"
#include "shapor/testing/Trainer.h"

namespace shapor {
namespace {

class Language : public ::testing::TestWithParam<const char*> {
protected:
    Language() { language::UseCatalog(KORVANDA_LOCALE_DIR, GetParam()); }
    ~Language() override { language::UseCatalog(KORVANDA_LOCALE_DIR, "en"); }
};

TEST_P(Language, TextsFitTheirBoxes) {
    const frame::TranslatedWindow window(MenuWindow);
    for (double scale : {1.0, 2.0}) frame::testing::ExpectTextsInsideTheirBoxes(window.Definition(), scale);
}

TEST_P(Language, OperatorButtonsStillStandForPlusAndMinus) {
    testing::Trainer trainer;
    const auto& controls = trainer.main.window.Definition().controls;
    EXPECT_EQ(controls[19].value, "MINUS");  // OPERATOR:RADIO2, whatever it shows
    trainer.Click(ctl::N1_RADIO.ForNumber(7));
    trainer.Click(ctl::OPERATOR_RADIO2);
    trainer.Click(ctl::N2_RADIO.ForNumber(9));
    EXPECT_EQ(trainer.main.v.OPERATOR, "MINUS");
    EXPECT_EQ(trainer.main.v.SUMIT, -2);
    EXPECT_EQ(trainer.main.v.OPERATORSYMBOL, "-");
}

INSTANTIATE_TEST_SUITE_P(Shapor, Language,
                         ::testing::Values("en", "de", "es", "fr", "it", "nl", "pl"));

TEST(German, MenuAndOperatorTexts) {
    language::UseCatalog(KORVANDA_LOCALE_DIR, "de");
    const frame::TranslatedWindow window(MenuWindow);
    language::UseCatalog(KORVANDA_LOCALE_DIR, "en");
    const auto& c = window.Definition().controls;
    EXPECT_EQ(c[0].text, "&Datei");
    EXPECT_EQ(c[2].text, "&Beenden");
    EXPECT_EQ(c[19].text, "MINUS");
    EXPECT_EQ(c[0].label, "FILEMENU");
}

TEST(Spanish, ShowsMasButKeepsPlus) {
    language::UseCatalog(KORVANDA_LOCALE_DIR, "es");
    const frame::TranslatedWindow window(MenuWindow);
    language::UseCatalog(KORVANDA_LOCALE_DIR, "en");
    const auto& radio = window.Definition().controls[18];
    EXPECT_EQ(radio.label, "OPERATOR:RADIO1");
    EXPECT_EQ(radio.text, "MÁS");
    EXPECT_EQ(radio.value, "PLUS");
}

}  // namespace
}  // namespace shapor
