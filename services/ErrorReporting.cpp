#include "ErrorReporting.h"

#include "ErrorBox.h"
#include "Exception.h"
#include "MouseCapture.h"

#include <QApplication>
#include <QFileInfo>

#include <cxxabi.h>
#include <dlfcn.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <typeinfo>

namespace {

QString className(const std::exception& e)
{
    if (const auto* own = dynamic_cast<const Exception*>(&e))
        return QString::fromLatin1(own->className());
    const char* mangled = typeid(e).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return QString::fromUtf8(status == 0 && demangled ? demangled.get() : mangled);
}

QString messageOf(const std::exception& e)
{
    if (const auto* own = dynamic_cast<const Exception*>(&e))
        return own->message();
    return QString::fromUtf8(e.what());
}

QString fatalErrorTitle() { return QCoreApplication::translate("ErrorReporting", "Anwendungsfehler"); }

QString programFileName()
{
    return QFileInfo(QString::fromLocal8Bit(program_invocation_name)).fileName();
}

}  // namespace

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > 0x2E)
        return message + u'.';
    return message;
}

void showErrorBox(ErrorBox& box, const Exception& e)
{
    box.showCritical(errorBoxText(e.message()), QStringLiteral("Quorvel"),
                     QApplication::activeWindow());
}

void reportException(ErrorBox& box, const std::exception& e)
{
    cancelMouseCapture();
    if (const auto* own = dynamic_cast<const Exception*>(&e)) {
        showErrorBox(box, *own);
        return;
    }
    // Outside the family there is no better address than the place that caught the error.
    box.showCritical(fatalErrorText(e, __builtin_return_address(0)), fatalErrorTitle(), QApplication::activeWindow());
}

QString fatalErrorText(const std::exception& e, const void* address)
{
    QString module = programFileName();
    auto offset = reinterpret_cast<std::uintptr_t>(address);
    Dl_info info{};
    if (address && dladdr(address, &info) != 0 && info.dli_fname) {
        if (*info.dli_fname)
            module = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).fileName();
        offset -= reinterpret_cast<std::uintptr_t>(info.dli_fbase);
    }
    const QString message = messageOf(e);
    const QString period = !message.isEmpty() && !message.endsWith(u'.') ? QStringLiteral(".")
                                                                          : QString();
    //: The first line of the report of an error the program did not expect: %1 the error's class,
    //: %2 the program file, %3 the address in it.
    const QString where = QCoreApplication::translate("ErrorReporting", "Exception %1 in Modul %2 bei %3.")
                              .arg(className(e), module,
                                   QStringLiteral("%1").arg(static_cast<qulonglong>(offset), 8, 16, QChar(u'0')).toUpper());
    return where + QStringLiteral("\r\n") + message + period + QStringLiteral("\r\n");
}

void showFatalError(ErrorBox& box, const std::exception& e, const void* address)
{
    box.showCritical(fatalErrorText(e, address), fatalErrorTitle(), nullptr);
}

void callReporting(ErrorBox& box, const std::function<void()>& handler)
{
    const auto copy = handler;
    if (!copy)
        return;
    try {
        copy();
    } catch (const std::exception& e) {
        reportException(box, e);
    } catch (...) {
        // Nothing in the program throws anything else, but an unknown error must not end it.
        reportException(box, std::runtime_error(QCoreApplication::translate("ErrorReporting", "Unbekannter Fehler").toStdString()));
    }
}
