#include "plant/trend_cursor.h"

#include "engine/numbers.h"

namespace vork {

void TrendCursor::ResetLabels(const std::string& prefix, const std::string& suffix) {
    for (int n = 1; n <= kPoints; ++n)
        labels[static_cast<size_t>(n - 1)] = prefix + std::to_string(n) + suffix;
}

void TrendCursor::Record(const std::string& text, int x, int y, bool withMarker) {
    size_t i = static_cast<size_t>(counter - 1);
    labels[i] = text;
    if (withMarker) markers[i] = {true, x, y, x + 5, y - 12};
    counter = counter >= kPoints ? 1 : counter + 1;
}

double TrendCursor::ReadY(const std::string& sup, const std::string& inf, int y) {
    double top = ParseLenient(sup);
    double bottom = ParseLenient(inf);
    return bottom + (top - bottom) / 100.0 * ((200.0 - y) / 2.0);
}

double TrendCursor::ReadX(TimeBase base, int x) {
    return x * CursorSecondsPerSample(base);
}

}  // namespace vork
