#pragma once

#include <QApplication>
#include <QFont>

// The application object. Its display name is "Quorvel" and its font Liberation Sans at 11
// pixels. Every std::exception that escapes an event handler, a slot or a timer tick ends up in
// reportException; the event counts as not handled and the program goes on with the next event.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The font every window and dialog without a font of its own uses.
    static QFont programFont();
};
