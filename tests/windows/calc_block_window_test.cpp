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
    // One real-time tick, then the refresh of the open window.
    void Tick() {
        nowMs += 100.0;
        project.sim.Tick(nowMs);
        window.Refresh();
    }
    Project project;
    CalcBlock& block = project.sim.calcs.Fill(1);
    CalcBlockWindow window{project, 1};
    double nowMs = 0.0;
};

TEST_F(CalcBlockWindowTest, AddressLabelNamesTheOutput) {
    EXPECT_EQ(window.addressLabel, "M41=");
    project.sim.calcs.Fill(21);
    EXPECT_EQ(CalcBlockWindow(project, 21).addressLabel, "M75=");
}

TEST_F(CalcBlockWindowTest, ResultFollowsTheTicks) {
    project.sim.vars.Write(21, 30.0);
    project.sim.vars.Write(22, 45.5);
    Type("(M21+M22)/2");
    EXPECT_TRUE(window.Apply().empty());
    project.sim.Tick(0.0);
    EXPECT_EQ(window.result, "0.00");  // the tick formats nothing itself
    Tick();
    EXPECT_EQ(window.result, "37.75");
}

TEST_F(CalcBlockWindowTest, OfflineRunsKeepTheResult) {
    Type("7");
    window.Apply();
    Tick();
    EXPECT_EQ(window.result, "7.00");
    Type("8");
    window.Apply();
    project.sim.batch = true;
    project.sim.EvaluationPass();
    project.sim.batch = false;
    EXPECT_EQ(window.result, "7.00");
    EXPECT_EQ(project.sim.vars.Read(41), 8.0);
    Tick();
    EXPECT_EQ(window.result, "8.00");
}

TEST_F(CalcBlockWindowTest, AnEditMustBeAppliedBeforeLeaving) {
    EXPECT_TRUE(window.Leave());
    Type("12");
    EXPECT_TRUE(window.applyPending);
    EXPECT_FALSE(window.Leave());
    block.Compute(project.sim);
    EXPECT_EQ(project.sim.vars.Read(41), 0.0);  // the scan waits for Apply

    Type("M21>abc");
    EXPECT_EQ(window.Apply(), std::vector<std::string>{"Bloco 41: Função inválida"});
    EXPECT_TRUE(window.applyPending);
    EXPECT_TRUE(project.saved());
    EXPECT_FALSE(window.Leave());

    Type("12");
    EXPECT_TRUE(window.Apply().empty());
    EXPECT_FALSE(window.applyPending);
    EXPECT_FALSE(project.saved());
    EXPECT_TRUE(window.Leave());
}

TEST_F(CalcBlockWindowTest, ApplyNamesTheOutputVariable) {
    window.Edit([](CalcBlockFields& f) {
        f.DescricaoText = "Razão ar/gás";
        f.FuncaoTr = "M21/M22";
    });
    EXPECT_TRUE(window.Apply().empty());
    EXPECT_EQ(window.descriptionHeader, "Razão ar/gás");
    EXPECT_EQ(window.addressLabel, "M41=");
    project.sim.vars.SetDescription(41, "Razão");
    window.Activate(Language::Portuguese);
    EXPECT_EQ(window.block().fields.DescricaoText, "Razão");

    // The field takes back the description as the variable holds it: at most 255 characters.
    window.Edit([](CalcBlockFields& f) { f.DescricaoText = std::string(300, 'x'); });
    window.Apply();
    EXPECT_EQ(window.block().fields.DescricaoText, std::string(255, 'x'));
}

TEST_F(CalcBlockWindowTest, AWindowMadeAfterALoadShowsTheBlockApplied) {
    window.Edit([](CalcBlockFields& f) {
        f.DescricaoText = "Soma";
        f.FuncaoTr = "2+3";
    });
    Project loaded;
    ASSERT_TRUE(loaded.LoadBytes(project.FileBytes(), "soma").ok());
    CalcBlockWindow after(loaded, 1);
    EXPECT_FALSE(after.applyPending);
    EXPECT_EQ(after.descriptionHeader, "Soma");
    loaded.Tick(0.0);
    after.Refresh();
    EXPECT_EQ(after.result, "5.00");
}

TEST_F(CalcBlockWindowTest, EnglishTextsOnActivation) {
    window.Activate(Language::Portuguese);
    EXPECT_FALSE(window.englishApplied);
    window.Activate(Language::English);
    EXPECT_TRUE(window.englishApplied);
    EXPECT_EQ(EnglishTextIn(kCalcBlockWindowTexts, "caption"), "Calculations Block");
    EXPECT_EQ(EnglishTextIn(kCalcBlockWindowTexts, "hint:LimInfText"), "Output Lower Limit");
}

}  // namespace
}  // namespace vork
