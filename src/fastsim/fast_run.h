#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "fastsim/indices.h"
#include "fastsim/loop_curves.h"

namespace vork {

class Simulation;

// Positions of the test-signal list.
enum class TestSignal { Prompt = 0, None = 1, SetpointStep = 2, LoadStep = 3 };

struct RunInputs {
    int windowSeconds = 1800;  // W: 1800, 3600, 7200 or 14400
    double dt = 0.5;           // seconds
    TestSignal signal = TestSignal::Prompt;
    std::string amplitudeText = "10";  // step amplitude, percent, a strict integer
    bool normalize = true;             // record PV and SP in percent, else engineering units
    bool archive = false;
    std::string archiveBase = "DadosDesempenho";
    std::filesystem::path folder = ".";  // where the archive is written
};

struct RunOutcome {
    LoopConfigs loops;        // the loop configuration the run recorded
    std::string archiveName;  // the file written, empty without archive
    std::string message;      // Label5 after an archived run
    std::string error;        // empty when the run completed
};

// Loop i is present while controller slot i is filled; its PV is the controller's current
// `VariavelSelect` plus one, with that variable's engineering unit.
LoopConfigs ReadLoopConfigs(const Simulation& sim);

// The list positions of the window and step lists and their values.
int WindowSeconds(int position);
double TimeStep(int position);

// The step h at which the test step is applied: the first with round(100 h / N) > 10.
long long TestStepInstant(long long n);

// Steps the live plant offline over the window in batch mode, applies the test step once shortly
// after the start, records PV, SP and CO of every active loop once per simulated second and
// archives the variable table when asked, then scores every active loop into the upper results
// table. Curves of present loops in `charts` are replaced; the others are left as they are. The
// scan timer is stopped for the run and runs again afterwards, whatever it was before. `progress`
// receives 0..100 whenever the value changes.
RunOutcome RunFastSimulation(Simulation& sim, const RunInputs& inputs, LoopCurveSet& charts,
                             ResultsTables& tables, const std::function<void(int)>& progress = {});

}  // namespace vork
