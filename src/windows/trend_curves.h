#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/window_text.h"
#include "windows/trend_panel.h"

namespace vork {

// One curve of a trend as the plot draws it: a column title and the plot point it reads. Points 0
// and 1 are the scaled traces, exported from their raw values in engineering units; points 2
// and 3 are on the fixed axis, exported in percent.
struct TrendCurve {
    std::string title;
    int point = 0;
};

// The curves of the samples taken so far, oldest first, as comma-separated text: a title row
// ("Tempo (s)" and the curve titles), then one row per sample with its time from the oldest
// sample, in seconds after the time base, and the value of each curve.
std::string TrendCurvesCsv(const TrendPanel& panel, const std::vector<TrendCurve>& curves);

// The export button of a trend and its menu entries, in both languages.
extern const std::array<WindowText, 5> kTrendExportTexts;

}  // namespace vork
