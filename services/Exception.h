#pragma once

#include <QString>

#include <exception>
#include <string>

// The program's error family. Every failure that the program raises is one of these: a kind
// (the class name) and a German message for the user. Handlers do not catch them; the
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

#define QUORVEL_ERROR_KIND(Name)                                                                   \
    class Name : public Exception {                                                                \
    public:                                                                                        \
        explicit Name(QString message) : Exception(#Name, std::move(message)) {}                   \
    };

QUORVEL_ERROR_KIND(EConvertError)        // a text that is no valid integer
QUORVEL_ERROR_KIND(EFOpenError)          // a file that cannot be opened
QUORVEL_ERROR_KIND(EInvalidGraphic)      // a picture file whose content is no valid picture
QUORVEL_ERROR_KIND(EReadError)           // a stream that ends too early ("Stream-Lesefehler")
QUORVEL_ERROR_KIND(EOutOfResources)      // no system timer left
QUORVEL_ERROR_KIND(EPrinter)             // printer missing, invalid or busy
QUORVEL_ERROR_KIND(EClipboardException)  // the clipboard cannot be opened

#undef QUORVEL_ERROR_KIND
