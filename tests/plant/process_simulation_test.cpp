#include <gtest/gtest.h>

#include "plant/process_block.h"
#include "plant/simulation.h"

namespace vork {
namespace {

// Two blocks in series inside the evaluation pass: slot 2 reads slot 1's output of the same pass.
TEST(ProcessInSimulation, BlocksStepInSlotOrder) {
    Simulation sim;
    ProcessBlock& first = sim.processes.Fill(1);
    ProcessBlock& second = sim.processes.Fill(21);
    second.fields.EntradaSelect = 20;  // M21
    second.fields.LText = "0";
    second.fields.GanhoText = "2";
    ASSERT_TRUE(first.Validate(sim).empty());
    ASSERT_TRUE(second.Validate(sim).empty());
    sim.vars.Write(1, 50.0);
    sim.batch = true;
    sim.EvaluationPass();
    EXPECT_NEAR(sim.vars.Read(21), 0.2488, 5e-5);
    EXPECT_DOUBLE_EQ(sim.vars.Read(71), 2.0 * sim.vars.Read(21));
    EXPECT_DOUBLE_EQ(sim.vars.Read(121), sim.vars.Read(21));
    EXPECT_EQ(sim.vars.Read(101), 50.0);
    for (int k = 0; k < 3000; ++k)
        sim.EvaluationPass();
    EXPECT_NEAR(sim.vars.Read(71), 100.0, 1e-6);
}

TEST(ProcessInSimulation, FollowsTheSimulationTimeStep) {
    Simulation sim;
    ProcessBlock& block = sim.processes.Fill(1);
    block.fields.TempoMorto = "1";
    block.fields.LText = "0";
    ASSERT_TRUE(block.Validate(sim).empty());
    sim.dt = 0.5;
    sim.vars.Write(1, 10.0);
    sim.EvaluationPass();
    sim.EvaluationPass();
    EXPECT_EQ(sim.vars.Read(21), 0.0);
    sim.EvaluationPass();
    EXPECT_EQ(sim.vars.Read(21), 10.0);
    EXPECT_EQ(block.state.delay.DelaySamples, 2);
    EXPECT_EQ(block.state.Y2, 10.0);
}

}  // namespace
}  // namespace vork
