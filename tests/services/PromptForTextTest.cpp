#include "DialogUnits.h"
#include "ModalAnswer.h"
#include "PromptForText.h"
#include "ScopedProgramFont.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString roundsPrompt = QStringLiteral("Wieviele Runden sollen simuliert werden");

struct Prompt : ::testing::Test {
    ScopedProgramFont font;
};

int bottom(const QRect& r)
{
    return r.top() + r.height();
}

TEST_F(Prompt, LabelWrapsLongPromptsAndPushesTheRestDown)
{
    const QFont font = QApplication::font();
    const DialogUnits u(font);
    const int line = QFontMetrics(font).height();
    struct Row {
        QString prompt;
        int minLines, maxLines;
    };
    const Row rows[] = {
        {roundsPrompt, 1, 1},
        {QString(), 1, 1},  // an empty prompt still takes one line
        {roundsPrompt + QStringLiteral(" und wie schnell, und mit wieviel Insektizid, und ")
             + QStringLiteral("wann soll der nächste Durchgang beginnen, bitte schön?"),
         3, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.prompt.toStdString());
        const PromptGeometry g = promptGeometry(font, row.prompt, 21);
        EXPECT_LE(g.label.width(), u.h(164));
        EXPECT_GE(g.label.height(), row.minLines * line);
        EXPECT_LT(g.label.height(), (row.maxLines + 1) * line);
        EXPECT_EQ(g.edit.top(), bottom(g.label) + 5);
        EXPECT_EQ(g.client.height(), bottom(g.edit) + 15 + u.v(14) + 13);
    }
}

TEST_F(Prompt, WindowIsLaidOutFixedCentredInTheDefaultFontWithTheTextSelected)
{
    QWidget owner;
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(20);
    owner.setFont(big);  // the prompt does not inherit its owner's font
    owner.show();

    bool inspected = false;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* label = dialog->findChild<QLabel*>(QStringLiteral("prompt"));
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("edit"));
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("ok"));
        auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("cancel"));
        ASSERT_TRUE(label && edit && ok && cancel);

        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Rundenvorgabe"));
        EXPECT_EQ(label->text(), roundsPrompt);
        EXPECT_EQ(dialog->font(), QApplication::font());
        EXPECT_EQ(edit->maxLength(), 255);
        EXPECT_EQ(edit->selectedText(), QStringLiteral("17"));
        EXPECT_TRUE(edit->hasFocus());
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(cancel->text(), QStringLiteral("Abbrechen"));

        const PromptGeometry g = promptGeometry(QApplication::font(), roundsPrompt, edit->height());
        EXPECT_EQ(label->geometry(), g.label);
        EXPECT_EQ(edit->geometry(), g.edit);
        EXPECT_EQ(ok->geometry(), g.okButton);
        EXPECT_EQ(cancel->geometry(), g.cancelButton);
        EXPECT_EQ(dialog->size(), g.client);
        EXPECT_EQ(dialog->minimumSize(), g.client);
        EXPECT_EQ(dialog->maximumSize(), g.client);

        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

        const QPoint screenCenter = QGuiApplication::primaryScreen()->geometry().center();
        EXPECT_LE((dialog->geometry().center() - screenCenter).manhattanLength(), 2);
        inspected = true;
        cancel->click();
    });
    QString text = QStringLiteral("17");
    promptForText(QStringLiteral("Rundenvorgabe"), roundsPrompt, text, &owner);
    EXPECT_TRUE(inspected);
}

enum class Answer { EnterKey, ClickOk, ClickCancel };

struct AnswerRow {
    Answer answer;
    bool confirmed;
    const char* textAfter;
};

void PrintTo(const AnswerRow& row, std::ostream* out)
{
    const char* names[] = {"Enter", "OK", "Abbrechen"};
    *out << names[static_cast<int>(row.answer)];
}

struct PromptAnswer : Prompt, ::testing::WithParamInterface<AnswerRow> {};

TEST_P(PromptAnswer, ConfirmsOrLeavesTheTextUntouched)
{
    const AnswerRow row = GetParam();
    whenModalOpens([&row](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("edit"));
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QStringLiteral("42"));  // replaces the selected text
        switch (row.answer) {
        case Answer::EnterKey:
            QTest::keyClick(edit, Qt::Key_Return);
            break;
        case Answer::ClickOk:
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
            break;
        case Answer::ClickCancel:
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancel")),
                              Qt::LeftButton);
            break;
        }
    });
    QString text = QStringLiteral("alt");
    const bool confirmed = promptForText(QStringLiteral("Frage"), QStringLiteral("Zahl?"), text);
    EXPECT_EQ(confirmed, row.confirmed);
    EXPECT_EQ(text, QString::fromLatin1(row.textAfter));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, PromptAnswer, ::testing::Values(
    AnswerRow{Answer::EnterKey, true, "42"}, AnswerRow{Answer::ClickOk, true, "42"},
    AnswerRow{Answer::ClickCancel, false, "alt"}));

TEST_F(Prompt, TakesAtMost255Characters)
{
    whenModalOpens([](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("edit"));
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        edit->insert(QString(300, u'7'));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QString text;
    EXPECT_TRUE(promptForText(QStringLiteral("Frage"), QStringLiteral("Zahl?"), text));
    EXPECT_EQ(text, QString(255, u'7'));
}

}  // namespace
