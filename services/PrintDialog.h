#pragma once

class QWidget;

// The print dialog of the chart: printer, paper, orientation and copies; no print to file, no
// page range, no selection. On confirm the process-wide printer (Printer) takes the choice
// and keeps it until the program ends; on cancel nothing changes.
class PrintDialog {
public:
    explicit PrintDialog(QWidget* owner) : owner_(owner) {}
    // Modal; true when confirmed. Raises PrinterError, without opening, when no printer has been
    // chosen yet and there is no default printer.
    bool exec();

private:
    QWidget* owner_;
};
