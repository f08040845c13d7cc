#include "ChartCommands.h"
#include "Exception.h"
#include "MainWindowFixture.h"
#include "ChartView.h"

#include <QAction>
#include <QClipboard>
#include <QColorDialog>
#include <QMenu>

namespace {
// Every property the two colour schemes touch, plus the back wall, read off the chart.
struct Look {
    QColor panel;
    bool monochrome;
    QColor leftGrid, rightGrid, bottomGrid, leftTitle, rightTitle;
    bool rightBold;
    int hunterWidth;
    PenStyle hunterStyle;
    QColor hunter, prey, wall;
    bool wallSolid;
    bool operator==(const Look&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Look& l)
{
    auto n = [](const QColor& c) { return c.name().toStdString(); };
    return os << "panel " << n(l.panel) << " mono " << l.monochrome << " grids " << n(l.leftGrid) << n(l.rightGrid)
              << n(l.bottomGrid) << " titles " << n(l.leftTitle) << n(l.rightTitle) << " bold " << l.rightBold
              << " hunter " << l.hunterWidth << "/" << int(l.hunterStyle) << n(l.hunter) << " prey " << n(l.prey)
              << " wall " << n(l.wall) << "/" << l.wallSolid;
}

const QColor silver(0xC0, 0xC0, 0xC0), gray(0x80, 0x80, 0x80);
const Look standardLook{silver, false, gray,  gray, gray, Qt::red,  Qt::blue, false, 2, PenStyle::Solid,
                        Qt::red, Qt::blue, Qt::white, true};
const Look monochromeLook{Qt::white, true,  Qt::black, Qt::black, Qt::black, Qt::black, Qt::black, true, 1,
                          PenStyle::DashDot, Qt::black, Qt::black, Qt::white, true};

class ChartMenu : public MainWindowTest {
protected:
    Look look() const
    {
        const ChartModel& c = form->chart().model();
        return {c.color(),
                c.isMonochrome(),
                c.leftAxis().grid.color,
                c.rightAxis().grid.color,
                c.bottomAxis().grid.color,
                c.leftAxis().title.font.color,
                c.rightAxis().title.font.color,
                c.rightAxis().title.font.bold,
                c.series(0).linePen.width,
                c.series(0).linePen.style,
                c.series(0).linePen.color,
                c.series(1).linePen.color,
                c.backColor(),
                c.isBackWallSolid()};
    }
    // Answers the colour dialog: records what it opened with, then picks colour or cancels.
    void answerColor(const QColor& pick, bool confirm, QColor* openedWith = nullptr,
                      std::function<void()> whileOpen = {})
    {
        whenModalOpens([=](QWidget* w) {
            auto* dialog = qobject_cast<QColorDialog*>(w);
            ASSERT_TRUE(dialog);
            if (openedWith)
                *openedWith = dialog->currentColor();
            if (whileOpen)
                whileOpen();
            dialog->setCurrentColor(pick);
            confirm ? dialog->accept() : dialog->reject();
        });
    }
    void openPanel()
    {
        newGame(9);
        controller->onToggleChart();
        for (int i = 0; i < 50; ++i)
            controller->onTick();
    }
};
}  // namespace

TEST_F(ChartMenu, MenuTreeAndCaptions)
{
    auto* menu = form->findChild<QMenu*>("chartMenu");
    ASSERT_TRUE(menu);
    QStringList top;
    for (QAction* a : menu->actions())
        top << (a->isSeparator() ? QString("-") : a->text());
    // The save commands came later and follow the original entries.
    EXPECT_EQ(top, (QStringList{"Farbeinstellungen", "Daten Löschen", "-> Zwischenablage", "-",
                                "Daten als CSV speichern …", "Diagramm als Bild speichern …"}));
    auto* colors = form->findChild<QMenu*>("colorMenu");
    ASSERT_TRUE(colors);
    QStringList sub;
    for (QAction* a : colors->actions())
        sub << (a->isSeparator() ? QString("-") : a->text());
    EXPECT_EQ(sub, (QStringList{"Monochrom", "Standard", "-", "Räuber", "Beute", "Hintergrund", "Rahmenfarbe"}));
    EXPECT_FALSE(form->findChild<QAction*>("standardColorsAction")->isChecked());
}

TEST_F(ChartMenu, ARightClickTheMenuKeyAndShiftF10OpenTheMenu)
{
    openPanel();
    auto* menu = form->findChild<QMenu*>("chartMenu");
    QWidget* chart = &form->chart();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(50, 50), chart->mapToGlobal(QPoint(50, 50)));
    QApplication::sendEvent(chart, &click);
    EXPECT_TRUE(menu->isVisible()) << "right click";
    menu->close();

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // The chart is reached by Tab, and the keyboard opens its menu.
    QWidget* w = nullptr;
    for (int i = 0; i < 30 && w != chart; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        w = QApplication::focusWidget();
    }
    ASSERT_EQ(w, chart);
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
        QTest::keyClick(chart, key, modifiers);
        EXPECT_TRUE(menu->isVisible()) << key;
        menu->close();
    }
}

TEST_F(ChartMenu, ChoosingTheSchemesLeavesNoCheckMark)
{
    openPanel();
    for (const char* name : {"standardColorsAction", "monochromeAction", "standardColorsAction"}) {
        auto* action = form->findChild<QAction*>(name);
        ASSERT_TRUE(action) << name;
        action->trigger();
        EXPECT_FALSE(action->isChecked()) << name;
        EXPECT_FALSE(form->findChild<QAction*>("standardColorsAction")->isChecked()) << "after " << name;
    }
    EXPECT_EQ(look(), standardLook);
}

TEST_F(ChartMenu, SchemesSetTheirPropertiesAndKeepThePickedBackground)
{
    openPanel();
    EXPECT_EQ(look(), standardLook);
    chartCommands->applyMonochrome();
    EXPECT_EQ(look(), monochromeLook);
    chartCommands->applyMonochrome();
    EXPECT_EQ(look(), monochromeLook) << "a second Monochrom changes nothing";

    answerColor(Qt::yellow, true);
    chartCommands->pickBackgroundColor();
    answerColor(Qt::green, true);
    chartCommands->pickBorderColor();
    answerColor(Qt::magenta, true);
    chartCommands->pickPreyColor();
    chartCommands->applyStandardColors();
    Look expected = standardLook;
    expected.wall = Qt::yellow;
    EXPECT_EQ(look(), expected) << "only the picked background survives Standard";
    chartCommands->applyMonochrome();
    expected = monochromeLook;
    expected.wall = Qt::yellow;
    EXPECT_EQ(look(), expected);
}

TEST_F(ChartMenu, ColourCommandsChangeOnlyTheirProperties)
{
    struct Row {
        const char* name;
        void (ChartCommands::*command)();
        QColor opensWith;
        std::function<void(Look&, const QColor&)> change;
    };
    const Row rows[] = {
        {"hunter", &ChartCommands::pickHunterColor, Qt::red,
         [](Look& l, const QColor& c) { l.hunter = l.leftTitle = c; }},
        {"prey", &ChartCommands::pickPreyColor, Qt::blue, [](Look& l, const QColor& c) { l.prey = l.rightTitle = c; }},
        {"background", &ChartCommands::pickBackgroundColor, Qt::white, [](Look& l, const QColor& c) { l.wall = c; }},
        {"border", &ChartCommands::pickBorderColor, silver, [](Look& l, const QColor& c) { l.panel = c; }},
    };
    openPanel();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        chartCommands->applyStandardColors();
        form->chart().model().setBackColor(Qt::white);
        const Look before = look();
        QColor opened;
        answerColor(Qt::green, false, &opened);
        ((*chartCommands).*r.command)();
        EXPECT_EQ(opened, r.opensWith);
        EXPECT_EQ(look(), before) << "cancel changes nothing";

        answerColor(Qt::green, true);
        ((*chartCommands).*r.command)();
        Look expected = before;
        r.change(expected, Qt::green);
        EXPECT_EQ(look(), expected);
    }
    // In the monochrome scheme a hunter pick changes only the colour: still 1 pixel, dash-dot.
    chartCommands->applyMonochrome();
    answerColor(Qt::darkGreen, true);
    chartCommands->pickHunterColor();
    EXPECT_EQ(look().hunterWidth, 1);
    EXPECT_EQ(look().hunterStyle, PenStyle::DashDot);
}

TEST_F(ChartMenu, CustomColoursAreSharedBetweenCommands)
{
    openPanel();
    const QColor custom(0x12, 0x88, 0x44);
    answerColor(Qt::blue, true, nullptr, [&] { QColorDialog::setCustomColor(0, custom); });
    chartCommands->pickPreyColor();
    QColor offered;
    answerColor(Qt::white, false, nullptr, [&] { offered = QColorDialog::customColor(0); });
    chartCommands->pickBackgroundColor();
    EXPECT_EQ(offered, custom);
}

TEST_F(ChartMenu, ClearingData)
{
    openPanel();
    ASSERT_GT(form->chart().model().points(0).count(), 0);
    QTest::mouseClick(button("chartButton"), Qt::LeftButton);  // the command works with the panel closed too
    form->findChild<QAction*>("clearChartAction")->trigger();
    EXPECT_EQ(form->chart().model().points(0).count(), 0);
    EXPECT_EQ(form->chart().model().points(1).count(), 0);
}

TEST_F(ChartMenu, CopyPutsTheChartOnTheClipboardInColour)
{
    openPanel();
    chartCommands->applyMonochrome();
    QApplication::clipboard()->clear();
    form->findChild<QAction*>("copyChartAction")->trigger();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), form->chart().size());
    // Not reduced to two levels: the grey ticks of the axes are still grey.
    bool gray = false;
    for (int y = 0; y < copied.height() && !gray; ++y)
        for (int x = 0; x < copied.width() && !gray; ++x)
            gray = copied.pixelColor(x, y) == QColor(0x80, 0x80, 0x80);
    EXPECT_TRUE(gray);
}

TEST_F(ChartMenu, PrintingWithoutAnyPrinterRaisesThePrinterError)
{
    // The handler raises; the application reports what escapes a click (tested with the
    // application object itself), and the end-to-end print test sees the box.
    // The fixture's machine has no printers.
    openPanel();
    QString message;
    try {
        chartCommands->print();
    } catch (const PrinterError& e) {
        message = e.message();
    }
    EXPECT_EQ(message, "Zur Zeit ist kein Standard-Drucker gewählt");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no print dialog opens";
    EXPECT_TRUE(button("printButton")->isEnabled());
}
