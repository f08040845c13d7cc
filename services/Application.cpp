#include "Application.h"

#include "ErrorReporting.h"
#include "MouseCapture.h"

#include <stdexcept>

Application::Application(int& argc, char** argv, ErrorBox& errorBox)
    : QApplication(argc, argv), errorBox_(errorBox)
{
    // The name, not the display name: Qt appends a display name to every window title on X11,
    // and the dialogs' titles are exactly their own.
    setApplicationName(QStringLiteral("Quorvel"));
    setFont(programFont());
}

QFont Application::programFont()
{
    // Sized in pixels, so the fixed layout looks the same whatever the screen's resolution.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    noteMouseEvent(receiver, event);
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportException(errorBox_, e);
    } catch (...) {
        // Nothing in the program throws anything else, but an unknown error must not end it.
        reportException(errorBox_, std::runtime_error(tr("Unbekannter Fehler").toStdString()));
    }
    return false;
}
