#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "analysis/tuning_assistant.h"
#include "plant/controller.h"
#include "support/tuning_plants.h"

// The assistant against a grid search: on each plant, the best suggested set must come within 20 %
// of the smallest IEMA that a search over PI settings finds with the same trial run, and no
// suggested set may leave the loop unsettled.
namespace vork {
namespace {

using test::PlantSpec;

std::string ExampleBytes() {
    std::ifstream in(std::string(VORK_SOURCE_DIR) + "/examples/basic flow loop/basic flow loop.smp",
                     std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Project project;
    EXPECT_TRUE(project.LoadBytes(bytes, "example").ok());
    return project.FileBytes();
}

PlantSpec Temperature() {
    PlantSpec s;
    s.gain = "1.5";
    s.T1 = "40";
    s.T2 = "10";
    s.deadTime = "5";
    s.noise = 0.3;
    return s;
}

PlantSpec Level() {
    PlantSpec s;
    s.type = kIntegrator;
    s.gain = "0.02";
    s.deadTime = "2";
    s.input = "M01-50";
    s.co = 50;
    s.noise = 0.3;
    return s;
}

// Dead time longer than the lag, on a controller of the parallel structure.
PlantSpec DeadTimeDominant() {
    PlantSpec s;
    s.gain = "0.8";
    s.T1 = "8";
    s.deadTime = "12";
    s.noise = 1;
    s.structure = kParalela;
    return s;
}

struct GridBest {
    double iema = INFINITY, kc = 0, ti = 0;
};

Suggestion PiSet(double kc, double ti, const Suggestion& like) {
    Suggestion s = like;
    s.kind = ControlKind::PI;
    s.settings = {RoundSetting(kc), RoundSetting(ti), 0};
    return s;
}

// Settings in ISA form, converted for the controller's structure.
void Try(const std::string& bytes, const TuneReport& r, double kc, double ti, GridBest& best) {
    const Suggestion& like = r.ranked.front().suggestion;
    PidSettings p = ToStructure({kc, ti, 0}, like.structure);
    LoopScore score = ScoreSettings(bytes, 1, PiSet(p.Kc, p.Ti, like), r.scoreOptions);
    if (score.settled && score.indices.iema < best.iema) best = {score.indices.iema, kc, ti};
}

// Logarithmic grid over Kc and Ti around the process's own scale, then a finer one around the
// best point.
GridBest GridSearch(const std::string& bytes, const TuneReport& r) {
    const ProcessModel& m = r.fit->model;
    double kcScale =
        m.kind == ModelKind::Integrating ? 1 / (m.gain * (m.deadTime + 1)) : 1 / std::abs(m.gain);
    double tiScale =
        m.kind == ModelKind::Integrating ? 8 * (m.deadTime + 1) : m.timeConstant + m.deadTime;
    GridBest best;
    for (int i = -3; i <= 3; ++i)
        for (int j = -3; j <= 3; ++j)
            Try(bytes, r, kcScale * std::pow(2.0, i), tiScale * std::pow(2.0, j), best);
    GridBest coarse = best;
    for (int i = -2; i <= 2; ++i)
        for (int j = -2; j <= 2; ++j)
            Try(bytes, r, coarse.kc * std::pow(2.0, i / 3.0), coarse.ti * std::pow(2.0, j / 3.0),
                best);
    return best;
}

double IemaOf(const TuneReport& r, TuningMethod method, ControlKind kind) {
    for (const ScoredSuggestion& s : r.ranked)
        if (s.suggestion.method == method && s.suggestion.kind == kind) return s.score.indices.iema;
    return NAN;
}

void ExpectNearTheGrid(const std::string& name, const std::string& bytes) {
    TuneReport r = Tune(bytes, {});
    ASSERT_EQ(r.error, "") << name;
    ASSERT_EQ(r.ranked.size(), 8u) << name;
    for (const ScoredSuggestion& s : r.ranked)
        EXPECT_TRUE(s.score.settled)
            << name << " " << MethodName(s.suggestion.method) << " " << KindName(s.suggestion.kind);
    GridBest grid = GridSearch(bytes, r);
    const ScoredSuggestion& best = r.ranked.front();
    double ratio = best.score.indices.iema / grid.iema;
    std::printf(
        "%-18s best %s %s IEMA %.4f, SIMC PI %.4f, grid PI %.4f (Kc %.3g Ti %.3g), "
        "ratio %.3f\n",
        name.c_str(), MethodName(best.suggestion.method), KindName(best.suggestion.kind),
        best.score.indices.iema, IemaOf(r, TuningMethod::Simc, ControlKind::PI), grid.iema, grid.kc,
        grid.ti, ratio);
    EXPECT_LE(ratio, 1.2) << name;
}

TEST(TuningQuality, BasicFlowLoop) {
    ExpectNearTheGrid("basic flow loop", ExampleBytes());
}

TEST(TuningQuality, TemperatureWithTwoLags) {
    ExpectNearTheGrid("temperature", test::PlantBytes(Temperature()));
}

TEST(TuningQuality, IntegratingLevel) {
    ExpectNearTheGrid("level", test::PlantBytes(Level()));
}

TEST(TuningQuality, DeadTimeDominantParallel) {
    ExpectNearTheGrid("dead time dominant", test::PlantBytes(DeadTimeDominant()));
}

}  // namespace
}  // namespace vork
