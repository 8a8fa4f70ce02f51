#include "fastsim/fast_run.h"

#include <algorithm>

#include "engine/numbers.h"
#include "fastsim/progress_gauge.h"
#include "fastsim/txd_archive.h"
#include "plant/addresses.h"
#include "plant/controller.h"
#include "plant/offline_run.h"
#include "plant/simulation.h"

namespace vork {

LoopConfigs ReadLoopConfigs(const Simulation& sim) {
    LoopConfigs loops;
    for (int i = 1; i <= 10; ++i) {
        const Controller* c = sim.controllers.Get(i);
        if (!c) continue;
        LoopConfig& loop = loops[i - 1];
        loop.present = true;
        loop.pvAddress = c->fields.VariavelSelect + 1;
        loop.unit = sim.vars.Attribute(loop.pvAddress, AttributeField::Unit);
    }
    return loops;
}

namespace {

// The test step for every present controller: a load step moves the bias term, a set-point step
// the setpoint and, for controllers 1 to 4, their remote source variable as well.
void ApplyTestStep(Simulation& sim, TestSignal signal, int amplitude) {
    for (int i = 1; i <= 10; ++i) {
        Controller* c = sim.controllers.Get(i);
        if (!c) continue;
        if (signal == TestSignal::LoadStep) {
            c->state.FFValue += amplitude;
            continue;
        }
        c->state.SP += amplitude;
        if (i <= 4) {
            int source = c->fields.SPRSelect + 1;
            sim.vars.Write(source, sim.vars.Read(source) + amplitude);
        }
    }
}

void RecordLoops(const Simulation& sim, const LoopConfigs& loops, bool normalize,
                 LoopCurveSet& curves) {
    for (int i = 1; i <= 10; ++i) {
        const LoopConfig& loop = loops[i - 1];
        if (!loop.Active()) continue;
        AppendLoopPoint(curves[i - 1], sim.vars, loop.pvAddress, sim.vars.Read(loop.pvAddress),
                        sim.vars.Read(SetpointAddress(i)),
                        sim.vars.Read(ControllerOutputAddress(i)), normalize);
    }
}

// Runs the steps; returns an error text when the archive could not be written.
std::optional<std::string> Step(Simulation& sim, const RunInputs& in, int amplitude,
                                ArchiveWriter* archive, const LoopConfigs& loops,
                                LoopCurveSet& curves, const std::function<void(int)>& progress) {
    const long long n = RoundDecimalQuotient(in.windowSeconds / in.dt);
    const long long m = RoundDecimalQuotient(1.0 / in.dt);
    const bool stepWanted =
        in.signal == TestSignal::SetpointStep || in.signal == TestSignal::LoadStep;
    const long long stepAt = TestStepInstant(n);
    ProgressGauge gauge(progress, n);
    for (long long h = 0; h < n; ++h) {
        gauge.At(h);
        sim.EvaluationPass([&] {
            if (stepWanted && h == stepAt) ApplyTestStep(sim, in.signal, amplitude);
        });
        if ((h + 1) % m != 0) continue;
        if (archive)
            if (auto error = archive->WriteLine(ArchiveDataLine(sim.vars))) return error;
        RecordLoops(sim, loops, in.normalize, curves);
    }
    return std::nullopt;
}

}  // namespace

long long TestStepInstant(long long n) {
    for (long long h = 0; h < n; ++h)
        if (RoundHalfEven(100.0 * static_cast<double>(h) / static_cast<double>(n)) > 10) return h;
    return n;
}

int WindowSeconds(int position) {
    static const int windows[] = {1800, 3600, 7200, 14400};
    return windows[position >= 0 && position < 4 ? position : 0];
}

double TimeStep(int position) {
    static const double steps[] = {0.1, 0.2, 0.5, 1.0};
    return steps[position >= 0 && position < 4 ? position : 2];
}

RunOutcome RunFastSimulation(Simulation& sim, const RunInputs& in, LoopCurveSet& charts,
                             ResultsTables& tables, const std::function<void(int)>& progress) {
    RunOutcome out;
    tables.resultsAvailable = true;
    out.loops = ReadLoopConfigs(sim);
    int amplitude = 0;
    bool stepWanted = in.signal == TestSignal::SetpointStep || in.signal == TestSignal::LoadStep;
    bool anyPresent = std::any_of(out.loops.begin(), out.loops.end(),
                                  [](const LoopConfig& loop) { return loop.present; });
    // The amplitude is read only for a controller that takes the step: with none, any text runs.
    if (stepWanted && anyPresent) {
        // Checked before the first step, so a bad amplitude leaves the plant where it was.
        std::optional<int> a = ParseStrictInt(in.amplitudeText);
        if (!a) {
            // Left as after a normal run: batch off, the chosen dt, the scan timer running.
            sim.batch = false;
            sim.dt = in.dt;
            sim.scan.timerEnabled = true;
            out.error = ConversionMessage(in.amplitudeText);
            return out;
        }
        amplitude = *a;
    }
    ArchiveWriter writer;
    if (in.archive) {
        if (auto error = writer.Open(in.folder, in.archiveBase)) {
            out.error = *error;
            return out;
        }
        out.archiveName = writer.FileName();
        if (auto error = writer.WriteLine(ArchiveHeader(sim.vars, in.windowSeconds, in.dt))) {
            out.error = *error;
            return out;
        }
    }
    std::optional<std::string> error;
    {
        OfflineRun run(sim, in.dt);
        for (size_t i = 0; i < out.loops.size(); ++i)
            if (out.loops[i].present) charts[i].Clear();
        error =
            Step(sim, in, amplitude, in.archive ? &writer : nullptr, out.loops, charts, progress);
    }
    // The scan timer runs after a run, whatever it was before.
    sim.scan.timerEnabled = true;
    if (in.archive) {
        std::optional<std::string> closeError = writer.Close();
        if (!error) error = closeError;
    }
    if (error) {
        out.error = *error;
        return out;
    }
    tables.Fill(true, out.loops, charts);
    if (in.archive)
        out.message =
            sim.language == Language::English ? "Data saved on file" : "Dados salvos no arquivo";
    return out;
}

}  // namespace vork
