#include "loops/xy_recorder.h"

#include <gtest/gtest.h>

#include "engine/simulation.h"
#include "loops/controller.h"
#include "loops/process_block.h"

namespace vork {
namespace {

TEST(XYRecorder, PresetItemsInListOrder) {
    auto items = XYRecorder::PresetItems();
    ASSERT_EQ(items.size(), 21u);
    EXPECT_EQ(items[0], "Seleção Individual");
    EXPECT_EQ(items[1], "COxPV [Malha 1]");
    EXPECT_EQ(items[2], "COxMV [Malha 1]");
    EXPECT_EQ(items[20], "COxMV [Malha 10]");
}

TEST(XYRecorder, PresetsNeedAnExistingController) {
    Simulation sim;
    XYRecorder& xy = sim.xy();
    xy.fields.ComboX = 4;
    xy.fields.ComboY = 5;
    xy.PresetsChange(sim, 3);  // COxPV [Malha 2], controller 2 absent
    EXPECT_EQ(xy.fields.ComboX, 4);
    EXPECT_EQ(xy.fields.ComboY, 5);
    Controller& c = sim.controllers.Fill(2);
    c.fields.VariavelSelect = 21;  // M22
    xy.PresetsChange(sim, 3);
    EXPECT_EQ(xy.fields.ComboX, 1);    // M02
    EXPECT_EQ(xy.fields.ComboY, 21);   // M22
    xy.PresetsChange(sim, 4);          // COxMV [Malha 2]
    EXPECT_EQ(xy.fields.ComboY, 101);  // M102, actuator position of block 2
    xy.ComboDropDown(1);
    EXPECT_EQ(xy.fields.Presets, 0);
    EXPECT_EQ(xy.fields.ComboY, 0);
}

TEST(XYRecorder, TenMinuteSweepAddsSixThousandPointsAndAdvancesThePlant) {
    Simulation sim;
    ProcessBlock& p = sim.processes.Fill(1);
    p.fields.ComboBox2 = 2;  // integrator: the output grows with simulated time
    p.Validate(sim);
    sim.vars.Write(1, 1);  // M01 = 1 % into the integrator
    XYRecorder& xy = sim.xy();
    xy.fields.ComboX = 0;    // M01
    xy.fields.ComboY = 100;  // M101
    int progressCalls = 0, lastProgress = -1;
    xy.Sweep(sim, [&](int g) {
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
    xy.Sweep(sim);
    EXPECT_EQ(xy.points.size(), 6000u + 18000u);  // points accumulate until cleared
    xy.Clear();
    EXPECT_TRUE(xy.points.empty());
}

TEST(XYRecorder, HysteresisDrawsTheBacklashBand) {
    Simulation sim;
    ProcessBlock& p = sim.processes.Fill(1);
    p.fields.Histerese = "10";
    p.Validate(sim);
    XYRecorder& xy = sim.xy();
    xy.fields.ComboX = 0;
    xy.fields.ComboY = 100;
    sim.vars.Write(1, 50);
    xy.Sweep(sim);
    double rising = xy.points.back().y;
    EXPECT_LT(rising, 50.0);  // rising, the actuator trails the output by the band
    sim.vars.Write(1, 45);
    xy.Sweep(sim);
    // Inside the band the actuator does not move: the plot draws the band's flat edge.
    EXPECT_EQ(xy.points.back().y, rising);
    EXPECT_EQ(xy.points.back().x, 45.0);
}

}  // namespace
}  // namespace vork
