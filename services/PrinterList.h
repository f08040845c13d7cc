#pragma once

#include <QString>
#include <QStringList>

// Where a Printer learns the system's default printer and the installed printers. The printer
// asks on every use until it has selected one, and never after; the program answers from the
// print system (SystemPrinterList), tests from a table.
class PrinterList {
public:
    virtual ~PrinterList() = default;
    // The default printer's name as the system spells it; empty when there is none.
    virtual QString defaultName() const = 0;
    virtual QStringList installedNames() const = 0;
};
