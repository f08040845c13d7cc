#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <type_traits>

class ErrorBox;
class Exception;

// The text of the application's error box: message, with "." appended when it is not empty and
// its last character's code is greater than 0x2E. So "x!" and "x." stay, "x?" becomes "x?.".
QString errorBoxText(const QString& message);

// Shows the error box for e in box: errorBoxText of its message, titled "Quorvel", owned by the
// active window.
void showErrorBox(ErrorBox& box, const Exception& e);

// What the application does with an error that escaped a handler: ends any mouse capture, then
// shows the error box for the program's error family and the fatal report's text and title
// (without ending the program) for any other exception, in box. Returns when the box is closed.
void reportException(ErrorBox& box, const std::exception& e);

// "Exception <class> in Modul <file> bei <offset>.\r\n<message><period>\r\n": the class name (the
// family's own, else the demangled C++ type), the file name of the module that holds address and
// address's offset into it as eight uppercase hex digits, the message and a "." unless the
// message is empty or already ends in ".". An address in no module counts from 0 in the program.
QString fatalErrorText(const std::exception& e, const void* address);

// Shows fatalErrorText in box, titled "Anwendungsfehler" and owned by no window. The program
// entry calls it for an error that escaped start-up and then exits with 1.
void showFatalError(ErrorBox& box, const std::exception& e, const void* address);

// Calls a copy of handler (it may replace itself or stop its source while it runs), if set, and
// reports any error it raises into box instead of letting it escape. Every slot and event
// handler of the program runs its command through here: an exception must never cross Qt's
// signal and event delivery, and the program goes on after the report.
void callReporting(ErrorBox& box, const std::function<void()>& handler);

// command as a slot for any signal: it runs through callReporting, with the signal's arguments
// where it takes them. connect(button, &QPushButton::clicked, this, reporting(box, [] { … })).
// The slot accepts only what command takes, so Qt hands it no more than that, and never the
// private tag some signals carry last (QThread::finished), for which it has no object.
template <typename Command>
auto reporting(ErrorBox& box, Command command)
{
    return [&box, command]<typename... Arguments>(Arguments&&... arguments)
        requires(sizeof...(Arguments) == 0 || std::is_invocable_v<const Command&, Arguments...>)
    {
        callReporting(box, [&] { command(arguments...); });
    };
}
