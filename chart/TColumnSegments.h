#pragma once

#include <QLine>
#include <QRect>
#include <QVector>

#include <optional>

class TChartAxis;
class TFastLineSeries;

// The segments that draw a series, worked out per pixel column from the series' value summary
// instead of from every point, so their number and cost depend on the chart's width, not on
// the number of points.
//
// Why this draws the same pixels: points that share a pixel column are joined by vertical
// segments. A vertical segment covers the rows from its upper to its lower end, with the lower
// end itself for pens wider than one pixel and without it for one-pixel pens, the same whichever
// way it is drawn. Consecutive segments share an end, so their rows join up, and everything drawn
// inside a column is the rows of one segment from the column's highest to its lowest point. One
// thing more for one-pixel pens: Qt's line drawing remembers the direction of the previous line
// of a batch, and a segment heading up right after one heading down also covers its start, so
// the lowest row is inked exactly when the points turn there; the column's segments reproduce
// that and the direction they leave behind. The segments joining the last point of a column to
// the first of the next are kept as they are.
class TColumnSegments {
public:
    // Columns holding at most this many points are followed point by point in path().
    static constexpr int smallColumn = 8;

    // For solid opaque pens: per column one vertical segment from its highest to its lowest
    // point (none when they share a pixel) and the segment from its last point to the next
    // column's first. Drawn with the same pen, they give exactly the pixels of
    // TFastLineSegments::build() drawn in one batch. std::nullopt when the axes do not map index
    // and value onto pixels in one direction each (a reversed range is fine; positions that
    // overflow to the axis centre are not) or when a point lies outside bounds, the chart's own
    // rectangle: there only every point will do.
    static std::optional<QVector<QLine>> solid(const TFastLineSeries& series, const TChartAxis& horizontal,
                                               const TChartAxis& vertical, const QRect& bounds);

    // For patterned pens, whose dashes follow the path: the path through each column's first
    // point, its highest and lowest point (the one nearer the first point first) and its last
    // point, or through every point of a column holding at most smallColumn, with the
    // same-pixel skip. Identical to TFastLineSegments::build() while no column holds more than
    // smallColumn points. std::nullopt as for solid().
    static std::optional<QVector<QLine>> path(const TFastLineSeries& series, const TChartAxis& horizontal,
                                              const TChartAxis& vertical, const QRect& bounds);
};
