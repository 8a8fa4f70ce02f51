#include <gtest/gtest.h>

#include "controller_fixture.h"
#include "plant/controller_texts.h"

namespace vork {
namespace {

using test::ControllerLoop;

TEST(ControllerWindow, EditEnablesAtualizarUntilItRuns) {
    ControllerLoop l;
    EXPECT_FALSE(l.c.faceplate.btnatualiza);
    EXPECT_TRUE(l.c.faceplate.ConfigBTN);
    l.c.fields.KpText = "2";
    l.c.ConfigEdited();
    EXPECT_TRUE(l.c.faceplate.btnatualiza);
    EXPECT_FALSE(l.c.faceplate.ConfigBTN);
    l.c.ConfigBTNClick();  // disabled while an edit waits
    EXPECT_FALSE(l.c.faceplate.configShowing);
    EXPECT_TRUE(l.c.Atualizar(l.sim).empty());
    EXPECT_EQ(l.c.tuning.Kc, 2.0);
    EXPECT_FALSE(l.c.faceplate.btnatualiza);
    EXPECT_TRUE(l.c.faceplate.ConfigBTN);
}

TEST(ControllerWindow, AtualizarAndActivationKeepTheTypedDescription) {
    ControllerLoop l;
    l.c.fields.Descricao = "Vazão de entrada";
    l.c.Atualizar(l.sim);
    l.c.Activate(l.sim);
    l.c.Atualizar(l.sim);
    EXPECT_EQ(l.c.fields.Descricao, "Vazão de entrada");
    EXPECT_EQ(l.c.faceplate.DescricaoText, "Vazão de entrada");
    EXPECT_EQ(l.sim.vars.Description(61), " SP PID1");
}

TEST(ControllerWindow, TickingSPRStartsOnM01AtOnce) {
    ControllerLoop l;
    l.c.fields.SPRSelect = 7;
    l.c.CheckSPRChange(false);
    EXPECT_FALSE(l.c.faceplate.SPRSelectEnabled);
    EXPECT_EQ(l.c.fields.SPRSelect, 7);
    l.c.CheckSPRChange(true);
    EXPECT_TRUE(l.c.faceplate.SPRSelectEnabled);
    EXPECT_EQ(l.c.fields.SPRSelect, 0);
    EXPECT_TRUE(l.c.faceplate.btnatualiza);
    l.sim.vars.Write(1, 33.0);
    l.c.Compute(l.sim);
    EXPECT_EQ(l.c.state.SPR, 33.0);
}

TEST(ControllerWindow, ActivationInManualEnablesEnviar) {
    ControllerLoop l;
    l.Revalidate();  // Label2 reads "A"
    l.c.Activate(l.sim);
    EXPECT_FALSE(l.c.faceplate.Button2);
    l.c.AutoManualBTNClick();
    l.c.MVTextEnter();
    EXPECT_FALSE(l.c.faceplate.Button2);
    l.c.Activate(l.sim);
    EXPECT_TRUE(l.c.faceplate.Button2);
}

TEST(ControllerWindow, EnglishTextsApplyOnceOnActivation) {
    ControllerLoop l;
    l.c.Activate(l.sim);
    EXPECT_EQ(l.c.faceplate.Caption, "PID1");
    l.sim.language = Language::English;
    l.c.Activate(l.sim);
    EXPECT_EQ(l.c.faceplate.Caption, "Controller");
    EXPECT_EQ(l.c.trendDisplay.Label21, "Saving 0.1 seg");
    l.Revalidate();
    l.c.Activate(l.sim);
    EXPECT_EQ(l.c.faceplate.Caption, "PID1");
    EXPECT_EQ(ControllerEnglishText("DerivadaGroup/1"), "on PV");
    EXPECT_EQ(ControllerEnglishText("hint:SpeedButton2"), "Pause Trend");
}

TEST(ControllerWindow, LayoutButtons) {
    ControllerLoop l;
    l.c.ShowWindow();
    EXPECT_TRUE(l.c.faceplate.wide);
    EXPECT_FALSE(l.c.faceplate.configShowing);  // tag and PV: the trend
    l.c.ConfigBTNClick();
    EXPECT_TRUE(l.c.faceplate.configShowing);
    l.c.ConfigBTNClick();
    EXPECT_FALSE(l.c.faceplate.wide);
    l.c.ConfigBTNClick();
    EXPECT_TRUE(l.c.faceplate.wide && l.c.faceplate.configShowing);
    l.c.TrendButtonClick();
    EXPECT_TRUE(l.c.faceplate.wide && !l.c.faceplate.configShowing);
    l.c.TrendButtonClick();
    EXPECT_FALSE(l.c.faceplate.wide);

    l.c.cursor.counter = 4;
    l.c.TrendButtonClick();
    EXPECT_TRUE(l.c.faceplate.wide && !l.c.faceplate.configShowing);
    EXPECT_EQ(l.c.cursor.counter, 1);
    EXPECT_EQ(l.c.cursor.labels[5], "Coordenadas 6");

    l.c.fields.VariavelSelect = -1;
    l.c.ShowWindow();
    EXPECT_TRUE(l.c.faceplate.configShowing);
}

}  // namespace
}  // namespace vork
