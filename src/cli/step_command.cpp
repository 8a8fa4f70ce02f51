#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/numbers.h"
#include "plant/calc_block.h"
#include "plant/offline_run.h"
#include "plant/process_block.h"
#include "project/project.h"

namespace vork::cli {

namespace {

constexpr const char* kUsage =
    "usage: vork-sim step FILE [--passes N] [--dt S] [--every K] [--vars M21,M01,...] "
    "[--seed N]\n";

constexpr const char* kHelp =
    "usage: vork-sim step FILE [--passes N] [--dt S] [--every K] [--vars M21,M01,...] "
    "[--seed N]\n"
    "\n"
    "Loads the project, seeds the random generator, runs N evaluation passes (100) of S seconds\n"
    "(0.1) in batch mode and prints CSV: a header line \"pass,...\", then the pass number and the\n"
    "chosen variables every K passes (1). By default the variables are the outputs of the filled\n"
    "process blocks, calculation blocks and controllers; --vars takes M01..M99 and the actuator\n"
    "positions M101..M124. Values are the shortest texts that read back to the same number.\n"
    "Exit status: 0 done; 1 the file did not load; 2 usage error.\n";

struct StepOptions {
    std::string file;
    int passes = 100;
    double dt = 0.1;
    int every = 1;
    std::vector<int> vars;  // empty: the outputs of the filled slots
    std::optional<uint64_t> seed;
};

// A usage error: prints the reason and the usage.
bool Refuse(const std::string& reason) {
    std::fprintf(stderr, "vork-sim step: %s\n%s", reason.c_str(), kUsage);
    return false;
}

// "M21" or "m21": M01..M99 and the actuator positions M101..M124.
std::optional<int> ParseAddress(const std::string& text) {
    if (text.size() < 2 || (text[0] != 'M' && text[0] != 'm')) return std::nullopt;
    std::string digits = text.substr(1);
    if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    std::optional<int> address = ParseStrictInt(digits);
    if (!address) return std::nullopt;
    bool valid = (*address >= 1 && *address <= 99) || (*address >= 101 && *address <= 124);
    return valid ? address : std::nullopt;
}

bool ParseVars(const std::string& list, std::vector<int>& vars) {
    size_t start = 0;
    while (true) {
        size_t comma = list.find(',', start);
        std::string name = list.substr(start, comma - start);
        std::optional<int> address = ParseAddress(name);
        if (!address)
            return Refuse("--vars takes addresses M01..M99 or M101..M124, got '" + name + "'");
        vars.push_back(*address);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

bool ParseCount(const std::string& option, const std::string& text, int least, int& value) {
    std::optional<int> n = ParseStrictInt(text);
    if (!n || *n < least || text.find_first_not_of("0123456789") != std::string::npos)
        return Refuse(option + " takes a whole number of at least " + std::to_string(least) +
                      ", got '" + text + "'");
    value = *n;
    return true;
}

bool ParseOption(const std::string& option, const std::string& value, StepOptions& o) {
    if (option == "--passes") return ParseCount(option, value, 0, o.passes);
    if (option == "--every") return ParseCount(option, value, 1, o.every);
    if (option == "--vars") return ParseVars(value, o.vars);
    if (option == "--dt") {
        std::optional<double> dt = ParseWholeNumber(value);
        if (!dt || !(*dt > 0.0) || !std::isfinite(*dt))
            return Refuse("--dt takes a time step in seconds above 0, got '" + value + "'");
        o.dt = *dt;
        return true;
    }
    o.seed = ParseSeed(value);
    return o.seed ? true : Refuse("--seed takes a whole number, got '" + value + "'");
}

bool ParseStep(const std::vector<std::string>& args, StepOptions& o) {
    bool haveFile = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool known = arg == "--passes" || arg == "--dt" || arg == "--every" || arg == "--vars" ||
                     arg == "--seed";
        if (known) {
            if (i + 1 >= args.size()) return Refuse(arg + " needs a value");
            if (!ParseOption(arg, args[++i], o)) return false;
        } else if (arg.rfind("--", 0) == 0) {
            return Refuse("unknown option '" + arg + "'");
        } else if (haveFile) {
            return Refuse("only one FILE, got also '" + arg + "'");
        } else {
            o.file = arg;
            haveFile = true;
        }
    }
    return haveFile ? true : Refuse("no FILE given");
}

// Process blocks, calculation blocks and controllers, each in slot order.
std::vector<int> FilledOutputs(const Simulation& sim) {
    std::vector<int> vars;
    for (int n = 1; n <= sim.processes.kCount; ++n)
        if (sim.processes.Exists(n)) vars.push_back(ProcessBlock::OutputAddress(n));
    for (int n = 1; n <= sim.calcs.kCount; ++n)
        if (sim.calcs.Exists(n)) vars.push_back(CalcBlock::OutputAddress(n));
    for (int n = 1; n <= sim.controllers.kCount; ++n)
        if (sim.controllers.Exists(n)) vars.push_back(n);
    return vars;
}

void PrintRow(const std::string& first, const std::vector<std::string>& cells) {
    std::string row = first;
    for (const std::string& cell : cells)
        row += "," + cell;
    std::printf("%s\n", row.c_str());
}

}  // namespace

// Loads a file and runs evaluation passes in batch mode, printing the chosen variables as CSV.
int Step(const std::vector<std::string>& args) {
    if (AsksForHelp(args)) return PrintHelp(kHelp);
    StepOptions o;
    if (!ParseStep(args, o)) return 2;
    Project project;
    FileResult loaded = project.Load(o.file);
    if (!loaded.ok()) {
        std::fprintf(stderr, "vork-sim step: %s: %s\n", o.file.c_str(), loaded.error.c_str());
        return 1;
    }
    Simulation& sim = project.sim;
    if (o.seed) sim.random.Seed(*o.seed);
    OfflineRun run(sim, o.dt);
    std::vector<int> vars = o.vars.empty() ? FilledOutputs(sim) : o.vars;
    std::vector<std::string> cells;
    for (int address : vars)
        cells.push_back(AddressName(address));
    PrintRow("pass", cells);
    for (int pass = 1; pass <= o.passes; ++pass) {
        sim.EvaluationPass();
        if (pass % o.every != 0) continue;
        for (size_t i = 0; i < vars.size(); ++i)
            cells[i] = ShortestText(sim.vars.Read(vars[i]));
        PrintRow(std::to_string(pass), cells);
    }
    return 0;
}

}  // namespace vork::cli
