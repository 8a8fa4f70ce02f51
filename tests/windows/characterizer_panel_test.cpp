#include "windows/characterizer_panel.h"

#include <gtest/gtest.h>

#include "project/project.h"

namespace vork {
namespace {

TEST(CharacterizerPanel, AnEditActsOnTheNextScanWithoutMarkingTheProject) {
    Project project;
    CharacterizerPanel panel(project);
    project.sim.vars.SetDescription(21, "Vazão");
    std::vector<std::string> inputs = panel.inputList();
    ASSERT_EQ(inputs.size(), 99u);
    EXPECT_EQ(inputs[20], "21 Vazão");
    panel.Edit([&](CharacterizerFields& f) {
        f.Lin1EndEnt = inputs[20];
        f.Lin1Ativar = true;
        f.Lin1MV[1] = "40";  // (0, 0) to (40, 20): MV is twice the PV
    });
    project.sim.vars.Write(21, 10.0);
    project.sim.EvaluationPass();
    EXPECT_EQ(project.sim.vars.Read(13), 20.0);
    EXPECT_TRUE(project.saved());
    EXPECT_EQ(panel.outputAddressText(), "M13");
}

TEST(CharacterizerPanel, TextsFollowTheInterfaceLanguage) {
    Project project;
    CharacterizerPanel panel(project);
    EXPECT_EQ(panel.textLanguage(), Language::Portuguese);
    project.sim.language = Language::English;
    EXPECT_EQ(panel.textLanguage(), Language::English);
    EXPECT_EQ(EnglishTextIn(kCharacterizerPanelTexts, "Label31"), "Output Ad.:");
    EXPECT_EQ(EnglishTextIn(kCharacterizerPanelTexts, "Lin1Ativar"), "Enable");
}

}  // namespace
}  // namespace vork
