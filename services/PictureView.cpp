#include "PictureView.h"

#include "Picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace {
QImage withoutTransparentColor(const QImage& image)
{
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = masked.pixel(0, masked.height() - 1);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if (line[x] == key)
                line[x] = 0;
        }
    }
    // Premultiplied, so smooth scaling does not bleed the key colour into the edges.
    return masked.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Tiles show copies of the same three pictures; sharing the prepared pixmap by the picture's
// cache key means a tile that changes its picture finds it ready.
QPixmap preparedPixmap(const QImage& image, QSize size, bool transparent)
{
    const QString key = QStringLiteral("PictureView/%1/%2x%3/%4")
                            .arg(image.cacheKey())
                            .arg(size.width())
                            .arg(size.height())
                            .arg(transparent ? 1 : 0);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImage prepared = transparent ? withoutTransparentColor(image) : image;
    if (prepared.size() != size)
        prepared = prepared.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap = QPixmap::fromImage(prepared);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}
}  // namespace

PictureView::PictureView(QWidget* parent) : QWidget(parent), picture_(new Picture(this))
{
    connect(picture_, &Picture::changed, this, qOverload<>(&QWidget::update));
}

void PictureView::setFlag(bool& flag, bool on)
{
    if (flag == on)
        return;
    flag = on;
    update();
}

void PictureView::setStretched(bool on) { setFlag(stretch_, on); }
void PictureView::setCentered(bool on) { setFlag(center_, on); }
void PictureView::setTransparent(bool on) { setFlag(transparent_, on); }

void PictureView::paintEvent(QPaintEvent*)
{
    const QImage& image = picture_->image();
    if (image.isNull() || width() <= 0 || height() <= 0)
        return;
    const QSize target = stretch_ ? size() : image.size();
    const QPixmap pixmap = preparedPixmap(image, target, transparent_);
    QPoint origin(0, 0);
    if (!stretch_ && center_)
        origin = QPoint((width() - target.width()) / 2, (height() - target.height()) / 2);
    QPainter painter(this);
    painter.drawPixmap(origin, pixmap);
}

void PictureView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = true;
}

void PictureView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
