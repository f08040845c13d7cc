#pragma once

#include "ErrorReporting.h"

#include <QString>

#include <vector>

// Collects every error box, fatal report and error message dialog instead of showing it, for as
// long as it lives.
class ErrorBoxRecorder {
public:
    struct Box {
        QString text;
        QString title;
    };

    ErrorBoxRecorder()
    {
        setErrorBoxHook([this](const QString& text, const QString& title) {
            boxes.push_back({text, title});
        });
    }
    ~ErrorBoxRecorder() { setErrorBoxHook({}); }
    ErrorBoxRecorder(const ErrorBoxRecorder&) = delete;
    ErrorBoxRecorder& operator=(const ErrorBoxRecorder&) = delete;

    std::vector<Box> boxes;
};
