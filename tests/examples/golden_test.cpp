// The example projects, one data folder each below tests/examples/: source.txt names the
// simulation file, indices.txt holds what `vork-sim run FILE --dt 100ms --step sp:10 --seed 1`
// prints for it below its header line, and the optional allowed.txt lists the loops the example
// exists to show cycling or saturated ("TAG oscillation: reason" or "TAG saturation: reason").

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "examples/loop_checks.h"
#include "fastsim/fast_run.h"
#include "fastsim/indices.h"
#include "plant/controller.h"
#include "project/project.h"

namespace vork::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = VORK_SOURCE_DIR;
const fs::path kData = kSource / "tests" / "examples";
constexpr uint64_t kSeed = 1;
constexpr double kMaxSaturation = 5.0;  // percent of the run

std::vector<std::string> Lines(const fs::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    return lines;
}

// The data folders, by name.
std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(kData))
        if (fs::exists(e.path() / "source.txt")) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

fs::path SimulationFile(const std::string& name) {
    std::vector<std::string> source = Lines(kData / name / "source.txt");
    return source.empty() ? fs::path() : kSource / source[0];
}

// "TAG what" of allowed.txt, for example "LIC-201 oscillation".
std::set<std::string> Allowed(const std::string& name) {
    std::set<std::string> allowed;
    for (const std::string& line : Lines(kData / name / "allowed.txt"))
        allowed.insert(line.substr(0, line.find(':')));
    return allowed;
}

struct SpStepRun {
    std::vector<std::string> lines;  // as vork-sim run prints them
    LoopCurveSet curves;
    LoopConfigs loops;
};

SpStepRun RunSpStep(Simulation& sim) {
    sim.random.Seed(kSeed);
    RunInputs in;
    in.dt = 0.1;
    in.signal = TestSignal::SetpointStep;
    in.amplitudeText = "10";
    SpStepRun run;
    ResultsTables tables;
    RunOutcome out = RunFastSimulation(sim, in, run.curves, tables);
    EXPECT_EQ(out.error, "");
    run.loops = out.loops;
    for (int i = 1; i <= 10; ++i) {
        if (!out.loops[i - 1].Active()) continue;
        std::string line = std::to_string(i) + "\t" + sim.controllers.Get(i)->fields.TagText;
        for (const std::string& text :
             DisplayRow(tables.upper[i - 1], UnitSuffix(true, tables.upperUnits[i - 1])))
            line += "\t" + text;
        run.lines.push_back(line);
    }
    return run;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

class Example : public ::testing::TestWithParam<std::string> {};

TEST_P(Example, LoadsSilentlyKeepsItsIndicesAndNeitherCyclesNorSaturates) {
    const std::string name = GetParam();
    fs::path file = SimulationFile(name);
    Project project;
    FileResult loaded = project.Load(file);
    ASSERT_TRUE(loaded.ok()) << file << ": " << loaded.error;
    EXPECT_EQ(Joined(loaded.messages), "") << "vork-sim check must be silent for " << file;

    std::vector<bool> automatic(10, false);
    project.sim.controllers.ForEach(
        [&](const Controller& c) { automatic[c.slot() - 1] = c.state.AutoMode; });
    SpStepRun run = RunSpStep(project.sim);
    EXPECT_EQ(Joined(run.lines), Joined(Lines(kData / name / "indices.txt")))
        << "after a wanted change: build/vork-sim run '" << file.string()
        << "' --dt 100ms --step sp:10 --seed 1 | tail -n +2 > tests/examples/" << name
        << "/indices.txt";

    std::set<std::string> allowed = Allowed(name);
    for (int i = 1; i <= 10; ++i) {
        if (!run.loops[i - 1].Active() || !automatic[i - 1]) continue;
        const LoopCurves& c = run.curves[i - 1];
        std::string tag = project.sim.controllers.Get(i)->fields.TagText;
        OscillationVerdict cycle = DetectOscillation(c.pv, c.sp);
        EXPECT_EQ(cycle.sustained, allowed.count(tag + " oscillation") > 0)
            << tag << ": error deviation " << cycle.amplitude << " %, regularity "
            << cycle.regularity << ", period " << cycle.period << " s";
        double saturation = SaturationShare(c.co);
        EXPECT_EQ(saturation > kMaxSaturation, allowed.count(tag + " saturation") > 0)
            << tag << ": output saturated " << saturation << " % of the run";
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, Example, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

// Every example file is covered by one data folder.
TEST(ExampleData, EveryExampleHasItsExpectedResults) {
    std::multiset<fs::path> covered;
    for (const std::string& name : CaseNames()) {
        covered.insert(SimulationFile(name));
        EXPECT_TRUE(fs::exists(kData / name / "indices.txt")) << name;
    }
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(kSource / "examples")) {
        if (e.path().extension() != ".smp") continue;
        EXPECT_EQ(covered.count(e.path()), 1u) << e.path() << " needs tests/examples/<name>/";
    }
}

}  // namespace
}  // namespace vork::test
