// Times the real-time tick (Project::Tick) on a project with no window open: each tick is timed
// on its own, and the median, the 99th percentile and the maximum are printed in microseconds.
// The simulated clock advances 100 ms per tick, so every sixth tick runs the display refresh.
//
//   tick_bench FILE [TICKS]     (TICKS: 36000 by default, one simulated hour)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "project/project.h"

namespace {

constexpr int kWarmUpTicks = 600;

double Microseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tick_bench FILE [TICKS]\n");
        return 2;
    }
    const int ticks = argc == 3 ? std::max(1, std::stoi(argv[2])) : 36000;
    vork::Project project;
    vork::FileResult loaded = project.Load(argv[1]);
    if (!loaded.ok()) {
        std::fprintf(stderr, "tick_bench: %s: %s\n", argv[1], loaded.error.c_str());
        return 1;
    }
    project.sim.random.Seed(1);
    double nowMs = 0.0;
    for (int k = 0; k < kWarmUpTicks; ++k)
        project.Tick(nowMs += 100.0);
    std::vector<double> times(static_cast<size_t>(ticks));
    for (double& t : times) {
        auto start = std::chrono::steady_clock::now();
        project.Tick(nowMs += 100.0);
        t = Microseconds(std::chrono::steady_clock::now() - start);
    }
    std::sort(times.begin(), times.end());
    auto at = [&](double q) { return times[static_cast<size_t>(q * (times.size() - 1))]; };
    std::printf("ticks %d  median %.1f us  p99 %.1f us  max %.1f us\n", ticks, at(0.5), at(0.99),
                times.back());
    return 0;
}
