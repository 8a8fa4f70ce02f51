#include "plant/step_lock.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "plant/calc_block.h"
#include "plant/process_block.h"
#include "plant/simulation.h"

namespace vork {
namespace {

TEST(StepLock, SlotsRefuseToChangeInsideAPassAndATickCallback) {
    Simulation sim;
    sim.processes.Fill(1);
    sim.EvaluationPass([&] {
        EXPECT_TRUE(sim.stepping.held());
        EXPECT_THROW(sim.calcs.Fill(2), std::logic_error);
        EXPECT_THROW(sim.processes.Empty(1), std::logic_error);
        EXPECT_THROW(sim.EmptyAllSlots(), std::logic_error);
    });
    int refreshes = 0;
    sim.onDisplayRefresh = [&] {
        ++refreshes;
        EXPECT_THROW(sim.processes.Empty(1), std::logic_error);
    };
    for (int tick = 1; tick <= 6; ++tick)
        sim.Tick(tick * 100.0);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(sim.processes.Exists(1));
    EXPECT_FALSE(sim.calcs.Exists(2));

    EXPECT_FALSE(sim.stepping.held());
    sim.processes.Empty(1);
    sim.calcs.Fill(2);
    EXPECT_FALSE(sim.processes.Exists(1));
    EXPECT_TRUE(sim.calcs.Exists(2));
}

TEST(StepLock, HoldsNestAndAThrowingStepReleasesThem) {
    Simulation sim;
    {
        StepLock::Hold outer(sim.stepping);
        { StepLock::Hold inner(sim.stepping); }
        EXPECT_TRUE(sim.stepping.held());
    }
    EXPECT_FALSE(sim.stepping.held());
    EXPECT_THROW(sim.EvaluationPass([] { throw std::runtime_error("fault"); }), std::runtime_error);
    EXPECT_FALSE(sim.stepping.held());
}

}  // namespace
}  // namespace vork
