#include "plant/offline_run.h"

#include <exception>

#include "plant/simulation.h"

namespace vork {

OfflineRun::OfflineRun(Simulation& sim, double dt, SlotAccess slots)
    : sim_(sim),
      timerEnabled_(sim.scan.timerEnabled),
      batch_(sim.batch),
      dt_(sim.dt),
      exceptions_(std::uncaught_exceptions()) {
    sim.scan.timerEnabled = false;
    sim.batch = true;
    sim.dt = dt;
    if (slots == SlotAccess::Locked) hold_.emplace(sim.stepping);
}

OfflineRun::~OfflineRun() {
    sim_.scan.timerEnabled = timerEnabled_;
    sim_.batch = batch_;
    if (std::uncaught_exceptions() > exceptions_) sim_.dt = dt_;
}

}  // namespace vork
