#include "plant/scan_cycle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "plant/signal_generator.h"
#include "plant/simulation.h"

namespace vork {
namespace {

TEST(ScanCycle, MeasuresTheCycleAsWholeMilliseconds) {
    ScanCycle scan;
    scan.Measure(1000.0);
    scan.Measure(1100.4);
    EXPECT_EQ(scan.cycleText, "100ms");
    scan.Measure(1433.6);
    EXPECT_EQ(scan.cycleText, "333ms");
    scan.Measure(10.0);  // past midnight
    EXPECT_DOUBLE_EQ(scan.measuredMs, 86400000.0 - 1433.6 + 10.0);
}

TEST(ScanCycle, RefreshRunsOnEverySixthTick) {
    Simulation sim;
    int refreshes = 0;
    sim.onDisplayRefresh = [&] { ++refreshes; };
    std::vector<int> refreshTicks;
    for (int tick = 1; tick <= 18; ++tick)
        if (sim.Tick(tick * 100.0)) refreshTicks.push_back(tick);
    EXPECT_EQ(refreshTicks, (std::vector<int>{6, 12, 18}));
    EXPECT_EQ(refreshes, 3);
}

TEST(ScanCycle, TickSetsDtFromTheCycle) {
    Simulation sim;
    sim.dt = 0.5;  // as a fast simulation leaves it
    sim.Tick(0);
    EXPECT_EQ(sim.dt, 0.1);
}

TEST(ScanCycle, WithoutObjectsATickStillDrivesTheGenerator) {
    Simulation sim;
    SignalGenerator& g = sim.generator();
    g.ChangeType(sim, 16, static_cast<int>(SignalType::Constant01));
    g.channel(16).fields.ValorDig = 1;
    g.ChangeType(sim, 1, static_cast<int>(SignalType::Sine));
    g.channel(1).fields = {5, "4", "0", "100", "", 0, 0};
    g.Apply(sim);
    sim.Tick(0);  // clock 0.1 s of a 4 s period
    EXPECT_NEAR(sim.vars.Read(81), 50.0 + 50.0 * std::sin(std::numbers::pi / 20.0), 1e-9);
    EXPECT_EQ(sim.vars.Read(96), 1.0);
}

TEST(ScanCycle, PauseStopsTicksAndTheNextCycleCoversIt) {
    Simulation sim;
    sim.Tick(1000);
    sim.scan.TogglePause();
    EXPECT_TRUE(sim.scan.pauseChecked);
    EXPECT_FALSE(sim.scan.timerEnabled);
    sim.dt = 0.2;
    EXPECT_FALSE(sim.Tick(1100));
    EXPECT_EQ(sim.dt, 0.2);  // nothing ran
    sim.scan.TogglePause();
    EXPECT_FALSE(sim.scan.pauseChecked);
    sim.Tick(6000);
    EXPECT_EQ(sim.scan.cycleText, "5000ms");
}

}  // namespace
}  // namespace vork
