#pragma once

#include <optional>

#include "plant/step_lock.h"

namespace vork {

class Simulation;

// Whether an offline run may fill and empty slots: a load does, a run of evaluation passes must
// not.
enum class SlotAccess { Locked, Open };

// The plant held for work outside the real-time tick (a load, the fast simulation, the XY sweep):
// the scan timer stopped, batch mode on, the run's time step in dt, and, unless the slots are
// open, the step lock held. On exit, normal or by exception, the timer, batch mode and the lock are
// as they were. A run that completes leaves its step in dt until the next real-time tick sets it
// back; a run that throws leaves dt as it was.
class OfflineRun {
  public:
    OfflineRun(Simulation& sim, double dt, SlotAccess slots = SlotAccess::Locked);
    ~OfflineRun();
    OfflineRun(const OfflineRun&) = delete;
    OfflineRun& operator=(const OfflineRun&) = delete;

  private:
    Simulation& sim_;
    bool timerEnabled_;
    bool batch_;
    double dt_;
    int exceptions_;  // uncaught at the start: more at the end means the run throws
    std::optional<StepLock::Hold> hold_;
};

}  // namespace vork
