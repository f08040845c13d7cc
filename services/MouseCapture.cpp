#include "MouseCapture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <limits>

namespace {

QPointer<QWidget>& pressedWidget()
{
    static QPointer<QWidget> widget;
    return widget;
}

void sendCancellingRelease(QWidget* widget)
{
    // A position no widget contains: buttons treat the release as "dragged off" and do not click.
    const QPointF nowhere(std::numeric_limits<int>::min() / 2, std::numeric_limits<int>::min() / 2);
    QMouseEvent release(QEvent::MouseButtonRelease, nowhere, nowhere, nowhere, Qt::LeftButton,
                        Qt::NoButton, QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(widget, &release);
}

}  // namespace

void noteMouseEvent(QObject* receiver, const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (receiver->isWidgetType() && !pressedWidget())
            pressedWidget() = static_cast<QWidget*>(receiver);
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<const QMouseEvent*>(event)->buttons() == Qt::NoButton)
            pressedWidget() = nullptr;
        break;
    default:
        break;
    }
}

void cancelMouseCapture()
{
    // Forget both before sending anything: the release may run handlers that fail again.
    const QPointer<QWidget> pressed = pressedWidget();
    pressedWidget() = nullptr;
    const QPointer<QWidget> grabber = QWidget::mouseGrabber();
    if (grabber)
        grabber->releaseMouse();

    if (pressed)
        sendCancellingRelease(pressed);
    if (grabber && grabber != pressed)
        sendCancellingRelease(grabber);
}
