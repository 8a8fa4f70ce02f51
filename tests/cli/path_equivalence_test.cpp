#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "plant/simulation.h"
#include "project/project.h"
#include "support/run_sim.h"
#include "support/temp_folder.h"

// The fast evaluation path against the reference on whole projects: every example, the benchmark
// plant and the hand-written loop give the same indices, archive bytes and variable values.
namespace vork {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Projects() {
    fs::path source = VORK_SOURCE_DIR;
    std::vector<std::string> files = {(source / "bench/plants/full.smp").string(),
                                      (source / "tests/fixtures/closed_loop.smp").string()};
    if (fs::is_directory(source / "examples"))
        for (const fs::directory_entry& folder : fs::directory_iterator(source / "examples"))
            if (folder.is_directory())
                for (const fs::directory_entry& f : fs::directory_iterator(folder.path()))
                    if (f.path().extension() == ".smp") files.push_back(f.path().string());
    return files;
}

std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}

// Runs vork-sim in `folder`; returns standard output, or "exit N" when it failed.
std::string RunIn(const test::TempFolder& folder, const std::string& args) {
    SimOutput out = RunSim(args, false, folder.path());
    return out.status == 0 ? out.text : "exit " + std::to_string(out.status);
}

// The one archive a run wrote into `folder`.
std::string ArchiveBytes(const test::TempFolder& folder) {
    for (const fs::directory_entry& f : fs::directory_iterator(folder.path()))
        if (f.path().extension() == ".txd") return folder.Read(f.path().filename().string());
    return "no archive";
}

TEST(EvaluationPaths, FastRunsGiveTheReferenceIndicesAndArchives) {
    for (const std::string& file : Projects()) {
        SCOPED_TRACE(file);
        for (const char* options : {"--window 30min --dt 1s --seed 11",
                                    "--window 30min --dt 500ms --step sp:10 --seed 12"}) {
            std::string args = "run " + Quoted(file) + " " + options + " --archive A --path ";
            test::TempFolder reference, fast;
            std::string indices = RunIn(reference, args + "reference");
            EXPECT_EQ(RunIn(fast, args + "fast"), indices) << options;
            EXPECT_NE(indices.rfind("exit", 0), 0u) << options;
            std::string archive = ArchiveBytes(reference);
            EXPECT_GT(archive.size(), 1800u * 99u) << options;
            EXPECT_EQ(ArchiveBytes(fast), archive) << options;
        }
    }
}

std::array<uint64_t, 124> Values(const Simulation& sim) {
    std::array<uint64_t, 124> bits{};
    for (int a = 1; a <= 124; ++a)
        bits[a - 1] = std::bit_cast<uint64_t>(sim.vars.Read(a));
    return bits;
}

// What `vork-sim step` prints, compared bit for bit on every variable and actuator position.
TEST(EvaluationPaths, FastStepsGiveTheReferenceValues) {
    for (const std::string& file : Projects()) {
        SCOPED_TRACE(file);
        Project reference, fast;
        ASSERT_TRUE(reference.Load(file).ok());
        ASSERT_TRUE(fast.Load(file).ok());
        reference.sim.evalPath = EvalPath::Reference;
        fast.sim.evalPath = EvalPath::Fast;
        for (Simulation* sim : {&reference.sim, &fast.sim}) {
            sim->random.Seed(5);
            sim->batch = true;
            sim->dt = 0.2;
        }
        for (int pass = 1; pass <= 600; ++pass) {
            reference.sim.EvaluationPass();
            fast.sim.EvaluationPass();
            ASSERT_EQ(Values(fast.sim), Values(reference.sim)) << "pass " << pass;
            ASSERT_EQ(fast.sim.errorText, reference.sim.errorText) << "pass " << pass;
        }
    }
}

}  // namespace
}  // namespace vork
