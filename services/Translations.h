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

// Installs the translations of language into the running application for its lifetime: Qt's own
// for its standard dialogs (from Qt's translations folder; left out without a word when it is
// missing) and, for English, the program's catalog, which is built into the program.
class Translations {
public:
    explicit Translations(Language language);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    Language language() const { return language_; }
    // Whether the program's texts and Qt's own were found and installed.
    bool programLoaded() const { return programLoaded_; }
    bool qtLoaded() const { return qtLoaded_; }

private:
    Language language_;
    QTranslator qt_;
    QTranslator program_;
    bool qtLoaded_ = false;
    bool programLoaded_ = false;
};
