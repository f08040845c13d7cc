#pragma once

#include <QApplication>
#include <QFont>

class ErrorBox;

// The application object. Its name is "Quorvel" and its font Liberation Sans at 11
// pixels. Every std::exception that escapes an event handler, a slot or a timer tick ends up in
// reportException with its error box; the event counts as not handled and the program goes on
// with the next event.
class Application : public QApplication {
    Q_OBJECT
public:
    // errorBox must outlive the application.
    Application(int& argc, char** argv, ErrorBox& errorBox);

    bool notify(QObject* receiver, QEvent* event) override;

    // The font every window and dialog without a font of its own uses.
    static QFont programFont();

private:
    ErrorBox& errorBox_;
};
