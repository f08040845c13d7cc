#include "SpinEdit.h"

#include "ParseInteger.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace {

constexpr int buttonWidth = 15;

// A typed character the box takes: a digit, a sign, the decimal separator, or a control
// character other than Enter (Backspace, and the codes that come with Ctrl shortcuts).
bool acceptedCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'\r' || u == u'\n')
        return false;
    if (u < 0x20 || u == 0x7F)
        return true;
    if ((u >= u'0' && u <= u'9') || u == u'+' || u == u'-')
        return true;
    return QLocale().decimalPoint() == QString(c);
}

}  // namespace

SpinEdit::SpinEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), up_(new QToolButton(edit_)),
      down_(new QToolButton(edit_))
{
    edit_->setObjectName(QStringLiteral("edit"));
    edit_->setText(QStringLiteral("0"));
    // Every typed character must come as a key event, so that the filter sees it.
    edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit_->installEventFilter(this);
    setFocusPolicy(edit_->focusPolicy());
    setFocusProxy(edit_);

    const auto configure = [this](QToolButton* button, Qt::ArrowType arrow, int direction,
                               const QString& name) {
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::ArrowCursor);
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(400);
        button->setAutoRepeatInterval(100);
        // pressed() comes once on the press and again with every repetition, never on release.
        connect(button, &QToolButton::pressed, this, [this, direction] {
            if (!edit_->hasFocus())
                edit_->setFocus(Qt::MouseFocusReason);
            step(direction);
        });
    };
    configure(up_, Qt::UpArrow, +1, QStringLiteral("up"));
    configure(down_, Qt::DownArrow, -1, QStringLiteral("down"));
    edit_->setTextMargins(0, 0, buttonWidth, 0);
    setMinimumHeight(minimumSizeHint().height());
}

int SpinEdit::value() const
{
    return parseInteger(edit_->text().toStdString()).value_or(minimum_);
}

void SpinEdit::setValue(int value)
{
    edit_->setText(QString::number(clamped(value)));
}

int SpinEdit::clamped(qint64 value) const
{
    if (minimum_ != maximum_)
        value = std::clamp<qint64>(value, std::min(minimum_, maximum_), std::max(minimum_, maximum_));
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

void SpinEdit::step(int direction)
{
    // Computed wide, so a step from the largest integer lands on the limit instead of wrapping.
    setValue(clamped(qint64{value()} + direction));
}

bool SpinEdit::filterKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        step(+1);
        return true;
    case Qt::Key_Down:
        step(-1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit keyRefused();
        return true;
    default:
        break;
    }
    // Shortcuts such as paste and cut are not typed characters.
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    if (std::all_of(text.begin(), text.end(), acceptedCharacter))
        return false;
    emit keyRefused();
    return true;
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_) {
        if (event->type() == QEvent::KeyPress)
            return filterKey(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) {
            // Only a move of the focus to another control counts as leaving the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                const int typed = value();
                if (clamped(typed) != typed)
                    setValue(typed);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinEdit::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    edit_->setGeometry(rect());
    placeButtons();
}

void SpinEdit::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setMinimumHeight(minimumSizeHint().height());
}

void SpinEdit::placeButtons()
{
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit_);
    const int inner = std::max(2, edit_->height() - 2 * frame);
    const int upHeight = inner / 2;
    const int left = edit_->width() - frame - buttonWidth;
    up_->setGeometry(left, frame, buttonWidth, upHeight);
    down_->setGeometry(left, frame + upHeight, buttonWidth, inner - upHeight);
}

QSize SpinEdit::minimumSizeHint() const
{
    const int own = QFontMetrics(font()).height();
    const int system = QFontMetrics(QApplication::font()).height();
    return QSize(buttonWidth + 20, own + std::min(own, system) / 4 + 4 + 2);
}

QSize SpinEdit::sizeHint() const
{
    return QSize(edit_->sizeHint().width(), minimumSizeHint().height());
}
