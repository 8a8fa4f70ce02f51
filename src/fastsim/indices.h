#pragma once

#include <array>
#include <optional>
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

// The indices of one loop as numbers, before they are written as texts: percent (or the PV's
// engineering units, as charted) for the PV figures, percent for the CO figures.
struct IndexValues {
    double variability = 0;   // three sample standard deviations of the PV
    double iem = 0;           // mean of SP - PV
    double iema = 0;          // mean of |SP - PV|
    double coTravel = 0;      // sum of |CO changes| / 100
    double coDeviation = 0;   // three sample standard deviations of the CO
    double coSaturation = 0;  // percent of points with CO at or beyond 2 % of either end
    double pvMean = 0, pvMin = 0, pvMax = 0;
};

// The numbers of one loop's curves; none with fewer than two points.
std::optional<IndexValues> ScoreValues(const LoopCurves& curves);

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
