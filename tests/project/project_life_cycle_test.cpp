#include <gtest/gtest.h>

#include "fake_records.h"
#include "plant/process_messages.h"
#include "project/life_cycle_texts.h"
#include "rich_project.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

using testing::BuildRichProject;
using testing::Join;
using testing::Lines;

void ExpectNewProject(Project& p) {
    Simulation& sim = p.sim;
    for (int n = 1; n <= 24; ++n) {
        EXPECT_FALSE(sim.processes.Exists(n));
        EXPECT_FALSE(sim.calcs.Exists(n));
    }
    for (int n = 1; n <= 10; ++n) {
        EXPECT_FALSE(sim.controllers.Exists(n));
        EXPECT_FALSE(sim.recorders.Exists(n));
    }
    for (int n = 1; n <= 20; ++n)
        EXPECT_FALSE(sim.texts.Exists(n));
    for (int address = 1; address <= 99; ++address)
        EXPECT_EQ(sim.vars.Read(address), 0.0) << address;
    EXPECT_EQ(sim.vars.Attribute(21, AttributeField::Unit), "%");
    EXPECT_EQ(sim.vars.Description(15), VariableTable::DefaultDescription(15));
    EXPECT_EQ(sim.generator().channel(4).fields.Tipo, 0);
    EXPECT_EQ(sim.generator().channel(4).fields.Valor, "Valor");
    EXPECT_EQ(sim.characterizer().fields.Lin1EndEnt, "01 MV");
    EXPECT_FALSE(sim.characterizer().fields.Lin1Ativar);
    EXPECT_EQ(sim.characterizer().fields.Lin1PV[1], "20");
    EXPECT_EQ(p.workspace.Titulo, "");
    EXPECT_FALSE(p.workspace.tracks[0].EntCheck);
    EXPECT_EQ(p.workspace.controllers[0].top, 3);
    EXPECT_TRUE(p.workspace.commentsPortuguese.empty());
    EXPECT_TRUE(p.fileName().empty());
    EXPECT_TRUE(p.saved());
    EXPECT_TRUE(sim.scan.timerEnabled);
}

TEST(ProjectLifeCycle, NewProjectResetsEveryPart) {
    Project p;
    BuildRichProject(p);
    test::TempFolder folder;
    ASSERT_TRUE(p.Save(folder.File("caldeira.smp")).ok());
    p.MarkModified();
    p.NewProject();
    ExpectNewProject(p);
}

// A file whose second controller has a malformed list position.
std::string BrokenFile() {
    Project source;
    BuildRichProject(source);
    std::vector<std::string> lines = Lines(FromWindows1252(source.FileBytes()));
    auto at = std::find(lines.begin(), lines.end(), "{C03/14} Indice lista PV:22");
    *at = "{C03/14} Indice lista PV:dois";
    return ToWindows1252(Join(lines));
}

TEST(ProjectLifeCycle, ALoadThatStopsLeavesACleanNewProjectAndSaysWhy) {
    Project p;
    BuildRichProject(p);
    p.MarkModified();
    struct TimerWatch : ProjectObserver {
        explicit TimerWatch(const Project& p) : p(p) {}
        void Progress(ProgressKind, int) override { timer.push_back(p.sim.scan.timerEnabled); }
        const Project& p;
        std::vector<bool> timer;
    } watch(p);
    p.AddObserver(&watch);
    const std::vector<bool>& timer = watch.timer;
    FileResult result = p.LoadBytes(BrokenFile(), "caldeira");
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("'dois'"), std::string::npos) << result.error;
    EXPECT_NE(result.error.find("(linha 178)"), std::string::npos) << result.error;
    ExpectNewProject(p);
    ASSERT_FALSE(timer.empty());
    EXPECT_EQ(timer, std::vector<bool>(timer.size(), false));
}

TEST(ProjectLifeCycle, EveryCheckMessageReachesTheCallerInFileOrder) {
    Project source;
    BuildRichProject(source);
    source.sim.controllers.Get(3)->fields.KiText = "dez";
    source.sim.processes.Get(2)->fields.GanhoText = "ganho";
    source.sim.processes.Get(21)->fields.NCText = "um";
    source.sim.calcs.Get(24)->fields.FuncaoTr = "M21>abc";
    Project loaded;
    FileResult result = loaded.LoadBytes(source.FileBytes(), "caldeira");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.messages,
              (std::vector<std::string>{
                  "Controlador 3: Ti inválido", ProcessMessage(22, ProcessCheck::Gain),
                  ProcessMessage(71, ProcessCheck::Cycles), "Bloco 78: Função inválida"}));
    // The objects are loaded all the same, as typed.
    EXPECT_EQ(loaded.sim.controllers.Get(3)->fields.KiText, "dez");
}

TEST(ProjectLifeCycle, LoadEmptiesWhatTheFileDoesNotMention) {
    Project p;
    BuildRichProject(p);
    Project empty;
    ASSERT_TRUE(p.LoadBytes(empty.FileBytes(), "vazio").ok());
    EXPECT_FALSE(p.sim.controllers.Exists(1));
    EXPECT_EQ(p.workspace.Titulo, "vazio");
    EXPECT_TRUE(p.saved());
}

TEST(ProjectLifeCycle, LoadAndSaveKeepTheFileNameAndTheSavedFlag) {
    test::TempFolder folder;
    Project p;
    BuildRichProject(p);
    p.MarkModified();
    std::string path = folder.File("caldeira.smp");
    ASSERT_TRUE(p.Save(path).ok());
    EXPECT_TRUE(p.saved());
    EXPECT_EQ(p.fileName(), path);
    EXPECT_EQ(folder.Read("caldeira.smp"), p.FileBytes());

    p.MarkModified();
    FileResult failed = p.Save(folder.File("missing/caldeira.smp"));
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(p.saved());
    EXPECT_EQ(p.fileName(), path);

    Project loaded;
    loaded.MarkModified();
    ASSERT_TRUE(loaded.Load(path).ok());
    EXPECT_TRUE(loaded.saved());
    EXPECT_EQ(loaded.fileName(), path);
    EXPECT_TRUE(loaded.sim.scan.timerEnabled);
    EXPECT_TRUE(loaded.workspace.controllers[0].visible);
    EXPECT_EQ(loaded.workspace.texts[9].labelCaption, "Vazão");

    FileResult missing = loaded.Load(folder.File("nenhum.smp"));
    EXPECT_EQ(missing.error, "Arquivo não encontrado");
    ExpectNewProject(loaded);
}

TEST(ProjectLifeCycle, SaveAsAddsTheExtensionAndTitlesAnUntitledProject) {
    test::TempFolder folder;
    Project p;
    p.MarkModified();
    ASSERT_TRUE(p.SaveAs(folder.File("teste")).ok());
    EXPECT_TRUE(folder.Has("teste.smp"));
    EXPECT_EQ(p.fileName(), folder.File("teste.smp"));
    EXPECT_EQ(p.workspace.Titulo, "teste");
    EXPECT_TRUE(p.saved());

    // A titled project keeps its title; a name with an extension is written as typed.
    ASSERT_TRUE(p.SaveAs(folder.File("outro.txt")).ok());
    EXPECT_TRUE(folder.Has("outro.txt"));
    EXPECT_EQ(p.workspace.Titulo, "teste");

    // A point anywhere in the path, here in the folder's name, means no extension is added.
    std::filesystem::create_directory(folder.File("dados.2024"));
    Project untitled;
    ASSERT_TRUE(untitled.SaveAs(folder.File("dados.2024/teste")).ok());
    EXPECT_TRUE(folder.Has("dados.2024/teste"));
    EXPECT_EQ(untitled.workspace.Titulo, "teste");

    // A prompted save writes the name as typed.
    ASSERT_TRUE(untitled.Save(folder.File("solto")).ok());
    EXPECT_TRUE(folder.Has("solto"));
}

TEST(ProjectLifeCycle, SavedIndicatorAndPromptTexts) {
    EXPECT_EQ(SavedIndicatorImage(true), 0);
    EXPECT_EQ(SavedIndicatorImage(false), 1);
    EXPECT_EQ(SavedIndicatorCaption(true, Language::Portuguese), "To salvo!");
    EXPECT_EQ(SavedIndicatorCaption(false, Language::Portuguese), "Salve me!");
    EXPECT_EQ(SavedIndicatorCaption(false, Language::English), "Save me!");
    // Code 180 in Windows-1252, the acute accent.
    EXPECT_EQ(ToWindows1252(std::string(SavedIndicatorCaption(true, Language::English))),
              "I\xB4m saved!");
    EXPECT_EQ(SavePromptText(Language::English), "Save changes?");
    EXPECT_EQ(SavePromptText(Language::Portuguese), kClosePromptText);
}

}  // namespace
}  // namespace vork
