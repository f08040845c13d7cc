#pragma once

#include <QApplication>
#include <QFont>

// The application object. Its name is "Quorvel" and its font Liberation Sans at 11 pixels. It
// notes which widget holds the mouse, so that an error reported in the middle of a click or a
// drag can end it (MouseCapture.h). Errors never reach it: every handler catches its own
// (callReporting).
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The font every window and dialog without a font of its own uses.
    static QFont programFont();
};
