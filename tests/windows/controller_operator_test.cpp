#include <gtest/gtest.h>

#include "window_fixtures.h"

namespace vork {
namespace {

using test::LoopWindow;

TEST(ControllerOperator, SetpointButtonsStepAndLimit) {
    LoopWindow l;
    l.c.state.SP = 99.5;
    l.w.IncrementaSPClick();
    EXPECT_EQ(l.c.state.SP, 100.0);
    EXPECT_EQ(l.w.setpointBar, 200);
    EXPECT_EQ(l.w.SPText, "100.0");
    l.c.state.SP = 0.5;
    l.w.DecrementaSPClick();
    EXPECT_EQ(l.c.state.SP, 0.0);
}

TEST(ControllerOperator, TypedSetpointIsInEngineeringUnits) {
    LoopWindow l;
    l.sim.vars.SetAttribute(21, AttributeField::UeMin, "100");
    l.sim.vars.SetAttribute(21, AttributeField::UeMax, "300");
    l.w.Apply();
    l.w.SPText = "150,0";
    l.w.SPTextEnter();
    EXPECT_EQ(l.c.state.SP, 25.0);
    EXPECT_EQ(l.w.SPText, "150.0");
    for (const char* ignored : {"350", "50", "abc", ""}) {
        l.w.SPText = ignored;
        l.w.SPTextEnter();
        EXPECT_EQ(l.c.state.SP, 25.0) << ignored;
        EXPECT_EQ(l.w.SPText, "150.0");
    }
    l.w.SPText = "1";
    l.w.SPTextEscape();
    EXPECT_EQ(l.w.SPText, "150.0");
}

TEST(ControllerOperator, TypedSetpointIgnoredOnAnEmptyRange) {
    LoopWindow l;
    l.sim.vars.SetAttribute(21, AttributeField::UeMax, "0.0");
    l.w.Apply();
    l.w.SPText = "0";
    l.w.SPTextEnter();
    EXPECT_EQ(l.c.state.SP, 50.0);
    EXPECT_EQ(l.w.SPText, "0.0000");
}

TEST(ControllerOperator, SetpointActionsOnlyInLocalMode) {
    LoopWindow l;
    l.c.state.LocalMode = false;
    l.w.IncrementaSPClick();
    l.w.SPText = "70";
    l.w.SPTextEnter();
    EXPECT_EQ(l.c.state.SP, 50.0);
}

TEST(ControllerOperator, LocalRemoteNeedsTheRemoteSetpoint) {
    LoopWindow l;
    l.w.LocalRemotoBTNClick();
    EXPECT_TRUE(l.c.state.LocalMode);
    l.w.CheckSPRChange(true);
    l.w.Apply();
    l.w.LocalRemotoBTNClick();
    EXPECT_FALSE(l.c.state.LocalMode);
    EXPECT_EQ(l.w.localRemoteLetter, "R");
    EXPECT_FALSE(l.w.setpointButtonsEnabled);
    l.w.LocalRemotoBTNClick();
    EXPECT_TRUE(l.c.state.LocalMode);
    EXPECT_EQ(l.w.localRemoteLetter, "L");
}

TEST(ControllerOperator, AutoManualSwitchesButtonsAndTrendSetpoint) {
    LoopWindow l;
    l.w.AutoManualBTNClick();
    EXPECT_FALSE(l.c.state.AutoMode);
    EXPECT_EQ(l.w.autoManualLetter, "M");
    EXPECT_TRUE(l.w.outputButtonsEnabled);
    EXPECT_TRUE(l.w.sendEnabled);
    EXPECT_FALSE(l.w.showSP);
    l.w.AutoManualBTNClick();
    EXPECT_EQ(l.w.autoManualLetter, "A");
    EXPECT_FALSE(l.w.outputButtonsEnabled);
    EXPECT_FALSE(l.w.sendEnabled);
    EXPECT_TRUE(l.w.showSP);
}

TEST(ControllerOperator, OutputButtonsOnlyInManual) {
    LoopWindow l;
    l.c.state.CO = 20.0;
    l.w.IncrementaSaidaClick();
    EXPECT_EQ(l.c.state.CO, 20.0);
    l.w.AutoManualBTNClick();
    l.w.IncrementaSaidaClick();
    EXPECT_EQ(l.c.state.CO, 21.0);
    EXPECT_EQ(l.w.MVText, "21.00");
    EXPECT_EQ(l.w.outputBar, 42);
    EXPECT_FALSE(l.w.sendEnabled);
    l.c.state.CO = 0.4;
    l.w.DecrementaSaidaClick();
    EXPECT_EQ(l.c.state.CO, 0.0);
}

TEST(ControllerOperator, TypedOutOfRangeOutputIsIgnored) {
    LoopWindow l;
    l.w.AutoManualBTNClick();
    l.c.state.CO = 30.0;
    l.w.MVText = "150";
    l.w.MVTextChange();
    EXPECT_TRUE(l.w.sendEnabled);
    l.w.MVTextEnter();
    EXPECT_EQ(l.c.state.CO, 30.0);
    EXPECT_EQ(l.w.MVText, "30.00");
    EXPECT_FALSE(l.w.sendEnabled);
    l.w.MVText = "12,5";
    l.w.MVTextEnter();
    EXPECT_EQ(l.c.state.CO, 12.5);
    l.w.MVText = "7";
    l.w.MVTextEscape();
    EXPECT_EQ(l.w.MVText, "12.50");
}

TEST(ControllerOperator, TypedOutputIgnoredInAutomatic) {
    LoopWindow l;
    l.c.state.CO = 30.0;
    l.w.MVText = "40";
    l.w.MVTextChange();
    EXPECT_FALSE(l.w.sendEnabled);
    l.w.MVTextEnter();
    EXPECT_EQ(l.c.state.CO, 30.0);
}

TEST(ControllerOperator, ManualOutputTypedThenAutomaticIsBumpless) {
    LoopWindow l;
    l.w.AutoManualBTNClick();
    l.w.MVText = "30";
    l.w.MVTextEnter();
    EXPECT_EQ(l.Step(), 30.0);
    l.w.AutoManualBTNClick();
    EXPECT_NEAR(l.Step(), 30.1, 1e-12);
    EXPECT_EQ(l.w.MVText, "30.10");
}

}  // namespace
}  // namespace vork
