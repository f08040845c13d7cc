#pragma once

class QEvent;
class QObject;

// Keeps track of the widget that received the current mouse press, the one Qt keeps sending the
// mouse to until every button is up. Application::notify feeds every event through here.
void noteMouseEvent(QObject* receiver, const QEvent* event);

// Ends any mouse capture, as when an error interrupts a drag or a button held down: releases
// an explicit mouse grab and sends the pressed widget a release far outside itself, so a
// pressed button pops up without clicking and a slider drag ends where it is.
void cancelMouseCapture();
