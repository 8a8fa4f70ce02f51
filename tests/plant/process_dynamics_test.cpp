#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "plant/dead_time.h"
#include "plant/process_block.h"
#include "plant/simulation.h"

namespace vork {
namespace {

// A block in slot 1 reading M01, validated with the given field changes.
struct Plant {
    Simulation sim;
    ProcessBlock block{1};

    void Validate() { ASSERT_TRUE(block.Validate(sim).empty()); }
    double Tick(double input) {
        sim.vars.Write(1, input);
        block.Compute(sim);
        return sim.vars.Read(21);
    }
};

TEST(ProcessLag, DefaultFirstTickAndTimeConstant) {
    Plant plant;
    plant.Validate();
    double first = plant.Tick(50.0);
    EXPECT_NEAR(first, 0.2488, 5e-5);
    EXPECT_DOUBLE_EQ(plant.block.state.transfer.IntAc1, 0.1 / 20.1 * 50.0);
    for (int k = 2; k <= 100; ++k)
        plant.Tick(50.0);
    // After one time constant: 1 - 1/e of the step.
    EXPECT_NEAR(plant.sim.vars.Read(21), 50.0 * (1 - std::exp(-1.0)), 0.1);
    for (int k = 0; k < 2000; ++k)
        plant.Tick(50.0);
    EXPECT_NEAR(plant.sim.vars.Read(21), 50.0, 1e-6);
}

TEST(ProcessLag, TwoLagsInSeriesStartSlowerThanOne) {
    Plant one, two;
    two.block.fields.Ctext = "5";
    one.Validate();
    two.Validate();
    for (int k = 0; k < 30; ++k)
        EXPECT_LE(two.Tick(50.0), one.Tick(50.0));
    for (int k = 0; k < 3000; ++k)
        two.Tick(50.0);
    EXPECT_NEAR(two.sim.vars.Read(21), 50.0, 1e-6);
}

TEST(DeadTime, SampleCountsRoundDecimalQuotientsHalfToEven) {
    EXPECT_EQ(DelaySampleCount(1.0, 0.1), 10);
    EXPECT_EQ(DelaySampleCount(0.05, 0.1), 0);
    EXPECT_EQ(DelaySampleCount(0.15, 0.1), 2);
    EXPECT_EQ(DelaySampleCount(0.25, 0.1), 2);
    EXPECT_EQ(DelaySampleCount(0.0, 0.1), 0);
}

TEST(DeadTime, OutOfRingAndUndefinedCountsStayInside) {
    EXPECT_EQ(DelaySampleCount(999.9, 0.1), 9999);
    EXPECT_EQ(DelaySampleCount(5000.0, 0.1), 9999);
    EXPECT_EQ(DelaySampleCount(1e300, 1e-300), 9999);
    EXPECT_EQ(DelaySampleCount(-3.0, 0.1), 0);
    EXPECT_EQ(DelaySampleCount(1.0, 0.0), 9999);
    EXPECT_EQ(DelaySampleCount(0.0, 0.0), 0);
    EXPECT_EQ(DelaySampleCount(std::nan(""), 0.1), 0);
}

TEST(DeadTime, OneSecondDelaysAStepByTenTicks) {
    Plant plant;
    plant.block.fields.TempoMorto = "1";
    plant.block.fields.LText = "0";
    plant.Validate();
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(plant.Tick(50.0), 0.0) << "ring positions not yet written hold 0, tick " << k;
    EXPECT_EQ(plant.block.state.delay.DelaySamples, 10);
    EXPECT_EQ(plant.Tick(50.0), 50.0);
    EXPECT_EQ(plant.sim.vars.Read(101), 50.0) << "the actuator position is not delayed";
}

TEST(DeadTime, FifteenHundredthsDelayByTwoTicks) {
    Plant plant;
    plant.block.fields.TempoMorto = "0.15";
    plant.block.fields.LText = "0";
    plant.Validate();
    EXPECT_EQ(plant.Tick(10.0), 0.0);
    EXPECT_EQ(plant.Tick(20.0), 0.0);
    EXPECT_EQ(plant.Tick(30.0), 10.0);
    EXPECT_EQ(plant.block.state.delay.DelaySamples, 2);
}

TEST(DeadTime, RingWrapsAroundKeepingTheDelay) {
    Plant plant;
    plant.block.fields.TempoMorto = "0.3";
    plant.block.fields.LText = "0";
    plant.Validate();
    for (int k = 1; k <= 10010; ++k) {
        double out = plant.Tick(k % 97);
        if (k > 3) {
            ASSERT_EQ(out, (k - 3) % 97) << k;
        }
    }
    EXPECT_EQ(plant.block.state.delay.DelayIndex, 10);
}

TEST(DeadTime, NegativeAtRunTimeRemovesTheDelay) {
    Plant plant;
    plant.block.fields.TempoMorto = "M05-1";
    plant.block.fields.LText = "0";
    plant.sim.vars.Write(5, 2.0);
    plant.Validate();
    plant.sim.vars.Write(5, -4.0);
    EXPECT_EQ(plant.Tick(33.0), 33.0);
    EXPECT_EQ(plant.block.state.delay.DelaySamples, 0);
}

TEST(Clamp, StateHeldAt100UnlessDisabled) {
    Plant on, off;
    on.block.fields.LText = off.block.fields.LText = "1";
    off.block.fields.clampDisabled = true;
    on.Validate();
    off.Validate();
    for (int k = 0; k < 200; ++k) {
        on.Tick(150.0);
        off.Tick(150.0);
    }
    EXPECT_EQ(on.sim.vars.Read(21), 100.0);
    EXPECT_NEAR(off.sim.vars.Read(21), 150.0, 1e-6);
    for (int k = 0; k < 200; ++k)
        on.Tick(-20.0);
    EXPECT_EQ(on.sim.vars.Read(21), 0.0) << "negative values clamp to 0";
}

TEST(Clamp, GainTwoActsAfterTheClamp) {
    Plant plant;
    plant.block.fields.GanhoText = "2";
    plant.block.fields.LText = "0";
    plant.Validate();
    EXPECT_EQ(plant.Tick(150.0), 200.0);
    EXPECT_EQ(plant.block.state.transfer.IntAc2, 100.0);
    EXPECT_EQ(plant.block.state.Y2, 200.0);
}

TEST(Integrator, GrowsByOnePerTickUntilTheClamp) {
    Plant plant;
    plant.block.fields.transferType = kIntegrator;
    plant.Validate();
    for (int k = 1; k <= 100; ++k)
        ASSERT_NEAR(plant.Tick(10.0), k, 1e-9);
    EXPECT_EQ(plant.Tick(10.0), 100.0);
    EXPECT_EQ(plant.Tick(10.0), 100.0);
}

TEST(Integrator, InconsistentGainFreezesIt) {
    Plant plant;
    plant.block.fields.transferType = kIntegrator;
    plant.Validate();
    for (int k = 0; k < 5; ++k)
        plant.Tick(10.0);
    plant.block.fields.GanhoText = "ln(2)";
    EXPECT_FALSE(plant.block.Validate(plant.sim).empty());
    EXPECT_NEAR(plant.Tick(10.0), 5.0, 1e-9);
    EXPECT_NEAR(plant.Tick(10.0), 5.0, 1e-9);
}

TEST(Underdamped, StepOvershootsAndSettlesAtInputTimesGain) {
    Plant plant;
    plant.block.fields.transferType = kUnderdamped;
    plant.block.fields.GanhoText = "2";
    plant.Validate();
    double peak = 0;
    for (int k = 0; k < 300; ++k)
        peak = std::max(peak, plant.Tick(40.0));
    EXPECT_GT(peak, 80.0 * 1.05);
    EXPECT_LT(peak, 80.0 * 1.12);
    for (int k = 0; k < 3000; ++k)
        plant.Tick(40.0);
    EXPECT_NEAR(plant.sim.vars.Read(21), 80.0, 1e-6);
}

TEST(Underdamped, ZeroCyclesIsCriticallyDampedAndZeroPeriodPassesThrough) {
    Plant damped;
    damped.block.fields.transferType = kUnderdamped;
    damped.block.fields.NCText = "0";
    EXPECT_EQ(damped.block.Validate(damped.sim).size(), 1u);
    double peak = 0;
    for (int k = 0; k < 2000; ++k)
        peak = std::max(peak, damped.Tick(40.0));
    EXPECT_LE(peak, 40.0 + 1e-9);
    EXPECT_NEAR(damped.sim.vars.Read(21), 40.0, 1e-6);

    Plant instant;
    instant.block.fields.transferType = kUnderdamped;
    instant.block.fields.PeriodoText = "0";
    instant.Validate();
    EXPECT_EQ(instant.Tick(40.0), 40.0);
}

TEST(LeadLag, LeadKicksThenSettles) {
    Plant plant;
    plant.block.fields.transferType = kLeadLag;
    plant.block.fields.LEAD = "2";
    plant.block.fields.LAG = "1";
    plant.Validate();
    EXPECT_NEAR(plant.Tick(20.0), 20.0 * 2.1 / 1.1, 1e-9);
    for (int k = 0; k < 500; ++k)
        plant.Tick(20.0);
    EXPECT_NEAR(plant.sim.vars.Read(21), 20.0, 1e-6);
}

TEST(ZeroDenominators, StagesPassTheirInputThrough) {
    for (auto [type, field, text] :
         {std::tuple{kOverdamped, 0, "-0.05"}, std::tuple{kOverdamped, 1, "-0.1"},
          std::tuple{kLeadLag, 2, "-0.1"}}) {
        Plant plant;
        plant.block.fields.transferType = type;
        plant.block.fields.LText = field == 0 ? text : "0";
        plant.block.fields.Ctext = field == 1 ? text : "0";
        plant.block.fields.LAG = field == 2 ? text : "0";
        plant.Validate();
        EXPECT_EQ(plant.Tick(25.0), 25.0) << text;
        EXPECT_EQ(plant.Tick(30.0), 30.0) << text;
    }
}

TEST(TypeChange, ContinuesFromTheSharedState) {
    Plant plant;
    plant.block.fields.transferType = kIntegrator;
    plant.Validate();
    for (int k = 0; k < 5; ++k)
        plant.Tick(10.0);
    plant.block.fields.transferType = kLeadLag;
    plant.block.fields.LAG = "10";
    plant.Validate();
    EXPECT_NEAR(plant.Tick(0.0), 5.0 * 10.0 / 10.1, 1e-9);
}

TEST(TypeChange, UnlistedTypePassesTheClampedInput) {
    Plant plant;
    plant.block.fields.transferType = 7;
    plant.Validate();
    EXPECT_EQ(plant.Tick(60.0), 60.0);
    EXPECT_EQ(plant.Tick(160.0), 100.0);
}

TEST(Outputs, SlotAddressesAndActuatorTable) {
    EXPECT_EQ(ProcessBlock::OutputAddress(1), 21);
    EXPECT_EQ(ProcessBlock::OutputAddress(20), 40);
    EXPECT_EQ(ProcessBlock::OutputAddress(21), 71);
    EXPECT_EQ(ProcessBlock::OutputAddress(24), 74);
    Simulation sim;
    ProcessBlock block(22);
    block.fields.LText = "0";
    block.fields.EntradaSelect = 2;
    block.fields.gainCurve = kCurveQuickOpen;
    ASSERT_TRUE(block.Validate(sim).empty());
    sim.vars.Write(3, 0.0);
    block.Compute(sim);
    EXPECT_NEAR(sim.vars.Read(122), -2.8065, 5e-5) << "the actuator chain is not clamped";
    EXPECT_EQ(sim.vars.Read(72), 0.0) << "the dynamic state is";
    EXPECT_EQ(block.state.X0, 0.0);
}

}  // namespace
}  // namespace vork
