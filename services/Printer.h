#pragma once

#include <QString>

#include <QStringList>

#include <functional>

class QPrinter;

// The process-wide printer. Until a printer is chosen it has none; the first use selects the
// system's default printer, looked up without regard to case among the installed printers.
// With no default printer, or one that is not installed, it raises PrinterError
// "Zur Zeit ist kein Standard-Drucker gewählt" and selects nothing.
class Printer {
public:
    static Printer& instance();

    // The printer, with the default selected first if none is yet.
    QPrinter& printer();
    bool hasPrinter() const { return selected_; }
    // Records that a dialog has chosen and configured the printer.
    void markSelected() { selected_ = true; }
    // Raises PrinterError "Ausgewählter Drucker ist ungültig" when the print system refused the job
    // of the latest print on this printer. Call it right after the print, on the printing thread;
    // a print into a file is not checked.
    void checkJobAccepted() const;

    // Where the system's default printer name and the installed names come from; tests
    // replace them to play a machine with or without printers.
    struct PrinterList {
        std::function<QString()> defaultName;
        std::function<QStringList()> installed;
    };
    static void setPrinterList(PrinterList list);
    static void resetPrinterList();

private:
    Printer();
    ~Printer();
    QPrinter* printer_;
    bool selected_ = false;
};
