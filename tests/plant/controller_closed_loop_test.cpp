#include <gtest/gtest.h>

#include <cmath>

#include "plant/controller.h"
#include "plant/simulation.h"

namespace vork {
namespace {

// Controller 1 on a first-order lag (gain 1, 10 s) written inline: the lag reads last tick's M01
// and writes M21 before the controllers run, as a process block would.
TEST(ControllerClosedLoop, SettlesOnTheSetpoint) {
    Simulation sim;
    Controller& c = sim.controllers.Fill(1);
    c.fields.VariavelSelect = 20;
    ASSERT_TRUE(c.Validate(sim).empty());
    c.state.SP = 50.0;
    c.ToggleAutoManual();
    const double tau = 10.0;
    auto lag = [&] {
        double pv = sim.vars.Read(21);
        sim.vars.Write(21, pv + (sim.vars.Read(1) - pv) * sim.dt / tau);
    };
    double worst = 0.0;
    for (int tick = 1; tick <= 3000; ++tick) {
        sim.EvaluationPass(lag);
        if (tick > 2000) worst = std::max(worst, std::abs(sim.vars.Read(21) - 50.0));
    }
    EXPECT_LT(worst, 0.05);
    EXPECT_NEAR(sim.vars.Read(1), 50.0, 0.05);
    EXPECT_EQ(sim.vars.Read(61), 50.0);
}

}  // namespace
}  // namespace vork
