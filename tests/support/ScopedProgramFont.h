#pragma once

#include "Application.h"

#include <QApplication>
#include <QFont>

// Gives a test the program's font, as a test main with a plain QApplication does not, and restores
// the font it found when it ends.
class ScopedProgramFont {
public:
    ScopedProgramFont() : saved(QApplication::font()) { QApplication::setFont(Application::programFont()); }
    ~ScopedProgramFont() { QApplication::setFont(saved); }
    ScopedProgramFont(const ScopedProgramFont&) = delete;
    ScopedProgramFont& operator=(const ScopedProgramFont&) = delete;

private:
    QFont saved;
};
