#include "SeriesChart.h"

#include "SeriesResult.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
const QColor hunterColor(220, 0, 0);
const QColor preyColor(0, 0, 230);
const QColor sprayColor(0, 170, 0, 45);
const QColor gridColor(225, 225, 225);

QColor translucent(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

// Which of a pixel column's values a curve keeps where the rounds are more than the pixels.
enum class Keep { Both, Lowest, Highest };

// The points of value(c) for checkpoints c = 0 … n - 1 spread over plot, top at the plot's top
// edge. Where there are more than two checkpoints per pixel, each pixel column keeps its lowest
// and highest value (or one of them), which keeps the shape of a dense curve at any size.
template <typename Value>
QPolygonF curve(std::size_t n, const QRectF& plot, double top, Value value, Keep keep)
{
    const double last = std::max<double>(1, static_cast<double>(n) - 1);
    const auto at = [&](std::size_t c, double v) {
        return QPointF(plot.left() + plot.width() * static_cast<double>(c) / last, plot.bottom() - plot.height() * v / top);
    };
    QPolygonF points;
    const auto columns = static_cast<std::size_t>(std::max(1.0, plot.width()));
    if (n <= 2 * columns) {
        for (std::size_t c = 0; c < n; ++c)
            points << at(c, value(c));
        return points;
    }
    for (std::size_t column = 0; column < columns; ++column) {
        const std::size_t first = column * n / columns;
        const std::size_t end = (column + 1) * n / columns;
        double lowest = value(first);
        double highest = lowest;
        for (std::size_t c = first + 1; c < end; ++c) {
            lowest = std::min(lowest, value(c));
            highest = std::max(highest, value(c));
        }
        if (keep != Keep::Highest)
            points << at(first, lowest);
        if (keep != Keep::Lowest)
            points << at(first, highest);
    }
    return points;
}

// The step between labelled rounds, 1, 2 or 5 times a power of ten, that leaves each label room.
std::int64_t roundStep(std::int32_t rounds, double width, double labelWidth)
{
    for (std::int64_t power = 1;; power *= 10)
        for (const std::int64_t step : {power, 2 * power, 5 * power})
            if (step >= rounds || static_cast<double>(rounds / step + 1) * labelWidth * 2 <= width)
                return step;
}

void drawSwatch(QPainter& painter, QPointF& at, const QFontMetricsF& metrics, const QColor& color, const QString& text)
{
    const double size = metrics.ascent() * 0.8;
    painter.fillRect(QRectF(at.x(), at.y() - size, size, size), color);
    at.rx() += size + 3;
    painter.drawText(at, text);
    at.rx() += metrics.horizontalAdvance(text) + 10;
}

void drawLineSample(QPainter& painter, QPointF& at, const QFontMetricsF& metrics, Qt::PenStyle style, const QString& text)
{
    painter.setPen(QPen(Qt::black, 1.5, style));
    const double y = at.y() - metrics.ascent() * 0.35;
    painter.drawLine(QPointF(at.x(), y), QPointF(at.x() + 18, y));
    at.rx() += 22;
    painter.setPen(Qt::black);
    painter.drawText(at, text);
    at.rx() += metrics.horizontalAdvance(text) + 12;
}
}  // namespace

SeriesChart::SeriesChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SeriesChart::setResult(const SeriesResult* result, SeriesCondition condition)
{
    result_ = result;
    condition_ = condition;
    sprayedRounds_.clear();
    if (result && condition == SeriesCondition::Sprayed)
        sprayedRounds_ = result->settings.plan(condition).sprays.sprayedRounds(result->settings.rounds);
    update();
}

void SeriesChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    draw(painter, rect());
}

void SeriesChart::draw(QPainter& painter, const QRect& rect) const
{
    painter.save();
    painter.setFont(font());
    painter.fillRect(rect, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    const double left = rect.left() + metrics.horizontalAdvance(QStringLiteral("100 %")) + 8;
    const double right = rect.right() - 10;
    // From the top: a legend, the counts, a legend, the shares, the rounds' labels and title.
    const double plotsHeight = rect.height() - 4 * line - 18;
    const QRectF counts(left, rect.top() + line + 6, right - left, plotsHeight * 0.62);
    const QRectF shares(left, counts.bottom() + line + 10, right - left, plotsHeight * 0.38);

    const std::int32_t rounds = result_ ? result_->settings.rounds : 0;
    const auto roundX = [&](double round) { return left + (right - left) * round / std::max(rounds, 1); };

    // The rounds that spray, each round's spraying between the counts before and after it.
    for (std::size_t i = 0; i < sprayedRounds_.size();) {
        std::size_t j = i;
        while (j + 1 < sprayedRounds_.size() && sprayedRounds_[j + 1] == sprayedRounds_[j] + 1)
            ++j;
        const double from = roundX(sprayedRounds_[i] - 1);
        const double width = std::max(1.0, roundX(sprayedRounds_[j]) - from);
        for (const QRectF& plot : {counts, shares})
            painter.fillRect(QRectF(from, plot.top(), width, plot.height()), sprayColor);
        i = j + 1;
    }

    // Grid lines and the value labels at the left.
    painter.setPen(Qt::black);
    const auto valueLines = [&](const QRectF& plot, std::initializer_list<int> values, int top, const QString& unit) {
        for (const int value : values) {
            const double y = plot.bottom() - plot.height() * value / top;
            painter.setPen(gridColor);
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(rect.left(), y - line / 2, left - rect.left() - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                             unit.isEmpty() ? QString::number(value) : unit.arg(value));
        }
    };
    valueLines(counts, {0, 6, 12, 18, 24, 30, 36}, 36, {});
    valueLines(shares, {0, 50, 100}, 100, tr("%1 %"));

    // The rounds along the bottom, their ticks through both plots.
    const double labelsTop = shares.bottom() + 3;
    if (rounds > 0) {
        const std::int64_t step =
            roundStep(rounds, right - left, metrics.horizontalAdvance(QString::number(rounds)));
        for (std::int64_t round = 0; round <= rounds; round += step) {
            const double x = roundX(static_cast<double>(round));
            painter.setPen(gridColor);
            for (const QRectF& plot : {counts, shares})
                painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x - 40, labelsTop, 80, line), Qt::AlignHCenter | Qt::AlignTop, QString::number(round));
        }
    }
    painter.drawText(QRectF(left, labelsTop + line, right - left, line), Qt::AlignHCenter | Qt::AlignTop, tr("Runde"));

    QPointF legend(left, rect.top() + metrics.ascent() + 2);
    drawSwatch(painter, legend, metrics, hunterColor, tr("Räuber"));
    drawSwatch(painter, legend, metrics, preyColor, tr("Beute"));
    painter.setPen(Qt::darkGray);
    painter.drawText(legend, tr("Linie: Mittel, Band: 10. bis 90. Perzentil"));
    legend = QPointF(left, counts.bottom() + 6 + metrics.ascent() + 2);
    drawLineSample(painter, legend, metrics, Qt::SolidLine, tr("bei 0"));
    drawLineSample(painter, legend, metrics, Qt::DashLine, tr("schon einmal bei 0 (Anteil der Spiele)"));

    if (result_) {
        const SeriesFigures& figures = result_->of(condition_);
        const std::size_t n = figures.checkpoints();
        for (const Side side : {Side::Hunter, Side::Prey}) {
            const QColor color = side == Side::Hunter ? hunterColor : preyColor;
            const auto figure = [&](auto member) { return [&, member](std::size_t c) { return double(figures.at(c, side).*member); }; };
            QPolygonF band = curve(n, counts, 36, figure(&SideStatistics::p90), Keep::Highest);
            const QPolygonF low = curve(n, counts, 36, figure(&SideStatistics::p10), Keep::Lowest);
            std::reverse_copy(low.begin(), low.end(), std::back_inserter(band));
            painter.setPen(Qt::NoPen);
            painter.setBrush(translucent(color, 50));
            painter.drawPolygon(band);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(color, 1.5));
            painter.drawPolyline(curve(n, counts, 36, figure(&SideStatistics::mean), Keep::Both));
            const auto share = [&](auto member) {
                return [&, member](std::size_t c) { return percentOf(figures.at(c, side).*member, figures.at(c, side).games); };
            };
            painter.drawPolyline(curve(n, shares, 100, share(&SideStatistics::extinct), Keep::Both));
            painter.setPen(QPen(color, 1.5, Qt::DashLine));
            painter.drawPolyline(curve(n, shares, 100, share(&SideStatistics::wentExtinct), Keep::Both));
        }
    } else {
        painter.setPen(Qt::darkGray);
        painter.drawText(counts, Qt::AlignCenter, tr("Noch keine Versuchsreihe"));
    }

    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(counts);
    painter.drawRect(shares);
    painter.restore();
}
