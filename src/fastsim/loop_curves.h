#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/variable_table.h"

namespace vork {

// The three curves of one loop's chart, one point per simulated second. PV and SP are in percent
// or in engineering units, as charted; CO is always in percent.
struct LoopCurves {
    std::vector<double> pv, sp, co;
    void Clear() {
        pv.clear();
        sp.clear();
        co.clear();
    }
};

// What a run or an archive load needs to know of loop i (controller slot i): whether the slot is
// filled and which variable the controller measures (0 = none selected).
struct LoopConfig {
    bool present = false;
    int pvAddress = 0;
    std::string unit;  // engineering unit of the PV, captured for the index display
    bool Active() const { return present && pvAddress >= 1; }
};

using LoopConfigs = std::array<LoopConfig, 10>;
using LoopCurveSet = std::array<LoopCurves, 10>;

// Appends one point of loop `loop` (1..10): PV and SP from their percent values, converted to the
// PV's engineering range when `normalize` is off; CO stays in percent.
void AppendLoopPoint(LoopCurves& curves, const VariableTable& vars, int pvAddress, double pv,
                     double sp, double co, bool normalize);

}  // namespace vork
