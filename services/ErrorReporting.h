#pragma once

#include <QString>

#include <exception>
#include <functional>

class Exception;

// The text of the application's error box: message, with "." appended when it is not empty and
// its last character's code is greater than 0x2E. So "x!" and "x." stay, "x?" becomes "x?.".
QString errorBoxText(const QString& message);

// Shows the application's error box for e (title "Quorvel", stop icon, one OK button), modal over
// the active window; it runs a nested event loop, so timers keep ticking while it is open.
void showErrorBox(const Exception& e);

// What the application does with an error that escaped a handler: ends any mouse capture, then
// shows the error box for the program's error family and the fatal report's text and title
// (without ending the program) for any other exception. Returns when the box is closed.
void reportException(const std::exception& e);

// "Exception <class> in Modul <file> bei <offset>.\r\n<message><period>\r\n": the class name (the
// family's own, else the demangled C++ type), the file name of the module that holds address and
// address's offset into it as eight uppercase hex digits, the message and a "." unless the
// message is empty or already ends in ".". An address in no module counts from 0 in the program.
QString fatalErrorText(const std::exception& e, const void* address);

// Shows fatalErrorText with the title "Anwendungsfehler", stop icon and one OK button, owned by
// no window. The program entry calls it for an error that escaped start-up and then exits with 1.
void showFatalError(const std::exception& e, const void* address);

// While hook is set, every error box, fatal report and error message dialog calls it with the
// box's text and title instead of showing anything (tests observe errors this way; the program
// sets none). An empty function restores the real boxes.
void setErrorBoxHook(std::function<void(const QString& text, const QString& title)> hook);

// Calls the error box hook if one is set and returns whether it did.
bool callErrorBoxHook(const QString& text, const QString& title);

// Calls a copy of handler (it may replace itself or stop its source while it runs), if set, and
// reports an error it raises instead of letting it escape. For controls whose own state would
// be left half-way by an error escaping into Qt, and for timer ticks, which go on after one.
void callReporting(const std::function<void()>& handler);
