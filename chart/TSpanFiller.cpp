#include "TSpanFiller.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// The bounding box of the dark pixels of image, and whether they fill it completely.
std::optional<QRect> solidBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box = box.united(QRect(x, y, 1, 1));
    if (box.isEmpty())
        return std::nullopt;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (qGray(image.pixel(x, y)) >= 128)
                return std::nullopt;
    return box;
}

// Writes rects in colour straight into the image painter draws on, when nothing stands in the
// way: no clipping, an opaque colour and an image of 32-bit pixels that no copy shares. Qt's own
// rectangle fill costs a call per row, which for thousands of tall rectangles two pixels wide
// is most of a paint.
bool writeDirect(QPainter& painter, const QVector<QRect>& rects, const QColor& colour)
{
    if (painter.hasClipping() || colour.alpha() != 255 || !painter.device() ||
        painter.device()->devType() != QInternal::Image)
        return false;
    auto* image = static_cast<QImage*>(painter.device());
    const QImage::Format format = image->format();
    if (!image->isDetached() || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
                                 format != QImage::Format_ARGB32_Premultiplied))
        return false;
    const QTransform t = painter.deviceTransform();
    const QPoint shift(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
    const QRgb pixel = colour.rgba();
    const QRect bounds = image->rect();
    uchar* bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    for (const QRect& rect : rects) {
        const QRect r = rect.translated(shift) & bounds;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
            std::fill(row + r.left(), row + r.right() + 1, pixel);
        }
    }
    return true;
}

}  // namespace

bool TSpanFiller::fillable(const QPainter& painter)
{
    // Positions shifted by whole pixels keep their rasterisation; anything else may not.
    const QTransform t = painter.deviceTransform();
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster &&
           t.type() <= QTransform::TxTranslate && t.dx() == std::round(t.dx()) && t.dy() == std::round(t.dy()) &&
           !painter.testRenderHint(QPainter::Antialiasing) &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver;
}

const TSpanFiller::Box* TSpanFiller::boxOf(const QPen& pen)
{
    struct Measured {
        qreal width;
        Qt::PenCapStyle cap;
        bool cosmetic;
        std::optional<Box> box;
    };
    static std::vector<Measured> measured;
    for (const Measured& m : measured)
        if (m.width == pen.widthF() && m.cap == pen.capStyle() && m.cosmetic == pen.isCosmetic())
            return m.box ? &*m.box : nullptr;

    // Two lines of different length must cover the same box around their ends.
    const int margin = static_cast<int>(std::ceil(pen.widthF())) + 4;
    std::optional<Box> box;
    for (int length : {3, 7}) {
        QImage probe(2 * margin + 1, 2 * margin + length + 1, QImage::Format_RGB32);
        probe.fill(Qt::white);
        QPainter painter(&probe);
        QPen black = pen;
        black.setColor(Qt::black);
        painter.setPen(black);
        painter.drawLine(margin, margin, margin, margin + length);
        painter.end();
        const std::optional<QRect> covered = solidBox(probe);
        if (!covered) {
            box.reset();
            break;
        }
        const Box b{covered->left() - margin, covered->right() - margin, margin - covered->top(),
                    covered->bottom() - (margin + length)};
        if (box && (b.left != box->left || b.right != box->right || b.above != box->above || b.below != box->below)) {
            box.reset();
            break;
        }
        box = b;
    }
    measured.push_back(Measured{pen.widthF(), pen.capStyle(), pen.isCosmetic(), box});
    return measured.back().box ? &*measured.back().box : nullptr;
}

void TSpanFiller::draw(QPainter& painter, const QVector<TColumnSpan>& spans)
{
    const QPen pen = painter.pen();
    const Box* box = fillable(painter) ? boxOf(pen) : nullptr;
    if (!box) {
        painter.drawLines(TColumnSegments::spanLines(spans));
        return;
    }
    // One-pixel pens are drawn by Qt's cosmetic line drawing, the one that leaves the bottom row
    // to the span's withBottom; wider pens are not.
    const bool thin = pen.isCosmetic() || pen.widthF() <= 1.0;
    QVector<QRect> rects;
    rects.reserve(spans.size());
    for (const TColumnSpan& span : spans) {
        const int bottom = thin && span.withBottom ? std::max(span.bottom + box->below, span.bottom)
                                                   : span.bottom + box->below;
        rects.append(QRect(QPoint(span.x + box->left, span.top - box->above), QPoint(span.x + box->right, bottom)));
    }
    const QColor colour = pen.color();
    if (writeDirect(painter, rects, colour))
        return;
    for (const QRect& rect : rects)
        painter.fillRect(rect, colour);
}
