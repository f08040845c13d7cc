#include "BeepCounter.h"
#include "DialogErrorBox.h"
#include "ErrorReporting.h"
#include "Exception.h"
#include "ModalAnswer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

namespace broken {
struct Failure : std::exception {
    const char* what() const noexcept override { return "innen kaputt"; }
};
}  // namespace broken

struct PeriodRow {
    const char16_t* message;
    const char16_t* shown;
};

void PrintTo(const PeriodRow& row, std::ostream* out)
{
    *out << '"' << QString::fromUtf16(row.message).toStdString() << '"';
}

struct ErrorBoxTextRule : ::testing::TestWithParam<PeriodRow> {};

TEST_P(ErrorBoxTextRule, AppendsAPeriodAfterCharactersAbove2E)
{
    EXPECT_EQ(errorBoxText(QString::fromUtf16(GetParam().message)),
              QString::fromUtf16(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Table, ErrorBoxTextRule, ::testing::Values(
    PeriodRow{u"", u""}, PeriodRow{u"Fehler", u"Fehler."}, PeriodRow{u"Fehler.", u"Fehler."},
    PeriodRow{u"Fehler!", u"Fehler!"}, PeriodRow{u"Fehler?", u"Fehler?."},
    PeriodRow{u"Wert:", u"Wert:."}, PeriodRow{u"(x)", u"(x)"}, PeriodRow{u"x ", u"x "},
    PeriodRow{u"x-", u"x-"}, PeriodRow{u"x,", u"x,"}, PeriodRow{u"x/", u"x/."},
    PeriodRow{u"Nummer 1", u"Nummer 1."}, PeriodRow{u"Maß", u"Maß."},
    PeriodRow{u"Räuber\r\n", u"Räuber\r\n"}, PeriodRow{u".", u"."}, PeriodRow{u"/", u"/."}));

// The real box: a stop icon, one OK button, the title and the text; timers keep ticking while
// it is open, because it runs a nested event loop.
struct ErrorBoxWindow : ::testing::Test {
    BeepCounter beeps;
    DialogErrorBox box{beeps};
};

TEST_F(ErrorBoxWindow, IsACriticalBoxWithOneOkButtonAndTimersTickBehindIt)
{
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(2);
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start();

    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget* owner = nullptr;
    bool tickedWhileOpen = false;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        modality = box->windowModality();
        owner = box->parentWidget();
        const int ticksAtOpen = ticks;
        tickedWhileOpen = QTest::qWaitFor([&] { return ticks >= ticksAtOpen + 3; });
        box->button(QMessageBox::Ok)->click();
    });
    showErrorBox(box, PrinterError(QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt")));

    EXPECT_EQ(text, QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt."));
    EXPECT_EQ(title, QStringLiteral("Quorvel"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_EQ(owner, &window);
    EXPECT_TRUE(tickedWhileOpen);
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(ErrorBoxWindow, FatalReportIsACriticalBoxOwnedByNoWindow)
{
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);

    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = &window;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        icon = box->icon();
        owner = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    showFatalError(box, std::runtime_error("Start misslungen"), nullptr);

    EXPECT_EQ(title, QStringLiteral("Anwendungsfehler"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(owner, nullptr);
}

// Refused input gets the program's own message dialog, not a message box; its Ctrl+C beeps with
// the box's beeper, and the way it was closed comes back.
TEST_F(ErrorBoxWindow, MessageDialogIsTheProgramsOwnAndBeepsWithTheBoxsBeeper)
{
    const QString invalidNumber = QStringLiteral("Die Eingabe war keine gültige Zahl!");
    QString name, title, message;
    whenModalOpens([&](QWidget* dialog) {
        name = dialog->objectName();
        title = dialog->windowTitle();
        auto* text = dialog->findChild<QLabel*>(QStringLiteral("message"));
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("ok"));
        ASSERT_TRUE(text && ok);
        message = text->text();
        QTest::keyClick(ok, Qt::Key_C, Qt::ControlModifier);
        dialog->close();
    });
    EXPECT_EQ(box.showMessageDialog(invalidNumber), QMessageBox::Cancel);
    EXPECT_EQ(name, QStringLiteral("MessageDialog"));
    EXPECT_EQ(title, QStringLiteral("Fehler"));
    EXPECT_EQ(message, invalidNumber);
    EXPECT_EQ(beeps.count, 1);
}

// -- the fatal report's text -------------------------------------------------------------------

QString moduleOf(const QString& text)
{
    const auto match = QRegularExpression(QStringLiteral(" in Modul (.+) bei ")).match(text);
    return match.captured(1);
}

qulonglong offsetOf(const QString& text)
{
    const auto match = QRegularExpression(QStringLiteral(" bei ([0-9A-F]{8,})\\.\r\n")).match(text);
    bool ok = false;
    const qulonglong offset = match.captured(1).toULongLong(&ok, 16);
    EXPECT_TRUE(ok) << text.toStdString();
    return offset;
}

struct MessageRow {
    const char16_t* message;
    const char16_t* shown;  // what follows the first line
};

void PrintTo(const MessageRow& row, std::ostream* out)
{
    *out << '"' << QString::fromUtf16(row.message).toStdString() << '"';
}

struct FatalErrorMessage : ::testing::TestWithParam<MessageRow> {};

// Unlike the error box, only a message that does not already end in "." gets one.
TEST_P(FatalErrorMessage, EndsInExactlyOnePeriodUnlessEmpty)
{
    const QString text =
        fatalErrorText(ConvertError(QString::fromUtf16(GetParam().message)), nullptr);
    const qsizetype firstLineEnd = text.indexOf(QStringLiteral("\r\n"));
    ASSERT_GT(firstLineEnd, 0);
    EXPECT_EQ(text.mid(firstLineEnd + 2), QString::fromUtf16(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Table, FatalErrorMessage, ::testing::Values(
    MessageRow{u"kaputt", u"kaputt.\r\n"}, MessageRow{u"kaputt.", u"kaputt.\r\n"},
    MessageRow{u"kaputt!", u"kaputt!.\r\n"}, MessageRow{u"", u"\r\n"},
    MessageRow{u"x ", u"x .\r\n"}, MessageRow{u"Wert?", u"Wert?.\r\n"}));

TEST(FatalErrorText, NamesTheClassOfTheFamilyOrTheDemangledType)
{
    struct Row {
        QString text;
        const char* className;
    };
    const Row rows[] = {
        {fatalErrorText(ConvertError(QStringLiteral("a")), nullptr), "EConvertError"},
        {fatalErrorText(ClipboardError(QStringLiteral("a")), nullptr), "EClipboardException"},
        {fatalErrorText(std::runtime_error("a"), nullptr), "std::runtime_error"},
        {fatalErrorText(broken::Failure(), nullptr), "(anonymous namespace)::broken::Failure"},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(row.text.startsWith(QStringLiteral("Exception %1 in Modul ").arg(row.className)))
            << row.text.toStdString();
}

void functionInTheProgram() {}
void otherFunctionInTheProgram() {}

TEST(FatalErrorText, NamesTheModuleFileThatHoldsTheAddress)
{
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString inProgram =
        fatalErrorText(std::runtime_error("a"), reinterpret_cast<const void*>(&functionInTheProgram));
    EXPECT_EQ(moduleOf(inProgram), program);

    const QString inQt =
        fatalErrorText(std::runtime_error("a"), reinterpret_cast<const void*>(&qVersion));
    EXPECT_TRUE(moduleOf(inQt).startsWith(QStringLiteral("libQt6Core.so"))) << inQt.toStdString();

    // An address in no module still names the program.
    EXPECT_EQ(moduleOf(fatalErrorText(std::runtime_error("a"), nullptr)), program);
}

TEST(FatalErrorText, GivesTheOffsetIntoTheModuleInEightUppercaseHexDigits)
{
    const auto* first = reinterpret_cast<const char*>(&functionInTheProgram);
    const auto* second = reinterpret_cast<const char*>(&otherFunctionInTheProgram);
    const QString a = fatalErrorText(std::runtime_error("a"), first);
    const QString b = fatalErrorText(std::runtime_error("a"), second);
    EXPECT_TRUE(QRegularExpression(QStringLiteral(" bei [0-9A-F]{8}\\.\r\n")).match(a).hasMatch())
        << a.toStdString();
    // Offsets into the same module differ exactly as the addresses do, and stay inside its file.
    EXPECT_EQ(static_cast<long long>(offsetOf(b) - offsetOf(a)), static_cast<long long>(second - first));
    EXPECT_LT(offsetOf(a), static_cast<qulonglong>(QFileInfo(QCoreApplication::applicationFilePath()).size()));
    EXPECT_NE(reinterpret_cast<qulonglong>(first), offsetOf(a));
}

TEST(FatalErrorText, HasTheExactFrame)
{
    const QString text = fatalErrorText(ReadError(QStringLiteral("Stream-Lesefehler")), nullptr);
    EXPECT_EQ(text, QStringLiteral("Exception EReadError in Modul %1 bei 00000000.\r\nStream-Lesefehler.\r\n")
                        .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
}

}  // namespace
