#include <gtest/gtest.h>

#include "window_fixtures.h"

namespace vork {
namespace {

using test::LoopWindow;

TEST(ControllerWindow, EditEnablesAtualizarUntilItRuns) {
    LoopWindow l;
    EXPECT_FALSE(l.w.applyPending);
    EXPECT_TRUE(l.w.configButtonEnabled);
    l.w.Edit([](ControllerFields& f) { f.KpText = "2"; });
    EXPECT_EQ(l.c.fields.KpText, "2");
    EXPECT_TRUE(l.w.applyPending);
    EXPECT_FALSE(l.w.configButtonEnabled);
    l.w.ConfigBTNClick();  // disabled while an edit waits
    EXPECT_FALSE(l.w.configShowing);
    EXPECT_TRUE(l.w.Apply().empty());
    EXPECT_EQ(l.c.tuning.Kc, 2.0);
    EXPECT_FALSE(l.w.applyPending);
    EXPECT_TRUE(l.w.configButtonEnabled);
}

TEST(ControllerWindow, AtualizarAndActivationKeepTheTypedDescription) {
    LoopWindow l;
    l.w.Edit([](ControllerFields& f) { f.Descricao = "Vazão de entrada"; });
    l.w.Apply();
    l.w.Activate(Language::Portuguese);
    l.w.Apply();
    EXPECT_EQ(l.c.fields.Descricao, "Vazão de entrada");
    EXPECT_EQ(l.w.title, "Vazão de entrada");
    EXPECT_EQ(l.sim.vars.Description(61), " SP PID1");
}

TEST(ControllerWindow, TickingSPRStartsOnM01AtOnce) {
    LoopWindow l;
    l.w.Edit([](ControllerFields& f) { f.SPRSelect = 7; });
    l.w.CheckSPRChange(false);
    EXPECT_FALSE(l.w.remoteSelectEnabled);
    EXPECT_EQ(l.c.fields.SPRSelect, 7);
    l.w.CheckSPRChange(true);
    EXPECT_TRUE(l.w.remoteSelectEnabled);
    EXPECT_EQ(l.c.fields.SPRSelect, 0);
    EXPECT_TRUE(l.w.applyPending);
    l.sim.vars.Write(1, 33.0);
    l.c.Compute(l.sim);
    EXPECT_EQ(l.c.state.SPR, 33.0);

    l.sim.vars.SetDescription(30, "Vazão remota");
    EXPECT_NE(l.w.SPRSelectItems[29], "30 Vazão remota");
    l.w.SPRSelectEnter();
    EXPECT_EQ(l.w.SPRSelectItems[29], "30 Vazão remota");
}

TEST(ControllerWindow, ActivationInManualEnablesEnviar) {
    LoopWindow l;  // automatic
    l.w.Activate(Language::Portuguese);
    EXPECT_FALSE(l.w.sendEnabled);
    l.w.AutoManualBTNClick();
    l.w.MVTextEnter();
    EXPECT_FALSE(l.w.sendEnabled);
    l.w.Activate(Language::Portuguese);
    EXPECT_TRUE(l.w.sendEnabled);
}

TEST(ControllerWindow, EnglishTextsApplyOnceOnActivation) {
    LoopWindow l;
    l.w.Activate(Language::Portuguese);
    EXPECT_EQ(l.w.caption, "PID1");
    EXPECT_FALSE(l.w.englishApplied);
    l.w.Activate(Language::English);
    EXPECT_TRUE(l.w.englishApplied);
    EXPECT_EQ(l.w.caption, "Controller");
    EXPECT_EQ(l.w.trend.archiveIndicator, "Saving 0.1 seg");
    l.w.Apply();
    l.w.Activate(Language::English);
    EXPECT_EQ(l.w.caption, "PID1");
    EXPECT_EQ(ControllerEnglishText("DerivadaGroup/1"), "on PV");
    EXPECT_EQ(ControllerEnglishText("hint:SpeedButton2"), "Pause Trend");
}

TEST(ControllerWindow, WideAndNarrowLayouts) {
    LoopWindow l;
    l.w.ShowWindow();
    EXPECT_EQ(l.w.width(), ControllerWindow::kWideWidth);
    EXPECT_FALSE(l.w.configShowing);  // tag and PV: the trend
    l.w.ConfigBTNClick();
    EXPECT_TRUE(l.w.configShowing);
    l.w.ConfigBTNClick();
    EXPECT_EQ(l.w.width(), ControllerWindow::kNarrowWidth);
    l.w.ConfigBTNClick();
    EXPECT_TRUE(l.w.wide && l.w.configShowing);
    l.w.TrendButtonClick();
    EXPECT_TRUE(l.w.wide && !l.w.configShowing);
    l.w.TrendButtonClick();
    EXPECT_EQ(l.w.width(), 204);

    l.w.trend.cursorCounter = 4;
    l.w.TrendButtonClick();
    EXPECT_EQ(l.w.width(), 745);
    EXPECT_FALSE(l.w.configShowing);
    EXPECT_EQ(l.w.trend.cursorCounter, 1);
    EXPECT_EQ(l.w.trend.cursorLabels[5], "Coordenadas 6");

    l.w.Edit([](ControllerFields& f) { f.VariavelSelect = -1; });
    l.w.ShowWindow();
    EXPECT_TRUE(l.w.configShowing);
}

// What a validation leaves on the faceplate, whatever its checks find.
TEST(ControllerWindow, ValidationShowsUnitCaptionAndArchiveBox) {
    LoopWindow l;
    l.sim.vars.SetAttribute(21, AttributeField::UeMax, "500");
    l.sim.vars.SetAttribute(21, AttributeField::Unit, "kPa");
    EXPECT_TRUE(l.w.Apply().empty());
    EXPECT_EQ(l.w.unit, "kPa");
    EXPECT_TRUE(l.w.trend.archiveEnabled);
    EXPECT_EQ(l.w.trend.archiveIndicator, "Saving 0.1s sampling");

    l.w.Edit([](ControllerFields& f) {
        f.KpText = "abc";
        f.TagText = "FIC-1";
    });
    l.c.state.LocalMode = false;
    EXPECT_EQ(l.w.Apply().size(), 1u);
    EXPECT_EQ(l.w.caption, "FIC-1");
    EXPECT_EQ(l.w.localRemoteLetter, "L");

    l.w.Edit([](ControllerFields& f) { f.TagText.clear(); });
    l.w.Apply();
    EXPECT_FALSE(l.w.trend.archiveEnabled);
}

TEST(ControllerWindow, SetpointTextFollowsTheRangeSpan) {
    struct Case {
        const char* max;
        const char* spText;  // SP 50 %
    };
    for (Case k : {Case{"0.5", "0.2500"}, Case{"1", "0.500"}, Case{"10", "5.00"},
                   Case{"999", "499.5"}, Case{"1000", "500"}}) {
        LoopWindow l;
        l.sim.vars.SetAttribute(21, AttributeField::UeMax, k.max);
        l.w.Apply();
        EXPECT_EQ(l.w.SPText, k.spText) << k.max;
    }
}

TEST(ControllerWindow, RemoteSetpointWidensTheFaceplate) {
    LoopWindow l;
    l.w.CheckSPRChange(true);
    l.w.Apply();
    EXPECT_TRUE(l.w.localRemoteEnabled);
    EXPECT_EQ(l.w.setpointBarWidth, 15);
    EXPECT_EQ(l.w.setpointBarLeft, 20);
    l.w.CheckSPRChange(false);
    l.w.Apply();
    EXPECT_FALSE(l.w.localRemoteEnabled);
    EXPECT_EQ(l.w.setpointBarWidth, 22);
    EXPECT_EQ(l.w.setpointBarLeft, 14);
}

TEST(ControllerWindow, RefreshShowsTheTick) {
    LoopWindow l;
    l.Step();
    EXPECT_EQ(l.w.MVText, "60.10");
    EXPECT_EQ(l.w.outputBar, 120);
    EXPECT_EQ(l.w.pvBar, 80);
    EXPECT_EQ(l.w.setpointBar, 100);
    EXPECT_EQ(l.w.PVText, "40.0");
    EXPECT_EQ(l.w.SPText, "50.0");  // range 0..100: one decimal
}

// An offline run computes without the window; its next refresh shows where the run left the
// loop. In local mode the typed setpoint text stays until the setpoint itself moves.
TEST(ControllerWindow, OfflineRunLeavesTheWindowUntilItsRefresh) {
    LoopWindow l;
    l.w.AutoManualBTNClick();
    l.w.SPText = "5";  // being typed
    l.sim.batch = true;
    l.c.Compute(l.sim);
    EXPECT_EQ(l.w.MVText, "0.00");
    EXPECT_EQ(l.w.outputBar, 0);
    l.w.Refresh();
    EXPECT_EQ(l.w.SPText, "5");
    l.c.state.SP = 62.5;  // the run's setpoint step
    l.c.Compute(l.sim);
    l.w.Refresh();
    EXPECT_EQ(l.w.SPText, "62.5");
    EXPECT_EQ(l.w.MVText, "0.00") << "manual: the output text is the operator's";
}

TEST(ControllerWindow, OpensOnALoadedControllerAsApplied) {
    Project project;
    Controller& c = project.sim.controllers.Fill(2);
    c.fields.CheckSPR = true;
    c.fields.TagText = "LIC-2";
    c.state.CO = 42.5;
    c.Validate(project.sim);
    ControllerWindow w(project, 2);
    EXPECT_FALSE(w.applyPending);
    EXPECT_TRUE(w.configButtonEnabled);
    EXPECT_TRUE(w.remoteSelectEnabled);
    EXPECT_EQ(w.caption, "LIC-2");
    EXPECT_EQ(w.MVText, "42.50");
}

// Configuration edits and the operator's actions leave the project saved; Apply does not.
TEST(ControllerWindow, OnlyApplyMarksTheProjectModified) {
    LoopWindow l;
    l.w.Edit([](ControllerFields& f) { f.KpText = "3"; });
    l.w.CheckSPRChange(true);
    l.w.AutoManualBTNClick();
    l.w.IncrementaSaidaClick();
    l.w.SPText = "55";
    l.w.SPTextEnter();
    l.w.trend.PauseClick();
    l.w.trend.BaseTempoBoxChange(1);
    l.w.EscalaAutoClick(true);
    l.w.Activate(Language::English);
    EXPECT_TRUE(l.project.saved());
    l.w.Apply();
    EXPECT_FALSE(l.project.saved());
}

}  // namespace
}  // namespace vork
