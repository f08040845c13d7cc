#pragma once

#include "PrinterList.h"

// The printers the print system knows, asked anew on every call.
class SystemPrinterList final : public PrinterList {
public:
    QString defaultName() const override;
    QStringList installedNames() const override;
};
