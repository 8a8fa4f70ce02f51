#include <gtest/gtest.h>

#include "controller_fixture.h"

namespace vork {
namespace {

using test::ControllerLoop;

TEST(ControllerAlgorithm, DefaultTuningFirstStep) {
    ControllerLoop l;
    EXPECT_NEAR(l.Step(), 60.1, 1e-12);
    EXPECT_NEAR(l.c.state.Iant, 0.1, 1e-12);
    EXPECT_EQ(l.c.state.Erroant, 10.0);
    EXPECT_EQ(l.sim.vars.Read(1), l.c.state.CO);
    EXPECT_EQ(l.sim.vars.Read(61), 50.0);
}

TEST(ControllerAlgorithm, ProportionalOffKeepsUnitGainIntegral) {
    ControllerLoop l;
    l.c.fields.PCHK = false;
    EXPECT_NEAR(l.Step(), 50.1, 1e-12);
    EXPECT_NEAR(l.Step(), 50.2, 1e-12);
}

TEST(ControllerAlgorithm, CrossedLimitsPickMaxThenMin) {
    ControllerLoop above;
    above.c.fields.COminText = "60";
    above.c.fields.COmaxText = "40";
    EXPECT_EQ(above.Step(), 40.0);

    ControllerLoop below;
    below.c.fields.COminText = "60";
    below.c.fields.COmaxText = "40";
    below.sim.vars.Write(21, 80.0);  // raw output 19.7
    EXPECT_EQ(below.Step(), 60.0);
}

TEST(ControllerAlgorithm, LimitsAreLiveExpressions) {
    ControllerLoop l;
    l.c.fields.COmaxText = "M30+5";
    l.sim.vars.Write(30, 50.0);
    EXPECT_EQ(l.Step(), 55.0);
}

TEST(ControllerAlgorithm, ParallelIntegralIgnoresGain) {
    ControllerLoop parallel;
    parallel.c.fields.KpText = "2";
    parallel.c.fields.EstruturaGroup = kParalela;
    parallel.Revalidate();
    EXPECT_NEAR(parallel.Step(), 70.1, 1e-12);
    EXPECT_NEAR(parallel.c.state.Iant, 0.1, 1e-12);

    ControllerLoop isa;
    isa.c.fields.KpText = "2";
    isa.Revalidate();
    EXPECT_NEAR(isa.Step(), 70.2, 1e-12);
}

TEST(ControllerAlgorithm, ZeroSetpointWeightKeepsPOffSetpointSteps) {
    ControllerLoop l;
    l.c.fields.aText = "0";
    l.Revalidate();
    l.Step();
    double pBefore = l.c.state.CO - l.c.state.Iant - l.c.state.FFValue;
    l.c.state.SP = 60.0;
    l.Step();
    double pAfter = l.c.state.CO - l.c.state.Iant - l.c.state.FFValue;
    EXPECT_DOUBLE_EQ(pBefore, -40.0);
    EXPECT_DOUBLE_EQ(pAfter, -40.0);
    EXPECT_NEAR(l.c.state.Iant, 0.1 + 0.2, 1e-12);
}

TEST(ControllerAlgorithm, OutputSitsOnCOmaxAndLeavesAtOnce) {
    ControllerLoop l;
    l.c.fields.COmaxText = "55";
    EXPECT_EQ(l.Step(), 55.0);
    EXPECT_EQ(l.c.state.Iant, -5.0);
    EXPECT_EQ(l.Step(), 55.0);
    EXPECT_EQ(l.c.state.Iant, -5.0);
    l.sim.vars.Write(21, 52.0);  // error reverses to -2
    EXPECT_NEAR(l.Step(), 50.0 - 2.0 - 5.02, 1e-12);
}

TEST(ControllerAlgorithm, DeadBandFreezesOutput) {
    ControllerLoop l;
    l.c.fields.tfText = "2";
    l.Revalidate();
    l.c.state.CO = 42.0;
    l.sim.vars.Write(21, 48.5);
    EXPECT_EQ(l.Step(), 42.0);
    EXPECT_TRUE(l.c.state.InDeadBand);
    l.sim.vars.Write(21, 51.2);
    EXPECT_EQ(l.Step(), 42.0);
    EXPECT_NEAR(l.c.state.Iant, 42.0 - 1.2 * -1.0 - 50.0, 1e-12);
    l.sim.vars.Write(21, 45.0);
    EXPECT_NEAR(l.Step(), 50.0 + 5.0 + (42.0 + 1.2 - 50.0) + 0.05, 1e-12);
    EXPECT_FALSE(l.c.state.InDeadBand);
}

TEST(ControllerAlgorithm, ManualToAutomaticIsBumpless) {
    ControllerLoop l;
    l.c.ToggleAutoManual();  // to manual
    l.c.EnterOutput(30.0);
    EXPECT_EQ(l.Step(), 30.0);
    EXPECT_EQ(l.c.state.Iant, -30.0);
    l.c.ToggleAutoManual();
    EXPECT_NEAR(l.Step(), 30.1, 1e-12);
}

TEST(ControllerAlgorithm, ReverseResponseFlipsTheError) {
    ControllerLoop l;
    l.c.fields.Acaogroup = kRespostaReversa;
    l.Revalidate();
    EXPECT_NEAR(l.Step(), 50.0 - 10.0 - 0.1, 1e-12);
}

TEST(ControllerAlgorithm, SlaveSaturationHoldsTheIntegral) {
    ControllerLoop l;
    l.c.fields.BackMVCheck = true;
    l.c.fields.BackMV = 1;  // M02
    l.sim.vars.Write(2, 100.0);
    EXPECT_EQ(l.Step(), 60.0);
    EXPECT_EQ(l.c.state.Iant, 0.0);
    l.sim.vars.Write(2, 99.8);
    EXPECT_NEAR(l.Step(), 60.1, 1e-12);
}

TEST(ControllerAlgorithm, ZeroResetTimeFreezesTheIntegral) {
    ControllerLoop l;
    l.c.fields.KiText = "0";
    l.Revalidate();
    l.c.state.Iant = 3.0;
    EXPECT_EQ(l.Step(), 63.0);
}

TEST(ControllerAlgorithm, RemoteSetpointFollowsSPRUntilItIsCleared) {
    ControllerLoop l;
    l.c.fields.CheckSPR = true;
    l.c.fields.SPRSelect = 29;  // M30
    l.Revalidate();
    l.sim.vars.Write(30, 120.0);
    l.c.ToggleLocalRemote();
    EXPECT_FALSE(l.c.state.LocalMode);
    l.Step();
    EXPECT_EQ(l.c.state.SP, 120.0);  // a remote setpoint is not limited
    EXPECT_EQ(l.sim.vars.Read(61), 120.0);

    l.c.fields.CheckSPR = false;  // cleared after the last validation
    l.Step();
    EXPECT_EQ(l.c.state.SPR, 0.0);
    EXPECT_EQ(l.c.state.SP, 0.0);
}

TEST(ControllerAlgorithm, DerivativeFilterOnPVHasTimeConstantTdOverTen) {
    ControllerLoop l;
    l.c.fields.KdText = "10";
    l.Revalidate();
    l.c.state.PVFiltAnt = 50.0;
    l.c.state.SP = 51.0;
    l.sim.vars.Write(21, 51.0);
    l.Step();
    double filt = (1.0 / 1.1) * 50.0 + (0.1 / 1.1) * 51.0;
    EXPECT_NEAR(l.c.state.PVFilt, filt, 1e-12);
    EXPECT_NEAR(l.c.state.CO, 50.0 + (50.0 - filt) * 10.0 / 0.1, 1e-9);
}

TEST(ControllerAlgorithm, DerivativeOnErrorIsUnfilteredAndLimited) {
    ControllerLoop l;
    l.c.fields.KdText = "0.1";
    l.c.fields.DerivadaGroup = kSobreErro;
    l.Revalidate();
    EXPECT_NEAR(l.Step(), 60.1 + 10.0, 1e-12);
    l.c.fields.KdText = "100";
    l.c.fields.COmaxText = "1000";
    l.Revalidate();
    l.sim.vars.Write(21, 0.0);  // error jumps by 40: D limited to 100
    double I = l.c.state.Iant + 0.5;
    EXPECT_NEAR(l.Step(), 50.0 + 50.0 + I + 100.0, 1e-9);
}

TEST(ControllerAlgorithm, FeedForwardIsADynamicBias) {
    ControllerLoop l;
    l.c.fields.FFwSelect = true;
    l.c.fields.FFwEquation = "M30/2";
    l.Revalidate();
    l.sim.vars.Write(30, 40.0);
    EXPECT_NEAR(l.Step(), 20.0 + 10.0 + 0.1, 1e-12);
    EXPECT_EQ(l.c.state.FFValue, 20.0);
}

}  // namespace
}  // namespace vork
