#include <gtest/gtest.h>

#include "project/project.h"
#include "support/temp_folder.h"
#include "windows/example_files.h"
#include "windows/fake_desk.h"
#include "windows/main_window.h"
#include "windows/project_life_cycle.h"

namespace vork {
namespace {

namespace fs = std::filesystem;

struct LifeCycle : ::testing::Test {
    test::TempFolder start;
    Project project;
    MainWindow main{project};
    test::FakeDesk desk;
    ProjectLifeCycle life{project, main, desk, start.path()};

    void Modify() {
        project.Fill({ObjectKind::Controller, 1});
        project.MarkModified();
    }
    // An empty project saved as the file of gallery picture `picture` below `root`.
    void MakeExample(const fs::path& root, const char* picture) {
        fs::path file = root / *ExampleFile(picture);
        fs::create_directories(file.parent_path());
        Project example;
        example.workspace.Titulo = "Exemplo";
        ASSERT_TRUE(example.Save(file).ok());
    }
};

TEST_F(LifeCycle, SavePromptNoGoesOnWithoutSaving) {
    Modify();
    EXPECT_TRUE(life.New());
    EXPECT_EQ(desk.questions, std::vector<std::string>{"Salvar Alterações em Arquivo?"});
    EXPECT_TRUE(desk.dialogs.empty());
    EXPECT_FALSE(project.sim.controllers.Exists(1));
    EXPECT_TRUE(project.saved());
}

TEST_F(LifeCycle, SavePromptYesWritesTheNameAsTypedThenGoesOn) {
    Modify();
    desk.answers = {true};
    desk.files = {start.File("teste")};
    EXPECT_TRUE(life.New());
    ASSERT_EQ(desk.dialogs.size(), 1u);
    EXPECT_EQ(desk.dialogs[0].title, "Salvar Como");
    EXPECT_EQ(desk.dialogs[0].filter, kSaveFilter);
    EXPECT_TRUE(start.Has("teste"));
    EXPECT_FALSE(start.Has("teste.smp"));
    EXPECT_FALSE(project.sim.controllers.Exists(1));
    EXPECT_TRUE(project.workspace.Titulo.empty());
}

// Asked to save first, the user cancelled the save: the command stops and nothing is lost.
TEST_F(LifeCycle, SavePromptYesThenCancelledStopsTheCommand) {
    Modify();
    desk.answers = {true, true, true};
    EXPECT_FALSE(life.New());
    EXPECT_FALSE(life.ShowGallery());
    EXPECT_FALSE(life.Open());
    EXPECT_EQ(desk.questions.size(), 3u);
    EXPECT_TRUE(project.sim.controllers.Exists(1));
    EXPECT_FALSE(project.saved());
    EXPECT_FALSE(main.menus.gallery);
}

TEST_F(LifeCycle, EnglishAsksInEnglishOnceAndTheClosePromptInPortuguese) {
    project.SetLanguage(Language::English);
    Modify();
    EXPECT_TRUE(life.New());
    EXPECT_EQ(desk.questions, std::vector<std::string>{"Save changes?"});
    Modify();
    EXPECT_TRUE(life.MayClose());
    EXPECT_EQ(desk.questions.back(), "Salvar Alterações em Arquivo?");
}

TEST_F(LifeCycle, CloseAsksOnlyWhenModifiedAndStaysOpenWhenTheSaveIsCancelled) {
    EXPECT_TRUE(life.MayClose());
    EXPECT_TRUE(desk.questions.empty());
    Modify();
    desk.answers = {true};
    EXPECT_FALSE(life.MayClose());
    desk.answers = {true};
    desk.files = {start.File("fim.smp")};
    EXPECT_TRUE(life.MayClose());
    EXPECT_TRUE(start.Has("fim.smp"));
}

TEST_F(LifeCycle, NewShowsEveryProjectMenuAndTheComments) {
    EXPECT_FALSE(main.menus.projectEntries);
    EXPECT_TRUE(life.New());
    EXPECT_TRUE(main.menus.projectEntries);
    EXPECT_TRUE(main.menus.saveEntry);
    EXPECT_FALSE(main.menus.gallery);
    EXPECT_TRUE(project.workspace.showComments);
    EXPECT_EQ(main.caption(), "VORK v 7.84");
    EXPECT_TRUE(project.fileName().empty());
}

TEST_F(LifeCycle, GalleryEmptiesTheProjectAndHidesTheProjectMenus) {
    life.New();
    project.workspace.Titulo = "Velho";
    EXPECT_TRUE(life.ShowGallery());
    EXPECT_TRUE(main.menus.gallery);
    EXPECT_FALSE(main.menus.projectEntries);
    EXPECT_FALSE(main.menus.saveEntry);
    EXPECT_FALSE(project.workspace.showComments);
    EXPECT_TRUE(project.workspace.Titulo.empty());
    EXPECT_EQ(main.caption(), "VORK v 7.84");
}

TEST_F(LifeCycle, SaveAsAddsTheExtensionAndTitlesAnUntitledProject) {
    life.New();
    desk.files = {start.File("teste")};
    EXPECT_TRUE(life.SaveAs());
    EXPECT_EQ(desk.dialogs[0].folder, fs::path(start.path()));
    EXPECT_TRUE(start.Has("teste.smp"));
    EXPECT_EQ(project.fileName(), fs::path(start.File("teste.smp")));
    EXPECT_EQ(project.workspace.Titulo, "teste");
    EXPECT_EQ(main.caption(), "teste");
    EXPECT_TRUE(project.saved());

    fs::create_directories(start.File("dados.v2"));
    desk.files = {fs::path(start.File("dados.v2")) / "outro"};
    EXPECT_TRUE(life.SaveAs());
    EXPECT_TRUE(fs::exists(fs::path(start.File("dados.v2")) / "outro"));
    EXPECT_EQ(project.workspace.Titulo, "teste");
}

TEST_F(LifeCycle, SaveWithoutANameAsksForOneAndShowsTheSaveEntry) {
    life.ShowGallery();
    Modify();
    desk.files = {start.File("novo")};
    EXPECT_TRUE(life.Save());
    EXPECT_TRUE(main.menus.saveEntry);
    EXPECT_TRUE(start.Has("novo.smp"));
    Modify();
    EXPECT_TRUE(life.Save());  // the current name, no dialog
    EXPECT_EQ(desk.dialogs.size(), 1u);
    EXPECT_TRUE(project.saved());
}

TEST_F(LifeCycle, AFailedSaveKeepsTheOldFileSaysSoAndStaysModified) {
    life.New();
    desk.files = {start.File("planta.smp")};
    ASSERT_TRUE(life.SaveAs());
    std::string old = start.Read("planta.smp");
    Modify();
    fs::create_directories(start.File("planta.smp.tmp"));  // the write beside it cannot be made
    EXPECT_FALSE(life.Save());
    EXPECT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(start.Read("planta.smp"), old);
    EXPECT_FALSE(project.saved());

    desk.answers = {true};
    desk.files = {start.File("planta.smp")};
    EXPECT_FALSE(life.New());  // the prompted save failed too: nothing is dropped
    EXPECT_TRUE(project.sim.controllers.Exists(1));
}

TEST_F(LifeCycle, OpenCancelledChangesNothingAndAFailedLoadLeavesANewProject) {
    Modify();
    project.workspace.Titulo = "Titulada";
    EXPECT_FALSE(life.Open());
    EXPECT_EQ(desk.dialogs.back().filter, kOpenFilter);
    EXPECT_EQ(project.workspace.Titulo, "Titulada");
    EXPECT_FALSE(project.saved());

    std::ofstream(start.File("quebrado.smp")) << "T\r\n\r\n<<Tracks>>\r\nTRUE\r\nx\r\nnope\r\n";
    desk.files = {start.File("quebrado.smp")};
    desk.messages.clear();
    project.sim.scan.timerEnabled = false;
    EXPECT_FALSE(life.Open());
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_NE(desk.messages[0].find("6"), std::string::npos) << desk.messages[0];
    EXPECT_FALSE(project.sim.controllers.Exists(1));
    EXPECT_TRUE(project.sim.scan.timerEnabled);
    EXPECT_TRUE(project.saved());
}

TEST_F(LifeCycle, DialogsStartInTheCurrentFolderOnceChosen) {
    desk.files = {start.File("pasta")};
    EXPECT_EQ(life.ChooseCurrentFolder(), fs::path(start.File("pasta")));
    EXPECT_EQ(desk.dialogs[0].folder, fs::path(start.path()));
    life.Open();
    EXPECT_EQ(desk.dialogs.back().folder, fs::path(start.File("pasta")));
    EXPECT_TRUE(life.ChooseCurrentFolder().empty());  // cancelled: kept
    EXPECT_EQ(life.currentFolder(), fs::path(start.File("pasta")));
}

TEST_F(LifeCycle, AnExampleOpensBelowTheStartFolderAndIsSavedOnlyWithSaveAs) {
    MakeExample(start.path(), "sim1");
    life.New();
    EXPECT_TRUE(life.OpenExample("sim1"));
    fs::path expected = fs::path(start.path()) / "examples" / "boiler" / "boiler.smp";
    EXPECT_EQ(project.fileName(), expected);
    EXPECT_EQ(main.caption(), "Exemplo");
    EXPECT_FALSE(main.menus.saveEntry);
    EXPECT_TRUE(main.menus.projectEntries);
    EXPECT_TRUE(project.saved());
}

TEST_F(LifeCycle, AMissingExampleIsReportedInTheLanguage) {
    project.SetLanguage(Language::English);
    EXPECT_FALSE(life.OpenExample("sim19"));
    EXPECT_EQ(desk.messages, std::vector<std::string>{"File not found"});
    EXPECT_FALSE(life.OpenExample("sim99"));
    EXPECT_EQ(desk.messages.size(), 1u);
}

TEST_F(LifeCycle, ExamplesFallBackToTheInstalledDataFolder) {
    test::TempFolder installed;
    MakeExample(installed.path(), "sim18");
    life.SetInstalledData(installed.path());
    EXPECT_TRUE(life.OpenExample("sim18"));
    EXPECT_EQ(project.fileName().parent_path().parent_path().parent_path(),
              fs::path(installed.path()));
    MakeExample(start.path(), "sim18");
    EXPECT_EQ(ExamplesRoot(start.path(), installed.path()), fs::path(start.path()));
}

}  // namespace
}  // namespace vork
