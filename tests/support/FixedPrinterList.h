#pragma once

#include "PrinterList.h"

#include <utility>

// The printers of a machine as the test sets them, and may change them later; by default a
// machine without any.
class FixedPrinterList final : public PrinterList {
public:
    explicit FixedPrinterList(QString defaultPrinter = {}, QStringList installed = {})
        : defaultPrinter(std::move(defaultPrinter)), installed(std::move(installed))
    {
    }

    QString defaultName() const override { return defaultPrinter; }
    QStringList installedNames() const override { return installed; }

    QString defaultPrinter;
    QStringList installed;
};
