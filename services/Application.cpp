#include "Application.h"

#include "MouseCapture.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
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
    return QApplication::notify(receiver, event);
}
