#pragma once

#include "ErrorBox.h"

#include <QMessageBox>
#include <QString>

#include <vector>

// An error box that shows nothing and records every call: error boxes and fatal reports in boxes,
// error message dialogs (answered with OK) in messages.
class RecordingErrorBox final : public ErrorBox {
public:
    struct Box {
        QString text;
        QString title;
    };

    void showCritical(const QString& text, const QString& title, QWidget*) override
    {
        boxes.push_back({text, title});
    }
    int showMessageDialog(const QString& message) override
    {
        messages.push_back(message);
        return QMessageBox::Ok;
    }

    void clear()
    {
        boxes.clear();
        messages.clear();
    }

    std::vector<Box> boxes;
    std::vector<QString> messages;
};
