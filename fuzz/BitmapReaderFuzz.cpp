// Any byte string handed to the bitmap reader gives a picture or one of the two errors a damaged
// file may raise, never anything else. Crashes, sanitizer reports, leaks, slow inputs and huge
// allocations are caught by libFuzzer itself.
#include "BitmapReader.h"
#include "Exception.h"
#include "FuzzCheck.h"

#include <QByteArray>
#include <QImage>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Raw data, not a copy: a read one byte past the end lands outside libFuzzer's exact-size
    // buffer, where AddressSanitizer sees it.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const bool tooShort = size > 0 && size < 14;
    const bool signatureWrong = size >= 2 && (data[0] != 'B' || data[1] != 'M');
    try {
        const QImage image = readBitmap(bytes);
        fuzzCheck(!tooShort && !signatureWrong, "a file that is too short or not \"BM\" was read");
        if (size == 0) {
            fuzzCheck(image.isNull(), "an empty file gives a null image");
            return 0;
        }
        fuzzCheck(!image.isNull(), "a read picture is never null");
        fuzzCheck(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32,
                  "a read picture is RGB32 or ARGB32");
        fuzzCheck(image.width() <= maxBitmapSide && image.height() <= maxBitmapSide,
                  "a read picture keeps within the side limit");
        fuzzCheck(qint64{image.width()} * image.height() <= maxBitmapPixels,
                  "a read picture keeps within the pixel budget");
    } catch (const ReadError& e) {
        fuzzCheck(e.message() == QStringLiteral("Stream-Lesefehler"), "the read error's text");
        fuzzCheck(!signatureWrong || tooShort, "a long enough file without \"BM\" is invalid");
    } catch (const InvalidGraphic& e) {
        fuzzCheck(e.message() == QStringLiteral("Bitmap ist ungültig"), "the invalid bitmap's text");
        fuzzCheck(!tooShort, "a file that ends inside its file header is a read error");
    }
    // Any other exception leaves this function and ends the run as a finding.
    return 0;
}
