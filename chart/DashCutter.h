#pragma once

#include <QLine>
#include <QVector>

#include <cstddef>
#include <vector>

// Cuts a path, handed over as consecutive batches of segments, into dashes by an on/off
// pattern whose phase runs on across segments and batches. Lengths are measured along each
// segment's longer direction, in pixels.
class DashCutter {
public:
    // pattern alternates "on" and "off" lengths, starting with "on"; an empty pattern or one
    // without any length passes segments through unchanged.
    explicit DashCutter(std::vector<int> pattern);

    // Appends the dashes of segments, the next stretch of the path, to dashes.
    void cut(const QVector<QLine>& segments, QVector<QLine>& dashes);

private:
    std::vector<int> pattern_;
    bool passThrough_;
    std::size_t part_ = 0;   // current entry of the pattern; even entries draw
    int leftInPart_ = 0;     // pixels still to go in it
};
