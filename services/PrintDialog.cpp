#include "PrintDialog.h"

#include "ColorDialog.h"
#include "Printer.h"

#include <QApplication>
#include <QPrintDialog>
#include <QScreen>

bool PrintDialog::exec()
{
    QPrinter& printer = printer_.printer();  // raises when there is no printer at all
    QPrintDialog dialog(&printer, owner_);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    dialog.adjustSize();
    // Placed like the colour dialog: on the active window's monitor, a third of the free
    // height above it.
    QWidget* anchor = QApplication::activeWindow() ? QApplication::activeWindow() : owner_;
    if (QScreen* screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen())
        dialog.move(ColorDialog::placement(screen->availableGeometry(), dialog.frameGeometry().size()));
    // The dialog writes the chosen printer and its settings into the printer only on confirm.
    return dialog.exec() == QDialog::Accepted;
}
