#include "BoardPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <random>

namespace {
constexpr int tile = 41;
constexpr int pitch = 48;
constexpr int firstTile = 10;  // in the background; the frames start at 8
constexpr QRgb key = 0xFFFF00FF;

int tileOrigin(int index) { return firstTile + pitch * (index - 1); }

QColor mix(QColor a, QColor b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// Grain and short grass strokes over a soft top-to-bottom gradient; the strokes are placed in
// the 297 units of the window's background, whatever the image's size.
void drawMeadow(QImage& image, std::mt19937& random)
{
    const double scale = image.width() / 297.0;
    const QColor top(132, 178, 88), bottom(104, 150, 68);
    std::uniform_int_distribution<int> grain(-5, 5);
    for (int y = 0; y < image.height(); ++y) {
        const QColor row = mix(top, bottom, double(y) / (image.height() - 1));
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int g = grain(random);
            line[x] = qRgb(std::clamp(row.red() + g, 0, 255), std::clamp(row.green() + g, 0, 255),
                           std::clamp(row.blue() + g, 0, 255));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    std::uniform_real_distribution<double> place(0, 297);
    std::uniform_real_distribution<double> lean(-1.6, 1.6);
    std::uniform_real_distribution<double> length(2.5, 5.5);
    std::uniform_int_distribution<int> shade(0, 1);
    for (int i = 0; i < 1400; ++i) {
        const QPointF foot(place(random), place(random));
        const QColor color = shade(random) ? QColor(70, 116, 44, 110) : QColor(176, 214, 120, 100);
        p.setPen(QPen(color, 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(foot, foot + QPointF(lean(random), -length(random)));
    }
}

// Each cell gets a lighter, slightly sunken patch, so the 6 × 6 board reads before a game
// has drawn its frames.
void drawCellPatches(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(image.width() / 297.0, image.height() / 297.0);
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 6; ++j) {
            const QRectF cell(tileOrigin(i), tileOrigin(j), tile, tile);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 96, 40, 70));
            p.drawRoundedRect(cell.adjusted(-1.5, -1.5, 1.5, 1.5), 4.5, 4.5);
            QLinearGradient light(cell.topLeft(), cell.bottomRight());
            light.setColorAt(0, QColor(200, 228, 150, 150));
            light.setColorAt(1, QColor(170, 206, 118, 130));
            p.setBrush(light);
            p.drawRoundedRect(cell.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        }
    }
}
}  // namespace

QImage drawEmptyCell()
{
    // Drawn pixel by pixel, without smoothing: a blended edge pixel would be neither the key
    // colour nor the dot's and would show as a pink fringe on the board.
    QImage image(tile, tile, QImage::Format_RGB32);
    image.fill(key);
    const QRgb dot = qRgb(92, 134, 62);
    const int c = tile / 2;
    for (int d = -1; d <= 1; ++d) {
        image.setPixel(c + d, c, dot);
        image.setPixel(c, c + d, dot);
    }
    return image;
}

QImage drawEmptyCellSeeThrough(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // The dot's cross, three tile pixels wide, in whole pixels of this size.
    const int unit = std::max(1, int(std::lround(pixels / double(tile))));
    const int c = pixels / 2;
    p.fillRect(c - unit - unit / 2, c - unit / 2, 3 * unit, unit, QColor(92, 134, 62));
    p.fillRect(c - unit / 2, c - unit - unit / 2, unit, 3 * unit, QColor(92, 134, 62));
    return image;
}

QImage drawBoardBackground(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_RGB32);
    std::mt19937 random(297);
    drawMeadow(image, random);
    drawCellPatches(image);
    return image;
}

QImage renderBoardPreview(const QImage& background, const QImage& empty, const QImage& prey,
                          const QImage& hunter, bool frames)
{
    QImage board = background.convertToFormat(QImage::Format_RGB32);
    QImage keyed = empty.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y) {
        for (int x = 0; x < keyed.width(); ++x) {
            if (keyed.pixel(x, y) == transparent)
                keyed.setPixel(x, y, 0);
        }
    }
    // A fixed scatter of animals: content by column, 0 empty, 1 prey, 2 hunter.
    const int cells[6][6] = {{1, 0, 0, 2, 0, 1}, {0, 1, 0, 0, 0, 0}, {2, 0, 1, 1, 0, 2},
                             {0, 0, 0, 0, 1, 0}, {1, 2, 0, 0, 0, 1}, {0, 0, 1, 0, 2, 0}};
    QPainter p(&board);
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 6; ++y) {
            const int content = cells[x - 1][y - 1];
            const QImage& picture = content == 0 ? keyed : content == 1 ? prey : hunter;
            p.drawImage(QRect(tileOrigin(x), tileOrigin(y), tile, tile), picture);
            if (!frames)
                continue;
            QColor pen = Qt::black;
            if (x == 3 && y == 4)
                pen = Qt::blue;
            else if ((x == 5 && y == 2) || (x == 2 && y == 6))
                pen = Qt::green;
            p.setPen(QPen(pen, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(tileOrigin(x) - 1, tileOrigin(y) - 1, tile + 2, tile + 2));
        }
    }
    return board;
}
