#include "SaveAtomically.h"

#include "Exception.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace {
[[noreturn]] void fail(const QString& path, const QString& reason)
{
    QString why = reason;
    while (why.endsWith(u'.') || why.endsWith(u' '))
        why.chop(1);
    throw FileWriteError(QCoreApplication::translate("SaveAtomically", "Datei %1 kann nicht geschrieben werden. %2")
                             .arg(QDir::toNativeSeparators(QDir::current().absoluteFilePath(path)), why));
}
}  // namespace

void saveAtomically(const QString& path, const std::function<bool(QIODevice& file)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    // QSaveFile's destructor drops the temporary file if write throws or gives up.
    const bool written = write(file);
    if (file.error() != QFileDevice::NoError)
        fail(path, file.errorString());
    if (!written)
        fail(path, QCoreApplication::translate("SaveAtomically", "Der Inhalt konnte nicht erzeugt werden."));
    if (!file.commit())
        fail(path, file.errorString());
}
