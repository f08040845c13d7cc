#pragma once

#include <QString>

#include <exception>
#include <string>

// The program's error family. Every failure that the program raises is one of these: a kind
// (the class name) and a message for the user, in the program's language. Handlers do not catch them; the
// application reports whatever escapes a handler in its error box and goes on.
class Exception : public std::exception {
public:
    Exception(const char* className, QString message)
        : className_(className), message_(std::move(message)), utf8_(message_.toStdString())
    {
    }
    const char* className() const noexcept { return className_; }
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    const char* className_;
    QString message_;
    std::string utf8_;
};

// Each kind carries the class name the fatal report prints for it, which keeps the names
// users and their logs have always seen.
#define QUORVEL_ERROR_KIND(Name, shownName)                                                        \
    class Name : public Exception {                                                                \
    public:                                                                                        \
        explicit Name(QString message) : Exception(shownName, std::move(message)) {}               \
    };

QUORVEL_ERROR_KIND(ConvertError, "EConvertError")          // a text that is no valid integer
QUORVEL_ERROR_KIND(FileOpenError, "EFOpenError")           // a file that cannot be opened
QUORVEL_ERROR_KIND(FileWriteError, "EFCreateError")        // a file that cannot be written
QUORVEL_ERROR_KIND(InvalidGraphic, "EInvalidGraphic")      // a file whose content is no valid picture
QUORVEL_ERROR_KIND(ReadError, "EReadError")                // a stream that ends too early
QUORVEL_ERROR_KIND(OutOfResources, "EOutOfResources")      // no system timer left
QUORVEL_ERROR_KIND(PrinterError, "EPrinter")               // printer missing, invalid or busy
QUORVEL_ERROR_KIND(ClipboardError, "EClipboardException")  // the clipboard cannot be opened

#undef QUORVEL_ERROR_KIND
