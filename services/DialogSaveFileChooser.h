#pragma once

#include "SaveFileChooser.h"

class QWidget;

// Qt's own save dialog, modal over owner, that asks before it overwrites a file.
class DialogSaveFileChooser : public SaveFileChooser {
public:
    explicit DialogSaveFileChooser(QWidget* owner) : owner_(owner) {}

    Choice choose(const QString& title, const QString& suggestedPath, const QStringList& filters) override;

private:
    QWidget* owner_;
};
