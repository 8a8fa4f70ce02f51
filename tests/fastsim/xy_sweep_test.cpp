#include "fastsim/xy_sweep.h"

#include <gtest/gtest.h>

#include "plant/process_block.h"
#include "plant/simulation.h"
#include "plant/xy_recorder.h"

namespace vork {
namespace {

TEST(XYSweep, TenMinuteSweepAddsSixThousandPointsAndAdvancesThePlant) {
    Simulation sim;
    ProcessBlock& p = sim.processes.Fill(1);
    p.fields.transferType = 2;  // integrator: the output grows with simulated time
    p.Validate(sim);
    sim.vars.Write(1, 1);  // M01 = 1 % into the integrator
    XYRecorder& xy = sim.xy();
    xy.fields.ComboX = 0;    // M01
    xy.fields.ComboY = 100;  // M101
    int progressCalls = 0, lastProgress = -1;
    RunXYSweep(sim, [&](int g) {
        ++progressCalls;
        EXPECT_GT(g, lastProgress);
        lastProgress = g;
    });
    EXPECT_EQ(xy.points.size(), 6000u);
    EXPECT_EQ(progressCalls, 101);  // 0 to 100
    EXPECT_FALSE(sim.batch);
    EXPECT_EQ(sim.dt, 0.1);
    EXPECT_EQ(xy.points.back().x, 1.0);
    EXPECT_EQ(xy.points.back().y, 1.0);
    xy.fields.JanelaComboBox = 1;
    RunXYSweep(sim);
    EXPECT_EQ(xy.points.size(), 6000u + 18000u);  // points accumulate until cleared
    xy.Clear();
    EXPECT_TRUE(xy.points.empty());
}

TEST(XYSweep, HysteresisDrawsTheBacklashBand) {
    Simulation sim;
    ProcessBlock& p = sim.processes.Fill(1);
    p.fields.Histerese = "10";
    p.Validate(sim);
    XYRecorder& xy = sim.xy();
    xy.fields.ComboX = 0;
    xy.fields.ComboY = 100;
    sim.vars.Write(1, 50);
    RunXYSweep(sim);
    double rising = xy.points.back().y;
    EXPECT_LT(rising, 50.0);  // rising, the actuator trails the output by the band
    sim.vars.Write(1, 45);
    RunXYSweep(sim);
    // Inside the band the actuator does not move: the plot draws the band's flat edge.
    EXPECT_EQ(xy.points.back().y, rising);
    EXPECT_EQ(xy.points.back().x, 45.0);
}

}  // namespace
}  // namespace vork
