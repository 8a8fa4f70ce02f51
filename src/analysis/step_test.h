#pragma once

#include <string>
#include <string_view>

#include "analysis/response.h"
#include "analysis/work_monitor.h"

namespace vork {

// Open: the loop in manual at its present output, a step on the output. Closed: the loop stays
// in automatic with its present settings and its setpoint steps; the model is then fitted to how
// the PV answered the controller's own output, so the plant stays under control throughout.
enum class TestMethod { OpenLoopStep, ClosedLoopStep };

struct StepTestOptions {
    int loop = 1;  // controller slot
    TestMethod method = TestMethod::OpenLoopStep;
    double amplitude = 10;  // percent of the output (open) or of the setpoint (closed)
    double dt = 0.1;        // seconds per pass, the scan's time step
};

struct StepTestResult {
    Response response;           // t = 0 at the step, from one minute before it
    double appliedStep = 0;      // the step made, percent: downwards when upwards would pass 100
    double settleSeconds = 0;    // simulated time the plant was given to settle before the test
    bool settledBefore = false;  // the PV settled within the ten minutes allowed
    bool settledAfter = false;   // the PV settled again before the record ended
    std::string error;           // why no test was made
    bool cancelled = false;
};

// Runs the test on a copy of the plant read from `projectBytes`: lets the plant settle (until the
// PV's mean over a minute moves less than 0.1 % from the minute before, at most ten minutes),
// records a minute at rest, makes the step and records every pass until the PV has answered and
// settled again, leaves 0.5..99.5 %, or an hour has passed.
StepTestResult RunStepTest(std::string_view projectBytes, const StepTestOptions& options,
                           const WorkMonitor& monitor = {});

}  // namespace vork
