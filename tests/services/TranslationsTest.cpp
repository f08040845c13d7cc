#include "Translations.h"

#include <QColorDialog>
#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

struct Choice {
    const char* name;
    QString forced;
    QStringList uiLanguages;
    Language expected;
};

class LanguageChoice : public testing::TestWithParam<Choice> {};

TEST_P(LanguageChoice, FollowsTheForcedLanguageThenTheUsersFirstKnownOne)
{
    EXPECT_EQ(chooseLanguage(GetParam().forced, GetParam().uiLanguages), GetParam().expected);
}

// The lists as Qt reads them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
INSTANTIATE_TEST_SUITE_P(
    Systems, LanguageChoice,
    testing::Values(Choice{"German", "", {"de-DE", "de-Latn-DE", "de"}, Language::German},
                    Choice{"Austrian", "", {"de-AT", "de-Latn-AT"}, Language::German},
                    Choice{"English", "", {"en-US", "en-Latn-US", "en"}, Language::English},
                    Choice{"French", "", {"fr-FR", "fr"}, Language::English},
                    Choice{"FrenchThenGerman", "", {"fr", "fr-FR", "de", "de-DE"}, Language::German},
                    Choice{"EnglishBeforeGerman", "", {"en", "de"}, Language::English},
                    Choice{"PlainC", "", {"C"}, Language::English},
                    Choice{"Nothing", "", {}, Language::English},
                    Choice{"ForcedEnglish", "en", {"de-DE", "de"}, Language::English},
                    Choice{"ForcedGerman", "de", {"en-US"}, Language::German},
                    Choice{"ForcedWithRegionAndCase", " DE_at.UTF-8", {"en-US"}, Language::German},
                    Choice{"ForcedUnknownIsIgnored", "fr", {"de-DE"}, Language::German},
                    Choice{"ForcedCIsIgnored", "C", {"de-DE"}, Language::German}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Translations, EnglishTranslatesTheProgramWhileItLives)
{
    const QString german = QCoreApplication::translate("MainWindow", "Würfeln");
    EXPECT_EQ(german, QStringLiteral("Würfeln"));
    {
        const Translations english(Language::English);
        EXPECT_TRUE(english.installed());
        EXPECT_EQ(QCoreApplication::translate("MainWindow", "Würfeln"), QStringLiteral("Roll"));
        EXPECT_EQ(QCoreApplication::translate("ChartExport", ";"), QStringLiteral(","));
    }
    EXPECT_EQ(QCoreApplication::translate("MainWindow", "Würfeln"), german);
}

TEST(Translations, GermanLoadsQtsOwnGermanForItsDialogs)
{
    const Translations german(Language::German);
    ASSERT_TRUE(german.installed()) << "qt6-translations-l10n missing?";
    EXPECT_EQ(QColorDialog::tr("&Basic colors"), QStringLiteral("Grundfar&ben"));
}

}  // namespace
