#include "PromptForText.h"

#include "DialogUnits.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

PromptGeometry promptGeometry(const QFont& font, const QString& prompt, int editHeight)
{
    const DialogUnits units(font);
    const QFontMetrics metrics(font);
    // An empty prompt still takes one line, as a label does.
    const QString measuredText = prompt.isEmpty() ? QStringLiteral(" ") : prompt;
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, units.h(164), 0),
                                               Qt::TextWordWrap | Qt::AlignLeft, measuredText);

    PromptGeometry g;
    g.label = QRect(units.h(8), units.v(8), std::min(wrapped.width(), units.h(164)),
                    wrapped.height());
    g.edit = QRect(g.label.left(), g.label.top() + g.label.height() + 5, units.h(164), editHeight);
    const int buttonTop = g.edit.top() + g.edit.height() + 15;
    g.okButton = QRect(units.h(38), buttonTop, units.h(50), units.v(14));
    g.cancelButton = QRect(units.h(92), buttonTop, units.h(50), units.v(14));
    g.client = QSize(units.h(180), g.cancelButton.top() + g.cancelButton.height() + 13);
    return g;
}

bool promptForText(const QString& caption, const QString& prompt, QString& text, QWidget* parent)
{
    QDialog dialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setObjectName(QStringLiteral("PromptForText"));
    dialog.setWindowTitle(caption);
    dialog.setFont(QApplication::font());

    auto* label = new QLabel(prompt, &dialog);
    label->setObjectName(QStringLiteral("prompt"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(QStringLiteral("edit"));
    edit->setMaxLength(255);
    edit->setText(text);
    edit->selectAll();

    auto* ok = new QPushButton(QCoreApplication::translate("PromptForText", "OK"), &dialog);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("PromptForText", "Abbrechen"), &dialog);
    cancel->setObjectName(QStringLiteral("cancel"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    const PromptGeometry g = promptGeometry(dialog.font(), prompt, edit->sizeHint().height());
    label->setGeometry(g.label);
    edit->setGeometry(g.edit);
    ok->setGeometry(g.okButton);
    cancel->setGeometry(g.cancelButton);
    dialog.setFixedSize(g.client);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Placing the client area keeps the window centred whatever its frame.
    dialog.setGeometry(QRect(screen.center() - QPoint(g.client.width() / 2, g.client.height() / 2),
                             g.client));
    edit->setFocus();

    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = edit->text();
    return true;
}
