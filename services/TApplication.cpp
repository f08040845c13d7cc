#include "TApplication.h"

#include "ErrorReporting.h"
#include "MouseCapture.h"

#include <stdexcept>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationDisplayName(QStringLiteral("Quorvel"));
    setFont(programFont());
}

QFont TApplication::programFont()
{
    // Sized in pixels, so the fixed layout looks the same whatever the screen's resolution.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    noteMouseEvent(receiver, event);
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ReportException(e);
    } catch (...) {
        // Nothing in the program throws anything else, but an unknown error must not end it.
        ReportException(std::runtime_error("Unbekannter Fehler"));
    }
    return false;
}
