#pragma once

class QString;
class QWidget;

// Where the program shows its errors: the reporting functions (ErrorReporting.h) call it for every
// error box and fatal report, and code that refuses an input for the error message dialog. Each
// call comes on the GUI thread and returns when the user has closed the window. The program entry
// passes the real dialogs (DialogErrorBox), tests a recorder.
class ErrorBox {
public:
    virtual ~ErrorBox() = default;
    // text titled title with the stop icon and one OK button, application modal, owned by owner
    // (by no window when it is null).
    virtual void showCritical(const QString& text, const QString& title, QWidget* owner) = 0;
    // The error message dialog for message (MessageDialog.h); QMessageBox::Ok, or
    // QMessageBox::Cancel when it was closed with the close box.
    virtual int showMessageDialog(const QString& message) = 0;
};
