#include "SpanFiller.h"

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
// way: no clipping, an opaque colour and an image of 32-bit pixels that no copy shares. The
// rects are the spans of one curve, equally wide and at most one starting in any pixel column;
// neighbours overlap, so each pixel column is written once with the union of the rects over
// it, top to bottom. Qt's own rectangle fill would cost a call per row and rect, which for
// thousands of tall rectangles two pixels wide is most of a paint.
bool writeDirect(QPainter& painter, const QVector<QRect>& rects, const QColor& color)
{
    if (painter.hasClipping() || color.alpha() != 255 || !painter.device() ||
        painter.device()->devType() != QInternal::Image)
        return false;
    auto* image = static_cast<QImage*>(painter.device());
    const QImage::Format format = image->format();
    if (!image->isDetached() || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
                                 format != QImage::Format_ARGB32_Premultiplied))
        return false;
    if (rects.isEmpty())
        return true;
    const QTransform t = painter.deviceTransform();
    const QPoint shift(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
    const int rectWidth = rects.front().width();
    int firstLeft = rects.front().left();
    int lastLeft = firstLeft;
    for (const QRect& rect : rects) {
        if (rect.width() != rectWidth)
            return false;
        firstLeft = std::min(firstLeft, rect.left());
        lastLeft = std::max(lastLeft, rect.left());
    }
    // startingAt[l − firstLeft]: the rect whose left column is l, or −1.
    std::vector<int> startingAt(static_cast<std::size_t>(lastLeft - firstLeft + 1), -1);
    for (int i = 0; i < rects.size(); ++i) {
        int& slot = startingAt[static_cast<std::size_t>(rects[i].left() - firstLeft)];
        if (slot >= 0)
            return false;
        slot = i;
    }

    const QRgb pixel = color.rgba();
    uchar* bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    const int height = image->height();
    const int firstColumn = std::max(firstLeft + shift.x(), 0);
    const int lastColumn = std::min(lastLeft + rectWidth - 1 + shift.x(), image->width() - 1);
    std::vector<std::pair<int, int>> runs;  // rows top..bottom over the current column
    for (int column = firstColumn; column <= lastColumn; ++column) {
        runs.clear();
        const int c = column - shift.x();
        for (int left = std::max(c - rectWidth + 1, firstLeft); left <= std::min(c, lastLeft); ++left) {
            const int i = startingAt[static_cast<std::size_t>(left - firstLeft)];
            if (i < 0)
                continue;
            const int top = std::max(rects[i].top() + shift.y(), 0);
            const int bottom = std::min(rects[i].bottom() + shift.y(), height - 1);
            if (top <= bottom)
                runs.emplace_back(top, bottom);
        }
        std::sort(runs.begin(), runs.end());
        int y = 0;  // first row not yet written in this column
        for (const auto& [top, bottom] : runs) {
            const int from = std::max(top, y);
            uchar* at = bits + static_cast<qsizetype>(from) * stride + static_cast<qsizetype>(column) * 4;
            for (int rows = bottom - from + 1; rows > 0; --rows, at += stride)
                *reinterpret_cast<QRgb*>(at) = pixel;
            y = std::max(y, bottom + 1);
        }
    }
    return true;
}

}  // namespace

bool SpanFiller::fillable(const QPainter& painter)
{
    // Positions shifted by whole pixels keep their rasterisation; anything else may not.
    const QTransform t = painter.deviceTransform();
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster &&
           t.type() <= QTransform::TxTranslate && t.dx() == std::round(t.dx()) && t.dy() == std::round(t.dy()) &&
           !painter.testRenderHint(QPainter::Antialiasing) &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver;
}

const SpanFiller::Box* SpanFiller::boxOf(const QPen& pen)
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

void SpanFiller::draw(QPainter& painter, const ColumnStrokes& strokes)
{
    const QPen pen = painter.pen();
    const Box* box = fillable(painter) ? boxOf(pen) : nullptr;
    if (!box) {
        painter.drawLines(ColumnSegments::spanLines(strokes.spans));
        painter.drawLines(strokes.joins);
        return;
    }
    // One-pixel pens are drawn by Qt's cosmetic line drawing, the one that leaves the bottom row
    // to the span's withBottom; wider pens are not.
    const bool thin = pen.isCosmetic() || pen.widthF() <= 1.0;
    QVector<QRect> rects;
    rects.reserve(strokes.spans.size());
    for (const ColumnSpan& span : strokes.spans) {
        const int bottom = thin && span.withBottom ? std::max(span.bottom + box->below, span.bottom)
                                                   : span.bottom + box->below;
        rects.append(QRect(QPoint(span.x + box->left, span.top - box->above), QPoint(span.x + box->right, bottom)));
    }
    const QColor color = pen.color();
    if (!writeDirect(painter, rects, color)) {
        for (const QRect& rect : rects)
            painter.fillRect(rect, color);
    }
    painter.drawLines(thin ? strokes.joins : uncovered(strokes, rects, pen.widthF()));
}

QVector<QLine> SpanFiller::uncovered(const ColumnStrokes& strokes, const QVector<QRect>& rects, qreal width)
{
    if (rects.isEmpty())
        return strokes.joins;
    // rectAt[x − firstX]: the rect of the span in column x, or −1.
    int firstX = strokes.spans.front().x;
    int lastX = firstX;
    for (const ColumnSpan& span : strokes.spans) {
        firstX = std::min(firstX, span.x);
        lastX = std::max(lastX, span.x);
    }
    std::vector<int> rectAt(static_cast<std::size_t>(lastX - firstX + 1), -1);
    for (int i = 0; i < strokes.spans.size(); ++i)
        rectAt[static_cast<std::size_t>(strokes.spans[i].x - firstX)] = i;
    const auto rectOf = [&](int x) -> const QRect* {
        if (x < firstX || x > lastX)
            return nullptr;
        const int i = rectAt[static_cast<std::size_t>(x - firstX)];
        return i < 0 ? nullptr : &rects[i];
    };

    // A stroked line stays within half its width times √2 of its ends, caps and all, and covers
    // a pixel only when the pixel's centre lies inside it; a little extra allows for rounding.
    const double reach = width / 2.0 * std::sqrt(2.0) + 0.01;
    QVector<QLine> kept;
    std::vector<std::pair<int, int>> rows;
    for (const QLine& join : strokes.joins) {
        const QRect* a = rectOf(join.x1());
        const QRect* b = rectOf(join.x2());
        bool covered = a && b && std::abs(join.dx()) == 1;
        const int firstColumn = static_cast<int>(std::ceil(std::min(join.x1(), join.x2()) - reach - 0.5));
        const int lastColumn = static_cast<int>(std::floor(std::max(join.x1(), join.x2()) + reach - 0.5));
        const int firstRow = static_cast<int>(std::ceil(std::min(join.y1(), join.y2()) - reach - 0.5));
        const int lastRow = static_cast<int>(std::floor(std::max(join.y1(), join.y2()) + reach - 0.5));
        for (int column = firstColumn; covered && column <= lastColumn; ++column) {
            // The rows the two spans' rects hold in this column must take in the join's rows.
            rows.clear();
            for (const QRect* r : {a, b})
                if (column >= r->left() && column <= r->right())
                    rows.emplace_back(r->top(), r->bottom());
            std::sort(rows.begin(), rows.end());
            int reached = firstRow;  // rows above this one are covered
            for (const auto& [top, bottom] : rows)
                if (top <= reached)
                    reached = std::max(reached, bottom + 1);
            covered = reached > lastRow;
        }
        if (!covered)
            kept.append(join);
    }
    return kept;
}
