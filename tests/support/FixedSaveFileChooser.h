#pragma once

#include "SaveFileChooser.h"

// Answers every save dialog with answer (an empty path: cancelled) and remembers what it was
// offered.
class FixedSaveFileChooser : public SaveFileChooser {
public:
    Choice answer;
    QString title, suggestedPath;
    QStringList filters;
    int asked = 0;

    Choice choose(const QString& t, const QString& suggested, const QStringList& offered) override
    {
        ++asked;
        title = t;
        suggestedPath = suggested;
        filters = offered;
        return answer;
    }
};
