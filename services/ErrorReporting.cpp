#include "ErrorReporting.h"

#include "Exception.h"
#include "MouseCapture.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <cxxabi.h>
#include <dlfcn.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

std::function<void(const QString&, const QString&)>& errorBoxHook()
{
    static std::function<void(const QString&, const QString&)> hook;
    return hook;
}

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

QString programFileName()
{
    return QFileInfo(QString::fromLocal8Bit(program_invocation_name)).fileName();
}

void showCriticalBox(const QString& text, const QString& title, QWidget* owner)
{
    if (callErrorBoxHook(text, title))
        return;
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > 0x2E)
        return message + u'.';
    return message;
}

void showErrorBox(const Exception& e)
{
    showCriticalBox(errorBoxText(e.message()), QStringLiteral("Quorvel"),
                    QApplication::activeWindow());
}

void reportException(const std::exception& e)
{
    cancelMouseCapture();
    if (const auto* own = dynamic_cast<const Exception*>(&e)) {
        showErrorBox(*own);
        return;
    }
    // Outside the family there is no better address than the place that caught the error.
    showCriticalBox(fatalErrorText(e, __builtin_return_address(0)),
                    QStringLiteral("Anwendungsfehler"), QApplication::activeWindow());
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
    return QStringLiteral("Exception %1 in Modul %2 bei %3.\r\n%4%5\r\n")
        .arg(className(e), module,
             QStringLiteral("%1").arg(static_cast<qulonglong>(offset), 8, 16, QChar(u'0')).toUpper(),
             message, period);
}

void showFatalError(const std::exception& e, const void* address)
{
    showCriticalBox(fatalErrorText(e, address), QStringLiteral("Anwendungsfehler"), nullptr);
}

void setErrorBoxHook(std::function<void(const QString& text, const QString& title)> hook)
{
    errorBoxHook() = std::move(hook);
}

bool callErrorBoxHook(const QString& text, const QString& title)
{
    if (!errorBoxHook())
        return false;
    errorBoxHook()(text, title);
    return true;
}

void callReporting(const std::function<void()>& handler)
{
    const auto copy = handler;
    if (!copy)
        return;
    try {
        copy();
    } catch (const std::exception& e) {
        reportException(e);
    }
}
