#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>

#include <optional>

namespace {

// "de_AT.UTF-8", "de-Latn-AT" and "de" are all German.
std::optional<Language> languageNamed(const QString& name)
{
    const QString code = name.trimmed().section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0).toLower();
    if (code == u"de")
        return Language::German;
    if (code == u"en")
        return Language::English;
    return std::nullopt;
}

}  // namespace

Language chooseLanguage(const QString& forced, const QStringList& uiLanguages)
{
    if (const auto language = languageNamed(forced))
        return *language;
    for (const QString& name : uiLanguages) {
        if (name == u"C" || name == u"POSIX")
            return Language::English;
        if (const auto language = languageNamed(name))
            return *language;
    }
    return Language::English;
}

Language systemLanguage()
{
    return chooseLanguage(qEnvironmentVariable("QUORVEL_LANGUAGE"), QLocale::system().uiLanguages());
}

Translations::Translations(Language language) : language_(language)
{
    const bool loaded = language == Language::German
        ? catalog_.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        : catalog_.load(QStringLiteral(":/i18n/quorvel_en.qm"));
    installed_ = loaded && QCoreApplication::installTranslator(&catalog_);
}
