#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/grading.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/index_csv.h"
#include "cli/plot_output.h"
#include "cli/run_options.h"
#include "fastsim/fast_run.h"
#include "fastsim/indices.h"
#include "plant/controller.h"
#include "project/project.h"

namespace vork::cli {

namespace {

constexpr const char* kUsage =
    "usage: vork-sim run FILE [--window 30min|1h|2h|4h] [--dt 100ms|200ms|500ms|1s]\n"
    "                         [--step none|sp:A|load:A] [--engineering] [--archive BASE]\n"
    "                         [--seed N] [--path fast|reference] [--csv] [--plot DIR]\n";

constexpr const char* kHelp =
    "usage: vork-sim run FILE [--window 30min|1h|2h|4h] [--dt 100ms|200ms|500ms|1s]\n"
    "                         [--step none|sp:A|load:A] [--engineering] [--archive BASE]\n"
    "                         [--seed N] [--path fast|reference] [--csv] [--plot DIR]\n"
    "\n"
    "Loads the project and runs the fast simulation: the window of simulated time (30min) at the\n"
    "time step (500ms), with an optional test step of the integer A percent shortly after the\n"
    "start, on the setpoint (sp:A) or on the output bias (load:A) of every controller. Then\n"
    "prints a header line and one line per active loop: loop, tag and the seven performance\n"
    "indices (variability, IEM, IEMA, CO travel, CO deviation, CO saturation, PV mean/min/max),\n"
    "tab-separated and written as the fast-simulation window shows them.\n"
    "\n"
    "  --engineering  record PV and SP in engineering units instead of percent\n"
    "  --archive BASE write the run to BASE_k.txd in the current folder\n"
    "  --seed N       seed of the random generator (default: a fixed seed, so runs repeat)\n"
    "  --path P       evaluator: fast (default) or reference (the text evaluator); both give the\n"
    "                 same results\n"
    "  --csv          for scripts: no header, one line per active loop of plain numbers,\n"
    "                   loop,tag,variability,iem,iema,co_travel,co_deviation,co_saturation,\n"
    "                   pv_mean,pv_min,pv_max\n"
    "                 (CO travel is the sum of CO changes / 100, as the window shows it)\n"
    "  --plot DIR     also write the chart of every active loop as DIR/loop<i>_<tag>.png, drawn\n"
    "                 as the fast-simulation window draws it (no display needed)\n"
    "\n"
    "The wall time of the run goes to standard error.\n"
    "Exit status: 0 done; 1 the file did not load or the run stopped; 2 usage error.\n";

constexpr const char* kHeader =
    "loop\ttag\tvariability\tIEM\tIEMA\tCO travel\tCO deviation\tCO saturation\tPV "
    "mean/min/max";

struct RunOptions {
    std::string file;
    RunInputs inputs;
    std::optional<uint64_t> seed;
    EvalPath path = EvalPath::Fast;
    bool csv = false;
    std::string plotFolder;
};

int Refuse(const std::string& reason) {
    return UsageError("run", reason, kUsage);
}

std::string ParsePath(const std::string& value, EvalPath& path) {
    if (value == "fast")
        path = EvalPath::Fast;
    else if (value == "reference")
        path = EvalPath::Reference;
    else
        return "--path takes fast or reference, got '" + value + "'";
    return "";
}

// Returns 0, or the exit status of a usage error.
int ParseRun(const std::vector<std::string>& args, RunOptions& o) {
    Arguments a;
    std::string error = SplitArguments(
        args, {"--window", "--dt", "--step", "--archive", "--seed", "--path", "--plot"},
        {"--engineering", "--csv"}, a);
    if (error.empty() && a.positional.size() > 1)
        error = "only one FILE, got also '" + a.positional[1] + "'";
    if (error.empty() && a.positional.empty()) error = "no FILE given";
    if (error.empty() && a.Has("--window")) error = ParseWindow(a.values["--window"], o.inputs);
    if (error.empty() && a.Has("--dt")) error = ParseTimeStep(a.values["--dt"], o.inputs);
    if (error.empty() && a.Has("--step")) error = ParseTestStep(a.values["--step"], o.inputs);
    if (error.empty() && a.Has("--path")) error = ParsePath(a.values["--path"], o.path);
    if (error.empty() && a.Has("--seed")) {
        o.seed = ParseSeed(a.values["--seed"]);
        if (!o.seed) error = "--seed takes a whole number, got '" + a.values["--seed"] + "'";
    }
    if (error.empty() && a.Has("--archive")) {
        o.inputs.archive = true;
        o.inputs.archiveBase = a.values["--archive"];
        if (o.inputs.archiveBase.empty()) error = "--archive needs a base name";
    }
    if (error.empty() && a.Has("--plot")) {
        o.plotFolder = a.values["--plot"];
        if (o.plotFolder.empty()) error = "--plot needs a folder";
        if (!CanPlot()) error = "--plot: this vork-sim is built without charts";
    }
    if (!error.empty()) return Refuse(error);
    o.file = a.positional[0];
    o.inputs.normalize = !a.flags.count("--engineering");
    o.csv = a.flags.count("--csv") != 0;
    return 0;
}

void PrintTable(const Simulation& sim, const RunOutcome& out, const ResultsTables& tables,
                bool normalize) {
    std::printf("%s\n", kHeader);
    for (int i = 1; i <= 10; ++i) {
        if (!out.loops[i - 1].Active()) continue;
        IndexRow row =
            DisplayRow(tables.upper[i - 1], UnitSuffix(normalize, tables.upperUnits[i - 1]));
        std::string line = std::to_string(i) + "\t" + sim.controllers.Get(i)->fields.TagText;
        for (const std::string& text : row)
            line += "\t" + text;
        std::printf("%s\n", line.c_str());
    }
}

void PrintCsv(const Simulation& sim, const RunOutcome& out, const LoopCurveSet& charts) {
    for (const LoopGrade& g : LoopGrades(sim, out, charts))
        std::printf("%s\n", IndexCsvLine(g).c_str());
}

}  // namespace

// Loads a project, runs the fast simulation and prints the indices of every active loop.
int Run(const std::vector<std::string>& args) {
    if (AsksForHelp(args)) return PrintHelp(kHelp);
    RunOptions o;
    if (int status = ParseRun(args, o)) return status;
    Project project;
    FileResult loaded = project.Load(o.file);
    if (!loaded.ok()) {
        std::fprintf(stderr, "vork-sim run: %s: %s\n", o.file.c_str(), loaded.error.c_str());
        return 1;
    }
    Simulation& sim = project.sim;
    if (o.seed) sim.random.Seed(*o.seed);
    sim.evalPath = o.path;
    o.inputs.folder = std::filesystem::current_path();
    LoopCurveSet charts;
    ResultsTables tables;
    auto start = std::chrono::steady_clock::now();
    RunOutcome out = RunFastSimulation(sim, o.inputs, charts, tables);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!out.error.empty()) {
        std::fprintf(stderr, "vork-sim run: %s\n", out.error.c_str());
        return 1;
    }
    if (o.csv)
        PrintCsv(sim, out, charts);
    else
        PrintTable(sim, out, tables, o.inputs.normalize);
    if (!out.archiveName.empty()) std::fprintf(stderr, "archive: %s\n", out.archiveName.c_str());
    if (!o.plotFolder.empty()) {
        std::string name = std::filesystem::path(o.file).stem().string();
        if (std::string error = PlotLoops(o.plotFolder, name, sim, out, charts); !error.empty()) {
            std::fprintf(stderr, "vork-sim run: %s\n", error.c_str());
            return 1;
        }
    }
    std::fprintf(stderr, "elapsed: %.3f s\n", seconds);
    return 0;
}

}  // namespace vork::cli
