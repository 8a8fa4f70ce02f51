#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "fastsim/fast_run.h"
#include "fastsim/indices.h"
#include "plant/controller.h"
#include "project/project.h"

namespace vork::cli {

namespace {

constexpr const char* kUsage =
    "usage: vork-sim run FILE [--window 30min|1h|2h|4h] [--dt 100ms|200ms|500ms|1s]\n"
    "                         [--step none|sp:A|load:A] [--engineering] [--archive BASE]\n"
    "                         [--seed N] [--path fast|reference]\n";

struct RunOptions {
    std::string file;
    RunInputs inputs;
    std::optional<uint64_t> seed;
    EvalPath path = EvalPath::Fast;
};

bool Refuse(const std::string& reason) {
    std::fprintf(stderr, "vork-sim run: %s\n%s", reason.c_str(), kUsage);
    return false;
}

bool ParseStep(const std::string& value, RunInputs& in) {
    if (value == "none") {
        in.signal = TestSignal::None;
        return true;
    }
    size_t colon = value.find(':');
    std::string kind = value.substr(0, colon);
    if (colon == std::string::npos || (kind != "sp" && kind != "load"))
        return Refuse("--step takes none, sp:A or load:A, got '" + value + "'");
    in.signal = kind == "sp" ? TestSignal::SetpointStep : TestSignal::LoadStep;
    // The amplitude stays text: the run refuses one that is not an integer, as the window does.
    in.amplitudeText = value.substr(colon + 1);
    return true;
}

bool ParseOption(const std::string& option, const std::string& value, RunOptions& o) {
    static const std::map<std::string, int> windows{
        {"30min", 1800}, {"1h", 3600}, {"2h", 7200}, {"4h", 14400}};
    static const std::map<std::string, double> steps{
        {"100ms", 0.1}, {"200ms", 0.2}, {"500ms", 0.5}, {"1s", 1.0}};
    if (option == "--window") {
        if (!windows.count(value))
            return Refuse("--window takes 30min, 1h, 2h or 4h, got '" + value + "'");
        o.inputs.windowSeconds = windows.at(value);
    } else if (option == "--dt") {
        if (!steps.count(value))
            return Refuse("--dt takes 100ms, 200ms, 500ms or 1s, got '" + value + "'");
        o.inputs.dt = steps.at(value);
    } else if (option == "--step") {
        return ParseStep(value, o.inputs);
    } else if (option == "--archive") {
        if (value.empty()) return Refuse("--archive needs a base name");
        o.inputs.archive = true;
        o.inputs.archiveBase = value;
    } else if (option == "--seed") {
        o.seed = ParseSeed(value);
        if (!o.seed) return Refuse("--seed takes a whole number, got '" + value + "'");
    } else if (value == "fast") {
        o.path = EvalPath::Fast;
    } else if (value == "reference") {
        o.path = EvalPath::Reference;
    } else {
        return Refuse("--path takes fast or reference, got '" + value + "'");
    }
    return true;
}

bool ParseRun(const std::vector<std::string>& args, RunOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--engineering") {
            o.inputs.normalize = false;
        } else if (arg == "--window" || arg == "--dt" || arg == "--step" || arg == "--archive" ||
                   arg == "--seed" || arg == "--path") {
            if (i + 1 >= args.size()) return Refuse(arg + " needs a value");
            if (!ParseOption(arg, args[++i], o)) return false;
        } else if (arg.rfind("--", 0) == 0) {
            return Refuse("unknown option '" + arg + "'");
        } else if (!o.file.empty()) {
            return Refuse("only one FILE, got also '" + arg + "'");
        } else {
            o.file = arg;
        }
    }
    return o.file.empty() ? Refuse("no FILE given") : true;
}

void PrintLoops(const Simulation& sim, const RunOutcome& out, const ResultsTables& tables,
                bool normalize) {
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

}  // namespace

// Loads a project, runs the fast simulation and prints the indices of every active loop.
int Run(const std::vector<std::string>& args) {
    RunOptions o;
    if (!ParseRun(args, o)) return 2;
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
    PrintLoops(sim, out, tables, o.inputs.normalize);
    if (!out.archiveName.empty()) std::fprintf(stderr, "archive: %s\n", out.archiveName.c_str());
    std::fprintf(stderr, "elapsed: %.3f s\n", seconds);
    return 0;
}

}  // namespace vork::cli
