#pragma once

#include <optional>
#include <string>

namespace vork {

// The state of the real-time scan timer: its interval, the measured cycle, the display refresh
// counter, and whether it runs.
struct ScanCycle {
    int cycleMs = 100;                     // execution cycle, milliseconds
    std::optional<double> previousTickMs;  // time of day of the previous tick, milliseconds
    double measuredMs = 0.0;
    std::string cycleText;  // "100ms": the configuration window's Label2
    int refreshCounter = 0;
    bool timerEnabled = true;
    bool pauseChecked = false;  // the "Pausar Simulação" menu item's check mark

    // Measures the cycle at `nowMs` and updates the cycle text.
    void Measure(double nowMs);
    // Advances the refresh counter; true on every sixth call.
    bool RefreshDue();
    // The pause menu item: flips the timer and the check mark.
    void TogglePause();
};

}  // namespace vork
