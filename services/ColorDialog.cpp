#include "ColorDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QScreen>
#include <QWidget>

namespace {
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
    // Slots without a kept colour stay empty (white in the dialog).
    for (int i = 0; i < int(customColors_.size()); ++i)
        QColorDialog::setCustomColor(i, customColors_[i].isValid() ? customColors_[i] : QColor(Qt::white));
}

void ColorDialog::storeCustomColors()
{
    for (int i = 0; i < int(customColors_.size()); ++i)
        customColors_[i] = QColorDialog::customColor(i);
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
