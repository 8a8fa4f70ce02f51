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
    // One real-time tick of the project, as the timer gives it.
    bool Tick() {
        nowMs += 100.0;
        bool refreshed = sim.Tick(nowMs);
        window.Ticked(refreshed);
        return refreshed;
    }
    Project project;
    Simulation& sim = project.sim;
    AnimatedText& text = sim.texts.Fill(1);
    AnimatedTextWindow window{project, 1};
    double nowMs = 0.0;
};

TEST_F(AnimatedTextWindowTest, AnOpenWindowRefreshesOnEverySixthTick) {
    window.ChooseVariable(20);  // M21
    window.Leave();
    for (int tick = 1; tick <= 6; ++tick)
        Tick();
    EXPECT_EQ(window.display().result.text, "=");  // closed: nothing is evaluated

    window.Show();
    EXPECT_EQ(window.display().result.text, "100.00 m3/h");
    EXPECT_EQ(window.display().result.colour, TextColour::Blue);
    sim.vars.Write(21, 25.0);
    for (int tick = 1; tick <= 5; ++tick)
        EXPECT_FALSE(Tick());
    EXPECT_EQ(window.display().result.text, "100.00 m3/h");
    EXPECT_TRUE(Tick());
    EXPECT_EQ(window.display().result.text, "50.00 m3/h");
}

TEST_F(AnimatedTextWindowTest, AlarmFieldsFollowTheSpanFields) {
    window.SetSpanMax("80");
    EXPECT_EQ(window.fields().Edit1, "80");
    EXPECT_EQ(window.fields().Edit2, "80");
    window.Edit([](AnimatedTextFields& f) { f.Edit2 = "70"; });
    EXPECT_EQ(window.fields().Edit1, "80");  // an alarm edit leaves the span alone
    window.SetSpanMax("90");
    EXPECT_EQ(window.fields().Edit2, "90");
    window.SetSpanMin("-5");
    EXPECT_EQ(window.fields().Edit4, "-5");
    EXPECT_EQ(window.fields().Edit3, "-5");
    EXPECT_EQ(window.fields().Edit1, "90");
}

TEST_F(AnimatedTextWindowTest, ChangesOfTheTextMarkTheProject) {
    window.SetDecimals(9);
    EXPECT_EQ(window.fields().CasasDecimais, 5);
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
    window.Show();
    window.Leave();  // no variable: not accepted
    EXPECT_FALSE(window.isOpen());
    EXPECT_EQ(window.display().descriptionHeader, "");
    window.ChooseVariable(20);
    window.Leave();
    EXPECT_EQ(window.display().descriptionHeader, "Vazão");
    EXPECT_EQ(project.workspace.texts[0].labelCaption, "Vazão");
    EXPECT_EQ(AnimatedTextWindow(project, 1).display().descriptionHeader, "Vazão");
}

TEST_F(AnimatedTextWindowTest, LayoutAndCaptionFollowTheType) {
    EXPECT_EQ(window.display().sourceCaption, "Variável");
    AnimatedTextLayout scalar = window.layout();
    EXPECT_TRUE(scalar.variableList && scalar.alarmFields && scalar.fieldsReadOnly);
    EXPECT_FALSE(scalar.funcaoTr);
    window.ChooseType(1);
    EXPECT_EQ(window.display().sourceCaption, "<Texto>");
    AnimatedTextLayout binary = window.layout();
    EXPECT_TRUE(binary.variableList && binary.funcaoTr);
    EXPECT_FALSE(binary.spanFields || binary.alarmFields);
    window.ChooseType(2);
    EXPECT_EQ(window.display().sourceCaption, "Equação");
    AnimatedTextLayout equation = window.layout();
    EXPECT_TRUE(equation.spanFields && equation.funcaoTr);
    EXPECT_FALSE(equation.variableList || equation.alarmFields || equation.fieldsReadOnly);
}

TEST_F(AnimatedTextWindowTest, EnglishTextsOnActivation) {
    window.Activate();
    EXPECT_EQ(window.textLanguage(), Language::Portuguese);
    sim.language = Language::English;
    window.Activate();
    EXPECT_EQ(window.textLanguage(), Language::English);
    EXPECT_EQ(window.display().sourceCaption, "Equation");
    window.ChooseType(1);  // a type click writes the Portuguese caption again
    EXPECT_EQ(window.display().sourceCaption, "<Texto>");
    EXPECT_EQ(EnglishTextIn(kAnimatedTextWindowTexts, "Tipo/1"), "Binary");
    EXPECT_EQ(EnglishTextIn(kAnimatedTextWindowTexts, "hint:ComboBox1"), "Variable to show");
}

}  // namespace
}  // namespace vork
