#include "windows/calc_block_window.h"

#include <gtest/gtest.h>

#include "project/project.h"

namespace vork {
namespace {

class CalcBlockWindowTest : public ::testing::Test {
  protected:
    void Type(const std::string& function) {
        window.Edit([&](CalcBlockFields& f) { f.FuncaoTr = function; });
    }
    // One real-time tick of the project, as the timer gives it.
    void Tick() {
        nowMs += 100.0;
        window.Ticked(project.sim.Tick(nowMs));
    }
    Project project;
    CalcBlock& block = project.sim.calcs.Fill(1);
    CalcBlockWindow window{project, 1};
    double nowMs = 0.0;
};

TEST_F(CalcBlockWindowTest, AddressLabelNamesTheOutput) {
    EXPECT_EQ(window.display().addressLabel, "M41=");
    project.sim.calcs.Fill(21);
    EXPECT_EQ(CalcBlockWindow(project, 21).display().addressLabel, "M75=");
}

TEST_F(CalcBlockWindowTest, ResultShowsOnTicksOfAnOpenWindow) {
    project.sim.vars.Write(21, 30.0);
    project.sim.vars.Write(22, 45.5);
    Type("(M21+M22)/2");
    EXPECT_TRUE(window.Apply().empty());
    Tick();
    EXPECT_EQ(window.display().result, "0.00");  // closed: nothing is formatted
    window.Show();
    EXPECT_EQ(window.display().result, "37.75");
    project.sim.vars.Write(22, 50.0);
    Tick();
    EXPECT_EQ(window.display().result, "40.00");
}

TEST_F(CalcBlockWindowTest, OfflineRunsKeepTheResult) {
    window.Show();
    Type("7");
    window.Apply();
    Tick();
    EXPECT_EQ(window.display().result, "7.00");
    Type("8");
    window.Apply();
    project.sim.batch = true;
    project.sim.EvaluationPass();
    project.sim.batch = false;
    EXPECT_EQ(window.display().result, "7.00");
    EXPECT_EQ(project.sim.vars.Read(41), 8.0);
    Tick();
    EXPECT_EQ(window.display().result, "8.00");
}

TEST_F(CalcBlockWindowTest, AnEditMustBeAppliedBeforeLeaving) {
    window.Show();
    Type("12");
    EXPECT_TRUE(window.applyPending());
    EXPECT_FALSE(window.Leave());
    EXPECT_TRUE(window.isOpen());
    block.Compute(project.sim);
    EXPECT_EQ(project.sim.vars.Read(41), 0.0);  // the scan waits for Apply

    Type("M21>abc");
    EXPECT_EQ(window.Apply(), std::vector<std::string>{"Bloco 41: Função inválida"});
    EXPECT_TRUE(window.applyPending());
    EXPECT_TRUE(project.saved());
    EXPECT_FALSE(window.Leave());

    Type("12");
    EXPECT_TRUE(window.Apply().empty());
    EXPECT_FALSE(window.applyPending());
    EXPECT_FALSE(project.saved());
    EXPECT_TRUE(window.Leave());
    EXPECT_FALSE(window.isOpen());
}

TEST_F(CalcBlockWindowTest, ApplyNamesTheOutputVariable) {
    window.Edit([](CalcBlockFields& f) {
        f.DescricaoText = "Razão ar/gás";
        f.FuncaoTr = "M21/M22";
    });
    EXPECT_TRUE(window.Apply().empty());
    EXPECT_EQ(window.display().descriptionHeader, "Razão ar/gás");
    EXPECT_EQ(window.display().addressLabel, "M41=");
    project.sim.vars.SetDescription(41, "Razão");
    window.Activate();
    EXPECT_EQ(window.fields().DescricaoText, "Razão");

    // The field takes back the description as the variable holds it: at most 255 characters.
    window.Edit([](CalcBlockFields& f) { f.DescricaoText = std::string(300, 'x'); });
    window.Apply();
    EXPECT_EQ(window.fields().DescricaoText, std::string(255, 'x'));
}

TEST_F(CalcBlockWindowTest, EnglishTextsOnActivation) {
    project.sim.language = Language::English;
    EXPECT_EQ(window.textLanguage(), Language::Portuguese);
    window.Activate();
    EXPECT_EQ(window.textLanguage(), Language::English);
    EXPECT_EQ(EnglishTextIn(kCalcBlockWindowTexts, "caption"), "Calculations Block");
    EXPECT_EQ(EnglishTextIn(kCalcBlockWindowTexts, "hint:LimInfText"), "Output Lower Limit");
}

}  // namespace
}  // namespace vork
