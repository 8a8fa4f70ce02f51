#include <gtest/gtest.h>

#include "workspace/operator_inputs.h"

namespace vork {
namespace {

struct Inputs : ::testing::Test {
    Workspace ws;
    VariableTable vars;
};

TEST_F(Inputs, SliderTakesTypedEngineeringValuesWithinItsRange) {
    vars.SetAttribute(15, AttributeField::UeMax, "500");
    SetTrackInUse(ws, 1, true);
    EXPECT_TRUE(EnterTrackText(ws, vars, 1, "125"));
    EXPECT_EQ(vars.Read(15), 25.0);
    EXPECT_EQ(ws.tracks[0].barPosition, 2500);
    EXPECT_EQ(ws.tracks[0].valueText, "125.00");

    for (const char* refused : {"600", "-1", "abc", "", "12x"}) {
        ws.tracks[0].valueText = refused;
        EXPECT_FALSE(EnterTrackText(ws, vars, 1, refused)) << refused;
        EXPECT_EQ(ws.tracks[0].valueText, "125.00") << refused;
        EXPECT_EQ(vars.Read(15), 25.0);
    }
    ws.tracks[0].valueText = "7";
    EscapeTrackText(ws, vars, 1);
    EXPECT_EQ(ws.tracks[0].valueText, "125.00");
}

TEST_F(Inputs, SliderValueFollowsTheRoundedBarPosition) {
    vars.SetAttribute(16, AttributeField::UeMin, "10");
    vars.SetAttribute(16, AttributeField::UeMax, "40");
    // 20 is a third of the way: the bar rounds to 3333, and the field shows that position.
    EXPECT_TRUE(EnterTrackText(ws, vars, 2, "20"));
    EXPECT_EQ(ws.tracks[1].barPosition, 3333);
    EXPECT_DOUBLE_EQ(vars.Read(16), 33.33);
    EXPECT_EQ(ws.tracks[1].valueText, "20.00");
    MoveTrackBar(ws, vars, 2, 10000);
    EXPECT_EQ(vars.Read(16), 100.0);
    EXPECT_EQ(ws.tracks[1].valueText, "40.00");
    MoveTrackBar(ws, vars, 2, 0);
    EXPECT_EQ(ws.tracks[1].valueText, "10.00");
}

TEST_F(Inputs, SliderOnAnEmptyRangeAlwaysShowsItsOneValue) {
    vars.SetAttribute(15, AttributeField::UeMin, "20");
    vars.SetAttribute(15, AttributeField::UeMax, "20");
    MoveTrackBar(ws, vars, 1, 7000);
    EXPECT_EQ(ws.tracks[0].valueText, "20.00");
    EXPECT_FALSE(EnterTrackText(ws, vars, 1, "20"));
    EXPECT_EQ(ws.tracks[0].valueText, "20.00");
    EXPECT_EQ(vars.Read(15), 70.0);
}

TEST_F(Inputs, SliderCaptionWidensTheGroupBeyondSixLetters) {
    Track& track = ws.tracks[2];
    int left = track.TrackBack.left;
    SetTrackCaption(ws, vars, 3, "Nível");
    EXPECT_EQ(vars.Description(17), "Nível");
    EXPECT_EQ(track.backWidth, 117);
    EXPECT_EQ(track.TrackText.left, left + 52);
    SetTrackCaption(ws, vars, 3, "Vazão A1");  // eight letters, one of them two bytes
    EXPECT_EQ(track.backWidth, 7 * 8 + 75);
    EXPECT_EQ(track.barWidth, 7 * 8 + 63);
    EXPECT_EQ(track.TrackText.left, left + 7 * 8 + 10);
}

TEST_F(Inputs, SliderShowsItsControlsWhileInUse) {
    Track& track = ws.tracks[0];
    SetTrackInUse(ws, 1, true);
    EXPECT_TRUE(track.TrackBack.visible && track.TrackLabel.visible && track.TrackText.visible);
    EXPECT_TRUE(track.TrackBar.visible);
    SetTrackBarShown(ws, 1, false);
    EXPECT_FALSE(track.TrackBar.visible);
    EXPECT_EQ(track.backHeight, 28);
    SetTrackInUse(ws, 1, false);
    EXPECT_FALSE(track.TrackBack.visible || track.TrackText.visible);
    SetTrackBarShown(ws, 1, true);
    EXPECT_FALSE(track.TrackBar.visible);  // still out of use
    EXPECT_EQ(track.backHeight, 60);
}

TEST_F(Inputs, SwitchShowsThePictureOfItsValueAndAClickInvertsIt) {
    vars.Write(11, 1.0);
    SetSwitchInUse(ws, vars, 1, true);
    EXPECT_EQ(ws.switches[0].visiblePicture, 2);
    ClickSwitch(ws, vars, 1);
    EXPECT_EQ(vars.Read(11), 0.0);
    EXPECT_EQ(ws.switches[0].visiblePicture, 1);
    SetSwitchType(ws, vars, 1, 3);
    EXPECT_EQ(ws.switches[0].visiblePicture, 7);
    ClickSwitch(ws, vars, 1);
    EXPECT_EQ(ws.switches[0].visiblePicture, 8);
    SetSwitchInUse(ws, vars, 1, false);
    EXPECT_EQ(ws.switches[0].visiblePicture, 0);
    ClickSwitch(ws, vars, 1);  // no picture to click
    EXPECT_EQ(vars.Read(11), 1.0);
}

TEST_F(Inputs, ButtonsLatchAndLeaveUseAlongTheirChain) {
    EXPECT_FALSE(ButtonAvailable(ws, 2));
    SetButtonInUse(ws, vars, 2, true);
    EXPECT_FALSE(ws.commandPanel.buttons[1].BotaoCheck);
    for (int k = 1; k <= 3; ++k)
        SetButtonInUse(ws, vars, k, true);
    EXPECT_EQ(ws.commandPanel.height, 170);
    for (int k = 1; k <= 3; ++k)
        ClickButton(ws, vars, k);
    EXPECT_EQ(vars.Read(98), 1.0);
    EXPECT_TRUE(ws.commandPanel.buttons[1].pressedVisible);
    EXPECT_EQ(ButtonStateText(ws.commandPanel.buttons[0], vars.Read(97)), "Texto para M97=1");
    ClickButton(ws, vars, 1);
    EXPECT_EQ(vars.Read(97), 0.0);
    EXPECT_TRUE(ws.commandPanel.buttons[0].releasedVisible);

    SetButtonInUse(ws, vars, 2, false);
    EXPECT_EQ(ws.commandPanel.height, 70);
    EXPECT_EQ(vars.Read(98), 0.0);
    EXPECT_EQ(vars.Read(99), 0.0);
    EXPECT_FALSE(ButtonAvailable(ws, 3));

    SetButtonInUse(ws, vars, 2, true);
    ClickButton(ws, vars, 2);
    ClickButton(ws, vars, 1);
    SetButtonInUse(ws, vars, 1, false);
    EXPECT_FALSE(ws.commandPanel.PainelComando.visible);
    EXPECT_EQ(vars.Read(97), 0.0);
    EXPECT_EQ(vars.Read(98), 0.0);
    EXPECT_FALSE(ws.commandPanel.buttons[1].BotaoCheck);
}

}  // namespace
}  // namespace vork
