#pragma once

#include <memory>

class PrinterList;
class QPrinter;

// The program's printer. Until a printer is chosen it has none; the first use selects the
// system's default printer, as list names it, looked up without regard to case among list's
// installed printers. With no default printer, or one that is not installed, it raises
// PrinterError "Zur Zeit ist kein Standard-Drucker gewählt" and selects nothing.
class Printer {
public:
    // list must outlive the printer.
    explicit Printer(const PrinterList& list);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The printer, with the default selected first if none is yet.
    QPrinter& printer();
    bool hasPrinter() const { return printer_ != nullptr; }
    // Raises PrinterError "Ausgewählter Drucker ist ungültig" when the print system refused the job
    // of the latest print on this printer. Call it right after the print, on the printing thread;
    // a print into a file is not checked.
    void checkJobAccepted() const;

private:
    const PrinterList& list_;
    std::unique_ptr<QPrinter> printer_;
};
