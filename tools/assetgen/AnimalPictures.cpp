#include "AnimalPictures.h"

#include "Supersampled.h"

#include <QPainterPath>

namespace {
constexpr QSize tileSize(41, 41);
constexpr double mid = 20.5;

QPen outline(QColor color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Mirrors a path drawn for the left half onto the right half of the tile.
QPainterPath mirrored(const QPainterPath& left)
{
    return QTransform(-1, 0, 0, 1, 2 * mid, 0).map(left);
}

void drawEar(QPainter& p, double angle, QPointF center)
{
    p.save();
    p.translate(center);
    p.rotate(angle);
    p.setPen(outline(QColor(128, 112, 104), 0.7));
    p.setBrush(QColor(252, 250, 244));
    p.drawEllipse(QPointF(0, 0), 3.6, 9.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 166, 178));
    p.drawEllipse(QPointF(0, 1.0), 1.7, 7.2);
    p.restore();
}

}  // namespace

void paintRabbit(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(104, 150, 76, 150));
    p.drawEllipse(QPointF(mid, 36.6), 12.5, 2.6);

    drawEar(p, -13, {15.2, 11.5});
    drawEar(p, 13, {25.8, 11.5});

    p.setPen(outline(QColor(128, 112, 104), 0.8));
    p.setBrush(QColor(252, 250, 244));
    p.drawEllipse(QPointF(mid, 27.0), 10.6, 8.8);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 206, 150));
    p.drawEllipse(QPointF(13.8, 29.6), 2.4, 1.6);
    p.drawEllipse(QPointF(27.2, 29.6), 2.4, 1.6);

    p.setBrush(QColor(44, 32, 36));
    p.drawEllipse(QPointF(16.4, 25.4), 1.7, 2.0);
    p.drawEllipse(QPointF(24.6, 25.4), 1.7, 2.0);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16.9, 24.7), 0.55, 0.55);
    p.drawEllipse(QPointF(25.1, 24.7), 0.55, 0.55);

    QPainterPath nose;
    nose.moveTo(mid - 1.5, 28.6);
    nose.lineTo(mid + 1.5, 28.6);
    nose.lineTo(mid, 30.2);
    nose.closeSubpath();
    p.setBrush(QColor(226, 118, 138));
    p.drawPath(nose);

    QPainterPath mouth;
    mouth.moveTo(mid, 30.2);
    mouth.lineTo(mid, 31.2);
    mouth.moveTo(mid - 1.8, 31.8);
    mouth.quadTo(mid - 0.9, 32.4, mid, 31.2);
    mouth.quadTo(mid + 0.9, 32.4, mid + 1.8, 31.8);
    p.setPen(outline(QColor(120, 100, 100), 0.55));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);

    QPainterPath whiskers;
    for (double dy : {-0.6, 0.8}) {
        whiskers.moveTo(mid - 3.2, 30.2 + dy / 2);
        whiskers.lineTo(mid - 8.5, 29.4 + dy);
    }
    whiskers.addPath(mirrored(whiskers));
    p.setPen(outline(QColor(150, 140, 140, 170), 0.4));
    p.drawPath(whiskers);
}

namespace {
QPainterPath foxHead()
{
    QPainterPath left;
    left.moveTo(mid, 13.0);
    left.cubicTo(14.0, 13.0, 8.5, 14.5, 6.5, 18.5);
    left.cubicTo(5.0, 21.5, 3.6, 24.0, 3.4, 25.0);
    left.cubicTo(8.0, 27.5, 13.0, 33.5, mid, 38.5);
    QPainterPath head = left;
    head.connectPath(mirrored(left).toReversed());
    head.closeSubpath();
    return head;
}

QPainterPath foxEar(bool inner)
{
    QPainterPath ear;
    if (inner) {
        ear.moveTo(8.8, 15.6);
        ear.lineTo(10.4, 5.6);
        ear.lineTo(15.0, 13.6);
    } else {
        ear.moveTo(6.0, 18.0);
        ear.lineTo(9.6, 1.6);
        ear.lineTo(18.0, 13.2);
    }
    ear.closeSubpath();
    return ear;
}

}  // namespace

void paintFox(QPainter& p)
{
    const QColor fur(214, 92, 26);
    const QColor dark(72, 34, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 66, 34, 130));
    p.drawEllipse(QPointF(mid, 38.8), 9.5, 1.8);

    p.setPen(outline(dark, 0.8));
    p.setBrush(fur);
    p.drawPath(foxEar(false));
    p.drawPath(mirrored(foxEar(false)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 28, 20));
    p.drawPath(foxEar(true));
    p.drawPath(mirrored(foxEar(true)));

    p.setPen(outline(dark, 0.8));
    p.setBrush(fur);
    p.drawPath(foxHead());

    // White cheeks running down to the muzzle.
    QPainterPath cheek;
    cheek.moveTo(3.6, 25.0);
    cheek.cubicTo(7.0, 24.0, 11.5, 25.0, 15.0, 28.5);
    cheek.lineTo(mid, 37.6);
    cheek.cubicTo(13.0, 33.5, 8.0, 27.5, 3.6, 25.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 244, 232));
    p.drawPath(cheek);
    p.drawPath(mirrored(cheek));

    // Amber eyes under brows drawn down towards the nose: a fierce look.
    QPainterPath eye;
    eye.moveTo(11.0, 20.4);
    eye.quadTo(14.0, 18.6, 17.4, 21.6);
    eye.quadTo(14.0, 22.8, 11.0, 20.4);
    p.setBrush(QColor(250, 200, 40));
    p.drawPath(eye);
    p.drawPath(mirrored(eye));
    p.setBrush(QColor(20, 14, 10));
    p.drawEllipse(QPointF(14.6, 20.9), 0.75, 1.15);
    p.drawEllipse(QPointF(2 * mid - 14.6, 20.9), 0.75, 1.15);
    QPainterPath brow;
    brow.moveTo(10.2, 17.6);
    brow.lineTo(18.0, 20.2);
    brow.addPath(mirrored(brow));
    p.setPen(outline(dark, 1.2));
    p.drawPath(brow);

    // The open mouth with its fangs, then the nose over the top of it.
    QPainterPath mouth;
    mouth.moveTo(14.4, 29.0);
    mouth.quadTo(mid, 31.0, 26.6, 29.0);
    mouth.quadTo(25.0, 35.6, mid, 36.4);
    mouth.quadTo(16.0, 35.6, 14.4, 29.0);
    p.setPen(outline(dark, 0.6));
    p.setBrush(QColor(128, 20, 28));
    p.drawPath(mouth);

    QPainterPath teeth;
    const double upperEdge = 30.0;
    for (double x : {15.2, 24.0}) {  // fangs
        teeth.moveTo(x, upperEdge - 0.4);
        teeth.lineTo(x + 1.8, upperEdge - 0.1);
        teeth.lineTo(x + 0.8, upperEdge + 3.6);
        teeth.closeSubpath();
    }
    for (double x = 17.4; x < 23.4; x += 1.5) {  // front teeth
        teeth.moveTo(x, upperEdge + 0.1);
        teeth.lineTo(x + 1.5, upperEdge + 0.1);
        teeth.lineTo(x + 0.75, upperEdge + 1.7);
        teeth.closeSubpath();
    }
    for (double x : {16.6, 23.0}) {  // lower fangs
        teeth.moveTo(x, 35.0);
        teeth.lineTo(x + 1.4, 35.0);
        teeth.lineTo(x + 0.7, 32.4);
        teeth.closeSubpath();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 250));
    p.drawPath(teeth);

    p.setBrush(QColor(24, 18, 16));
    p.drawEllipse(QPointF(mid, 27.6), 2.3, 1.6);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(mid - 0.8, 27.1), 0.7, 0.4);
}

namespace {
// The tile's drawing scaled to pixels × pixels.
template <typename Paint>
QImage drawTile(int pixels, QColor ground, Paint paint)
{
    const double scale = pixels / double(tileSize.width());
    return supersampled(QSize(pixels, pixels), ground, [&](QPainter& p) {
        p.scale(scale, scale);
        paint(p);
    });
}
}  // namespace

QImage drawPrey(int pixels) { return drawTile(pixels, QColor(188, 224, 142), paintRabbit); }

QImage drawHunter(int pixels) { return drawTile(pixels, QColor(96, 138, 72), paintFox); }
