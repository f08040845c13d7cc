#include "PictureFile.h"

#include "BitmapReader.h"
#include "Exception.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iterator>

namespace {
// The largest bitmap the reader accepts, with room for its headers and colour table. A bigger
// file, or a device that never ends, is refused rather than pulled into memory whole.
constexpr qint64 maxPictureFileSize = maxBitmapPixels * 4 + (qint64{1} << 20);
constexpr qint64 readChunk = qint64{1} << 16;

QImage readIcon(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    const QImage icon = QImage::fromData(data, "ICO");
    if (icon.isNull())
        throw InvalidGraphic(QCoreApplication::translate("Picture", "Symbol ist ungültig"));
    return icon.convertToFormat(QImage::Format_ARGB32);
}

// Metafiles are drawing commands of another platform's graphics interface; nothing here
// can play them back.
QImage readMetafile(const QByteArray&)
{
    throw InvalidGraphic(QCoreApplication::translate("Picture", "Metadatei ist ungültig"));
}

struct PictureKind {
    const char* extension;
    const char* invalidText;
    QImage (*read)(const QByteArray&);
};

// In the order of registration; the newest entry is searched first.
const PictureKind pictureKinds[] = {
    {"ico", QT_TRANSLATE_NOOP("Picture", "Symbol ist ungültig"), readIcon},
    {"bmp", QT_TRANSLATE_NOOP("BitmapReader", "Bitmap ist ungültig"), readBitmap},
    {"wmf", QT_TRANSLATE_NOOP("Picture", "Metadatei ist ungültig"), readMetafile},
    {"emf", QT_TRANSLATE_NOOP("Picture", "Metadatei ist ungültig"), readMetafile},
};

const PictureKind& kindFor(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1);
    for (auto kind = std::rbegin(pictureKinds); kind != std::rend(pictureKinds); ++kind) {
        if (extension.compare(QLatin1String(kind->extension), Qt::CaseInsensitive) == 0)
            return *kind;
    }
    throw InvalidGraphic(QCoreApplication::translate("Picture", "Unbekannte Bilddateierweiterung (.%1)").arg(extension));
}

QString withoutTrailingPunctuation(QString text)
{
    while (!text.isEmpty()
           && (text.back() == u' ' || text.back() == u'\r' || text.back() == u'\n'
               || text.back() == u'.'))
        text.chop(1);
    return text;
}

QByteArray readWholeFile(const QString& fileName, const PictureKind& kind)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString path =
            QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(fileName)));
        throw FileOpenError(QCoreApplication::translate("Picture", "Datei %1 kann nicht geöffnet werden. %2")
                              .arg(path, withoutTrailingPunctuation(file.errorString())));
    }
    QByteArray data;
    for (;;) {
        const QByteArray chunk = file.read(readChunk);
        if (file.error() != QFileDevice::NoError)
            throw ReadError(QCoreApplication::translate("BitmapReader", "Stream-Lesefehler"));
        if (chunk.isEmpty())
            return data;
        data += chunk;
        if (data.size() > maxPictureFileSize)
            throw InvalidGraphic(QString::fromUtf8(kind.invalidText));
    }
}
}  // namespace

QImage loadPicture(const QString& fileName)
{
    const PictureKind& kind = kindFor(fileName);
    return kind.read(readWholeFile(fileName, kind));
}
