#pragma once

#include "ChartGeometry.h"
#include "ChartModel.h"
#include "LabelCache.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

class QPainter;
class QPrinter;

// The widget that shows a chart: it owns the ChartModel it paints, prints it and copies it to
// the clipboard. Every change of the model asks for a repaint with update(), so a burst of
// changes costs one paint; appended points are shown at most 30 times a second, however fast
// they come. A paint costs about the same for any number of points: each curve is drawn one
// pixel column at a time from its series' summary. On screen the chart is drawn into an image
// of its size first and then shown in one step; when the model is monochrome that image is
// reduced to black and white.
class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    // What the view shows; it starts with the view's own palette's button colour as its fill.
    ChartModel& model() { return model_; }
    const ChartModel& model() const { return model_; }

    // Lays the chart out in rect on painter's device and draws it there, unbuffered, and returns
    // the layout it drew. printing leaves out the panel fill and bevel, draws white text black
    // and dotted or dash-dot hairlines as the device's thinnest line.
    ChartGeometry draw(QPainter& painter, const QRect& rect, bool printing);
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
    // The Menu key and Shift+F10 ask for the context menu, as a right click does, at the middle.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void pointsAdded();
    void drawOnPrinter(QPainter& painter, const QRect& pageRect);
    static QImage emptyMonochrome(QSize size);
    // Sets the bit of every pixel of colour (32-bit pixels) with a grey level below 128 in mono,
    // clears the others, and when shown is given writes each pixel there as black or white.
    static void threshold(const QImage& color, QImage& mono, QImage* shown);

    ChartModel model_;
    QString printTitle_;
    bool printing_ = false;
    QImage buffer_;
    QImage monoBuffer_;
    LabelCache labels_;
    QTimer* frame_;  // "frameTimer"
    static constexpr int frameInterval = 33;  // ms between showings of new points
};
