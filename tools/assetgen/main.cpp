// quorvel-assetgen: draws the board's four pictures and writes them as bitmap files, or draws
// the program's icon for the desktop menu.
//   quorvel-assetgen <folder> [--preview <file.png>]
//   quorvel-assetgen --icons <folder>
//   quorvel-assetgen --web <folder>
// The preview shows the board as the window will, enlarged three times, before and during a
// game; it is for looking at and is not one of the program's files. The icons go to
// <folder>/<N>x<N>/quorvel.png, the layout of an icon theme's "apps" folders. The page's pictures
// are the same drawings, larger, so the board stays sharp on a projector: the background as JPEG
// (the meadow's grain costs a lossless format dearly), the tiles as PNG.
#include "AnimalPictures.h"
#include "AppIcon.h"
#include "BitmapReader.h"
#include "BitmapWriter.h"
#include "BoardPictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {
bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "quorvel-assetgen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

// Reads a written file back through the program's own reader, so the preview shows what the
// program will see.
QImage readBack(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return readBitmap(file.readAll());
}

QImage preview(const QDir& folder)
{
    const QImage back = readBack(folder.filePath("back.bmp"));
    const QImage empty = readBack(folder.filePath("leer.bmp"));
    const QImage prey = readBack(folder.filePath("prey.bmp"));
    const QImage hunter = readBack(folder.filePath("hunter.bmp"));
    const QImage before = renderBoardPreview(back, empty, prey, hunter, false);
    const QImage during = renderBoardPreview(back, empty, prey, hunter, true);
    constexpr int scale = 3;
    QImage sheet(2 * 297 * scale + 16, 297 * scale + 297 + 16, QImage::Format_RGB32);
    sheet.fill(QColor(240, 240, 240));
    QPainter p(&sheet);
    p.drawImage(QRect(0, 0, 297 * scale, 297 * scale), before);
    p.drawImage(QRect(297 * scale + 16, 0, 297 * scale, 297 * scale), during);
    p.drawImage(0, 297 * scale + 16, before);
    p.drawImage(297 + 16, 297 * scale + 16, during);
    return sheet;
}

int writeIcons(const QDir& folder)
{
    for (const int size : {64, 256}) {
        const QString sub = QStringLiteral("%1x%1").arg(size);
        const QString path = folder.filePath(sub + QStringLiteral("/quorvel.png"));
        if (!QDir().mkpath(folder.filePath(sub)) || !drawAppIcon(size).save(path)) {
            std::fprintf(stderr, "quorvel-assetgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

int writeWebPictures(const QDir& folder)
{
    constexpr int backgroundPixels = 594;
    constexpr int tilePixels = 96;
    struct Picture {
        const char* name;
        QImage image;
        int quality;
    };
    const Picture pictures[] = {{"back.jpg", drawBoardBackground(backgroundPixels), 70},
                                {"prey.png", drawPrey(tilePixels), -1},
                                {"hunter.png", drawHunter(tilePixels), -1},
                                {"empty.png", drawEmptyCellSeeThrough(tilePixels), -1}};
    if (!QDir().mkpath(folder.path()))
        return 1;
    for (const Picture& picture : pictures) {
        const QString path = folder.filePath(picture.name);
        if (!picture.image.save(path, nullptr, picture.quality)) {
            std::fprintf(stderr, "quorvel-assetgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    // Drawing into images needs no screen; a build machine often has none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--icons")
        return writeIcons(QDir(args[2]));
    if (args.size() == 3 && args[1] == "--web")
        return writeWebPictures(QDir(args[2]));
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--preview")) {
        std::fprintf(stderr, "usage: quorvel-assetgen <folder> [--preview <file.png>]\n"
                             "       quorvel-assetgen --icons <folder>\n"
                             "       quorvel-assetgen --web <folder>\n");
        return 2;
    }
    const QDir folder(args[1]);
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "quorvel-assetgen: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    const bool written = writeFile(folder.filePath("leer.bmp"), writeBitmap(drawEmptyCell()))
        && writeFile(folder.filePath("prey.bmp"), writeBitmap(drawPrey()))
        && writeFile(folder.filePath("hunter.bmp"), writeBitmap(drawHunter()))
        && writeFile(folder.filePath("back.bmp"), writeBitmap(drawBoardBackground()));
    if (!written)
        return 1;
    if (args.size() == 4 && !preview(folder).save(args[3])) {
        std::fprintf(stderr, "quorvel-assetgen: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
