#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "analysis/grading.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/index_csv.h"
#include "cli/run_options.h"
#include "engine/numbers.h"

namespace vork::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: vork-sim grade DIR [--window 30min|1h|2h|4h] [--dt 100ms|200ms|500ms|1s]\n"
    "                          [--step none|sp:A|load:A] [--jobs N] [--csv OUT] [--seed N]\n"
    "                          [--shard K/N]\n";

constexpr const char* kHelp =
    "usage: vork-sim grade DIR [--window 30min|1h|2h|4h] [--dt 100ms|200ms|500ms|1s]\n"
    "                          [--step none|sp:A|load:A] [--jobs N] [--csv OUT] [--seed N]\n"
    "                          [--shard K/N]\n"
    "\n"
    "Loads every .smp file below DIR, at any depth, and runs the fast simulation of each with\n"
    "the same options as `vork-sim run` (30min at 500ms, no test step by default), several\n"
    "projects at a time, each in a simulation of its own.\n"
    "\n"
    "  --jobs N     projects run at once (default: the number of processors)\n"
    "  --csv OUT    write OUT: a header line, then one line per project and active loop,\n"
    "                 project,loop,tag,variability,iem,iema,co_travel,co_deviation,\n"
    "                 co_saturation,pv_mean,pv_min,pv_max\n"
    "               with the project's path below DIR and plain numbers, the same as\n"
    "               `vork-sim run FILE --csv` prints after the project column\n"
    "  --seed N     seed of the random generator for every project (default: a fixed seed)\n"
    "  --shard K/N  grade only the K-th of every N files (K = 1..N, in path order), so that N\n"
    "               machines or jobs can share one folder with the same command\n"
    "\n"
    "Standard output: every loop ranked by IEMA, best first, then the projects that failed to\n"
    "load or run, with the reason. Standard error: one progress line per finished project.\n"
    "Exit status: 0 done (failed projects are listed, not fatal); 1 DIR could not be read or OUT\n"
    "not written; 2 usage error.\n";

struct GradeCommandOptions {
    fs::path folder;
    GradeOptions grade;
    int jobs = 1;
    std::optional<std::string> csv;
    int shard = 1, shards = 1;
};

int Refuse(const std::string& reason) {
    return UsageError("grade", reason, kUsage);
}

std::string ParseShard(const std::string& value, GradeCommandOptions& o) {
    size_t slash = value.find('/');
    std::optional<int> k = ParseStrictInt(value.substr(0, slash));
    std::optional<int> n =
        slash == std::string::npos ? std::nullopt : ParseStrictInt(value.substr(slash + 1));
    if (!k || !n || *n < 1 || *k < 1 || *k > *n)
        return "--shard takes K/N with 1 <= K <= N, got '" + value + "'";
    o.shard = *k;
    o.shards = *n;
    return "";
}

std::string ParseOptions(Arguments& a, GradeCommandOptions& o) {
    RunInputs& in = o.grade.inputs;
    if (a.Has("--window")) {
        if (std::string e = ParseWindow(a.values["--window"], in); !e.empty()) return e;
    }
    if (a.Has("--dt")) {
        if (std::string e = ParseTimeStep(a.values["--dt"], in); !e.empty()) return e;
    }
    if (a.Has("--step")) {
        if (std::string e = ParseTestStep(a.values["--step"], in); !e.empty()) return e;
        // Refused here once, rather than by every project's run.
        if (in.signal != TestSignal::None && !ParseStrictInt(in.amplitudeText))
            return ConversionMessage(in.amplitudeText);
    }
    if (a.Has("--shard")) {
        if (std::string e = ParseShard(a.values["--shard"], o); !e.empty()) return e;
    }
    if (a.Has("--jobs")) {
        std::optional<int> jobs = ParseStrictInt(a.values["--jobs"]);
        if (!jobs || *jobs < 1) return "--jobs takes a whole number of at least 1";
        o.jobs = *jobs;
    }
    if (a.Has("--seed")) {
        o.grade.seed = ParseSeed(a.values["--seed"]);
        if (!o.grade.seed) return "--seed takes a whole number, got '" + a.values["--seed"] + "'";
    }
    if (a.Has("--csv")) o.csv = a.values["--csv"];
    return "";
}

int ParseGrade(const std::vector<std::string>& args, GradeCommandOptions& o) {
    Arguments a;
    std::string error = SplitArguments(
        args, {"--window", "--dt", "--step", "--jobs", "--csv", "--seed", "--shard"}, {}, a);
    if (error.empty() && a.positional.size() != 1) error = "give one DIR";
    if (error.empty()) error = ParseOptions(a, o);
    if (!error.empty()) return Refuse(error);
    o.folder = a.positional[0];
    if (!a.Has("--jobs"))
        o.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return 0;
}

std::string Shown(const fs::path& file, const fs::path& folder) {
    return file.lexically_relative(folder).generic_string();
}

bool WriteCsv(const std::string& path, const std::vector<ProjectGrade>& grades,
              const fs::path& folder) {
    std::ofstream out(path, std::ios::binary);
    out << "project," << kIndexCsvColumns << "\n";
    for (const ProjectGrade& g : grades)
        for (const LoopGrade& loop : g.loops)
            out << CsvField(Shown(g.file, folder)) << "," << IndexCsvLine(loop) << "\n";
    out.close();
    return static_cast<bool>(out);
}

void PrintSummary(const std::vector<ProjectGrade>& grades, const fs::path& folder) {
    struct Ranked {
        double iema;
        const ProjectGrade* project;
        const LoopGrade* loop;
    };
    std::vector<Ranked> ranked;
    for (const ProjectGrade& g : grades)
        for (const LoopGrade& loop : g.loops)
            ranked.push_back({loop.indices.iema, &g, &loop});
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Ranked& a, const Ranked& b) { return a.iema < b.iema; });
    std::printf("%5s %10s %5s  %-12s %s\n", "rank", "IEMA (%)", "loop", "tag", "project");
    for (size_t i = 0; i < ranked.size(); ++i)
        std::printf("%5zu %10s %5d  %-12s %s\n", i + 1, Fixed(ranked[i].iema, 3).c_str(),
                    ranked[i].loop->loop, ranked[i].loop->tag.c_str(),
                    Shown(ranked[i].project->file, folder).c_str());
    for (const ProjectGrade& g : grades) {
        if (!g.error.empty())
            std::printf("failed: %s: %s\n", Shown(g.file, folder).c_str(), g.error.c_str());
        else if (g.loops.empty())
            std::printf("no active loop: %s\n", Shown(g.file, folder).c_str());
    }
}

}  // namespace

// Fast-simulates every project below a folder in parallel and ranks the loops.
int Grade(const std::vector<std::string>& args) {
    if (AsksForHelp(args)) return PrintHelp(kHelp);
    GradeCommandOptions o;
    if (int status = ParseGrade(args, o)) return status;
    std::string error;
    std::vector<fs::path> all = FindProjects(o.folder, error);
    if (!error.empty()) {
        std::fprintf(stderr, "vork-sim grade: %s\n", error.c_str());
        return 1;
    }
    std::vector<fs::path> files;
    for (size_t i = 0; i < all.size(); ++i)
        if (static_cast<int>(i % static_cast<size_t>(o.shards)) == o.shard - 1)
            files.push_back(all[i]);
    auto start = std::chrono::steady_clock::now();
    std::vector<ProjectGrade> grades =
        GradeProjects(files, o.grade, o.jobs, [&](size_t done, const ProjectGrade& g) {
            std::fprintf(stderr, "[%zu/%zu] %s%s\n", done, files.size(),
                         Shown(g.file, o.folder).c_str(), g.error.empty() ? "" : ": failed");
        });
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    PrintSummary(grades, o.folder);
    std::fprintf(stderr, "graded %zu projects in %.3f s with %d jobs\n", files.size(), seconds,
                 o.jobs);
    if (o.csv && !WriteCsv(*o.csv, grades, o.folder)) {
        std::fprintf(stderr, "vork-sim grade: cannot write %s\n", o.csv->c_str());
        return 1;
    }
    return 0;
}

}  // namespace vork::cli
