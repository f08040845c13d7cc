#pragma once

#include "ChartAxis.h"
#include "ChartPen.h"
#include "ChartRect.h"
#include "LineSeries.h"
#include "LabelCache.h"

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QPainter;
class QPrinter;

// A flat line chart with a bottom, a left and a right axis and any number of fast-line series.
// Every property change and every clearing asks for a repaint with update(), so a burst of
// changes costs one paint; appended points are shown at most 30 times a second, however fast
// they come. A paint costs about the same for any number of points: each curve is drawn one
// pixel column at a time from its series' summary. On screen the chart is drawn into an image
// of its size first and then shown in one step; in Monochrome that image is reduced to black
// and white.
class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    // Fill of the whole chart area around the plot.
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    // The back wall (the plot rectangle's fill). Setting BackColor also makes the wall solid.
    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& color);
    // Sets the wall colour only, leaving the wall clear or solid as it is.
    void setBackWallColor(const QColor& color);
    // A clear wall lets the panel colour show through the plot.
    bool isBackWallSolid() const { return backWallSolid_; }
    void setBackWallSolid(bool solid);
    ChartPen& backWallPen() { return backWallPen_; }
    const ChartPen& backWallPen() const { return backWallPen_; }

    // Show the on-screen chart in black and white only; the chart's colours stay as they are.
    bool isMonochrome() const { return monochrome_; }
    void setMonochrome(bool monochrome);
    // Draw on screen through the off-screen image (on by default).
    bool isBufferedDisplay() const { return bufferedDisplay_; }
    void setBufferedDisplay(bool buffered);
    // Clip the curves to the plot rectangle (off by default).
    bool clipsPoints() const { return clipPoints_; }
    void setClipPoints(bool clip);

    // Margins between the chart's edges and the plot area, in percent of width or height.
    int marginLeft() const { return marginLeft_; }
    int marginTop() const { return marginTop_; }
    int marginRight() const { return marginRight_; }
    int marginBottom() const { return marginBottom_; }
    void setMargins(int left, int top, int right, int bottom);

    ChartAxis& leftAxis() { return leftAxis_; }
    ChartAxis& rightAxis() { return rightAxis_; }
    ChartAxis& bottomAxis() { return bottomAxis_; }
    const ChartAxis& leftAxis() const { return leftAxis_; }
    const ChartAxis& rightAxis() const { return rightAxis_; }
    const ChartAxis& bottomAxis() const { return bottomAxis_; }

    // Adds an empty series at the end of the list (drawn over the earlier ones) and returns it.
    LineSeries& addSeries();
    int seriesCount() const { return static_cast<int>(series_.size()); }
    // The series at index (0 <= index < seriesCount(), else std::out_of_range).
    LineSeries& series(int index);
    const LineSeries& series(int index) const;

    // The plot rectangle of the latest drawing.
    const ChartRect& chartRect() const { return chartRect_; }

    // Draws the whole chart into rect on painter's device, unbuffered. printing leaves out the
    // panel fill and bevel, draws white text black and dotted or dash-dot hairlines as the
    // device's thinnest line.
    void draw(QPainter& painter, const QRect& rect, bool printing);
    // Prints the chart on one page of printer: laid out at its on-screen size, stretched to the
    // page less 15 % margins on every side. Raises PrinterError when the printer cannot print.
    void printChart(QPrinter& printer);
    // The title of the print job printChart starts; empty by default.
    QString printTitle() const { return printTitle_; }
    void setPrintTitle(const QString& title) { printTitle_ = title; }
    // Puts an image of the chart at its on-screen size on the clipboard, in full colour even in
    // Monochrome. Raises ClipboardError when there is no clipboard to put it on.
    void copyChartToClipboard();

    // The two-level image that Monochrome shows for image: a pixel becomes black when its grey
    // level qGray() is below 128, white otherwise.
    static QImage toMonochrome(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class ChartPainter;  // records the plot rectangle of each drawing, keeps label layouts

    void changed();
    void pointsAdded();
    void drawOnPrinter(QPainter& painter, const QRect& pageRect);
    static QImage emptyMonochrome(QSize size);
    // Sets the bit of every pixel of colour (32-bit pixels) with a grey level below 128 in mono,
    // clears the others, and when shown is given writes each pixel there as black or white.
    static void threshold(const QImage& color, QImage& mono, QImage* shown);

    QColor color_;
    QString printTitle_;
    QColor backColor_;
    bool backWallSolid_ = false;
    ChartPen backWallPen_;
    bool monochrome_ = false;
    bool bufferedDisplay_ = true;
    bool clipPoints_ = true;
    bool printing_ = false;
    int marginLeft_ = 3;
    int marginTop_ = 4;
    int marginRight_ = 3;
    int marginBottom_ = 4;
    ChartAxis leftAxis_{AxisSide::Left};
    ChartAxis rightAxis_{AxisSide::Right};
    ChartAxis bottomAxis_{AxisSide::Bottom};
    std::vector<std::unique_ptr<LineSeries>> series_;
    ChartRect chartRect_;
    QImage buffer_;
    QImage monoBuffer_;
    LabelCache labels_;
    QTimer frame_;
    static constexpr int frameInterval = 33;  // ms between showings of new points
};
