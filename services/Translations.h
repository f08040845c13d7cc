#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages the program speaks. German is the language its texts are written in; English
// comes from its translation catalog.
enum class Language { German, English };

// The language for a run: forced when it names one of the two ("de", "en", also "de_AT" or
// "en-GB"), otherwise the first of uiLanguages, the user's languages most preferred first, that
// the program speaks; "C" and "POSIX" count as English, and English is the answer when none of
// them is German or English.
Language chooseLanguage(const QString& forced, const QStringList& uiLanguages);

// The languages as the environment asks: QUORVEL_LANGUAGE forces one, otherwise the system's
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them).
Language systemLanguage();

// Installs the translations of language into the running application for its lifetime: for
// German Qt's own, so its standard dialogs speak German too (from Qt's translations folder; left
// out without a word when it is missing), for English the program's catalog, which is built into
// the program. Qt's texts are English and the program's German by themselves.
class Translations {
public:
    explicit Translations(Language language);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    Language language() const { return language_; }
    // Whether the catalog the language needs was found and installed.
    bool installed() const { return installed_; }

private:
    Language language_;
    QTranslator catalog_;
    bool installed_ = false;
};
