#include <gtest/gtest.h>

#include "plant/animated_text.h"
#include "plant/controller.h"
#include "project/project.h"
#include "windows/main_window.h"

namespace vork {
namespace {

constexpr ObjectRef kController3{ObjectKind::Controller, 3};
constexpr MarkerId kControl3{MarkerFamily::Controller, 3};
constexpr Size kButton{79, 22};
constexpr Size kArea{1200, 800};

struct MainWindowModel : ::testing::Test {
    Project project;
    MainWindow main{project};

    void Tick(int n) {
        for (int i = 0; i < n; ++i) {
            now += 100;
            project.Tick(now);
        }
    }
    double now = 0;
};

TEST_F(MainWindowModel, MovingAMarkerMarksModifiedSelectingAloneDoesNot) {
    project.Fill(kController3);
    main.MoverObjetos2Click();
    EXPECT_TRUE(main.crossCursor());
    EXPECT_EQ(main.Click(kControl3), MarkerOutcome::Selected);
    EXPECT_EQ(main.selectedCode(), 4);
    EXPECT_TRUE(main.moving());
    EXPECT_TRUE(project.saved());

    main.MouseMove({200, 150}, kButton, kArea);
    EXPECT_FALSE(project.saved());
    EXPECT_EQ(project.workspace.controllers[2].left, 200);
    EXPECT_EQ(project.workspace.controllers[2].top, 150);
    main.MouseMove({1190, 150}, kButton, kArea);  // kept inside the picture
    EXPECT_EQ(project.workspace.controllers[2].left, 1200 - 79);

    main.Click(kControl3);  // dropped
    EXPECT_FALSE(main.moving());
    main.MouseMove({10, 10}, kButton, kArea);
    EXPECT_EQ(project.workspace.controllers[2].top, 150);
}

TEST_F(MainWindowModel, AWindowClickEndsBothModesAndMarksModifiedOnlyInAMode) {
    main.WindowClick();
    EXPECT_TRUE(project.saved());
    main.MoverObjetos2Click();
    main.ExcluirObjetosClick();
    main.WindowClick();
    EXPECT_FALSE(main.moveMode());
    EXPECT_FALSE(main.deleteMode());
    EXPECT_FALSE(main.crossCursor());
    EXPECT_FALSE(project.saved());
}

TEST_F(MainWindowModel, WithBothModesAClickSelectsAndDeletesNothing) {
    project.Fill(kController3);
    main.MoverObjetos2Click();
    main.ExcluirObjetosClick();
    EXPECT_EQ(main.Click(kControl3), MarkerOutcome::Selected);
    EXPECT_TRUE(project.sim.controllers.Exists(3));
    main.MoverObjetos2Click();
    EXPECT_EQ(main.Click(kControl3), MarkerOutcome::Deleted);
    EXPECT_FALSE(project.sim.controllers.Exists(3));
    EXPECT_TRUE(main.deleteMode());  // stays on for the next one
}

TEST_F(MainWindowModel, NormalClicksOpenWindowsAndOperateInputs) {
    EXPECT_EQ(main.Click(kControl3), MarkerOutcome::ShowWindow);
    EXPECT_EQ(main.Click({MarkerFamily::Recorder, 1}), MarkerOutcome::ToggleWindow);
    EXPECT_EQ(main.Click({MarkerFamily::Shape, 1}), MarkerOutcome::Nothing);
    main.ExcluirObjetosClick();  // delete mode leaves the operator inputs working
    project.workspace.switches[0].ChaveCheck = true;
    project.workspace.switches[0].ShowPictureFor(0);
    EXPECT_EQ(main.Click({MarkerFamily::Switch, 1}), MarkerOutcome::Operated);
    EXPECT_EQ(project.sim.vars.Read(11), 1.0);
    EXPECT_TRUE(project.saved());
}

TEST_F(MainWindowModel, ButtonPicturesPressInNormalModeAndSelectThePanelInMoveMode) {
    project.workspace.commandPanel.buttons[0].BotaoCheck = true;
    project.workspace.commandPanel.buttons[0].ShowPictureFor(0);
    main.ButtonClick(1);
    EXPECT_EQ(project.sim.vars.Read(97), 1.0);
    main.MoverObjetos2Click();
    EXPECT_EQ(main.ButtonClick(1), MarkerOutcome::Selected);
    EXPECT_EQ(main.selectedCode(), 102);
    EXPECT_EQ(project.sim.vars.Read(97), 1.0);
}

TEST_F(MainWindowModel, DisplayRefreshOnTheSixthTick) {
    project.Fill({ObjectKind::Text, 1});
    AnimatedText& text = *project.sim.texts.Get(1);
    text.fields.Tipo = 2;
    text.fields.FuncaoTr = "M05*2";
    project.Apply({ObjectKind::Text, 1});
    project.sim.vars.Write(5, 21.0);
    project.workspace.commandPanel.buttons[0].BotaoCheck = true;
    project.sim.vars.Write(97, 1.0);
    Shape& circle = project.workspace.shapes[0];
    circle.ImagemCheck = circle.shape.visible = true;
    circle.ImagemVar = "5";

    Tick(5);
    EXPECT_EQ(main.text(1).text, "=");
    EXPECT_EQ(main.shape(1).brush, kRed);
    EXPECT_EQ(main.buttonText(1), "Texto para M97=0");
    Tick(1);
    EXPECT_NE(main.text(1).text, "=");
    EXPECT_NE(main.text(1).text.find("42"), std::string::npos);
    EXPECT_EQ(main.shape(1).brush, kLime);
    EXPECT_EQ(main.buttonText(1), "Texto para M97=1");

    project.Empty({ObjectKind::Text, 1});
    main.SlotEmptied({ObjectKind::Text, 1});
    EXPECT_EQ(main.text(1).text, "=");
}

TEST_F(MainWindowModel, PauseStopsTheScanUntilUsedAgain) {
    Tick(1);
    main.PausarSimulao2Click();
    EXPECT_TRUE(main.paused());
    EXPECT_FALSE(project.sim.scan.timerEnabled);
    main.PausarSimulao2Click();
    EXPECT_FALSE(main.paused());
    EXPECT_TRUE(project.sim.scan.timerEnabled);
}

TEST_F(MainWindowModel, CaptionsMenusAndMarkerColours) {
    EXPECT_EQ(main.caption(), "VORK (v 7.84)");
    EXPECT_FALSE(main.menus.projectEntries);
    EXPECT_EQ(main.savedCaption(), "To salvo!");
    EXPECT_EQ(main.savedImage(), 0);
    project.MarkModified();
    EXPECT_EQ(main.savedCaption(), "Salve me!");
    project.sim.language = Language::English;
    EXPECT_EQ(main.savedCaption(), "Save me!");

    project.NewProject();
    main.ProjectReplaced();
    EXPECT_EQ(main.caption(), "VORK v 7.84");
    EXPECT_TRUE(main.menus.projectEntries);
    EXPECT_FALSE(main.menus.saveEntry);

    project.Fill(kController3);
    project.sim.controllers.Get(3)->state.AutoMode = true;
    EXPECT_FALSE(main.controllerAutomatic(3));
    main.WorkspaceRefreshed();
    EXPECT_TRUE(main.controllerAutomatic(3));
    EXPECT_FALSE(main.controllerAutomatic(1));

    project.workspace.Titulo = "Caldeira";
    main.ProjectReplaced();
    EXPECT_EQ(main.caption(), "Caldeira");
}

TEST_F(MainWindowModel, SliderHintsShowTheirRangeOnceTheVariableListIsRefreshed) {
    EXPECT_EQ(main.trackHint(1), "output at M15");
    project.sim.vars.SetAttribute(20, AttributeField::UeMax, "14");
    project.sim.vars.SetAttribute(20, AttributeField::Unit, "pH");
    main.RefreshTrackHints();
    EXPECT_EQ(main.trackHint(6), "Faixa: de 0.00 a 14 pH");
    EXPECT_EQ(main.trackHint(1), "Faixa: de 0.00 a 100.00 %");
}

}  // namespace
}  // namespace vork
