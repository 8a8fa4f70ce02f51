#pragma once

#include <string>
#include <vector>

namespace vork::test {

// What the control error of a recorded run shows at its end.
struct OscillationVerdict {
    bool sustained = false;
    double amplitude = 0;   // standard deviation of the error over the analysed part, percent
    double regularity = 0;  // mean / (3 standard deviations) of the zero-crossing intervals
    double period = 0;      // seconds (one point per second), when sustained
};

// Looks for a sustained oscillation of SP - PV in the last half of a run, long after the test
// step: the autocorrelation of a cycling loop crosses zero at regular intervals, that of a
// loop under random load does not. A quiet error (below 0.2 % standard deviation) never counts.
OscillationVerdict DetectOscillation(const std::vector<double>& pv, const std::vector<double>& sp);

// Share of the points, in percent, with the output at or beyond 98 % or at or below 2 %.
double SaturationShare(const std::vector<double>& co);

}  // namespace vork::test
