#include "windows/animated_text_window.h"

#include <gtest/gtest.h>

#include "project/project.h"

namespace vork {
namespace {

class AnimatedTextWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim.vars.SetAttribute(21, AttributeField::Unit, "m3/h");
        sim.vars.SetAttribute(21, AttributeField::UeMax, "200");
        sim.vars.Write(21, 50.0);
    }
    // One real-time tick, then the display refresh of the open window when the tick ran one.
    bool Tick() {
        nowMs += 100.0;
        bool refreshed = sim.Tick(nowMs);
        if (refreshed) window.Refresh();
        return refreshed;
    }
    Project project;
    Simulation& sim = project.sim;
    AnimatedText& text = sim.texts.Fill(1);
    AnimatedTextWindow window{project, 1};
    double nowMs = 0.0;
};

TEST_F(AnimatedTextWindowTest, ResultFollowsEverySixthTick) {
    window.ChooseVariable(20);  // M21
    window.Leave();
    for (int tick = 1; tick <= 5; ++tick)
        EXPECT_FALSE(Tick());
    EXPECT_EQ(window.result.text, "=");
    EXPECT_TRUE(Tick());
    EXPECT_EQ(window.result.text, "100.00 m3/h");
    EXPECT_EQ(window.result.colour, TextColour::Blue);
}

TEST_F(AnimatedTextWindowTest, ABinaryTextWithoutVariableKeepsItsResult) {
    window.ChooseType(1);
    window.Refresh();
    EXPECT_EQ(window.result.text, "=");
    EXPECT_EQ(window.result.colour, TextColour::Default);
}

TEST_F(AnimatedTextWindowTest, AlarmFieldsFollowTheSpanFields) {
    window.SetSpanMax("80");
    EXPECT_EQ(window.text().fields.Edit1, "80");
    EXPECT_EQ(window.text().fields.Edit2, "80");
    window.Edit([](AnimatedTextFields& f) { f.Edit2 = "70"; });
    EXPECT_EQ(window.text().fields.Edit1, "80");  // an alarm edit leaves the span alone
    window.SetSpanMax("90");
    EXPECT_EQ(window.text().fields.Edit2, "90");
    window.SetSpanMin("-5");
    EXPECT_EQ(window.text().fields.Edit4, "-5");
    EXPECT_EQ(window.text().fields.Edit3, "-5");
    EXPECT_EQ(window.text().fields.Edit1, "90");
}

TEST_F(AnimatedTextWindowTest, ChangesOfTheTextMarkTheProject) {
    window.SetDecimals(9);
    EXPECT_EQ(window.text().fields.CasasDecimais, 5);
    window.Leave();
    EXPECT_TRUE(project.saved());  // decimals and leaving do not
    window.ChooseType(2);
    EXPECT_FALSE(project.saved());
    project.MarkSaved();
    window.ChooseVariable(20);
    EXPECT_FALSE(project.saved());
    project.MarkSaved();
    window.Edit([](AnimatedTextFields& f) { f.Unidade = "kg"; });
    EXPECT_FALSE(project.saved());
}

TEST_F(AnimatedTextWindowTest, HeaderShowsTheDescriptionOfAnAcceptedText) {
    window.Edit([](AnimatedTextFields& f) { f.DescricaoText = "Vazão"; });
    window.Leave();  // no variable: not accepted
    EXPECT_EQ(window.descriptionHeader, "");
    window.ChooseVariable(20);
    window.Leave();
    EXPECT_EQ(window.descriptionHeader, "Vazão");
    EXPECT_EQ(project.workspace.texts[0].labelCaption, "Vazão");
    EXPECT_EQ(AnimatedTextWindow(project, 1).descriptionHeader, "Vazão");  // a window made later
}

TEST_F(AnimatedTextWindowTest, LayoutAndCaptionFollowTheType) {
    EXPECT_EQ(window.sourceCaption, "Variável");
    AnimatedTextLayout scalar = window.layout();
    EXPECT_TRUE(scalar.variableList && scalar.alarmFields && scalar.fieldsReadOnly);
    EXPECT_FALSE(scalar.funcaoTr);
    window.ChooseType(1);
    EXPECT_EQ(window.sourceCaption, "<Texto>");
    AnimatedTextLayout binary = window.layout();
    EXPECT_TRUE(binary.variableList && binary.funcaoTr);
    EXPECT_FALSE(binary.spanFields || binary.alarmFields);
    window.ChooseType(2);
    EXPECT_EQ(window.sourceCaption, "Equação");
    AnimatedTextLayout equation = window.layout();
    EXPECT_TRUE(equation.spanFields && equation.funcaoTr);
    EXPECT_FALSE(equation.variableList || equation.alarmFields || equation.fieldsReadOnly);
}

TEST_F(AnimatedTextWindowTest, EnglishTextsOnActivation) {
    window.Activate(Language::Portuguese);
    EXPECT_FALSE(window.englishApplied);
    window.Activate(Language::English);
    EXPECT_TRUE(window.englishApplied);
    EXPECT_EQ(window.sourceCaption, "Equation");
    window.ChooseType(1);  // a type click writes the Portuguese caption again
    EXPECT_EQ(window.sourceCaption, "<Texto>");
    EXPECT_EQ(EnglishTextIn(kAnimatedTextWindowTexts, "Tipo/1"), "Binary");
    EXPECT_EQ(EnglishTextIn(kAnimatedTextWindowTexts, "hint:ComboBox1"), "Variable to show");
}

}  // namespace
}  // namespace vork
