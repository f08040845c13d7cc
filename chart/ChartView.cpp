#include "ChartView.h"

#include "ChartLayout.h"
#include "ChartMath.h"
#include "ChartPainter.h"
#include "Exception.h"
#include "MulDiv.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>


namespace {

QString printerInvalid() { return QCoreApplication::translate("Printer", "Ausgewählter Drucker ist ungültig"); }

// Sets a flag for the lifetime of the scope, also when drawing throws.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent), frame_(new QTimer(this))
{
    model_.setColor(palette().color(QPalette::Button));
    connect(&model_, &ChartModel::changed, this, [this] { update(); });
    connect(&model_, &ChartModel::pointsAdded, this, &ChartView::pointsAdded);
    // New points are shown at most 30 times a second, however fast they come. The paint shares
    // the event loop with the game's 1 ms timer, and at 60 paints a second the monochrome
    // scheme's paints cost that timer some 5 % of its ticks; 30 still shows a growing curve
    // smoothly.
    frame_->setObjectName(QStringLiteral("frameTimer"));
    frame_->setSingleShot(true);
    frame_->setInterval(frameInterval);
    connect(frame_, &QTimer::timeout, this, [this] { update(); });
    // The chart paints every pixel itself; Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached by Tab, so its context menu opens from the keyboard too.
    setFocusPolicy(Qt::TabFocus);
}

ChartView::~ChartView() = default;

void ChartView::pointsAdded()
{
    if (!frame_->isActive())
        frame_->start();
}

ChartGeometry ChartView::draw(QPainter& painter, const QRect& rect, bool printing)
{
    const ChartGeometry geometry = ChartLayout::compute(model_, rect, labels_);
    ChartPainter(model_, geometry, labels_, painter, printing).draw(rect, palette());
    return geometry;
}

void ChartView::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter widgetPainter(this);
    if (printing_) {
        // A print is drawing the chart right now; show what was shown before (in black and
        // white the buffer holds the reduced image).
        widgetPainter.drawImage(0, 0, buffer_);
        return;
    }
    if (buffer_.size() != size())
        buffer_ = QImage(size(), QImage::Format_RGB32);
    {
        QPainter bufferPainter(&buffer_);
        draw(bufferPainter, buffer_.rect(), false);
    }
    if (!model_.isMonochrome()) {
        monoBuffer_ = QImage();
    } else {
        // Qt expands a one-bit image pixel by pixel on every draw, so the buffer is turned into
        // the same black and white picture in the pass that makes the two-level image, and shown.
        if (monoBuffer_.size() != size())
            monoBuffer_ = emptyMonochrome(size());
        threshold(buffer_, monoBuffer_, &buffer_);
    }
    widgetPainter.drawImage(0, 0, buffer_);
    if (hasFocus()) {
        // Where the keyboard is, on screen only: pictures and prints never show it.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &widgetPainter, this);
    }
}

void ChartView::keyPressEvent(QKeyEvent* event)
{
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QPoint middle = rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, middle, mapToGlobal(middle));
    QCoreApplication::sendEvent(this, &menu);
}

void ChartView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ChartView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

QImage ChartView::toMonochrome(const QImage& image)
{
    QImage mono = emptyMonochrome(image.size());
    threshold(image.convertToFormat(QImage::Format_RGB32), mono, nullptr);
    return mono;
}

QImage ChartView::emptyMonochrome(QSize size)
{
    QImage mono(size, QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    return mono;
}

void ChartView::threshold(const QImage& color, QImage& mono, QImage* shown)
{
    // A plain threshold, no dithering, so a curve stays one crisp line: red, blue, green and
    // black turn black; white, silver and grey 0x808080 (grey level exactly 128) turn white.
    // A chart is long runs of the same colour, so the grey level is worked out once per run.
    const int width = color.width();
    for (int y = 0; y < color.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(color.constScanLine(y));
        QRgb* out = shown ? reinterpret_cast<QRgb*>(shown->scanLine(y)) : nullptr;
        uchar* bits = mono.scanLine(y);
        std::fill(bits, bits + (width + 7) / 8, uchar{0});
        QRgb last = 0;
        bool black = true;
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = in[x];
            if (x == 0 || pixel != last) {
                last = pixel;
                black = qGray(pixel) < 128;
            }
            if (black)
                bits[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7));
            if (out)
                out[x] = black ? 0xFF000000u : 0xFFFFFFFFu;
        }
    }
}

void ChartView::printChart(QPrinter& printer)
{
    if (printer.printerState() == QPrinter::Active)
        throw PrinterError(QStringLiteral("Druckvorgang läuft"));
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty())
        throw PrinterError(QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt"));
    if (!printer.isValid())
        throw PrinterError(printerInvalid());

    printer.setDocName(printTitle_);
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrinterError(printerInvalid());
    try {
        drawOnPrinter(painter, QRect(0, 0, printer.width(), printer.height()));
    } catch (...) {
        printer.abort();
        painter.end();
        throw;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw PrinterError(printerInvalid());
}

void ChartView::drawOnPrinter(QPainter& painter, const QRect& page)
{
    using chartmath::roundHalfEven;
    const int marginX = static_cast<int>(roundHalfEven(page.width() * 15 / 100.0));
    const int marginY = static_cast<int>(roundHalfEven(page.height() * 15 / 100.0));
    const int left = marginX;
    const int right = page.width() - marginX;
    const int top = marginY;
    const int bottom = page.height() - marginY;
    const int printWidth = right - left;
    const int printHeight = bottom - top;
    if (printWidth <= 0 || printHeight <= 0)
        throw PrinterError(printerInvalid());

    // The chart keeps its on-screen layout (same bands, same label steps) and is stretched to
    // the print rectangle in each direction on its own.
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    const QPoint topLeft(mulDiv(left, w, printWidth), mulDiv(top, h, printHeight));
    const QPoint bottomRight(mulDiv(right, w, printWidth), mulDiv(bottom, h, printHeight));
    const QRect units(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));

    painter.save();
    try {
        FlagScope printing(printing_);
        painter.scale(static_cast<double>(printWidth) / w, static_cast<double>(printHeight) / h);
        painter.setClipRect(units);
        draw(painter, units, true);
    } catch (...) {
        painter.restore();
        throw;
    }
    painter.restore();
}

void ChartView::copyChartToClipboard()
{
    const QString cannotOpen = QCoreApplication::translate("ChartView", "Zwischenablage kann nicht geöffnet werden");
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw ClipboardError(cannotOpen);
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        draw(painter, image.rect(), false);
    }
    clipboard->setImage(image);
    // A clipboard that refused the image (no owner rights on the display) must not pass for a copy.
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasImage())
        throw ClipboardError(cannotOpen);
}
