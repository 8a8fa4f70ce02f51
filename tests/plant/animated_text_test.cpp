#include "plant/animated_text.h"

#include <gtest/gtest.h>

#include "plant/simulation.h"

namespace vork {
namespace {

class AnimatedTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim.vars.SetAttribute(21, AttributeField::Unit, "m3/h");
        sim.vars.SetAttribute(21, AttributeField::UeMax, "200");
        sim.vars.SetAttribute(21, AttributeField::Lse, "150");
        sim.vars.Write(21, 50.0);
    }
    // The text and colour the display refresh shows; "-" when it keeps what it showed.
    AnimatedTextResult Shown() { return text.Evaluate(sim).value_or(AnimatedTextResult{"-"}); }
    AnimatedText& Scalar(int address) {
        text.ChooseVariable(sim, address - 1);
        EXPECT_TRUE(text.Apply(sim));
        return text;
    }
    Simulation sim;
    AnimatedText& text = sim.texts.Fill(1);
};

TEST_F(AnimatedTextTest, ScalarShowsEngineeringValueAndAlarm) {
    Scalar(21);
    EXPECT_EQ(Shown().text, "100.00 m3/h");
    EXPECT_EQ(Shown().colour, TextColour::Blue);
    EXPECT_EQ(text.fields.Edit2, "150.00");
    sim.vars.SetAttribute(21, AttributeField::Lse, "80");  // no apply needed
    EXPECT_EQ(Shown().colour, TextColour::Red);
    sim.vars.SetAttribute(21, AttributeField::Lse, "M22*2");
    sim.vars.Write(22, 60.0);
    EXPECT_EQ(Shown().colour, TextColour::Blue);
    sim.vars.SetAttribute(21, AttributeField::Lie, "101");
    EXPECT_EQ(Shown().colour, TextColour::Red);
}

TEST_F(AnimatedTextTest, DecimalsFromZeroToFive) {
    Scalar(21);
    text.SetDecimals(0);
    EXPECT_EQ(Shown().text, "100 m3/h");
    text.SetDecimals(9);
    EXPECT_EQ(text.fields.CasasDecimais, 5);
    EXPECT_EQ(Shown().text, "100.00000 m3/h");
}

TEST_F(AnimatedTextTest, BinaryChoosesMessage) {
    text.fields.Tipo = 1;
    text.fields.FuncaoTr = "Parado/Operando";
    text.ChooseVariable(sim, 10);         // M11
    EXPECT_EQ(text.fields.Edit1, "100");  // only scalars take attributes
    EXPECT_TRUE(text.Apply(sim));
    EXPECT_EQ(Shown().text, "Parado");
    EXPECT_EQ(Shown().colour, TextColour::Red);
    sim.vars.Write(11, 1.0);
    EXPECT_EQ(Shown().text, "Operando");
    EXPECT_EQ(Shown().colour, TextColour::Blue);
    text.fields.FuncaoTr = "Ligado";
    EXPECT_EQ(Shown().text, "Ligado");
    sim.vars.Write(11, 0.0);
    EXPECT_EQ(Shown().text, "");
    text.fields.ComboBox1 = -1;
    EXPECT_EQ(Shown().text, "-");  // no variable: the label keeps its text
}

TEST_F(AnimatedTextTest, BinaryOnActuatorShowsScalar) {
    text.fields.Tipo = 1;
    text.ChooseVariable(sim, 100);  // M101
    sim.vars.WriteActuator(1, 25.0);
    text.Apply(sim);
    EXPECT_EQ(Shown().text, "25.00 ");
}

TEST_F(AnimatedTextTest, EquationIsNeverInAlarm) {
    text.fields.Tipo = 2;
    text.fields.FuncaoTr = "M21+M22";
    text.fields.Unidade = "kg";
    sim.vars.Write(22, 100.0);
    EXPECT_TRUE(text.Apply(sim));
    EXPECT_EQ(Shown().text, "150.00 kg");
    EXPECT_EQ(Shown().colour, TextColour::Blue);
    text.fields.FuncaoTr = "SQRT(4)";  // evaluated live: inconsistent gives the span minimum
    text.fields.Edit4 = "-10";
    text.Apply(sim);
    EXPECT_EQ(Shown().text, "-10.00 kg");
}

TEST_F(AnimatedTextTest, ApplyAcceptance) {
    text.fields.DescricaoText = "Vazão";
    EXPECT_FALSE(text.Apply(sim));  // no variable
    EXPECT_FALSE(text.applied.accepted);
    text.fields.Tipo = 2;
    text.fields.FuncaoTr = "M21";
    EXPECT_TRUE(text.Apply(sim));
    EXPECT_TRUE(text.applied.accepted);
    text.fields.Edit1 = "50x";
    EXPECT_FALSE(text.Apply(sim));
    text.fields.Edit1 = " -5 ";
    EXPECT_FALSE(text.Apply(sim));  // maximum below minimum
    text.fields.Edit1 = "1E2";
    EXPECT_TRUE(text.Apply(sim));
    text.fields.FuncaoTr = "M21>2";
    EXPECT_FALSE(text.Apply(sim));
}

TEST_F(AnimatedTextTest, ChoosingAVariableFillsTheFields) {
    sim.vars.SetAttribute(5, AttributeField::UeMin, "10");
    sim.vars.SetAttribute(5, AttributeField::Lie, "M21/4");
    text.ChooseVariable(sim, 4);
    EXPECT_EQ(text.fields.Edit4, "0.00");  // controller outputs start at 0
    EXPECT_EQ(text.fields.Edit3, "12.50");
    EXPECT_EQ(text.fields.Edit2, "100.00");
    EXPECT_EQ(text.fields.Unidade, "%");
    text.ChooseVariable(sim, 20);
    EXPECT_EQ(text.fields.Edit4, "0.0");
    EXPECT_EQ(text.fields.Edit1, "200");
    EXPECT_EQ(text.fields.Unidade, "m3/h");
    text.Apply(sim);
    EXPECT_EQ(text.applied.spanMax, 200.0);
}

TEST_F(AnimatedTextTest, ShowsTheSpanMinimumBeforeAnythingIsSet) {
    EXPECT_EQ(Shown().text, "0.00 ");
}

}  // namespace
}  // namespace vork
