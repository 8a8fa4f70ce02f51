#include "windows/generator_window.h"

#include <gtest/gtest.h>

#include "project/project.h"

namespace vork {
namespace {

class GeneratorWindowTest : public ::testing::Test {
  protected:
    void Type(int k, const std::string& valor) {
        window.Edit(k, [&](GeneratorChannelFields& f) { f.Valor = valor; });
    }
    Project project;
    Simulation& sim = project.sim;
    GeneratorWindow window{project};
};

TEST_F(GeneratorWindowTest, EnterAppliesWithoutMarkingTheProject) {
    Type(1, "2*25");
    EXPECT_TRUE(window.applyPending);
    window.EnterPressed();
    EXPECT_FALSE(window.applyPending);
    EXPECT_EQ(sim.vars.Read(81), 50.0);
    EXPECT_EQ(window.fields(1).UpDown, 50);
    EXPECT_TRUE(project.saved());

    Type(1, "20");
    window.Apply();
    EXPECT_FALSE(window.applyPending);
    EXPECT_EQ(sim.vars.Read(81), 20.0);
    EXPECT_FALSE(project.saved());  // "Atualiza" marks it
}

TEST_F(GeneratorWindowTest, ClosingMarksTheProjectAndApplies) {
    Type(2, "35");
    window.Close();
    EXPECT_EQ(sim.vars.Read(82), 35.0);
    EXPECT_FALSE(project.saved());
}

TEST_F(GeneratorWindowTest, ArrowsAndRadioGroupApply) {
    window.ArrowClicked(1, 37);
    EXPECT_EQ(window.fields(1).Valor, "37");
    EXPECT_EQ(sim.vars.Read(81), 37.0);
    window.ArrowClicked(1, 150);
    EXPECT_EQ(sim.vars.Read(81), 100.0);

    window.ChangeType(14, static_cast<int>(SignalType::Constant01));
    window.RadioClicked(14, 1);
    EXPECT_EQ(sim.vars.Read(94), 1.0);
    EXPECT_EQ(window.fields(14).Valor, "1");
    window.RadioClicked(14, 0);
    EXPECT_EQ(sim.vars.Read(94), 0.0);
    EXPECT_EQ(window.fields(14).Valor, "0");
    EXPECT_TRUE(project.saved());
}

TEST_F(GeneratorWindowTest, RowLayoutFollowsTheType) {
    auto layout = [&](SignalType type) {
        window.ChangeType(3, static_cast<int>(type));
        return window.rowLayout(3);
    };
    ChannelRowLayout constant = layout(SignalType::Constant100);
    EXPECT_TRUE(constant.upDown);
    EXPECT_FALSE(constant.minMax);
    EXPECT_FALSE(constant.valorReadOnly);
    ChannelRowLayout binary = layout(SignalType::Constant01);
    EXPECT_TRUE(binary.valorDig);
    EXPECT_FALSE(binary.valorVisible);
    EXPECT_FALSE(binary.upDown);
    for (SignalType shown : {SignalType::FastRandom, SignalType::MediumRandom,
                             SignalType::SlowRandom, SignalType::Sine, SignalType::RandomWalk}) {
        ChannelRowLayout row = layout(shown);
        EXPECT_TRUE(row.minMax && row.valorReadOnly && !row.valorWide && !row.upDown)
            << static_cast<int>(shown);
    }
    for (SignalType expression : {SignalType::Equation, SignalType::Ln, SignalType::Exp}) {
        ChannelRowLayout row = layout(expression);
        EXPECT_TRUE(row.valorWide && !row.minMax && !row.valorReadOnly)
            << static_cast<int>(expression);
    }
}

TEST_F(GeneratorWindowTest, TypeChangeWritesGuidingTexts) {
    window.ChangeType(5, static_cast<int>(SignalType::Sine));
    EXPECT_EQ(window.fields(5).Desc, "Per (seg)");
    EXPECT_EQ(window.fields(5).Min, "Min.");
    EXPECT_EQ(window.fields(5).Max, "Máx.");
    window.ChangeType(5, static_cast<int>(SignalType::SlowRandom));
    EXPECT_EQ(window.fields(5).Desc, "Descrição");
    EXPECT_EQ(window.fields(5).Min, "Min");
    window.ChangeType(5, static_cast<int>(SignalType::RandomWalk));
    EXPECT_EQ(window.fields(5).Desc, "Faixa");
    EXPECT_EQ(window.fields(5).Min, "Inicial");
    EXPECT_EQ(window.fields(5).Max, "Ganho");
    window.ChangeType(5, static_cast<int>(SignalType::MediumRandom));
    EXPECT_EQ(window.fields(5).Desc, "Tal(seg)");
    window.ChangeType(5, static_cast<int>(SignalType::Exp));
    EXPECT_EQ(window.fields(5).Valor, "Equação");
    EXPECT_EQ(window.fields(5).Min, "Min.");  // a field the type hides keeps its text
    window.ChangeType(5, static_cast<int>(SignalType::Constant100));
    EXPECT_EQ(window.fields(5).Valor, "Valor");

    window.ChangeType(12, static_cast<int>(SignalType::Sine));  // not offered: nothing changes
    EXPECT_EQ(window.fields(12).Desc, "Descrição");
    EXPECT_EQ(window.fields(12).Tipo, 0);
}

TEST_F(GeneratorWindowTest, ValueShowsTheOutputOfRandomChannels) {
    window.ChangeType(1, static_cast<int>(SignalType::FastRandom));
    window.Edit(1, [](GeneratorChannelFields& f) { f.Min = f.Max = "42"; });
    window.EnterPressed();
    sim.EvaluationPass();
    EXPECT_EQ(window.valueText(1), "42.00");
    EXPECT_EQ(window.valueText(2), "Valor");
}

TEST_F(GeneratorWindowTest, TypeEntriesByFamilyAndLanguage) {
    EXPECT_EQ(GeneratorWindow::TypeEntries(1, Language::Portuguese).size(), 10u);
    std::vector<std::string> english = GeneratorWindow::TypeEntries(8, Language::English);
    ASSERT_EQ(english.size(), 7u);
    EXPECT_EQ(english[5], "Sinusoidal signal");
    EXPECT_EQ(GeneratorWindow::TypeEntries(16, Language::Portuguese),
              (std::vector<std::string>{"Constante 0-100", "Constante 0-1"}));
    EXPECT_TRUE(GeneratorWindow::TypeEntries(17, Language::Portuguese).empty());
    EXPECT_EQ(window.textLanguage(), Language::Portuguese);
    sim.language = Language::English;
    EXPECT_EQ(window.textLanguage(), Language::English);
    EXPECT_EQ(EnglishTextIn(kGeneratorWindowTexts, "Button1"), "Refresh");
}

}  // namespace
}  // namespace vork
