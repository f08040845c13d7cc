#include "ColumnSegments.h"

#include "ChartMath.h"
#include "AxisGeometry.h"
#include "ByteSeries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// The pixel positions of a series' points on the axes as laid out for the current drawing, and
// the points grouped into pixel columns: runs of consecutive indexes that share an x position.
// Positions come from the axes' own positionOf(), so they are exactly those of drawing every
// point.
class ColumnWalk {
public:
    ColumnWalk(const ByteSeries& points, const AxisGeometry& horizontal, const AxisGeometry& vertical,
               const QRect& bounds)
        : values_(points), horizontal_(horizontal), count_(points.count())
    {
        valid_ = count_ > 0 && indexesMapInOrder() && valuesMapInOrder(vertical) && inside(bounds);
    }

    // False when a column's points are not one run of indexes, its rows are not bounded by the
    // rows of its smallest and largest value, or a point lies outside the bounds.
    bool valid() const { return valid_; }

    int row(std::uint8_t value) const { return rows_[value]; }
    // The values that land on the same row as value.
    ByteRange sameRow(std::uint8_t value) const { return sameRow_[value]; }
    std::uint8_t value(std::int64_t index) const { return values_.at(index); }
    ByteRange range(std::int64_t first, std::int64_t last) const { return values_.range(first, last); }
    std::int64_t variation(std::int64_t first, std::int64_t last) const { return values_.variation(first, last); }
    // The first (or last) index from first to last that does not land on the row of value.
    std::int64_t offRow(std::int64_t first, std::int64_t last, std::uint8_t value, bool fromEnd) const
    {
        return values_.findOutside(first, last, sameRow(value), fromEnd);
    }

    // Calls visit(x, first, last) for every column, in index order.
    template <typename Visit>
    void columns(Visit visit) const
    {
        for (std::int64_t first = 0; first < count_;) {
            const int x = column(first);
            const std::int64_t last = lastIn(first, x);
            visit(x, first, last);
            first = last + 1;
        }
    }

private:
    int column(std::int64_t index) const { return horizontal_.positionOf(static_cast<double>(index)); }

    bool indexesMapInOrder() const
    {
        // The offset of an index is linear in the index, so when both ends stay clear of the
        // overflow that sends a position to the centre, every index in between does too.
        const AxisGeometry& g = horizontal_;
        if (g.range == 0.0)
            return true;
        for (const double index : {0.0, static_cast<double>(count_ - 1)}) {
            const double offset = (index - g.minimum) * g.length / g.range;
            if (!(std::fabs(offset) < chartmath::maxOffset))
                return false;
        }
        return true;
    }

    bool valuesMapInOrder(const AxisGeometry& vertical)
    {
        const int low = values_.minimum();
        const int high = values_.maximum();
        bool rising = true;
        bool falling = true;
        for (int v = low; v <= high; ++v) {
            rows_[static_cast<std::size_t>(v)] = vertical.positionOf(v);
            if (v > low) {
                rising = rising && rows_[static_cast<std::size_t>(v)] >= rows_[static_cast<std::size_t>(v - 1)];
                falling = falling && rows_[static_cast<std::size_t>(v)] <= rows_[static_cast<std::size_t>(v - 1)];
            }
        }
        if (!(rising || falling))
            return false;
        // Rows follow the values in one direction, so each row holds one run of values.
        for (int v = low; v <= high; ++v) {
            ByteRange& same = sameRow_[static_cast<std::size_t>(v)];
            same.low = static_cast<std::uint8_t>(v);
            while (same.low > low && rows_[same.low - 1u] == rows_[static_cast<std::size_t>(v)])
                --same.low;
            same.high = static_cast<std::uint8_t>(v);
            while (same.high < high && rows_[same.high + 1u] == rows_[static_cast<std::size_t>(v)])
                ++same.high;
        }
        return true;
    }

    // Qt clips a line to the device before it rasterises it, and a line clipped away entirely
    // leaves no trace in what the next line draws; points within the chart's own rectangle are
    // never clipped that way.
    bool inside(const QRect& bounds) const
    {
        const auto within = [](int p, int low, int high) { return p >= low && p <= high; };
        const int low = values_.minimum();
        const int high = values_.maximum();
        return within(column(0), bounds.left(), bounds.right()) &&
               within(column(count_ - 1), bounds.left(), bounds.right()) &&
               within(rows_[static_cast<std::size_t>(low)], bounds.top(), bounds.bottom()) &&
               within(rows_[static_cast<std::size_t>(high)], bounds.top(), bounds.bottom());
    }

    // The last index of the column at x that starts at first. A guess from inverting the
    // mapping is nearly always right; probing it and its neighbour settles the answer, and a
    // bisection between what the probes showed covers any guess that missed.
    std::int64_t lastIn(std::int64_t first, int x) const
    {
        std::int64_t known = first;   // in the column
        std::int64_t beyond = count_;  // past it
        const auto probe = [&](std::int64_t index) {
            if (index <= known || index >= beyond)
                return;
            if (column(index) == x)
                known = index;
            else
                beyond = index;
        };
        probe(guessLast(first, x));
        probe(known + 1);
        while (beyond - known > 1)
            probe(known + (beyond - known) / 2);
        return known;
    }

    std::int64_t guessLast(std::int64_t first, int x) const
    {
        const AxisGeometry& g = horizontal_;
        if (g.range == 0.0 || g.length == 0)
            return count_ - 1;
        // Index i lands on pixel offset round(o) where o = (i − minimum) × length / range; the
        // column's last index is the last one whose o stays within half a pixel of x.
        const double scale = g.range / g.length;
        const double half = scale > 0 ? 0.5 : -0.5;
        const double guess = std::floor(g.minimum + (x - g.startPos + half) * scale);
        if (!(guess >= static_cast<double>(first)))
            return first;
        return guess >= static_cast<double>(count_ - 1) ? count_ - 1 : static_cast<std::int64_t>(guess);
    }

    const ByteSeries& values_;
    const AxisGeometry& horizontal_;
    std::int64_t count_;
    std::array<int, 256> rows_{};
    std::array<ByteRange, 256> sameRow_{};
    bool valid_ = false;
};

// Where a segment heads, as the line drawing of one-pixel pens tells directions apart: mostly
// down, mostly up, or mostly across.
enum class Heading { None, Down, Up, Across };

Heading headingOf(QPoint from, QPoint to)
{
    if (std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y()))
        return Heading::Across;
    return to.y() > from.y() ? Heading::Down : Heading::Up;
}

}  // namespace

std::optional<ColumnStrokes> ColumnSegments::solid(const ByteSeries& points, const AxisGeometry& horizontal,
                                                     const AxisGeometry& vertical, const QRect& bounds)
{
    const ColumnWalk walk(points, horizontal, vertical, bounds);
    if (!walk.valid())
        return std::nullopt;
    ColumnStrokes strokes;
    QPoint end;  // the last point of the previous column
    bool started = false;
    walk.columns([&](int x, std::int64_t first, std::int64_t last) {
        const std::uint8_t firstValue = walk.value(first);
        const std::uint8_t lastValue = walk.value(last);
        const QPoint start(x, walk.row(firstValue));
        Heading in = Heading::None;
        if (started) {
            strokes.joins.append(QLine(end, start));
            in = headingOf(end, start);
            // A join heading up from the bottom row of the previous column came after a segment
            // heading down to it and so covers its start, that bottom row.
            ColumnSpan* previous = strokes.spans.isEmpty() ? nullptr : &strokes.spans.last();
            if (in == Heading::Up && previous && previous->x == end.x() && previous->bottom == end.y())
                previous->withBottom = true;
        }
        end = QPoint(x, walk.row(lastValue));
        started = true;
        if (last == first)
            return;
        const ByteRange range = walk.range(first, last);
        const int top = std::min(walk.row(range.low), walk.row(range.high));
        const int bottom = std::max(walk.row(range.low), walk.row(range.high));
        if (top == bottom)
            return;

        // The bottom row is inked where the points turn there: at a visit between the column's
        // first and last run of points, or at the first run when the join into the column came
        // down. (Wherever else the points go up, they start from a row the span holds anyway.)
        bool turnsAtBottom = true;
        if (start.y() == bottom || end.y() == bottom) {
            const std::int64_t firstRunEnd = walk.offRow(first + 1, last, firstValue, false) - 1;
            const std::int64_t lastRunStart = walk.offRow(first, last - 1, lastValue, true) + 1;
            bool visitedBetween = false;
            if (firstRunEnd + 1 < lastRunStart) {
                const ByteRange between = walk.range(firstRunEnd + 1, lastRunStart - 1);
                visitedBetween = std::max(walk.row(between.low), walk.row(between.high)) == bottom;
            }
            turnsAtBottom = visitedBetween || (start.y() == bottom && in == Heading::Down);
        }
        strokes.spans.append(ColumnSpan{x, top, bottom, turnsAtBottom});
    });
    return strokes;
}

QVector<QLine> ColumnSegments::spanLines(const QVector<ColumnSpan>& spans)
{
    // Each span starts heading down, which never covers more than its rows, so the lines of one
    // span do not depend on those of the span before.
    QVector<QLine> lines;
    lines.reserve(spans.size() * 2);
    for (const ColumnSpan& span : spans) {
        lines.append(QLine(span.x, span.top, span.x, span.bottom));
        if (span.withBottom) {
            lines.append(QLine(span.x, span.bottom, span.x, span.bottom - 1));
            lines.append(QLine(span.x, span.bottom - 1, span.x, span.bottom));
        }
    }
    return lines;
}

std::optional<ColumnPath> ColumnSegments::path(const ByteSeries& points, const AxisGeometry& horizontal,
                                                const AxisGeometry& vertical, const QRect& bounds)
{
    const ColumnWalk walk(points, horizontal, vertical, bounds);
    if (!walk.valid())
        return std::nullopt;
    // Rows per unit of value, to turn the values' total variation into a path length in rows.
    const int low = points.minimum();
    const int high = points.maximum();
    const double rowsPerValue =
        high > low ? std::abs(walk.row(static_cast<std::uint8_t>(high)) - walk.row(static_cast<std::uint8_t>(low))) /
                         static_cast<double>(high - low)
                   : 0.0;
    ColumnPath result;
    QPoint last;
    bool started = false;
    const auto add = [&](QPoint p) {
        if (started && p != last)
            result.dashed.append(QLine(last, p));
        last = p;
        started = true;
    };
    walk.columns([&](int x, std::int64_t first, std::int64_t lastIndex) {
        if (lastIndex - first < smallColumn) {
            for (std::int64_t i = first; i <= lastIndex; ++i)
                add(QPoint(x, walk.row(walk.value(i))));
            return;
        }
        const int startRow = walk.row(walk.value(first));
        const int endRow = walk.row(walk.value(lastIndex));
        const ByteRange inner = walk.range(first + 1, lastIndex - 1);
        int near = walk.row(inner.low);
        int far = walk.row(inner.high);
        if (std::abs(far - startRow) < std::abs(near - startRow))
            std::swap(near, far);
        // Sweeps back and forth over the column make up the length the points' own path has
        // there, as far as its dashes would leave gaps; a path that crosses the column more
        // often inks all of it. (The points' path spends more of its length in the middle of
        // the column than at its edges, so the edges come out a little fuller than theirs.)
        const int span = std::abs(far - near);
        const double length = rowsPerValue * static_cast<double>(walk.variation(first, lastIndex));
        const double shortest = std::abs(near - startRow) + span + std::abs(endRow - far);
        const long sweeps = span > 0 ? std::lround((length - shortest) / (2.0 * span)) : 0;
        add(QPoint(x, startRow));
        if (sweeps >= solidSweeps) {
            // The solid span covers whatever the path would draw in the column; it goes on
            // from the column's last point.
            const auto [top, bottom] = std::minmax({startRow, endRow, near, far});
            result.solid.append(ColumnSpan{x, top, bottom, false});
            last = QPoint(x, endRow);
            return;
        }
        add(QPoint(x, near));
        for (long k = 0; k < sweeps; ++k) {
            add(QPoint(x, far));
            add(QPoint(x, near));
        }
        add(QPoint(x, far));
        add(QPoint(x, endRow));
    });
    return result;
}
