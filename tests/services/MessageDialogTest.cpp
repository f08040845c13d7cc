#include "BeepCounter.h"
#include "DialogUnits.h"
#include "MessageDialog.h"
#include "ModalAnswer.h"
#include "ScopedProgramFont.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString invalidNumber = QStringLiteral("Die Eingabe war keine gültige Zahl!");

int bottom(const QRect& r)
{
    return r.top() + r.height();
}

struct MessageDialog : ::testing::Test {
    ScopedProgramFont font;
    BeepCounter beeps;
};

TEST_F(MessageDialog, LongMessagesWrapWithinHalfTheScreen)
{
    const QFont font = QApplication::font();
    const DialogUnits u(font);
    const int line = QFontMetrics(font).height();
    QString message;
    for (int i = 0; i < 40; ++i)
        message += QStringLiteral("Räuber fressen Beute. ");
    for (int screenWidth : {640, 1280}) {
        SCOPED_TRACE(screenWidth);
        const MessageDialogGeometry g = messageDialogGeometry(font, message, screenWidth);
        EXPECT_LE(g.message.width(), screenWidth / 2);
        EXPECT_GT(g.message.width(), screenWidth / 2 - 200);
        EXPECT_GE(g.message.height(), 3 * line);
        EXPECT_EQ(g.okButton.top(), g.message.height() + u.v(8) + u.v(10));
        EXPECT_EQ(g.client.height(), bottom(g.okButton) + u.v(8));
        EXPECT_LE(std::abs(g.okButton.center().x() - g.client.width() / 2), 1);
    }
    // A short message stays on one line.
    EXPECT_LT(messageDialogGeometry(font, invalidNumber, 1280).message.height(), 2 * line);
}

TEST_F(MessageDialog, ClipboardTextFramesTitleMessageAndButtons)
{
    const QString dashes = QString(27, u'-');
    EXPECT_EQ(messageDialogClipboardText(QStringLiteral("Fehler"), invalidNumber,
                                         {QStringLiteral("OK")}),
              dashes + "\r\nFehler\r\n" + dashes + "\r\n" + invalidNumber + "\r\n" + dashes
                  + "\r\nOK   \r\n" + dashes + "\r\n");
    EXPECT_EQ(messageDialogClipboardText(QStringLiteral("T"), QStringLiteral("M"),
                                         {QStringLiteral("&Ja"), QStringLiteral("&Nein")}),
              dashes + "\r\nT\r\n" + dashes + "\r\nM\r\n" + dashes + "\r\nJa   Nein   \r\n" + dashes
                  + "\r\n");
}

TEST_F(MessageDialog, WindowShowsIconMessageAndOkLaidOutAndCentred)
{
    bool inspected = false;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* icon = dialog->findChild<QLabel*>(QStringLiteral("icon"));
        auto* message = dialog->findChild<QLabel*>(QStringLiteral("message"));
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("ok"));
        ASSERT_TRUE(icon && message && ok);

        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Fehler"));
        EXPECT_EQ(message->text(), invalidNumber);
        EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(dialog->findChildren<QPushButton*>().size(), 1);

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const MessageDialogGeometry g =
            messageDialogGeometry(dialog->font(), invalidNumber, screen.width());
        EXPECT_EQ(icon->geometry(), g.icon);
        EXPECT_EQ(message->geometry(), g.message);
        EXPECT_EQ(ok->geometry(), g.okButton);
        EXPECT_EQ(dialog->size(), g.client);
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_LE((dialog->geometry().center() - screen.center()).manhattanLength(), 2);
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
        inspected = true;
        ok->click();
    });
    EXPECT_EQ(showMessageDialog(beeps, invalidNumber), QMessageBox::Ok);
    EXPECT_TRUE(inspected);
}

enum class Answer { EnterKey, EscapeKey, ClickOk, CloseBox };

void PrintTo(Answer answer, std::ostream* out)
{
    const char* names[] = {"Enter", "Esc", "OK", "close box"};
    *out << names[static_cast<int>(answer)];
}

struct MessageDialogAnswer : MessageDialog, ::testing::WithParamInterface<std::pair<Answer, int>> {};

// OK is default and escape button; only the close box gives the cancel result.
TEST_P(MessageDialogAnswer, GivesTheResultOfTheWayItWasClosed)
{
    const Answer answer = GetParam().first;
    whenModalOpens([answer](QWidget* dialog) {
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("ok"));
        ASSERT_NE(ok, nullptr);
        switch (answer) {
        case Answer::EnterKey:
            QTest::keyClick(ok, Qt::Key_Return);
            break;
        case Answer::EscapeKey:
            QTest::keyClick(ok, Qt::Key_Escape);
            break;
        case Answer::ClickOk:
            QTest::mouseClick(ok, Qt::LeftButton);
            break;
        case Answer::CloseBox:
            dialog->close();
            break;
        }
    });
    EXPECT_EQ(showMessageDialog(beeps, invalidNumber), GetParam().second);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, MessageDialogAnswer, ::testing::Values(
    std::pair{Answer::EnterKey, int(QMessageBox::Ok)}, std::pair{Answer::EscapeKey, int(QMessageBox::Ok)},
    std::pair{Answer::ClickOk, int(QMessageBox::Ok)}, std::pair{Answer::CloseBox, int(QMessageBox::Cancel)}));

TEST_F(MessageDialog, CtrlCBeepsAndCopiesTheDialogAsText)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
    QString copied;
    bool stillOpen = false;
    whenModalOpens([&](QWidget* dialog) {
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("ok"));
        ASSERT_NE(ok, nullptr);
        QTest::keyClick(ok, Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
        stillOpen = dialog->isVisible();
        ok->click();
    });
    showMessageDialog(beeps, invalidNumber);
    EXPECT_EQ(beeps.count, 1);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(copied, messageDialogClipboardText(QStringLiteral("Fehler"), invalidNumber,
                                                 {QStringLiteral("OK")}));
}

}  // namespace
