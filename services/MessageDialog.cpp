#include "MessageDialog.h"

#include "Beeper.h"
#include "DialogUnits.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int iconSize = 32;

QString okCaption() { return QCoreApplication::translate("MessageDialog", "OK"); }

QFont messageBoxFont()
{
    return QApplication::font("QMessageBox");
}

}  // namespace

MessageDialogGeometry messageDialogGeometry(const QFont& font, const QString& message,
                                            int screenWidth)
{
    const DialogUnits units(font);
    const QFontMetrics metrics(font);
    const QRect measured =
        metrics.boundingRect(QRect(0, 0, screenWidth / 2, 0),
                             Qt::TextWordWrap | Qt::TextExpandTabs | Qt::AlignLeft, message);
    const int textWidth = measured.width();
    const int textHeight = measured.height();

    const int blockWidth = textWidth + iconSize + units.h(10);
    const int blockHeight = std::max(textHeight, iconSize);

    const int buttonWidth =
        std::max(units.h(50), metrics.horizontalAdvance(okCaption().remove(u'&')) + 8);
    const int buttonHeight = units.v(14);
    const int rowWidth = buttonWidth;  // one button, so no spacing of h(4) between buttons

    MessageDialogGeometry g;
    g.client = QSize(std::max(blockWidth, rowWidth) + 2 * units.h(8),
                     blockHeight + buttonHeight + units.v(10) + 2 * units.v(8));
    g.icon = QRect(units.h(8), units.v(8), iconSize, iconSize);
    g.message = QRect(units.h(8) + iconSize + units.h(10), units.v(8), textWidth, textHeight);
    g.okButton = QRect((g.client.width() - rowWidth) / 2, blockHeight + units.v(8) + units.v(10),
                       buttonWidth, buttonHeight);
    return g;
}

QString messageDialogClipboardText(const QString& title, const QString& message,
                                   const QStringList& buttonCaptions)
{
    const QString newline = QStringLiteral("\r\n");
    const QString divider = QString(27, u'-') + newline;
    QString buttons;
    for (const QString& caption : buttonCaptions)
        buttons += caption + QStringLiteral("   ");
    buttons.remove(u'&');
    return divider + title + newline + divider + message + newline + divider + buttons + newline
        + divider;
}

int showMessageDialog(Beeper& beeper, const QString& message)
{
    const QString title = QCoreApplication::translate("MessageDialog", "Fehler");
    QDialog dialog(QApplication::activeWindow(),
                   Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                       | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setObjectName(QStringLiteral("MessageDialog"));
    dialog.setWindowTitle(title);
    dialog.setFont(messageBoxFont());
    dialog.setWindowModality(Qt::ApplicationModal);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const MessageDialogGeometry g = messageDialogGeometry(dialog.font(), message, screen.width());

    auto* icon = new QLabel(&dialog);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(dialog.style()
                        ->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, &dialog)
                        .pixmap(iconSize, iconSize));
    icon->setGeometry(g.icon);

    auto* text = new QLabel(message, &dialog);
    text->setObjectName(QStringLiteral("message"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(g.message);

    auto* ok = new QPushButton(okCaption(), &dialog);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    ok->setGeometry(g.okButton);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(QMessageBox::Ok); });

    // "OK" is the escape button too; only the close box gives the cancel result.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &dialog);
    QObject::connect(escape, &QShortcut::activated, &dialog,
                     [&dialog] { dialog.done(QMessageBox::Ok); });
    auto* copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_C), &dialog);
    QObject::connect(copy, &QShortcut::activated, &dialog, [&] {
        beeper.beep();
        QGuiApplication::clipboard()->setText(
            messageDialogClipboardText(title, message, QStringList{ok->text()}));
    });

    dialog.setFixedSize(g.client);
    // Placing the client area keeps the window centred whatever its frame.
    dialog.setGeometry(QRect(screen.center() - QPoint(g.client.width() / 2, g.client.height() / 2),
                             g.client));
    ok->setFocus();
    return dialog.exec() == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel;
}
