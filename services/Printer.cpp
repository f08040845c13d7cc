#include "Printer.h"

#include "Exception.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {
Printer::PrinterList systemPrinters()
{
    return {[] { return QPrinterInfo::defaultPrinterName(); }, [] { return QPrinterInfo::availablePrinterNames(); }};
}

Printer::PrinterList& printerList()
{
    static Printer::PrinterList list = systemPrinters();
    return list;
}
}  // namespace

Printer& Printer::instance()
{
    static Printer printer;
    return printer;
}

Printer::Printer() : printer_(new QPrinter(QPrinter::HighResolution)) {}

Printer::~Printer() { delete printer_; }

void Printer::setPrinterList(PrinterList list) { printerList() = std::move(list); }

void Printer::resetPrinterList() { printerList() = systemPrinters(); }

QPrinter& Printer::printer()
{
    if (!selected_) {
        const QString name = printerList().defaultName();
        QString installed;
        if (!name.isEmpty())
            for (const QString& candidate : printerList().installed())
                if (candidate.compare(name, Qt::CaseInsensitive) == 0)
                    installed = candidate;
        if (installed.isEmpty())
            throw PrinterError("Zur Zeit ist kein Standard-Drucker gewählt");
        printer_->setPrinterName(installed);
        selected_ = true;
    }
    return *printer_;
}

void Printer::checkJobAccepted() const
{
    if (printer_->outputFormat() != QPrinter::NativeFormat || !printer_->outputFileName().isEmpty())
        return;
    // Qt's CUPS engine hands the finished page to cupsPrintFile and drops its answer; libcups
    // keeps the status of the thread's latest request, which is that one.
    if (cupsLastError() >= IPP_STATUS_REDIRECTION_OTHER_SITE)
        throw PrinterError(QStringLiteral("Ausgewählter Drucker ist ungültig"));
}
