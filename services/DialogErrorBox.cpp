#include "DialogErrorBox.h"

#include "MessageDialog.h"

#include <QMessageBox>

void DialogErrorBox::showCritical(const QString& text, const QString& title, QWidget* owner)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

int DialogErrorBox::showMessageDialog(const QString& message)
{
    return ::showMessageDialog(beeper_, message);
}
