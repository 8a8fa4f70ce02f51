#include <benchmark/benchmark.h>

#include "plant/simulation.h"

namespace {

// Typical expression fields: a controller limit, a calculation-block function, a constant.
constexpr const char* kTypical = "(M21-M22)*1.5/2+M21^0.5";
constexpr const char* kLinear = "M21*0.5+10";
constexpr const char* kRatio = "M21/M22*100";
constexpr const char* kReference = "M21";
constexpr const char* kConstant = "100";

void Evaluate(benchmark::State& state, vork::EvalPath path, const char* expression) {
    vork::Simulation sim;
    sim.evalPath = path;
    sim.vars.Write(21, 48.25);
    sim.vars.Write(22, 12.5);
    double drift = 0.0;
    for (auto _ : state) {
        // A changing value, as in a running plant, so that nothing is folded away.
        sim.vars.Write(21, 48.25 + drift);
        drift = drift < 1.0 ? drift + 1e-3 : 0.0;
        benchmark::DoNotOptimize(sim.Eval(expression));
    }
}

void EvaluateConstantField(benchmark::State& state, vork::EvalPath path) {
    vork::Simulation sim;
    sim.evalPath = path;
    for (auto _ : state)
        benchmark::DoNotOptimize(sim.EvalConstant("12.5"));
}

using vork::EvalPath;
BENCHMARK_CAPTURE(Evaluate, ReferenceTypical, EvalPath::Reference, kTypical);
BENCHMARK_CAPTURE(Evaluate, FastTypical, EvalPath::Fast, kTypical);
BENCHMARK_CAPTURE(Evaluate, ReferenceLinear, EvalPath::Reference, kLinear);
BENCHMARK_CAPTURE(Evaluate, FastLinear, EvalPath::Fast, kLinear);
BENCHMARK_CAPTURE(Evaluate, ReferenceRatio, EvalPath::Reference, kRatio);
BENCHMARK_CAPTURE(Evaluate, FastRatio, EvalPath::Fast, kRatio);
BENCHMARK_CAPTURE(Evaluate, ReferenceVariable, EvalPath::Reference, kReference);
BENCHMARK_CAPTURE(Evaluate, FastVariable, EvalPath::Fast, kReference);
BENCHMARK_CAPTURE(Evaluate, ReferenceConstant, EvalPath::Reference, kConstant);
BENCHMARK_CAPTURE(Evaluate, FastConstant, EvalPath::Fast, kConstant);
BENCHMARK_CAPTURE(EvaluateConstantField, Reference, EvalPath::Reference);
BENCHMARK_CAPTURE(EvaluateConstantField, Fast, EvalPath::Fast);

}  // namespace

BENCHMARK_MAIN();
