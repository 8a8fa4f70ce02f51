#include "plant/calc_block.h"

#include <gtest/gtest.h>

#include "engine/calc_function.h"
#include "plant/signal_generator.h"
#include "plant/simulation.h"

namespace vork {
namespace {

class CalcBlockTest : public ::testing::Test {
  protected:
    // Block 1 with `function` applied, computed once.
    double Run(const std::string& function) {
        block.fields.FuncaoTr = function;
        block.Apply(sim);
        block.Compute(sim);
        return sim.vars.Read(41);
    }
    Simulation sim;
    CalcBlock& block = sim.calcs.Fill(1);
};

TEST(CalcBlockAddress, SlotsMapToTheirOutputs) {
    EXPECT_EQ(CalcBlock::OutputAddress(1), 41);
    EXPECT_EQ(CalcBlock::OutputAddress(20), 60);
    EXPECT_EQ(CalcBlock::OutputAddress(21), 75);
    EXPECT_EQ(CalcBlock::OutputAddress(24), 78);
}

TEST(CalcFunctionSplit, DoubleSymbolsComeFirst) {
    CalcSplit s = SplitCalcFunction("1<2>>3<<4");
    EXPECT_EQ(s.form, CalcForm::Greater);
    EXPECT_EQ(s.a, "1<2");
    EXPECT_EQ(s.b, "3<<4");
    EXPECT_EQ(SplitCalcFunction("1<<2>3").form, CalcForm::Less);
    EXPECT_EQ(SplitCalcFunction("1<2>3").form, CalcForm::HighSelect);
}

TEST_F(CalcBlockTest, ComparisonsAndSelectors) {
    sim.vars.Write(21, 30.0);
    sim.vars.Write(22, 30.0);
    EXPECT_EQ(Run("M21>>M22"), 0.0);
    EXPECT_EQ(Run("M21<<M22"), 0.0);
    EXPECT_EQ(Run("M21>M22"), 30.0);
    sim.vars.Write(22, 45.5);
    EXPECT_EQ(Run("M21<<M22"), 1.0);
    EXPECT_EQ(Run("M21>M22"), 45.5);
    EXPECT_EQ(Run("M21<M22"), 30.0);
    EXPECT_EQ(Run("(M21+M22)/2"), 37.75);
}

TEST_F(CalcBlockTest, SplitIsTakenAfterSubstitution) {
    sim.vars.Write(21, 30.0);
    // A reference cut short turns the whole substituted text into "0".
    EXPECT_EQ(Run("M21>M"), 0.0);
}

TEST_F(CalcBlockTest, MixedSymbolsFailTheRightSide) {
    EXPECT_EQ(Run("5>>1<<2"), 1.0);  // 5 > 0
    EXPECT_EQ(block.Apply(sim), std::vector<std::string>{"Bloco 41: Função inválida"});
}

TEST_F(CalcBlockTest, LimitsClampLowerLast) {
    block.fields.LimSupCheck = block.fields.LimInfCheck = true;
    block.fields.LimSupText = "10";
    block.fields.LimInfText = "20";
    EXPECT_EQ(Run("15"), 20.0);
    EXPECT_EQ(Run("0"), 20.0);
    block.fields.LimInfCheck = false;  // read live, no apply needed
    block.Compute(sim);
    EXPECT_EQ(sim.vars.Read(41), 0.0);
    EXPECT_EQ(Run("5/0"), 10.0);  // 9999 clamped
}

TEST_F(CalcBlockTest, LimitsFollowVariables) {
    block.fields.LimSupCheck = true;
    block.fields.LimSupText = "M61";
    sim.vars.Write(61, 40.0);
    EXPECT_EQ(Run("90"), 40.0);
    sim.vars.Write(61, 55.0);
    block.Compute(sim);
    EXPECT_EQ(sim.vars.Read(41), 55.0);
}

TEST_F(CalcBlockTest, ScanUsesAppliedCopies) {
    block.Compute(sim);
    EXPECT_EQ(sim.vars.Read(41), 0.0);  // never applied
    EXPECT_EQ(Run("12"), 12.0);
    block.fields.FuncaoTr = "99";
    block.Compute(sim);
    EXPECT_EQ(sim.vars.Read(41), 12.0);
}

TEST_F(CalcBlockTest, ApplyReportsEachInvalidItemInOrder) {
    CalcBlock& b = sim.calcs.Fill(21);
    b.fields.FuncaoTr = "LN(2)";
    b.fields.LimSupText = "A";
    b.fields.LimInfText = "B";
    EXPECT_EQ(b.Apply(sim), std::vector<std::string>{"Bloco 75: Função inválida"});
    b.fields.LimSupCheck = b.fields.LimInfCheck = true;
    EXPECT_EQ(b.Apply(sim), (std::vector<std::string>{"Bloco 75: Função inválida",
                                                      "Bloco 75: Limite Superior inválido",
                                                      "Bloco 75: Limite Inferior inválido"}));
    EXPECT_EQ(b.applied.FuncaoTr, "LN(2)");  // copied even when invalid
    b.Compute(sim);
    EXPECT_EQ(sim.vars.Read(75), 0.0);
}

TEST_F(CalcBlockTest, ApplyNamesTheOutputVariable) {
    block.fields.DescricaoText = "Razão ar/gás";
    block.fields.FuncaoTr = "M21/M22";
    EXPECT_TRUE(block.Apply(sim).empty());
    EXPECT_EQ(sim.vars.Description(41), "Razão ar/gás");
}

TEST_F(CalcBlockTest, EvaluationPassSeesCurrentProcessOutputs) {
    sim.generator().channel(1).fields.Valor = "25";
    sim.generator().Apply(sim);
    block.fields.FuncaoTr = "M81*2";
    block.Apply(sim);
    sim.EvaluationPass();
    EXPECT_EQ(sim.vars.Read(41), 50.0);
}

}  // namespace
}  // namespace vork
