#include "analysis/loop_score.h"

#include <algorithm>
#include <cmath>

#include "analysis/plant_copy.h"
#include "engine/numbers.h"
#include "fastsim/fast_run.h"
#include "plant/addresses.h"
#include "plant/controller.h"

namespace vork {

namespace {

constexpr double kLateShare = 0.2;        // of the window, where the loop must have settled
constexpr double kSettledError = 0.5;     // of the step
constexpr double kSettleTimes = 10.0;     // settling horizons after the test step
constexpr double kAfterStepShare = 0.89;  // of the window, after the test step at about 10.5 %
constexpr long long kCancelCheck = 600;   // passes between looks at the monitor

bool SettledLate(const LoopCurves& c, double step) {
    size_t from = static_cast<size_t>(static_cast<double>(c.pv.size()) * (1 - kLateShare));
    double worst = 0;
    for (size_t j = from; j < c.pv.size(); ++j)
        worst = std::max(worst, std::abs(c.sp[j] - c.pv[j]));
    return worst < kSettledError * std::abs(step);
}

void Record(const Simulation& sim, const LoopAccess& loop, int slot, LoopCurves& curves) {
    AppendLoopPoint(curves, sim.vars, loop.pvAddress, sim.vars.Read(loop.pvAddress),
                    sim.vars.Read(SetpointAddress(slot)),
                    sim.vars.Read(ControllerOutputAddress(slot)), true);
}

// The run itself: the passes, the step and one record a simulated second.
void Run(Simulation& sim, const LoopAccess& loop, int slot, const ScoreOptions& o,
         const WorkMonitor& monitor, LoopScore& out) {
    const long long n = RoundDecimalQuotient(o.windowSeconds / o.dt);
    const long long m = RoundDecimalQuotient(1.0 / o.dt);
    const long long stepAt = TestStepInstant(n);
    ControllerState& state = loop.controller->state;
    double step = 0;
    ProgressCounter progress(monitor);
    sim.batch = true;
    sim.dt = o.dt;
    for (long long h = 0; h < n; ++h) {
        if (h % kCancelCheck == 0) {
            if (progress.Cancelled()) {
                out.cancelled = true;
                return;
            }
            progress.Report(static_cast<double>(h), static_cast<double>(n));
        }
        sim.EvaluationPass([&] {
            if (h != stepAt) return;
            step = state.SP + o.amplitude <= 100 ? o.amplitude : -o.amplitude;
            state.SP += step;
        });
        if ((h + 1) % m == 0) Record(sim, loop, slot, out.curves);
    }
    progress.Report(1, 1);
    std::optional<IndexValues> values = ScoreValues(out.curves);
    if (values) out.indices = *values;
    out.settled = values && SettledLate(out.curves, step);
}

}  // namespace

LoopScore ScoreSettings(std::string_view projectBytes, int slot, const Suggestion& set,
                        const ScoreOptions& o, const WorkMonitor& monitor) {
    LoopScore out;
    PlantCopy copy = LoadPlantCopy(projectBytes);
    if (!copy.project) {
        out.error = copy.error;
        return out;
    }
    Simulation& sim = copy.project->sim;
    LoopAccess loop = FindLoop(sim, slot);
    if (!loop.controller) {
        out.error = loop.error;
        return out;
    }
    CopyIntoFields(set, loop.controller->fields);
    loop.controller->Validate(sim);
    SwitchToAutomatic(sim, loop);
    Run(sim, loop, slot, o, monitor, out);
    return out;
}

int ScoreWindowFor(const ProcessModel& model, const std::vector<Suggestion>& sets) {
    double slowest = model.timeConstant + model.deadTime;
    for (const Suggestion& s : sets) {
        double ti = s.structure == kParalela ? s.settings.Ti * s.settings.Kc : s.settings.Ti;
        slowest = std::max(slowest, ti);
    }
    for (int position = 0; position < 4; ++position) {
        int w = WindowSeconds(position);
        if (w * kAfterStepShare >= kSettleTimes * slowest) return w;
    }
    return WindowSeconds(3);
}

}  // namespace vork
