#pragma once

class Printer;
class QWidget;

// The print dialog of the chart: printer, paper, orientation and copies; no print to file, no
// page range, no selection. On confirm printer takes the choice and keeps it until the program
// ends; on cancel nothing changes.
class PrintDialog {
public:
    // printer must outlive the dialog.
    PrintDialog(Printer& printer, QWidget* owner) : printer_(printer), owner_(owner) {}
    // Modal; true when confirmed. Raises PrinterError, without opening, when no printer has been
    // chosen yet and there is no default printer.
    bool exec();

private:
    Printer& printer_;
    QWidget* owner_;
};
