#include "ColorDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QScreen>
#include <QWidget>

namespace {
constexpr int customSlots = 16;

QScreen* screenOfActiveWindow(QWidget* owner)
{
    if (QWidget* active = QApplication::activeWindow())
        return active->screen();
    if (owner)
        return owner->window()->screen();
    return QGuiApplication::primaryScreen();
}
}  // namespace

QPoint ColorDialog::placement(const QRect& monitor, const QSize& dialog)
{
    return {monitor.left() + (monitor.width() - dialog.width()) / 2,
            monitor.top() + (monitor.height() - dialog.height()) / 3};
}

void ColorDialog::applyCustomColors() const
{
    // Slots without a stored colour stay empty (white in the dialog).
    for (int i = 0; i < customSlots; ++i) {
        const QString& stored = i < customColors_.size() ? customColors_[i] : QString();
        const QString value = stored.section('=', 1);
        bool ok = false;
        const uint rgb = value.toUInt(&ok, 16);
        QColorDialog::setCustomColor(i, ok && !value.isEmpty() ? QColor(QRgb(rgb)) : QColor(Qt::white));
    }
}

void ColorDialog::storeCustomColors()
{
    customColors_.clear();
    for (int i = 0; i < customSlots; ++i) {
        const QColor c = QColorDialog::customColor(i);
        const QString hex = QStringLiteral("%1").arg(c.rgb() & 0xFFFFFF, 6, 16, QChar('0')).toUpper();
        customColors_ << QStringLiteral("Color%1=%2").arg(QChar('A' + i)).arg(hex);
    }
}

bool ColorDialog::exec()
{
    // From our own list every time, so custom colours defined in a cancelled dialog are not
    // kept.
    applyCustomColors();
    QColorDialog dialog(owner_);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(color_);
    dialog.adjustSize();
    if (QScreen* screen = screenOfActiveWindow(owner_))
        dialog.move(placement(screen->availableGeometry(), dialog.frameGeometry().size()));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    color_ = dialog.selectedColor();
    storeCustomColors();
    return true;
}
