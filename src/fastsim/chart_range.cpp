#include "fastsim/chart_range.h"

#include <algorithm>
#include <cmath>

namespace vork {

namespace {

constexpr double kMargin = 0.05;  // of the span, above and below the points

size_t LongestCurve(const LoopCurves& curves) {
    return std::max({curves.pv.size(), curves.sp.size(), curves.co.size()});
}

// The lowest and highest value of every curve within the span; empty when none has a point.
std::optional<AxisRange> ValueSpan(const LoopCurves& curves, PointSpan span) {
    std::optional<AxisRange> found;
    for (const std::vector<double>* curve : {&curves.pv, &curves.sp, &curves.co}) {
        int end = std::min<int>(span.end, static_cast<int>(curve->size()));
        for (int i = span.first; i < end; ++i) {
            double v = (*curve)[i];
            if (!std::isfinite(v)) continue;
            if (!found) found = AxisRange{v, v};
            found->min = std::min(found->min, v);
            found->max = std::max(found->max, v);
        }
    }
    return found;
}

AxisRange WithMargin(AxisRange r) {
    double span = r.max - r.min;
    double pad = span > 0 ? span * kMargin : std::max(1.0, std::abs(r.max) * kMargin);
    return {r.min - pad, r.max + pad};
}

}  // namespace

PointSpan PageSpan(int page, int pointsPerPage, int points) {
    long long first = static_cast<long long>(std::max(page, 1) - 1) * pointsPerPage;
    if (first >= points) return {points, points};
    return {static_cast<int>(first),
            static_cast<int>(std::min<long long>(first + pointsPerPage, points))};
}

ChartRange VisibleRange(const LoopCurves& curves, int page, int pointsPerPage,
                        const ChartAxes& axes) {
    PointSpan span = PageSpan(page, pointsPerPage, static_cast<int>(LongestCurve(curves)));
    ChartRange range{{0, 1}, {0, 100}};
    if (span.end > span.first)
        range.x = {static_cast<double>(span.first),
                   static_cast<double>(std::max(span.end - 1, span.first + 1))};
    if (std::optional<AxisRange> values = ValueSpan(curves, span)) range.y = WithMargin(*values);
    if (axes.x) range.x = *axes.x;
    if (axes.y) range.y = *axes.y;
    return range;
}

std::vector<double> AxisTicks(const AxisRange& range, int wanted) {
    double span = range.max - range.min;
    if (!(span > 0) || !std::isfinite(span) || wanted < 1) return {};
    double raw = span / wanted;
    int exponent = static_cast<int>(std::floor(std::log10(raw)));
    // A power of ten as a whole number, so that a tick k * factor / 10^n is the nearest double to
    // its decimal (0.3, not 0.30000000000000004).
    double scale = std::pow(10.0, std::abs(exponent));
    auto tick = [&](double multiple) {
        return exponent >= 0 ? multiple * scale : multiple / scale;
    };
    double factor = 1;
    for (double f : {1.0, 2.0, 5.0, 10.0}) {
        factor = f;
        if (tick(f) >= raw) break;
    }
    double step = tick(factor);
    std::vector<double> ticks;
    for (double k = std::ceil(range.min / step - 1e-9); k * step <= range.max + step * 1e-9; ++k)
        ticks.push_back(k == 0 ? 0.0 : tick(k * factor));
    return ticks;
}

}  // namespace vork
