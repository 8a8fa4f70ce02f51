#pragma once

#include <array>
#include <string>

#include "fastsim/loop_curves.h"

namespace vork {

// The seven index texts of one loop, in the results table's column order: variability, IEM, IEMA,
// CO travel, CO deviation, CO saturation, PV mean/min/max.
using IndexRow = std::array<std::string, 7>;

enum IndexColumn {
    kVariability,
    kIem,
    kIema,
    kCoTravel,
    kCoDeviation,
    kCoSaturation,
    kPvMeanMinMax
};

// The text every field shows for a loop with fewer than two points, where no deviation exists.
inline constexpr const char* kNoIndex = "—";

// Scores one loop's curves.
IndexRow Score(const LoopCurves& curves);

// " %" with `normalize` checked, otherwise a blank and the PV's engineering unit.
std::string UnitSuffix(bool normalize, const std::string& unit);

// A table row as the panel shows it: the first three fields carry the unit suffix.
IndexRow DisplayRow(const IndexRow& row, const std::string& suffix);

// The two results tables (upper: the run or an upper load; lower: a lower load) and their flags.
// They belong to the program, not to a window, and rows not scored keep their texts.
struct ResultsTables {
    std::array<IndexRow, 10> upper{}, lower{};
    std::array<std::string, 10> upperUnits{}, lowerUnits{};
    bool resultsAvailable = false;
    bool historyLoaded = false;

    // Scores every active loop into the upper or lower table.
    void Fill(bool upperRow, const LoopConfigs& loops, const LoopCurveSet& curves);
};

}  // namespace vork
