#include "Printer.h"

#include "Exception.h"
#include "PrinterList.h"

#include <QCoreApplication>
#include <QPrinter>

#include <cups/cups.h>

Printer::Printer(const PrinterList& list) : list_(list) {}

Printer::~Printer() = default;

QPrinter& Printer::printer()
{
    if (!printer_) {
        const QString name = list_.defaultName();
        QString installed;
        if (!name.isEmpty())
            for (const QString& candidate : list_.installedNames())
                if (candidate.compare(name, Qt::CaseInsensitive) == 0)
                    installed = candidate;
        if (installed.isEmpty())
            throw PrinterError(QCoreApplication::translate("Printer", "Zur Zeit ist kein Standard-Drucker gewählt"));
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPrinterName(installed);
    }
    return *printer_;
}

void Printer::checkJobAccepted() const
{
    if (!printer_ || printer_->outputFormat() != QPrinter::NativeFormat
        || !printer_->outputFileName().isEmpty())
        return;
    // Qt's CUPS engine hands the finished page to cupsPrintFile and drops its answer; libcups
    // keeps the status of the thread's latest request, which is that one.
    if (cupsLastError() >= IPP_STATUS_REDIRECTION_OTHER_SITE)
        throw PrinterError(QCoreApplication::translate("Printer", "Ausgewählter Drucker ist ungültig"));
}
