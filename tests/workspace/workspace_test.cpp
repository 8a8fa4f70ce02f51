#include <gtest/gtest.h>

#include "workspace/workspace.h"

namespace vork {
namespace {

TEST(Workspace, NewProjectPositions) {
    Workspace ws;
    EXPECT_EQ(ws.controllers[0].top, 3);
    EXPECT_EQ(ws.controllers[0].left, 3);
    EXPECT_EQ(ws.controllers[9].left, 363);
    EXPECT_EQ(ws.recorders[0].left, 515);
    EXPECT_EQ(ws.recorders[9].left, 875);
    EXPECT_EQ(ws.processes[22].top, 39);
    EXPECT_EQ(ws.processes[22].left, 860);
    EXPECT_EQ(ws.calcs[22].top, 63);
    EXPECT_EQ(ws.calcs[22].left, 860);
    EXPECT_EQ(ws.processes[23].left, 899);
    EXPECT_EQ(ws.switches[0].top, 40);
    EXPECT_EQ(ws.switches[1].top, 96);
    EXPECT_EQ(ws.switches[1].left, 1000);
    EXPECT_EQ(ws.commandPanel.PainelComando.top, 120);
    EXPECT_EQ(ws.commandPanel.PainelComando.left, 24);
    EXPECT_EQ(ws.shapes[4].shape.top, 488);
    EXPECT_EQ(ws.shapes[4].referenceTop, 488);
    EXPECT_EQ(ws.shapes[0].shape.left, 984);
    EXPECT_EQ(ws.texts[19].top, 24);
    EXPECT_EQ(ws.texts[19].labelTop, 8);
    EXPECT_EQ(ws.texts[0].left, 457);
    const Track& second = ws.tracks[1];
    EXPECT_EQ(second.TrackBack.top, 186);
    EXPECT_EQ(second.TrackBack.left, 844);
    EXPECT_EQ(second.TrackLabel.top, 192);
    EXPECT_EQ(second.TrackLabel.left, 850);
    EXPECT_EQ(second.TrackText.top, 190);
    EXPECT_EQ(second.TrackText.left, 896);
    EXPECT_EQ(second.TrackBar.top, 206);  // 20 below the frame, 22 for slider 1
    EXPECT_EQ(ws.tracks[0].TrackBar.top, 144);
    EXPECT_EQ(second.TrackBar.left, 848);
}

TEST(Workspace, ResetClearsTheProjectButKeepsTheCommentDisplayFlag) {
    Workspace ws;
    ws.Titulo = "Caldeira";
    ws.pictureName = "c.bmp";
    ws.controllers[0] = {"FIC", 100, 100, true, true};
    ws.texts[0].labelCaption = "x";
    ws.tracks[0].EntLabel = "Nível";
    ws.commandPanel.buttons[2].BotaoCheck = true;
    ws.commentsPortuguese = {"a"};
    ws.showComments = true;
    ws.Reset();
    EXPECT_EQ(ws.Titulo, "");
    EXPECT_EQ(ws.pictureName, "");
    EXPECT_EQ(ws.controllers[0].caption, "");
    EXPECT_EQ(ws.controllers[0].top, 3);
    EXPECT_FALSE(ws.controllers[0].visible);
    EXPECT_EQ(ws.texts[0].labelCaption, "");
    EXPECT_EQ(ws.tracks[0].EntLabel, "");
    EXPECT_EQ(ws.tracks[0].valueText, "");
    EXPECT_FALSE(ws.commandPanel.buttons[2].BotaoCheck);
    EXPECT_TRUE(ws.commentsPortuguese.empty());
    EXPECT_TRUE(ws.showComments);
    EXPECT_EQ(ws.commandPanel.buttons[2].textOn, "Texto para M99=1");
}

TEST(Workspace, MarkerLookupByKind) {
    Workspace ws;
    ws.Marker(SlotKind::Calc, 24).caption = "B24";
    EXPECT_EQ(ws.calcs[23].caption, "B24");
    EXPECT_EQ(&ws.Marker(SlotKind::Recorder, 1), &ws.recorders[0]);
    EXPECT_THROW(ws.Marker(SlotKind::Text, 1), std::invalid_argument);
    EXPECT_THROW(ws.Marker(SlotKind::Controller, 11), std::out_of_range);
    EXPECT_EQ(IdentityNumber(SlotKind::Process, 21), 71);
    EXPECT_EQ(IdentityNumber(SlotKind::Calc, 24), 78);
    EXPECT_EQ(IdentityNumber(SlotKind::Recorder, 2), 202);
}

TEST(Workspace, CommandPanelHeightFollowsTheChainOfButtons) {
    CommandPanel panel;
    panel.FitToButtons();
    EXPECT_FALSE(panel.PainelComando.visible);
    panel.buttons[0].BotaoCheck = true;
    panel.buttons[1].BotaoCheck = true;
    panel.FitToButtons();
    EXPECT_TRUE(panel.PainelComando.visible);
    EXPECT_EQ(panel.height, 120);
    panel.buttons[2].BotaoCheck = true;
    panel.FitToButtons();
    EXPECT_EQ(panel.height, 170);
    panel.buttons[1].BotaoCheck = false;  // button 3 cannot stand without button 2
    panel.FitToButtons();
    EXPECT_EQ(panel.height, 70);
}

TEST(Workspace, SwitchPicturesAndShapeVariables) {
    SwitchInput input;
    for (int type = 0; type < SwitchInput::kTypes; ++type) {
        input.ChaveTipo = type;
        input.ShowPictureFor(0);
        EXPECT_EQ(input.visiblePicture, 2 * type + 1);
        input.ShowPictureFor(1);
        EXPECT_EQ(input.visiblePicture, 2 * type + 2);
    }
    input.ShowPictureFor(0.5);
    EXPECT_EQ(input.visiblePicture, 7);  // any value but 1 shows state 0
    input.ChaveTipo = 4;
    input.ShowPictureFor(1);
    EXPECT_EQ(input.visiblePicture, 0);

    Shape shape;
    EXPECT_EQ(shape.VariablePosition(), 0);
    for (const char* text : {"0", "100", "01", " 5", ""}) {
        shape.ImagemVar = text;
        EXPECT_EQ(shape.VariablePosition(), -1) << text;
    }
    shape.SelectVariable(98);
    EXPECT_EQ(shape.ImagemVar, "99");
    shape.SelectVariable(99);
    EXPECT_EQ(shape.ImagemVar, "");
}

}  // namespace
}  // namespace vork
