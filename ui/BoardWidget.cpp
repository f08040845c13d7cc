#include "BoardWidget.h"

#include "AccessibleParts.h"
#include "GameCore.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {
constexpr int boardSize = GameCore::boardSize;
constexpr int pitch = 48;
constexpr int frameStart = 8;
constexpr int frameSide = 45;
constexpr int frameLine = 2;
constexpr int tileStart = frameStart + frameLine;
constexpr int tileSide = 41;
// Frames are black, blue or green; the cursor must never be mistaken for one of them.
const QColor cursorColor = Qt::magenta;
const QColor cursorGap = Qt::white;

bool isOnBoard(Position cell)
{
    return cell.x >= 1 && cell.x <= boardSize && cell.y >= 1 && cell.y <= boardSize;
}

std::size_t indexOf(Position cell) { return static_cast<std::size_t>((cell.x - 1) * boardSize + cell.y - 1); }

// Transparent where the picture has the colour of its bottom-left pixel.
QImage withoutKeyColor(const QImage& image)
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

QPixmap prepared(const QImage& image, QSize size, bool seeThrough)
{
    QImage picture = seeThrough ? withoutKeyColor(image) : image;
    if (picture.size() != size)
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(picture);
}

void notifyAccessibility(BoardWidget* board, Position cell, QAccessible::Event type)
{
    AccessibleParts::notifyChanged(board, BoardWidget::readingIndex(cell), type);
}
}  // namespace

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent) { frameColors_.fill(Qt::black); }

void BoardWidget::setPictures(const CellPictures& pictures)
{
    if (!pictures.isComplete())
        return;
    background_ = pictures.background;
    backgroundPixmap_ = {};
    const QSize tile(tileSide, tileSide);
    tilePixmaps_ = {prepared(pictures.empty, tile, true), prepared(pictures.prey, tile, false),
                    prepared(pictures.hunter, tile, false)};
    hasPictures_ = true;
    setFocusPolicy(Qt::TabFocus);
    update();
}

void BoardWidget::reset()
{
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            showCell({x, y}, Cell::Empty);
            setFrameColor({x, y}, Qt::black);
        }
    if (std::exchange(framesSolid_, false))
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y)
                update(frameRect({x, y}));
}

void BoardWidget::setFramesSolid()
{
    if (std::exchange(framesSolid_, true))
        return;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            update(frameRect({x, y}));
}

void BoardWidget::showCell(Position cell, Cell content)
{
    const bool known = content == Cell::Empty || content == Cell::Prey || content == Cell::Hunter;
    if (!isOnBoard(cell) || !known || cells_[indexOf(cell)] == content)
        return;
    cells_[indexOf(cell)] = content;
    update(tileRect(cell));
    notifyAccessibility(this, cell, QAccessible::NameChanged);
}

Cell BoardWidget::cell(Position cell) const
{
    return isOnBoard(cell) ? cells_[indexOf(cell)] : Cell::Empty;
}

void BoardWidget::setFrameColor(Position cell, const QColor& color)
{
    if (!isOnBoard(cell) || frameColors_[indexOf(cell)] == color)
        return;
    frameColors_[indexOf(cell)] = color;
    if (framesSolid_)
        update(frameRect(cell));
}

QColor BoardWidget::frameColor(Position cell) const
{
    return isOnBoard(cell) ? frameColors_[indexOf(cell)] : QColor();
}

QRect BoardWidget::tileRect(Position cell)
{
    if (!isOnBoard(cell))
        return {};
    return {pitch * (cell.x - 1) + tileStart, pitch * (cell.y - 1) + tileStart, tileSide, tileSide};
}

QRect BoardWidget::frameRect(Position cell)
{
    return {pitch * (cell.x - 1) + frameStart, pitch * (cell.y - 1) + frameStart, frameSide, frameSide};
}

int BoardWidget::readingIndex(Position cell) { return (cell.y - 1) * boardSize + cell.x - 1; }

Position BoardWidget::cellAtReadingIndex(int index) { return {index % boardSize + 1, index / boardSize + 1}; }

Position BoardWidget::cellAt(QPoint point)
{
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (tileRect({x, y}).contains(point))
                return {x, y};
    return {};
}

const QPixmap& BoardWidget::tilePixmap(Cell content) const
{
    return tilePixmaps_[static_cast<std::size_t>(content)];
}

void BoardWidget::paintEvent(QPaintEvent* event)
{
    if (!hasPictures_)
        return;
    if (backgroundPixmap_.size() != size())
        backgroundPixmap_ = prepared(background_, size(), false);
    QPainter painter(this);
    painter.drawPixmap(event->rect(), backgroundPixmap_, event->rect());
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            const Position cell{x, y};
            if (!event->region().intersects(frameRect(cell)))
                continue;
            if (framesSolid_)
                paintFrame(painter, cell);
            painter.drawPixmap(tileRect(cell).topLeft(), tilePixmap(cells_[indexOf(cell)]));
        }
    if (hasFocus())
        paintCursor(painter);
}

void BoardWidget::paintFrame(QPainter& painter, Position cell) const
{
    // Filled strips rather than a stroked rectangle: exact pixels, no half-pixel pen offsets.
    const QRect r = frameRect(cell);
    const QColor& color = frameColors_[indexOf(cell)];
    painter.fillRect(r.x(), r.y(), r.width(), frameLine, color);
    painter.fillRect(r.x(), r.bottom() + 1 - frameLine, r.width(), frameLine, color);
    painter.fillRect(r.x(), r.y() + frameLine, frameLine, r.height() - 2 * frameLine, color);
    painter.fillRect(r.right() + 1 - frameLine, r.y() + frameLine, frameLine, r.height() - 2 * frameLine, color);
}

void BoardWidget::paintCursor(QPainter& painter) const
{
    // Two pixels inside the tile, so the frame around it keeps its colour readable; dots of two
    // colours, so it shows on any picture.
    const QRect ring = tileRect(cursor_).adjusted(2, 2, -3, -3);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(cursorGap, 1));
    painter.drawRect(ring);
    painter.setPen(QPen(cursorColor, 1, Qt::DotLine));
    painter.drawRect(ring);
}

void BoardWidget::mousePressEvent(QMouseEvent* event)
{
    if (!hasPictures_ || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = cellAt(event->position().toPoint());
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!hasPictures_ || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Position pressed = std::exchange(pressed_, Position{});
    if (isOnBoard(pressed) && cellAt(event->position().toPoint()) == pressed)
        emit cellClicked(pressed);
}

void BoardWidget::keyPressEvent(QKeyEvent* event)
{
    if (!hasPictures_) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: moveCursor(-1, 0); break;
    case Qt::Key_Right: moveCursor(1, 0); break;
    case Qt::Key_Up: moveCursor(0, -1); break;
    case Qt::Key_Down: moveCursor(0, 1); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A held key is one click, as a held button is.
        if (!event->isAutoRepeat())
            emit cellClicked(cursor_);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void BoardWidget::moveCursor(int dx, int dy)
{
    const Position next{std::clamp(cursor_.x + dx, 1, boardSize), std::clamp(cursor_.y + dy, 1, boardSize)};
    if (next == cursor_)
        return;
    update(tileRect(cursor_));
    cursor_ = next;
    update(tileRect(cursor_));
    if (hasFocus())
        notifyAccessibility(this, cursor_, QAccessible::Focus);
}

// The cursor is the only thing focus changes, so only its tile is repainted.
void BoardWidget::focusInEvent(QFocusEvent*)
{
    update(tileRect(cursor_));
    notifyAccessibility(this, cursor_, QAccessible::Focus);
}

void BoardWidget::focusOutEvent(QFocusEvent*) { update(tileRect(cursor_)); }
