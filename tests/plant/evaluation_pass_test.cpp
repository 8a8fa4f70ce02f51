#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plant/calc_block.h"
#include "plant/simulation.h"

namespace vork {
namespace {

CalcBlock& Block(Simulation& sim, int slot, const std::string& function) {
    CalcBlock& b = sim.calcs.Fill(slot);
    b.fields.FuncaoTr = function;
    b.Apply(sim);
    return b;
}

TEST(EvaluationPass, LaterObjectsAreReadWithThePreviousTickValue) {
    Simulation sim;
    Block(sim, 1, "M42");    // written before block 2: sees its previous value
    Block(sim, 2, "M41+1");  // written after block 1: sees its current value
    sim.EvaluationPass();
    EXPECT_EQ(sim.vars.Read(41), 0);
    EXPECT_EQ(sim.vars.Read(42), 1);
    sim.EvaluationPass();
    EXPECT_EQ(sim.vars.Read(41), 1);
    EXPECT_EQ(sim.vars.Read(42), 2);
}

TEST(EvaluationPass, HookRunsBetweenCalculationBlocksAndControllers) {
    Simulation sim;
    Block(sim, 1, "M15");
    sim.vars.Write(15, 5);
    double seenByHook = -1;
    sim.EvaluationPass([&] { seenByHook = sim.vars.Read(41); });
    EXPECT_EQ(seenByHook, 5);
}

TEST(EvaluationPass, EmptiedSlotKeepsItsLastOutput) {
    Simulation sim;
    Block(sim, 3, "M43+1");
    sim.EvaluationPass();
    sim.EvaluationPass();
    sim.calcs.Empty(3);
    sim.EvaluationPass();
    EXPECT_FALSE(sim.calcs.Exists(3));
    EXPECT_EQ(sim.vars.Read(43), 2);
}

TEST(EvaluationPass, SlotTwentyOneWritesItsOwnRange) {
    Simulation sim;
    Block(sim, 21, "7");
    sim.EvaluationPass();
    EXPECT_EQ(sim.vars.Read(75), 7);
    EXPECT_EQ(sim.vars.Read(61), 0);
}

}  // namespace
}  // namespace vork
