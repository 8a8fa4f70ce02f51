#pragma once

#include <optional>
#include <vector>

#include "fastsim/loop_curves.h"

namespace vork {

// One axis of a loop chart, in the curves' units: point index (seconds) across, percent or
// engineering units up.
struct AxisRange {
    double min = 0, max = 1;
    bool operator==(const AxisRange&) const = default;
};

struct ChartRange {
    AxisRange x, y;
    bool operator==(const ChartRange&) const = default;
};

// Axes set by hand (a zoom, the fixed 0..100 scale); an empty axis follows the points shown.
struct ChartAxes {
    std::optional<AxisRange> x, y;
    bool operator==(const ChartAxes&) const = default;
};

// The first and one past the last point of `page` (1-based) of `points` points in pages of
// `pointsPerPage`; an empty span past the last point.
struct PointSpan {
    int first = 0, end = 0;
};
PointSpan PageSpan(int page, int pointsPerPage, int points);

// What a chart shows of its curves: across, the points of its page (or the hand-set axis); up,
// the lowest to the highest of those points with a small margin (or the hand-set axis). A
// chart without points shows 0..1 across and 0..100 up.
ChartRange VisibleRange(const LoopCurves& curves, int page, int pointsPerPage,
                        const ChartAxes& axes);

// Round values for the grid lines of an axis, at most about `wanted` of them, steps of 1, 2 or 5
// times a power of ten.
std::vector<double> AxisTicks(const AxisRange& range, int wanted);

}  // namespace vork
