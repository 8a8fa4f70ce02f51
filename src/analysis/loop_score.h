#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/tuning_rules.h"
#include "analysis/work_monitor.h"
#include "fastsim/indices.h"
#include "fastsim/loop_curves.h"

namespace vork {

// The trial run of a set of settings: a fast simulation of the loop at the scan's time step with
// a setpoint step on this loop alone, at the instant the fast simulation makes its test step.
struct ScoreOptions {
    int windowSeconds = 1800;  // one of the fast simulation's windows
    double dt = 0.1;           // seconds per pass
    double amplitude = 10;     // setpoint step, percent; downwards when upwards passes 100
};

struct LoopScore {
    IndexValues indices;  // in percent
    // The PV came back within half the step of the setpoint over the last fifth of the window.
    bool settled = false;
    LoopCurves curves;  // one point per simulated second, percent
    std::string error;
    bool cancelled = false;
};

// Runs a copy of the plant read from `projectBytes` with the suggested set in loop `loop`'s
// controller (validated as after "Atualizar"), the loop in automatic with a local setpoint.
LoopScore ScoreSettings(std::string_view projectBytes, int loop, const Suggestion& set,
                        const ScoreOptions& options, const WorkMonitor& monitor = {});

// The shortest fast-simulation window that leaves, after its test step, ten times the slower of
// the model's T + theta and the slowest reset time among the sets.
int ScoreWindowFor(const ProcessModel& model, const std::vector<Suggestion>& sets);

}  // namespace vork
