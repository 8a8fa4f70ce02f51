// Times the fast simulation of a project over 4 hours at 100 ms (144000 evaluation passes, seed
// 1, no test step) on one evaluation path, the bare one included: built only with
// VORK_BARE_ARITHMETIC. Prints the seconds of the run.
//
//   fast_run_bench FILE reference|fast|bare

#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "project/project.h"

int main(int argc, char** argv) {
    static const std::map<std::string, vork::EvalPath> paths{
        {"reference", vork::EvalPath::Reference},
        {"fast", vork::EvalPath::Fast},
        {"bare", vork::EvalPath::Bare}};
    if (argc != 3 || !paths.count(argv[2])) {
        std::fprintf(stderr, "usage: fast_run_bench FILE reference|fast|bare\n");
        return 2;
    }
    vork::Project project;
    vork::FileResult loaded = project.Load(argv[1]);
    if (!loaded.ok()) {
        std::fprintf(stderr, "fast_run_bench: %s: %s\n", argv[1], loaded.error.c_str());
        return 1;
    }
    project.sim.random.Seed(1);
    project.sim.evalPath = paths.at(argv[2]);
    vork::RunInputs in;
    in.windowSeconds = 14400;
    in.dt = 0.1;
    in.signal = vork::TestSignal::None;
    vork::LoopCurveSet charts;
    vork::ResultsTables tables;
    auto start = std::chrono::steady_clock::now();
    vork::RunOutcome out = vork::RunFastSimulation(project.sim, in, charts, tables);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!out.error.empty()) {
        std::fprintf(stderr, "fast_run_bench: %s\n", out.error.c_str());
        return 1;
    }
    std::printf("%.3f\n", seconds);
    return 0;
}
