#include "DashCutter.h"

#include "ChartMath.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

DashCutter::DashCutter(std::vector<int> pattern) : pattern_(std::move(pattern))
{
    passThrough_ = pattern_.empty() || std::accumulate(pattern_.begin(), pattern_.end(), 0) <= 0;
    if (!passThrough_)
        leftInPart_ = pattern_[0];
}

void DashCutter::cut(const QVector<QLine>& segments, QVector<QLine>& dashes)
{
    if (passThrough_) {
        dashes += segments;
        return;
    }
    for (const QLine& segment : segments) {
        const int dx = segment.dx();
        const int dy = segment.dy();
        const int length = std::max(std::abs(dx), std::abs(dy));
        auto at = [&](int t) {
            return QPoint(segment.x1() + static_cast<int>(chartmath::roundHalfEven(double(dx) * t / length)),
                          segment.y1() + static_cast<int>(chartmath::roundHalfEven(double(dy) * t / length)));
        };
        int t = 0;
        while (t < length) {
            const int run = std::min(leftInPart_, length - t);
            if (part_ % 2 == 0 && run > 0)
                dashes.append(QLine(at(t), at(t + run)));
            t += run;
            leftInPart_ -= run;
            if (leftInPart_ <= 0) {
                part_ = (part_ + 1) % pattern_.size();
                leftInPart_ = pattern_[part_];
            }
        }
    }
}
