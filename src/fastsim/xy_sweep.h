#pragma once

#include <functional>

namespace vork {

class Simulation;

// The XY recorder's "Registra": round(window / 0.1) evaluation passes offline (scan timer stopped,
// batch mode on) at dt = 0.1 s, one point (X, Y) added to the recorder after each. `progress` sees
// every change of the percentage done, from 0.
void RunXYSweep(Simulation& sim, const std::function<void(int)>& progress = {});

}  // namespace vork
