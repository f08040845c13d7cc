// The chart printed from the real window on a real CUPS queue. These cases are steps of
// printer-e2e.sh, which starts a private CUPS server and points Qt's print support at it; run
// alone they skip.
#include "MainWindowFixture.h"
#include "PageInk.h"
#include "ChartView.h"
#include "Printer.h"
#include "SystemPrinterList.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtMath>

namespace {

QString e2eFolder() { return qEnvironmentVariable("QUORVEL_E2E_DIR"); }
QString queue() { return qEnvironmentVariable("QUORVEL_E2E_QUEUE"); }
QString referencePath() { return e2eFolder() + QStringLiteral("/reference.png"); }

class CupsPrinter : public MainWindowTest {
protected:
    void SetUp() override
    {
        if (e2eFolder().isEmpty() || queue().isEmpty())
            GTEST_SKIP() << "a step of tests/e2e/printer-e2e.sh, which sets up the printer";
        MainWindowTest::SetUp();
    }
    // The print system's printers, as the program sees them.
    const PrinterList& printerList() const override { return systemPrinters_; }

    // A game of some rounds with the analysis panel open, so both curves have points.
    void playWithChartOpen()
    {
        newGame(7);
        QTest::mouseClick(button("chartButton"), Qt::LeftButton);
        ASSERT_TRUE(button("printButton")->isEnabled());
        for (int round = 0; round < 80; ++round)
            controller->onTick();
        ASSERT_EQ(form->chart().model().points(0).count(), 80);
    }

    // Clicks "Drucken" and confirms the print dialog; returns the printer the dialog offered.
    QString printConfirmed()
    {
        QString offered;
        whenModalOpens([&offered](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintDialog*>(modal);
            ASSERT_TRUE(dialog) << "expected the print dialog, got " << modal->metaObject()->className();
            offered = dialog->printer()->printerName();
            dialog->accept();
        });
        QTest::mouseClick(button("printButton"), Qt::LeftButton);
        return offered;
    }

    SystemPrinterList systemPrinters_;
};

}  // namespace

TEST_F(CupsPrinter, PrintsTheChartFromTheWindow)
{
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), queue()) << "Qt does not see the test server's default";
    ASSERT_NO_FATAL_FAILURE(playWithChartOpen());

    // Any error box fails the test when it ends (the fixture's check).
    const QString offered = printConfirmed();

    EXPECT_EQ(offered, queue()) << "the dialog opens with the default printer";
    EXPECT_EQ(printer->printer().printerName(), queue());

    // What the page must show: the chart as the print draws it, at its on-screen size.
    ChartView& chart = form->chart();
    QImage reference(chart.size(), QImage::Format_RGB32);
    reference.fill(Qt::white);
    {
        QPainter painter(&reference);
        chart.draw(painter, reference.rect(), true);
    }
    ASSERT_TRUE(reference.save(referencePath()));
}

TEST_F(CupsPrinter, PageShowsTheChartInItsCentralSeventyPercentOnWhitePaper)
{
    const QImage page = QImage(qEnvironmentVariable("QUORVEL_E2E_PAGE")).convertToFormat(QImage::Format_RGB32);
    const QImage reference(referencePath());
    ASSERT_FALSE(page.isNull()) << "no rendered page";
    ASSERT_FALSE(reference.isNull()) << "no reference from the printing step";

    const QRect area = centralSeventyPercent(page.size());
    // Rendering differences (fonts through PostScript and back, antialiasing) move an edge by a
    // pixel or two; a wrong margin or a chart kept in proportion moves it by tens.
    const double slackX = 2 + 0.015 * area.width();
    const double slackY = 2 + 0.015 * area.height();
    const QRect allowed = area.adjusted(-qCeil(slackX), -qCeil(slackY), qCeil(slackX), qCeil(slackY));

    int inkOutside = 0;
    QPoint firstOutside;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (!allowed.contains(x, y) && !PageInk::isPaper(page.pixel(x, y)) && inkOutside++ == 0)
                firstOutside = QPoint(x, y);
    EXPECT_EQ(inkOutside, 0) << "ink in the margins, first at " << firstOutside.x() << "," << firstOutside.y();

    const PageInk printed = PageInk::of(page);
    const PageInk expected = PageInk::of(reference);
    ASSERT_FALSE(expected.red.isEmpty());
    ASSERT_FALSE(expected.blue.isEmpty());
    const struct {
        const char* what;
        QRect printed, expected;
    } parts[] = {{"all ink", printed.any, expected.any},
                 {"red (hunter curve, left title)", printed.red, expected.red},
                 {"blue (prey curve, right title)", printed.blue, expected.blue}};
    for (const auto& part : parts) {
        SCOPED_TRACE(part.what);
        ASSERT_FALSE(part.printed.isEmpty()) << "nothing of it on the page";
        const QRectF want = stretched(part.expected, reference.size(), area);
        EXPECT_NEAR(part.printed.left(), want.left(), slackX);
        EXPECT_NEAR(part.printed.right() + 1, want.right(), slackX);
        EXPECT_NEAR(part.printed.top(), want.top(), slackY);
        EXPECT_NEAR(part.printed.bottom() + 1, want.bottom(), slackY);
    }

    // The chart's silver panel is not printed: its corners are paper.
    const QPoint inset(qCeil(slackX), qCeil(slackY));
    for (const QPoint corner : {area.topLeft() + inset, area.bottomRight() - inset})
        EXPECT_TRUE(PageInk::isPaper(page.pixel(corner))) << corner.x() << "," << corner.y();
}

TEST_F(CupsPrinter, WithoutADefaultPrinterShowsTheErrorBoxAndPrintsNothing)
{
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(queue())) << "Qt does not see the test server";
    ASSERT_TRUE(QPrinterInfo::defaultPrinterName().isEmpty());
    ASSERT_NO_FATAL_FAILURE(playWithChartOpen());

    bool dialogOpened = false;
    whenModalOpens([&dialogOpened](QWidget* modal) {
        dialogOpened = true;
        modal->close();
    });
    QTest::mouseClick(button("printButton"), Qt::LeftButton);

    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text, QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt."));
    EXPECT_EQ(errors.boxes[0].title, QStringLiteral("Quorvel"));
    errors.clear();
    EXPECT_FALSE(dialogOpened);
    EXPECT_FALSE(printer->hasPrinter());
    EXPECT_EQ(form->chart().model().points(0).count(), 80) << "the chart keeps its data";
}

TEST_F(CupsPrinter, AJobTheQueueRefusesShowsTheErrorBox)
{
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), queue());
    ASSERT_NO_FATAL_FAILURE(playWithChartOpen());

    EXPECT_EQ(printConfirmed(), queue());

    ASSERT_EQ(errors.boxes.size(), 1u) << "a refused job passed for printed";
    EXPECT_EQ(errors.boxes[0].text, QStringLiteral("Ausgewählter Drucker ist ungültig."));
    errors.clear();
    EXPECT_EQ(form->chart().model().points(0).count(), 80) << "the chart keeps its data";
}
