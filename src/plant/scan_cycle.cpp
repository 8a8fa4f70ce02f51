#include "plant/scan_cycle.h"

#include <cmath>

#include "engine/numbers.h"

namespace vork {

namespace {
constexpr double kDayMs = 86400000.0;
}

void ScanCycle::Measure(double nowMs) {
    // The first tick has no previous one; it counts as one nominal cycle.
    measuredMs = previousTickMs ? nowMs - *previousTickMs : cycleMs;
    if (measuredMs < 0) measuredMs += kDayMs;  // the clock passed midnight
    previousTickMs = nowMs;
    cycleText = Fixed(measuredMs, 0) + "ms";
}

bool ScanCycle::RefreshDue() {
    if (++refreshCounter <= 5) return false;
    refreshCounter = 0;
    return true;
}

void ScanCycle::TogglePause() {
    timerEnabled = !timerEnabled;
    pauseChecked = !pauseChecked;
}

}  // namespace vork
