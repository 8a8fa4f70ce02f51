#pragma once

#include <string>

#include "fastsim/fast_run.h"
#include "fastsim/loop_curves.h"

namespace vork {
class Simulation;
}

namespace vork::cli {

// Whether this vork-sim can draw charts (it is built with Qt Gui).
bool CanPlot();

// Writes the chart of every active loop of a run as a PNG in `folder` (created when missing),
// drawn as the fast-simulation window draws it, on the offscreen platform: no display needed.
// One file per loop, "loop<i>_<tag>.png"; the names go to standard error. Returns an error text,
// empty on success.
std::string PlotLoops(const std::string& folder, const std::string& projectName,
                      const Simulation& sim, const RunOutcome& out, const LoopCurveSet& charts);

}  // namespace vork::cli
