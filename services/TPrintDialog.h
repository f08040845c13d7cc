#pragma once

class QWidget;

// The print dialog of the chart: printer, paper, orientation and copies; no print to file, no
// page range, no selection. On confirm the process-wide printer (TPrinter) takes the choice
// and keeps it until the program ends; on cancel nothing changes.
class TPrintDialog {
public:
    explicit TPrintDialog(QWidget* owner) : owner_(owner) {}
    // Modal; true when confirmed. Raises EPrinter, without opening, when no printer has been
    // chosen yet and there is no default printer.
    bool Execute();

private:
    QWidget* owner_;
};
