#pragma once

#include <QLine>
#include <QRect>
#include <QVector>

#include <optional>

struct AxisGeometry;
class ByteSeries;

// The rows a solid curve inks in pixel column x: from row top down to row bottom. One-pixel
// pens leave the bottom row itself out unless withBottom is set; wider pens always reach it.
struct ColumnSpan {
    int x = 0;
    int top = 0;
    int bottom = 0;
    bool withBottom = false;
};

// A solid curve as one span per pixel column plus the joins from the last point of each column
// to the first point of the next.
struct ColumnStrokes {
    QVector<ColumnSpan> spans;
    QVector<QLine> joins;
};

// A patterned curve: the path its dashes are cut along, and the column spans its dashes would
// ink completely, to be drawn solid.
struct ColumnPath {
    QVector<QLine> dashed;
    QVector<ColumnSpan> solid;
};

// Curves worked out per pixel column from the series' value summary instead of from every
// point, so their size and cost depend on the chart's width, not on the number of points.
//
// Why a solid curve keeps its pixels: points that share a pixel column are joined by vertical
// segments. A vertical segment covers the rows from its upper to its lower end, with the lower
// end itself for pens wider than one pixel and without it for one-pixel pens, the same whichever
// way it is drawn. Consecutive segments share an end, so their rows join up, and everything drawn
// inside a column is the rows from the column's highest to its lowest point. One thing more for
// one-pixel pens: Qt's line drawing remembers the direction of the previous line of a batch,
// and a line heading up right after one heading down also covers its start pixel. Inside a
// column that inks the bottom row exactly where the points turn there; for a join it inks its
// start, which the column's rows hold anyway except on the bottom row, where the span takes it
// over. The joins themselves are the segments between columns, kept as they are.
class ColumnSegments {
public:
    // Columns holding at most this many points are followed point by point in path().
    static constexpr int smallColumn = 8;

    // For solid opaque pens. Drawn with the series' pen, the joins in one batch and the spans
    // either as the pixels they name or as spanLines() in another batch, they give exactly the
    // pixels of LineSegments::build(). std::nullopt when the axes do not map index and
    // value onto pixels in one direction each (a reversed range is fine; positions that
    // overflow to the axis centre are not) or when a point lies outside bounds, the chart's own
    // rectangle: there only every point will do.
    static std::optional<ColumnStrokes> solid(const ByteSeries& points, const AxisGeometry& horizontal,
                                               const AxisGeometry& vertical, const QRect& bounds);
    // Lines that ink spans with the pen they were worked out for: down each span, and where the
    // bottom row is wanted, up one row and down again.
    static QVector<QLine> spanLines(const QVector<ColumnSpan>& spans);

    // A column whose points' path would sweep its span this many more times than needed is
    // drawn solid.
    static constexpr int solidSweeps = 2;

    // For patterned pens, whose dashes follow the path. A column holding at most smallColumn
    // points is followed point by point, so while no column holds more the path is exactly
    // LineSegments::build(). A larger one goes from its first point to its highest and
    // lowest point (the one nearer first) and on to its last, with as many extra sweeps between
    // the two as bring the path to about the length of its points' own path (their total
    // variation in rows): dashes depend on the length of the path, and so the column gets as
    // much ink as every point would give it. Past solidSweeps sweeps the dashes would cover the
    // column, and its span goes to solid instead. std::nullopt as for solid().
    static std::optional<ColumnPath> path(const ByteSeries& points, const AxisGeometry& horizontal,
                                           const AxisGeometry& vertical, const QRect& bounds);
};
