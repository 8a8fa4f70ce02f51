#pragma once

#include <string>

#include "fastsim/loop_curves.h"

namespace vork {

// A loop chart's curves as CSV for a spreadsheet: a header "s,PV,SP,MV", then one line per point
// with its second and the three values (a curve without that point leaves its field empty).
// Numbers use the point and as many digits as it takes to read them back exactly.
std::string CurvesCsv(const LoopCurves& curves);

}  // namespace vork
