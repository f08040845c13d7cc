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

void saveAtomically(const QString& path, const std::function<void(QIODevice& file)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    write(file);  // QSaveFile's destructor drops the temporary file if this throws
    if (file.error() != QFileDevice::NoError || !file.commit())
        fail(path, file.errorString());
}
