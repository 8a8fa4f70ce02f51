#include <gtest/gtest.h>

#include "fake_records.h"
#include "plant/process_block.h"
#include "plant/valve_curves.h"
#include "rich_project.h"

namespace vork {
namespace {

using testing::BuildRichProject;
using testing::Lines;

// Every variable and actuator position of two simulations after each of `passes` passes.
void ExpectSameTrajectory(Simulation& a, Simulation& b, int passes) {
    for (int pass = 1; pass <= passes; ++pass) {
        a.EvaluationPass();
        b.EvaluationPass();
        for (int address = 1; address <= 124; ++address)
            ASSERT_EQ(a.vars.Read(address), b.vars.Read(address))
                << "M" << address << " after pass " << pass;
    }
}

TEST(ProjectRoundTrip, EveryKindWritesReadsAndWritesAgainByteForByte) {
    Project original;
    BuildRichProject(original);
    std::string written = original.FileBytes();

    Project loaded;
    FileResult result = loaded.LoadBytes(written, "caldeira");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.messages, std::vector<std::string>{});
    EXPECT_EQ(loaded.FileBytes(), written);

    // Spot checks that the records carried what they hold, not only equal bytes.
    std::vector<std::string> lines = Lines(FromWindows1252(written));
    auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("{C01/03} Kc:2,5"));
    EXPECT_TRUE(has("{C01/28} 42.50"));
    EXPECT_TRUE(has("=====<<<PROCESSO:71>>>====="));
    EXPECT_TRUE(has("{P71/15} Num.Ciclos:1.5x20"));
    EXPECT_TRUE(has("=====<<<BLOCO CALC:78>>>====="));
    EXPECT_TRUE(has("=====<<<REGISTRADOR:202>>>====="));
    EXPECT_TRUE(has("=====<<<TEXTO ANIMADO:110>>>====="));
    EXPECT_TRUE(has("21 Vazão"));
    EXPECT_EQ(loaded.sim.characterizer().fields.Lin1PV[4], "50");
    EXPECT_TRUE(loaded.sim.characterizer().fields.Lin1Ativar);
    EXPECT_EQ(loaded.sim.controllers.Get(3)->fields.FFwEquation, "M81/2");
    EXPECT_EQ(loaded.sim.generator().channel(4).state.filter, 35.5);
}

TEST(ProjectRoundTrip, LoadedObjectsComputeAsTheOriginals) {
    Project original;
    BuildRichProject(original);
    Project loaded;
    ASSERT_TRUE(loaded.LoadBytes(original.FileBytes(), "caldeira").ok());
    original.sim.random.Seed(7);
    loaded.sim.random.Seed(7);
    ExpectSameTrajectory(original.sim, loaded.sim, 100);
    // The loop moved, so the comparison saw more than constants.
    EXPECT_GT(loaded.sim.vars.Read(21), 0.5);
    EXPECT_NE(loaded.sim.vars.Read(13), 0.0);
}

// A loop with dead time saved in steady state: the reloaded loop goes on where it was, although
// the file holds no ring position and states only to two decimals.
TEST(ProjectRoundTrip, ALoopSavedMidRunContinuesWithoutABump) {
    Project running;
    BuildRichProject(running);
    running.sim.random.Seed(3);
    for (int pass = 0; pass < 3000; ++pass)
        running.sim.EvaluationPass();
    double flow = running.sim.vars.Read(21);
    ASSERT_NEAR(flow, 42.5, 0.1);

    Project loaded;
    ASSERT_TRUE(loaded.LoadBytes(running.FileBytes(), "caldeira").ok());
    double lowest = 100.0, highest = 0.0;
    for (int pass = 0; pass < 50; ++pass) {
        loaded.sim.EvaluationPass();
        lowest = std::min(lowest, loaded.sim.vars.Read(21));
        highest = std::max(highest, loaded.sim.vars.Read(21));
    }
    EXPECT_NEAR(lowest, flow, 0.05);
    EXPECT_NEAR(highest, flow, 0.05);
}

// The actuator chain is stored only by its stiction stage; the other stages restart at rest on
// that position, so a valve with hysteresis, rate limit and lag does not close after a load.
TEST(ProjectRoundTrip, ActuatorChainRestartsAtItsStoredPosition) {
    Project running;
    ProcessBlock& p = running.sim.processes.Fill(1);
    p.fields.Histerese = "2";
    p.fields.ratetext = "5";
    p.fields.tal = "3";
    p.fields.gainCurve = kCurveEqualPercentage;
    p.Validate(running.sim);
    running.sim.vars.Write(1, 70);
    for (int pass = 0; pass < 3000; ++pass)
        running.sim.EvaluationPass();
    double flow = running.sim.vars.Read(21), position = running.sim.vars.Read(101);
    ASSERT_GT(position, 10.0);

    Project loaded;
    ASSERT_TRUE(loaded.LoadBytes(running.FileBytes(), "valvula").ok());
    loaded.sim.vars.Write(1, 70);
    for (int pass = 0; pass < 50; ++pass) {
        loaded.sim.EvaluationPass();
        EXPECT_NEAR(loaded.sim.vars.Read(101), position, 0.05) << pass;
        EXPECT_NEAR(loaded.sim.vars.Read(21), flow, 0.05) << pass;
    }
}

}  // namespace
}  // namespace vork
