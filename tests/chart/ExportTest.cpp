// The chart leaving the window: on the clipboard and on paper.
#include "ChartImages.h"
#include "Exception.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace charttest;


class Clipboard : public testing::TestWithParam<bool> {};

TEST_P(Clipboard, HoldsTheChartAtItsSizeInItsOwnColoursEvenInMonochrome)
{
    auto chart = twoCurveChart();
    fill(*chart, 50, 9, 27);
    chart->model().setMonochrome(GetParam());
    QGuiApplication::clipboard()->clear();
    chart->copyChartToClipboard();
    const QImage image = QGuiApplication::clipboard()->image();
    ASSERT_EQ(image.size(), QSize(chartWidth, chartHeight));
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    EXPECT_EQ(at(image, 5, 5), chartcolor::silver);
    EXPECT_EQ(at(image, p.left + 20, rowOf(p, 9)), chartcolor::red);
    EXPECT_EQ(at(image, p.left + 20, rowOf(p, 27)), chartcolor::blue);
    EXPECT_EQ(at(image, p.left + 20, rowOf(p, 20)), chartcolor::white);
}

INSTANTIATE_TEST_SUITE_P(Monochrome, Clipboard, testing::Bool());

// What one printed page looks like, rendered back from the PDF.
struct Page {
    QImage image;
    QString title;
};

Page printToPdf(ChartView& chart, QPageLayout::Orientation orientation)
{
    Page page;
    QTemporaryDir dir;
    if (!dir.isValid())
        return page;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    printer.setFullPage(false);
    chart.printChart(printer);

    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    page.image = QImage(dir.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Title:")))
            page.title = line.mid(6).trimmed();
    return page;
}

bool nearWhite(QRgb c)
{
    return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}

class Printing : public testing::TestWithParam<QPageLayout::Orientation> {};

TEST_P(Printing, FillsTheCentralSeventyPercentOfThePageOnWhitePaper)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    auto chart = twoCurveChart();
    fill(*chart, 80, 9, 27);
    const Page page = printToPdf(*chart, GetParam());
    ASSERT_FALSE(page.image.isNull());
    EXPECT_EQ(page.title, QStringLiteral("diagramm"));

    // The printable area is the page less the printer's own margins; the chart sits 15 % inside
    // it. At 40 dpi a pixel of slack on each side covers the rounding.
    QPrinter probe(QPrinter::HighResolution);
    probe.setPageSize(QPageSize(QPageSize::A4));
    probe.setPageOrientation(GetParam());
    const QRectF paper = probe.pageLayout().fullRectPoints();
    const QRectF printable = probe.pageLayout().paintRectPoints();
    const double scale = page.image.width() / paper.width();
    const QRectF chartArea(
        (printable.left() + 0.15 * printable.width()) * scale, (printable.top() + 0.15 * printable.height()) * scale,
        0.7 * printable.width() * scale, 0.7 * printable.height() * scale);
    const QRect slack = chartArea.toAlignedRect().adjusted(-1, -1, 1, 1);

    QRect inked;
    bool red = false;
    bool blue = false;
    for (int y = 0; y < page.image.height(); ++y)
        for (int x = 0; x < page.image.width(); ++x) {
            const QRgb c = page.image.pixel(x, y);
            if (nearWhite(c))
                continue;
            ASSERT_TRUE(slack.contains(x, y)) << "ink in the margin at " << x << "," << y;
            inked |= QRect(x, y, 1, 1);
            red = red || (qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80);
            blue = blue || (qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80);
        }
    // Stretched to the area: the titles reach close to its left, right and bottom edges and
    // the top label close to its top (the chart's own margins are 1 % and 6 %).
    EXPECT_LT(inked.left() - chartArea.left(), 0.03 * chartArea.width());
    EXPECT_LT(chartArea.right() - inked.right(), 0.03 * chartArea.width());
    EXPECT_LT(inked.top() - chartArea.top(), 0.06 * chartArea.height());
    EXPECT_LT(chartArea.bottom() - inked.bottom(), 0.03 * chartArea.height());
    EXPECT_TRUE(red);
    EXPECT_TRUE(blue);

    // No silver panel: the chart's corner area prints white.
    const QPointF corner = chartArea.topLeft() + QPointF(0.02 * chartArea.width(), 0.02 * chartArea.height());
    EXPECT_TRUE(nearWhite(page.image.pixel(corner.toPoint())));
}

INSTANTIATE_TEST_SUITE_P(Orientations, Printing,
                         testing::Values(QPageLayout::Portrait, QPageLayout::Landscape));

struct PrinterFault {
    const char* name;
    bool alreadyPrinting;
    const char* message;
};

class PrintFailure : public testing::TestWithParam<PrinterFault> {};

TEST_P(PrintFailure, RaisesAPrinterErrorAndLeavesTheChartAsItWas)
{
    const PrinterFault& f = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(f.alreadyPrinting ? dir.filePath(QStringLiteral("busy.pdf"))
                                                : dir.filePath(QStringLiteral("missing/dir/chart.pdf")));
    QPainter other;
    if (f.alreadyPrinting) {
        ASSERT_TRUE(other.begin(&printer));
    }

    auto chart = twoCurveChart();
    fill(*chart, 10, 9, 27);
    try {
        chart->printChart(printer);
        ADD_FAILURE() << "no error raised";
    } catch (const PrinterError& e) {
        EXPECT_STREQ(e.className(), "EPrinter");
        EXPECT_EQ(e.message(), QString::fromUtf8(f.message));
    }
    if (other.isActive())
        other.end();
    EXPECT_EQ(chart->model().points(0).count(), 10);
    // and the screen can still be drawn
    EXPECT_EQ(at(render(*chart), 5, 5), chartcolor::silver);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PrintFailure,
    testing::Values(PrinterFault{"cannotOpen", false, "Ausgewählter Drucker ist ungültig"},
                    PrinterFault{"busy", true, "Druckvorgang läuft"}),
    [](const testing::TestParamInfo<PrinterFault>& info) { return std::string(info.param.name); });

// Rows of the image within [from, to) that hold at least `least` pixels matching.
int rowsWith(const QImage& image, int from, int to, const std::function<bool(QRgb)>& match, int least)
{
    int rows = 0;
    for (int y = std::max(0, from); y < std::min(image.height(), to); ++y) {
        int n = 0;
        for (int x = 0; x < image.width(); ++x)
            n += match(image.pixel(x, y)) ? 1 : 0;
        rows += n >= least ? 1 : 0;
    }
    return rows;
}

TEST(PrintDrawing, WhiteTextTurnsBlackAndBrokenHairlinesStayThinWhenScaled)
{
    auto chart = twoCurveChart();
    fill(*chart, 30, 9, 27);
    ChartAxis left = chart->model().leftAxis();
    left.title.font.color = chartcolor::white;
    chart->model().setLeftAxis(left);
    setLinePen(chart->model(), 0, 1, PenStyle::DashDot);
    const int zoom = 3;
    QImage image(chartWidth * zoom, chartHeight * zoom, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(zoom, zoom);
        chart->draw(painter, QRect(0, 0, chartWidth, chartHeight), true);
    }
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const QFontMetrics title(pixelFont(12));

    int darkInBand = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 2 * zoom; x < (2 + title.height()) * zoom; ++x)
            darkInBand += isDark(at(image, x, y)) ? 1 : 0;
    EXPECT_GT(darkInBand, 100);

    auto gray = [](QRgb c) { return c == qRgb(0x80, 0x80, 0x80); };
    auto red = [](QRgb c) { return c == qRgb(255, 0, 0); };
    auto blue = [](QRgb c) { return c == qRgb(0, 0, 255); };
    const int gridRow = rowOf(p, 20) * zoom;
    EXPECT_EQ(rowsWith(image, gridRow - 4, gridRow + 4, gray, 50), 1);
    const int hunterRow = rowOf(p, 9) * zoom;
    EXPECT_EQ(rowsWith(image, hunterRow - 8, hunterRow + 8, red, 50), 1);
    // the solid two-pixel prey curve grows with the scale
    const int preyRow = rowOf(p, 27) * zoom;
    EXPECT_EQ(rowsWith(image, preyRow - 8, preyRow + 8, blue, 50), 2 * zoom);
}

}  // namespace
