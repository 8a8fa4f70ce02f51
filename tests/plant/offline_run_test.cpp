#include "plant/offline_run.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "plant/process_block.h"
#include "plant/simulation.h"

namespace vork {
namespace {

TEST(OfflineRun, HoldsThePlantForTheRunAndGivesItBack) {
    Simulation sim;
    sim.dt = 0.1;
    {
        OfflineRun run(sim, 0.5);
        EXPECT_FALSE(sim.scan.timerEnabled);
        EXPECT_TRUE(sim.batch);
        EXPECT_EQ(sim.dt, 0.5);
        EXPECT_THROW(sim.processes.Fill(1), std::logic_error);
        EXPECT_FALSE(sim.Tick(0)) << "no real-time tick during a run";
    }
    EXPECT_TRUE(sim.scan.timerEnabled);
    EXPECT_FALSE(sim.batch);
    EXPECT_EQ(sim.dt, 0.5) << "the run's step stays until the next real-time tick";
    EXPECT_FALSE(sim.stepping.held());

    sim.scan.TogglePause();
    { OfflineRun run(sim, 1.0); }
    EXPECT_FALSE(sim.scan.timerEnabled) << "a paused timer stays paused";
}

TEST(OfflineRun, ARunThatThrowsRestoresTimerBatchAndDt) {
    Simulation sim;
    sim.processes.Fill(1).Validate(sim);
    sim.dt = 0.1;
    auto run = [&] {
        OfflineRun offline(sim, 0.2);
        sim.EvaluationPass();
        throw std::runtime_error("archive disk full");
    };
    EXPECT_THROW(run(), std::runtime_error);
    EXPECT_TRUE(sim.scan.timerEnabled);
    EXPECT_FALSE(sim.batch);
    EXPECT_EQ(sim.dt, 0.1);
    EXPECT_FALSE(sim.stepping.held());
    sim.processes.Empty(1);
}

TEST(OfflineRun, ALoadKeepsTheSlotsOpen) {
    Simulation sim;
    OfflineRun load(sim, sim.dt, SlotAccess::Open);
    EXPECT_FALSE(sim.scan.timerEnabled);
    sim.processes.Fill(3);
    sim.EmptyAllSlots();
    EXPECT_FALSE(sim.processes.Exists(3));
}

}  // namespace
}  // namespace vork
