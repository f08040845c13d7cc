#include "BitmapWriter.h"

#include <QDataStream>
#include <QIODevice>

QByteArray writeBitmap(const QImage& image, int bitsPerPixel)
{
    if (image.isNull() || (bitsPerPixel != 24 && bitsPerPixel != 32))
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int bytesPerPixel = bitsPerPixel / 8;
    const qint64 stride = (qint64{rgb.width()} * bitsPerPixel + 31) / 32 * 4;
    const qint64 pixelBytes = stride * rgb.height();
    constexpr quint32 headersSize = 14 + 40;

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << quint32(headersSize + pixelBytes) << quint16(0)
        << quint16(0) << headersSize;
    out << quint32(40) << qint32(rgb.width()) << qint32(rgb.height()) << quint16(1)
        << quint16(bitsPerPixel) << quint32(0) << quint32(pixelBytes) << qint32(3780)
        << qint32(3780) << quint32(0) << quint32(0);

    QByteArray row(static_cast<qsizetype>(stride), '\0');
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        auto* p = reinterpret_cast<uchar*>(row.data());
        for (int x = 0; x < rgb.width(); ++x, p += bytesPerPixel) {
            p[0] = static_cast<uchar>(qBlue(line[x]));
            p[1] = static_cast<uchar>(qGreen(line[x]));
            p[2] = static_cast<uchar>(qRed(line[x]));
        }
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
    return file;
}
