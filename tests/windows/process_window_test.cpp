#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixtures.h"

namespace vork {
namespace {

using Messages = std::vector<std::string>;
using test::BlockWindow;

TEST(ProcessWindow, ApplyShowsTheIdentity) {
    BlockWindow t(1);
    EXPECT_TRUE(t.w.applyPending) << "nothing is applied before the first Atualizar";
    t.w.Edit([](ProcessFields& f) {
        f.TagText = "FT-101";
        f.DescricaoText = "Vazão de vapor";
    });
    EXPECT_TRUE(t.w.Apply().empty());
    EXPECT_EQ(t.w.title, "FT-101 Vazão de vapor");
    EXPECT_EQ(t.w.outputAddressText, "(M21)");
    EXPECT_EQ(t.w.actuatorAddressText, "(M101)");
    EXPECT_EQ(t.w.caption, "Vazão de vapor");
}

TEST(ProcessWindow, UpperSlotsNameTheirAddresses) {
    BlockWindow t(22);
    t.w.Edit([](ProcessFields& f) { f.TempoMorto = "-1"; });
    EXPECT_EQ(t.w.Apply(), Messages{"Processo 72: Tempo Morto inválido"});
    EXPECT_EQ(t.w.outputAddressText, "") << "labels and caption stay unchanged";
    EXPECT_EQ(t.w.caption, "Processo");
    EXPECT_TRUE(t.project.saved()) << "neither the edit nor a failed apply marks modified";
    t.w.Edit([](ProcessFields& f) { f.TempoMorto = "0"; });
    EXPECT_TRUE(t.w.Apply().empty());
    EXPECT_EQ(t.w.outputAddressText, "(M72)");
    EXPECT_EQ(t.w.actuatorAddressText, "(M122)");
    EXPECT_FALSE(t.project.saved());
}

TEST(ProcessWindow, EditAndApplyStates) {
    BlockWindow t(2);
    t.w.Edit([](ProcessFields& f) { f.DescricaoText = std::string(300, 'a'); });
    EXPECT_TRUE(t.w.applyPending);
    EXPECT_FALSE(t.w.exitEnabled);
    EXPECT_TRUE(t.w.Apply().empty());
    EXPECT_FALSE(t.w.applyPending);
    EXPECT_TRUE(t.w.exitEnabled);
    EXPECT_EQ(t.b.fields.DescricaoText, std::string(255, 'a')) << "reloaded from M22";

    t.w.Edit([](ProcessFields& f) { f.GanhoText = "x"; });
    t.w.TypeChanged(kLeadLag);
    EXPECT_EQ(t.b.fields.transferType, kLeadLag);
    EXPECT_EQ(t.w.Apply(), Messages{"Processo 22: Ganho inválido"});
    EXPECT_TRUE(t.w.applyPending) << "stays edited after a failure";
    EXPECT_FALSE(t.w.exitEnabled);

    t.w.Edit([](ProcessFields& f) { f.GanhoText = "1"; });
    ASSERT_TRUE(t.w.Apply().empty());
    t.w.InitialValueEdited("25");
    EXPECT_TRUE(t.b.state.InitPending);
    EXPECT_EQ(t.b.fields.ValorInicialText, "25");
    EXPECT_TRUE(t.w.applyPending);
    EXPECT_TRUE(t.w.exitEnabled) << "the start value leaves exit alone";

    t.sim.vars.SetDescription(22, "outra");
    t.w.Activate(Language::Portuguese);
    EXPECT_EQ(t.b.fields.DescricaoText, "outra");

    t.w.Edit([](ProcessFields& f) { f.DescricaoText = "digitada"; });
    t.w.Activate(Language::Portuguese);
    EXPECT_EQ(t.b.fields.DescricaoText, "digitada") << "a typed description waits for Atualizar";
}

TEST(ProcessWindow, FirstEnglishActivationTranslatesTheCaption) {
    BlockWindow t(1);
    t.w.Edit([](ProcessFields& f) { f.DescricaoText = "Nível"; });
    ASSERT_TRUE(t.w.Apply().empty());
    t.w.Activate(Language::English);
    EXPECT_TRUE(t.w.englishApplied);
    EXPECT_EQ(t.w.caption, "Process");
    ASSERT_TRUE(t.w.Apply().empty());
    t.w.Activate(Language::English);
    EXPECT_EQ(t.w.caption, "Nível") << "translated once; then follows the description";
}

TEST(ProcessWindow, OpensOnAValidatedBlockAsApplied) {
    Project project;
    ProcessBlock& b = project.sim.processes.Fill(3);
    b.fields.TagText = "LT-3";
    b.fields.TempoMorto = "-1";
    b.Validate(project.sim);  // a load whose checks fail
    ProcessWindow failed(project, 3);
    EXPECT_FALSE(failed.applyPending);
    EXPECT_EQ(failed.caption, "Processo");
    b.fields.TempoMorto = "0";
    b.Validate(project.sim);
    ProcessWindow passed(project, 3);
    EXPECT_EQ(passed.title, "LT-3 ");
}

TEST(ProcessWindow, LabelsShowTheLastRealTimeTick) {
    BlockWindow t(1);
    t.w.Edit([](ProcessFields& f) { f.LText = "0"; });
    ASSERT_TRUE(t.w.Apply().empty());
    t.sim.vars.Write(1, 12.345);
    t.sim.batch = true;
    t.b.Compute(t.sim);  // an offline run does not refresh the window
    EXPECT_EQ(t.w.inputText, "0.00");
    EXPECT_EQ(t.w.outputText, "0.00");
    t.sim.batch = false;
    t.b.Compute(t.sim);
    t.w.Refresh();
    EXPECT_EQ(t.w.inputText, "12.35");
    EXPECT_EQ(t.w.actuatorText, "12.35");
    EXPECT_EQ(t.w.outputText, "12.35");
}

TEST(ProcessWindow, TypeGroupsTheInitialValueAndTheInputList) {
    BlockWindow t(1);
    t.sim.vars.SetDescription(7, "Vazão");
    EXPECT_EQ(t.w.EntradaSelectItems.size(), 99u);
    t.w.EntradaSelectEnter();
    EXPECT_EQ(t.w.EntradaSelectItems[6], "07 Vazão");
    EXPECT_STREQ(ProcessWindow::TypeGroup(kOverdamped), "GroupPVC");
    EXPECT_STREQ(ProcessWindow::TypeGroup(kIntegrator), "GroupBox2");
    EXPECT_STREQ(ProcessWindow::TypeGroup(7), "");
    EXPECT_FALSE(t.w.initialValueVisible());
    t.w.TypeChanged(kIntegrator);
    EXPECT_TRUE(t.w.initialValueVisible());
    EXPECT_EQ(kTransferTypeItems[3].english, std::string("Integrator"));
}

}  // namespace
}  // namespace vork
