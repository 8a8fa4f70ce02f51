#include "fastsim/xy_sweep.h"

#include "engine/numbers.h"
#include "fastsim/progress_gauge.h"
#include "plant/offline_run.h"
#include "plant/simulation.h"
#include "plant/xy_recorder.h"

namespace vork {

namespace {
constexpr double kSweepStepSeconds = 0.1;
}

void RunXYSweep(Simulation& sim, const std::function<void(int)>& progress) {
    XYRecorder& xy = sim.xy();
    OfflineRun run(sim, kSweepStepSeconds);
    const int n = static_cast<int>(RoundDecimalQuotient(
        XYRecorder::WindowSeconds(xy.fields.JanelaComboBox) / kSweepStepSeconds));
    const int x = xy.fields.ComboX + 1, y = xy.fields.ComboY + 1;
    ProgressGauge gauge(progress, n);
    xy.points.reserve(xy.points.size() + static_cast<size_t>(n));
    for (int b = 0; b < n; ++b) {
        gauge.At(b);
        sim.EvaluationPass();
        xy.points.push_back({sim.vars.Read(x), sim.vars.Read(y)});
    }
}

}  // namespace vork
