#include "BeepCounter.h"
#include "ScopedProgramFont.h"
#include "SpinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QHelpEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The settings group in small: a button before the spin edit, the spin edit as the window lays it
// out, and a button after it whose click reads the value.
struct SpinEditTest : ::testing::Test {
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        before = new QPushButton(QStringLiteral("Simulation"), window.get());
        before->setGeometry(10, 10, 65, 22);
        spin = new SpinEdit(window.get());
        QObject::connect(spin, &SpinEdit::keyRefused, [this] { beeps.beep(); });
        spin->setGeometry(240, 30, 65, 22);
        spin->setMinimum(1);
        spin->setMaximum(1000);
        spin->setValue(10);
        after = new QPushButton(QStringLiteral("Insektizid"), window.get());
        after->setGeometry(240, 60, 65, 18);
        QObject::connect(after, &QPushButton::clicked, [this] { readByClick = spin->value(); });
        window->resize(320, 90);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { window.reset(); }

    QLineEdit* edit() const { return spin->lineEdit(); }
    QToolButton* button(const char* name) const
    {
        return spin->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    // Puts text into the box as a paste would, with the focus in the box.
    void enter(const QString& text)
    {
        edit()->setFocus(Qt::MouseFocusReason);
        edit()->selectAll();
        edit()->insert(text);
        ASSERT_EQ(edit()->text(), text);
    }

    ScopedProgramFont font;
    BeepCounter beeps;
    std::unique_ptr<QWidget> window;
    QPushButton* before = nullptr;
    SpinEdit* spin = nullptr;
    QPushButton* after = nullptr;
    int readByClick = -1;
};

struct LeaveRow {
    const char* text;
    int value;              // read while the box has the focus
    const char* textAfter;  // after the focus left it
};

void PrintTo(const LeaveRow& row, std::ostream* out)
{
    *out << '"' << row.text << '"';
}

struct SpinEditLeaving : SpinEditTest, ::testing::WithParamInterface<LeaveRow> {};

TEST_P(SpinEditLeaving, ReadsTheTextAndClampsOnlyOutOfRangeNumbers)
{
    const LeaveRow row = GetParam();
    enter(QString::fromLatin1(row.text));
    EXPECT_EQ(spin->value(), row.value);
    QTest::keyClick(edit(), Qt::Key_Tab);
    ASSERT_FALSE(edit()->hasFocus());
    EXPECT_EQ(edit()->text(), QString::fromLatin1(row.textAfter));
    EXPECT_EQ(beeps.count, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, SpinEditLeaving, ::testing::Values(
    LeaveRow{"10", 10, "10"}, LeaveRow{"5000", 5000, "1000"}, LeaveRow{"1001", 1001, "1000"},
    LeaveRow{"1000", 1000, "1000"}, LeaveRow{"1", 1, "1"}, LeaveRow{"0", 0, "1"},
    LeaveRow{"-3", -3, "1"}, LeaveRow{"007", 7, "007"}, LeaveRow{"+5", 5, "+5"},
    LeaveRow{"$10", 16, "$10"}, LeaveRow{"$FFFFFFFF", -1, "1"}, LeaveRow{"-2147483648", -2147483647 - 1, "1"},
    // no number: the value reads as the minimum and the text stays as typed
    LeaveRow{"abc", 1, "abc"}, LeaveRow{"", 1, ""}, LeaveRow{"-", 1, "-"}, LeaveRow{"1,5", 1, "1,5"},
    LeaveRow{"12 ", 1, "12 "}, LeaveRow{"2147483648", 1, "2147483648"}));

TEST_F(SpinEditTest, AClickOnAButtonSeesTheClampedValue)
{
    struct Row {
        const char* text;
        int read;
    };
    for (const Row& row : {Row{"0", 1}, Row{"5000", 1000}, Row{"abc", 1}, Row{"25", 25}}) {
        SCOPED_TRACE(row.text);
        enter(QString::fromLatin1(row.text));
        QTest::mouseClick(after, Qt::LeftButton);
        EXPECT_EQ(readByClick, row.read);
    }
}

TEST_F(SpinEditTest, LosingTheFocusToAnotherWindowIsNotLeavingTheBox)
{
    enter(QStringLiteral("5000"));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(edit()->text(), QStringLiteral("5000"));
}

enum class Step { UpKey, DownKey, UpButton, DownButton };

struct StepRow {
    const char* text;
    Step step;
    const char* textAfter;
};

void PrintTo(const StepRow& row, std::ostream* out)
{
    const char* names[] = {"Up", "Down", "up button", "down button"};
    *out << '"' << row.text << "\" " << names[static_cast<int>(row.step)];
}

struct SpinEditStepping : SpinEditTest, ::testing::WithParamInterface<StepRow> {};

TEST_P(SpinEditStepping, StepsFromTheValueReadAndClamps)
{
    const StepRow row = GetParam();
    enter(QString::fromLatin1(row.text));
    switch (row.step) {
    case Step::UpKey:
        QTest::keyClick(edit(), Qt::Key_Up);
        break;
    case Step::DownKey:
        QTest::keyClick(edit(), Qt::Key_Down);
        break;
    case Step::UpButton:
        QTest::mouseClick(button("up"), Qt::LeftButton);
        break;
    case Step::DownButton:
        QTest::mouseClick(button("down"), Qt::LeftButton);
        break;
    }
    EXPECT_EQ(edit()->text(), QString::fromLatin1(row.textAfter));
}

INSTANTIATE_TEST_SUITE_P(Table, SpinEditStepping, ::testing::Values(
    StepRow{"abc", Step::UpKey, "2"}, StepRow{"abc", Step::UpButton, "2"},
    StepRow{"abc", Step::DownKey, "1"}, StepRow{"10", Step::UpKey, "11"},
    StepRow{"10", Step::DownKey, "9"}, StepRow{"10", Step::UpButton, "11"},
    StepRow{"10", Step::DownButton, "9"}, StepRow{"1000", Step::UpKey, "1000"},
    StepRow{"1000", Step::UpButton, "1000"}, StepRow{"1", Step::DownKey, "1"},
    StepRow{"1", Step::DownButton, "1"}, StepRow{"5000", Step::UpKey, "1000"},
    StepRow{"5000", Step::DownKey, "1000"}, StepRow{"-3", Step::UpKey, "1"},
    StepRow{"007", Step::UpKey, "8"},
    // steps are computed wide: the largest and smallest integers do not wrap around
    StepRow{"2147483647", Step::UpKey, "1000"}, StepRow{"-2147483648", Step::DownKey, "1"}));

TEST_F(SpinEditTest, EqualLimitsDoNotClamp)
{
    spin->setMinimum(0);
    spin->setMaximum(0);
    spin->setValue(5000);
    EXPECT_EQ(edit()->text(), QStringLiteral("5000"));
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(edit()->text(), QStringLiteral("5001"));
}

struct TypedRow {
    Qt::Key key;
    const char16_t* text;
    bool accepted;
};

void PrintTo(const TypedRow& row, std::ostream* out)
{
    *out << '"' << QString::fromUtf16(row.text).toStdString() << '"';
}

struct SpinEditTyping : SpinEditTest, ::testing::WithParamInterface<TypedRow> {};

TEST_P(SpinEditTyping, TakesDigitsSignsAndTheDecimalSeparatorAndBeepsAtAnythingElse)
{
    const QLocale savedLocale;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const TypedRow row = GetParam();
    enter(QStringLiteral("12"));
    edit()->end(false);
    QTest::sendKeyEvent(QTest::Click, edit(), row.key, QString::fromUtf16(row.text), Qt::NoModifier);
    QLocale::setDefault(savedLocale);

    const QString typed = QString::fromUtf16(row.text);
    EXPECT_EQ(edit()->text(), row.accepted ? QStringLiteral("12") + typed : QStringLiteral("12"));
    EXPECT_EQ(beeps.count, row.accepted ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Table, SpinEditTyping, ::testing::Values(
    TypedRow{Qt::Key_0, u"0", true}, TypedRow{Qt::Key_7, u"7", true},
    TypedRow{Qt::Key_9, u"9", true}, TypedRow{Qt::Key_Plus, u"+", true},
    TypedRow{Qt::Key_Minus, u"-", true}, TypedRow{Qt::Key_Comma, u",", true},
    TypedRow{Qt::Key_Period, u".", false}, TypedRow{Qt::Key_A, u"a", false},
    TypedRow{Qt::Key_X, u"X", false}, TypedRow{Qt::Key_Dollar, u"$", false},
    TypedRow{Qt::Key_Space, u" ", false}, TypedRow{Qt::Key_Adiaeresis, u"ä", false},
    TypedRow{Qt::Key_E, u"e", false}, TypedRow{Qt::Key_unknown, u"\uFF11", false}));

TEST_F(SpinEditTest, EnterBeepsAndChangesNothing)
{
    enter(QStringLiteral("5000"));
    QTest::keyClick(edit(), Qt::Key_Return);
    QTest::keyClick(edit(), Qt::Key_Enter);
    EXPECT_EQ(edit()->text(), QStringLiteral("5000"));
    EXPECT_EQ(beeps.count, 2);
    EXPECT_TRUE(edit()->hasFocus());
}

TEST_F(SpinEditTest, BackspaceIsAControlCharacterAndWorks)
{
    enter(QStringLiteral("123"));
    edit()->end(false);
    QTest::keyClick(edit(), Qt::Key_Backspace);
    EXPECT_EQ(edit()->text(), QStringLiteral("12"));
    EXPECT_EQ(beeps.count, 0);
}

TEST_F(SpinEditTest, PasteAndCutAreNotFiltered)
{
    enter(QStringLiteral("10"));
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    edit()->selectAll();
    QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit()->text(), QStringLiteral("abc"));
    EXPECT_EQ(spin->value(), 1);
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(edit()->text(), QStringLiteral("2"));

    edit()->selectAll();
    QTest::keyClick(edit(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit()->text(), QString());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2"));
    EXPECT_EQ(beeps.count, 0);
}

TEST_F(SpinEditTest, EnteringByTabSelectsTheWholeText)
{
    QWidget::setTabOrder(before, spin);
    QWidget::setTabOrder(spin, after);
    spin->setValue(345);
    before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(edit()->hasFocus());
    EXPECT_EQ(edit()->selectedText(), QStringLiteral("345"));
    QTest::keyClick(edit(), Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
}

TEST_F(SpinEditTest, PressingASpinButtonMovesTheFocusIntoTheBox)
{
    before->setFocus(Qt::OtherFocusReason);
    ASSERT_FALSE(edit()->hasFocus());
    QTest::mouseClick(button("up"), Qt::LeftButton);
    EXPECT_TRUE(edit()->hasFocus());
    EXPECT_EQ(edit()->text(), QStringLiteral("11"));
}

TEST_F(SpinEditTest, HoldingASpinButtonRepeatsUntilReleased)
{
    QTest::mousePress(button("up"), Qt::LeftButton);
    EXPECT_EQ(edit()->text(), QStringLiteral("11"));  // the first step comes with the press
    ASSERT_TRUE(QTest::qWaitFor([this] { return spin->value() >= 13; }));
    QTest::mouseRelease(button("up"), Qt::LeftButton);
    const int released = spin->value();
    EXPECT_FALSE(button("up")->isDown()) << "no repetition waits any more";
    QCoreApplication::processEvents();
    EXPECT_EQ(spin->value(), released);
}

TEST_F(SpinEditTest, NeverGetsLowerThanItsFontNeeds)
{
    // The window's 22 pixels are enough for its 11-pixel font.
    EXPECT_LE(spin->minimumSizeHint().height(), 22);
    EXPECT_EQ(spin->height(), 22);

    // A larger box font counts the application font's height where that is the smaller one.
    QFont big(QStringLiteral("Liberation Sans"));
    big.setPixelSize(30);
    spin->setFont(big);
    const int own = QFontMetrics(big).height();
    const int application = QFontMetrics(QApplication::font()).height();
    ASSERT_LT(application, own);
    EXPECT_EQ(spin->minimumSizeHint().height(), own + application / 4 + 6);
    spin->resize(65, 22);
    EXPECT_EQ(spin->height(), own + application / 4 + 6);
}

// The caller sets the tool tip on the spin edit; hovering its text or its buttons shows it.
TEST_F(SpinEditTest, ShowsItsToolTipOverItsParts)
{
    const QString hint = QStringLiteral("Anzahl der Runden, in denen Insektizid eingesetzt wird");
    spin->setToolTip(hint);
    for (QWidget* part : {static_cast<QWidget*>(edit()), static_cast<QWidget*>(button("up"))}) {
        QToolTip::hideText();
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), part->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(part, &event);
        EXPECT_EQ(QToolTip::text(), hint);
    }
    QToolTip::hideText();
}

TEST_F(SpinEditTest, HasItsButtonsInsideItsRightEnd)
{
    const QRect up = button("up")->geometry();
    const QRect down = button("down")->geometry();
    EXPECT_EQ(up.left(), down.left());
    EXPECT_EQ(up.bottom() + 1, down.top());
    EXPECT_GE(up.top(), 0);
    EXPECT_LE(down.bottom(), edit()->height() - 1);
    EXPECT_LE(up.right(), edit()->width() - 1);
    EXPECT_GT(up.left(), edit()->width() / 2);
    // The text area stops before the buttons.
    EXPECT_GE(edit()->textMargins().right(), up.width());
}

}  // namespace
