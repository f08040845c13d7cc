#include "TPrinter.h"

#include "Exception.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

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

void TPrinter::checkJobAccepted() const
{
    if (printer_->outputFormat() != QPrinter::NativeFormat || !printer_->outputFileName().isEmpty())
        return;
    // Qt's CUPS engine hands the finished page to cupsPrintFile and drops its answer; libcups
    // keeps the status of the thread's latest request, which is that one.
    if (cupsLastError() >= IPP_STATUS_REDIRECTION_OTHER_SITE)
        throw EPrinter(QStringLiteral("Ausgewählter Drucker ist ungültig"));
}
