#include "TPrinter.h"

#include "Exception.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {
TPrinter::PrinterList systemPrinters()
{
    return {[] { return QPrinterInfo::defaultPrinterName(); }, [] { return QPrinterInfo::availablePrinterNames(); }};
}

TPrinter::PrinterList& printerList()
{
    static TPrinter::PrinterList list = systemPrinters();
    return list;
}
}  // namespace

TPrinter& TPrinter::instance()
{
    static TPrinter printer;
    return printer;
}

TPrinter::TPrinter() : printer_(new QPrinter(QPrinter::HighResolution)) {}

TPrinter::~TPrinter() { delete printer_; }

void TPrinter::setPrinterList(PrinterList list) { printerList() = std::move(list); }

void TPrinter::resetPrinterList() { printerList() = systemPrinters(); }

QPrinter& TPrinter::printer()
{
    if (!selected_) {
        const QString name = printerList().defaultName();
        QString installed;
        if (!name.isEmpty())
            for (const QString& candidate : printerList().installed())
                if (candidate.compare(name, Qt::CaseInsensitive) == 0)
                    installed = candidate;
        if (installed.isEmpty())
            throw EPrinter("Zur Zeit ist kein Standard-Drucker gewählt");
        printer_->setPrinterName(installed);
        selected_ = true;
    }
    return *printer_;
}
