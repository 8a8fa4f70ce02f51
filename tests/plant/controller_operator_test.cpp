#include <gtest/gtest.h>

#include "controller_fixture.h"

namespace vork {
namespace {

using test::ControllerLoop;

TEST(ControllerOperator, SetpointButtonsStepAndLimit) {
    ControllerLoop l;
    l.c.state.SP = 99.5;
    l.c.IncrementaSPClick();
    EXPECT_EQ(l.c.state.SP, 100.0);
    EXPECT_EQ(l.c.faceplate.SetPointBar, 200);
    EXPECT_EQ(l.c.faceplate.SPText, "100.0");
    l.c.state.SP = 0.5;
    l.c.DecrementaSPClick();
    EXPECT_EQ(l.c.state.SP, 0.0);
}

TEST(ControllerOperator, TypedSetpointIsInEngineeringUnits) {
    ControllerLoop l;
    l.sim.vars.SetAttribute(21, AttributeField::UeMin, "100");
    l.sim.vars.SetAttribute(21, AttributeField::UeMax, "300");
    l.Revalidate();
    l.c.faceplate.SPText = "150,0";
    l.c.SPTextEnter();
    EXPECT_EQ(l.c.state.SP, 25.0);
    EXPECT_EQ(l.c.faceplate.SPText, "150.0");
    for (const char* ignored : {"350", "50", "abc", ""}) {
        l.c.faceplate.SPText = ignored;
        l.c.SPTextEnter();
        EXPECT_EQ(l.c.state.SP, 25.0) << ignored;
        EXPECT_EQ(l.c.faceplate.SPText, "150.0");
    }
    l.c.faceplate.SPText = "1";
    l.c.SPTextEscape();
    EXPECT_EQ(l.c.faceplate.SPText, "150.0");
}

TEST(ControllerOperator, TypedSetpointIgnoredOnAnEmptyRange) {
    ControllerLoop l;
    l.sim.vars.SetAttribute(21, AttributeField::UeMax, "0.0");
    l.Revalidate();
    l.c.faceplate.SPText = "0";
    l.c.SPTextEnter();
    EXPECT_EQ(l.c.state.SP, 50.0);
    EXPECT_EQ(l.c.faceplate.SPText, "0.0000");
}

TEST(ControllerOperator, SetpointActionsOnlyInLocalMode) {
    ControllerLoop l;
    l.c.state.LocalMode = false;
    l.c.IncrementaSPClick();
    l.c.faceplate.SPText = "70";
    l.c.SPTextEnter();
    EXPECT_EQ(l.c.state.SP, 50.0);
}

TEST(ControllerOperator, LocalRemoteNeedsTheRemoteSetpoint) {
    ControllerLoop l;
    l.c.LocalRemotoBTNClick();
    EXPECT_TRUE(l.c.state.LocalMode);
    l.c.fields.CheckSPR = true;
    l.Revalidate();
    l.c.LocalRemotoBTNClick();
    EXPECT_FALSE(l.c.state.LocalMode);
    EXPECT_FALSE(l.c.faceplate.DecrementaSP);
    l.c.LocalRemotoBTNClick();
    EXPECT_TRUE(l.c.state.LocalMode);
    EXPECT_EQ(l.c.faceplate.Label1, "L");
}

TEST(ControllerOperator, AutoManualSwitchesButtonsAndTrendSetpoint) {
    ControllerLoop l;  // automatic, but the buttons still show the validation's manual state
    l.c.AutoManualBTNClick();
    EXPECT_FALSE(l.c.state.AutoMode);
    EXPECT_EQ(l.c.faceplate.Label2, "M");
    EXPECT_TRUE(l.c.faceplate.IncrementaSaida);
    EXPECT_TRUE(l.c.faceplate.Button2);
    EXPECT_FALSE(l.c.trendFields.MostrarSP);
    l.c.AutoManualBTNClick();
    EXPECT_EQ(l.c.faceplate.Label2, "A");
    EXPECT_FALSE(l.c.faceplate.DecrementaSaida);
    EXPECT_FALSE(l.c.faceplate.Button2);
    EXPECT_TRUE(l.c.trendFields.MostrarSP);
}

TEST(ControllerOperator, OutputButtonsOnlyInManual) {
    ControllerLoop l;
    l.c.state.CO = 20.0;
    l.c.IncrementaSaidaClick();
    EXPECT_EQ(l.c.state.CO, 20.0);
    l.c.AutoManualBTNClick();
    l.c.IncrementaSaidaClick();
    EXPECT_EQ(l.c.state.CO, 21.0);
    EXPECT_EQ(l.c.faceplate.MVText, "21.00");
    EXPECT_EQ(l.c.faceplate.SaidaBar, 42);
    EXPECT_FALSE(l.c.faceplate.Button2);
    l.c.state.CO = 0.4;
    l.c.DecrementaSaidaClick();
    EXPECT_EQ(l.c.state.CO, 0.0);
}

TEST(ControllerOperator, TypedOutOfRangeOutputIsIgnored) {
    ControllerLoop l;
    l.c.AutoManualBTNClick();
    l.c.state.CO = 30.0;
    l.c.faceplate.MVText = "150";
    l.c.MVTextChange();
    EXPECT_TRUE(l.c.faceplate.Button2);
    l.c.MVTextEnter();
    EXPECT_EQ(l.c.state.CO, 30.0);
    EXPECT_EQ(l.c.faceplate.MVText, "30.00");
    EXPECT_FALSE(l.c.faceplate.Button2);
    l.c.faceplate.MVText = "12,5";
    l.c.MVTextEnter();
    EXPECT_EQ(l.c.state.CO, 12.5);
}

TEST(ControllerOperator, TypedOutputIgnoredInAutomatic) {
    ControllerLoop l;
    l.c.state.CO = 30.0;
    l.c.faceplate.MVText = "40";
    l.c.MVTextChange();
    EXPECT_FALSE(l.c.faceplate.Button2);
    l.c.MVTextEnter();
    EXPECT_EQ(l.c.state.CO, 30.0);
}

}  // namespace
}  // namespace vork
