#include "engine/equation.h"

#include <gtest/gtest.h>

#include "engine/numbers.h"
#include "plant/simulation.h"
#include "worked_examples.h"

namespace vork {
namespace {

class EquationTest : public ::testing::Test {
  protected:
    double Eval(const std::string& text) { return sim.Eval(text); }
    void SetUp() override { sim.evalPath = EvalPath::Reference; }
    Simulation sim;
};

TEST_F(EquationTest, WorkedExamples) {
    sim.vars.Write(21, -3);
    for (const WorkedExample& e : kWorkedExamples) {
        EXPECT_EQ(Eval(e.expression), e.result) << e.expression;
        EXPECT_EQ(sim.errorText, "") << e.expression;
    }
}

TEST_F(EquationTest, OperatorOrderWithinAGroup) {
    EXPECT_EQ(Eval("8/2/2"), 2);      // divisions left to right
    EXPECT_EQ(Eval("2*3/6"), 1);      // division before multiplication: 2*(3/6)
    EXPECT_EQ(Eval("2*2^3"), 16);     // powers first
    EXPECT_EQ(Eval("12/4*3^2"), 27);  // 4*9 is not taken: / goes before *, ^ before both
    EXPECT_EQ(Eval("1-2-3"), -4);
    EXPECT_EQ(Eval("--2"), 2);
    EXPECT_EQ(Eval("+-+2"), -2);
}

TEST_F(EquationTest, FailureHandling) {
    EXPECT_EQ(Eval("LN(5)"), 0);
    EXPECT_EQ(sim.errorText, kInconsistentEquation);
    EXPECT_EQ(Eval("2>1"), 0);
    EXPECT_EQ(sim.errorText, "Inconsistência na Equação!");
    EXPECT_EQ(Eval("1"), 1);
    EXPECT_EQ(sim.errorText, "");  // a good evaluation empties the shared text again
    EXPECT_EQ(Eval("*3"), 0);
    EXPECT_EQ(Eval("3/"), 9999);
    EXPECT_EQ(Eval("2*(3+4"), 7);
    EXPECT_EQ(Eval("(2+3"), 5);
    EXPECT_EQ(Eval("2+3)*4"), 5);
    EXPECT_EQ(Eval("1+M2"), 0);
    EXPECT_EQ(Eval("M"), 0);
}

TEST_F(EquationTest, LeftToTheImplementer) {
    EXPECT_EQ(Eval("2*+3"), 3);  // "+" after an operator is an addition, the operand empty
    EXPECT_EQ(Eval("1.2.3"), 1.2);
    EXPECT_EQ(Eval("1E+"), 1);
    // Overflow is carried as the largest 15-digit finite value, never as an infinity.
    EXPECT_EQ(Eval("1E300*1E300"), 1.79769313486231e308);
    EXPECT_EQ(Eval("10^400"), 1.79769313486231e308);
    EXPECT_EQ(Eval("1E300*1E300-1E300*1E300"), 0);
}

TEST_F(EquationTest, SubstitutionSplicesText) {
    sim.vars.Write(21, 50);
    EXPECT_EQ(Substitute("M21", sim.vars), " 5.00000000000000E+0001");
    EXPECT_EQ(Eval("M212"), 5e12);  // the trailing digit lengthens the exponent
    EXPECT_EQ(Eval("m21+1"), 51);
    EXPECT_EQ(Substitute("M00", sim.vars), "0");
    sim.vars.Write(1, 7);
    EXPECT_EQ(Substitute("M1+2", sim.vars), " 7.00000000000000E+00002");
    EXPECT_EQ(Eval("M1+"), 7);
    // The two characters after M are always replaced: the reading of "1x" keeps the 1.
    EXPECT_EQ(Eval("M1x"), 7);
    EXPECT_EQ(sim.errorText, "");
    EXPECT_EQ(Substitute("M-5+M 5", sim.vars), "0+" + SciText(sim.vars.Read(5)));
    EXPECT_EQ(Substitute("2M2", sim.vars), "0");  // fewer than two characters after M
}

TEST_F(EquationTest, EdgeCases) {
    EXPECT_EQ(Eval("2.5 + 1"), 3.5);
    EXPECT_EQ(Eval(" 2 . 5+1"), 3.5);  // blanks count as absent
    sim.vars.Write(21, 1.0 / 3.0);
    EXPECT_EQ(Eval("M21"), 0.333333333333333);
    EXPECT_EQ(Eval("42"), 42);
    EXPECT_EQ(Eval("M99+M101"), 0);  // M10 then "1": M101 is not an expression reference
    EXPECT_EQ(sim.EvalConstant("2*25"), 50);
    EXPECT_EQ(sim.EvalConstant("M21"), 0);  // no substitution: "M" fails the check
    EXPECT_EQ(sim.errorText, kInconsistentEquation);
}

TEST_F(EquationTest, FifteenDigitsAtEveryStep) {
    EXPECT_EQ(Eval("2/3"), 0.666666666666667);
    EXPECT_EQ(Eval("2/3*3"), 2.00000000000000);  // 0.666666666666667*3 = 2.000000000000001
    EXPECT_EQ(Eval("0.1+0.2"), 0.3);
    EXPECT_EQ(Eval("123456789012345678"), 1.23456789012346e17);
}

}  // namespace
}  // namespace vork
