#include <benchmark/benchmark.h>

#include "engine/simulation.h"

namespace {

// A typical controller limit or calculation-block function: references, a division, a power.
void BM_ReferenceTypical(benchmark::State& state) {
    vork::Simulation sim;
    sim.vars.Write(21, 48.25);
    sim.vars.Write(22, 12.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(sim.Eval("(M21-M22)*1.5/2+M21^0.5"));
}
BENCHMARK(BM_ReferenceTypical);

void BM_ReferenceConstant(benchmark::State& state) {
    vork::Simulation sim;
    for (auto _ : state)
        benchmark::DoNotOptimize(sim.Eval("100"));
}
BENCHMARK(BM_ReferenceConstant);

}  // namespace

BENCHMARK_MAIN();
