#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QTabBar>

#include "app/project/life_cycle_commands.h"
#include "app/project/life_cycle_fixture.h"
#include "project/project.h"

namespace vork::test {
namespace {

class LifeCycleMenus : public LifeCycleTest {};

class EnglishLifeCycle : public LifeCycleTest {
  protected:
    EnglishLifeCycle() : LifeCycleTest(Language::English) {}
};

// The examples of the source tree, as an installed program finds them below its start folder.
class ExampleGallery : public LifeCycleTest {
  protected:
    ExampleGallery() : LifeCycleTest(Language::Portuguese, VORK_SOURCE_DIR) {}
};

TEST_F(LifeCycleMenus, NewShowsTheProjectMenusAndTheSavedIndicator) {
    EXPECT_FALSE(main().Entry("Salvar1")->isVisible());
    Menu("Novo1");
    for (const char* entry : {"Salvar1", "SalvarComo1", "Exemplos1", "Configurao2", "Configurao1",
                              "Dese1", "Variveis1", "RegistradorXY1", "Opes1"})
        EXPECT_TRUE(main().Entry(entry)->isVisible()) << entry;
    EXPECT_EQ(SavedCaption(), "To salvo!");
    EXPECT_EQ(main().windowTitle(), "VORK v 7.84");
    EXPECT_TRUE(main().commentPanel().isVisibleTo(&main()));
    EXPECT_TRUE(platform.questions.isEmpty());
}

TEST_F(LifeCycleMenus, TheSavePromptAnsweredNoStartsTheNewProjectWithoutSaving) {
    Menu("Novo1");
    Modify();
    EXPECT_EQ(SavedCaption(), "Salve me!");
    Menu("Novo1");
    EXPECT_EQ(platform.questions, QStringList{"Salvar Alterações em Arquivo?"});
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_FALSE(project().sim.controllers.Exists(1));
    EXPECT_EQ(SavedCaption(), "To salvo!");
}

TEST_F(LifeCycleMenus, TheSavePromptAnsweredYesSavesUnderTheNameAsTyped) {
    Menu("Novo1");
    Modify();
    platform.answers = {true};
    platform.choices = {File("teste")};
    Menu("Novo1");
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].title, "Salvar Como");
    EXPECT_EQ(platform.dialogs[0].filter,
              "Arquivos de Simulação (*.smp)|*.smp|Todos os  Arquivos (*.*)|*.*");
    EXPECT_TRUE(Exists("teste"));
    EXPECT_FALSE(Exists("teste.smp"));
    EXPECT_FALSE(project().sim.controllers.Exists(1));
}

TEST_F(LifeCycleMenus, ASaveCancelledFromThePromptCancelsTheCommand) {
    Menu("Novo1");
    Modify();
    for (const char* command : {"Novo1", "Abrir1", "Exemplos1"}) {
        platform.answers = {true};
        Menu(command);
        EXPECT_TRUE(project().sim.controllers.Exists(1)) << command;
        EXPECT_EQ(SavedCaption(), "Salve me!") << command;
    }
    EXPECT_EQ(platform.questions.size(), 3);
    EXPECT_TRUE(main().Entry("Configurao2")->isVisible());
}

TEST_F(EnglishLifeCycle, NewAfterChangesAsksOnceInEnglish) {
    Menu("Novo1");
    Modify();
    EXPECT_EQ(SavedCaption(), "Save me!");
    Menu("Novo1");
    EXPECT_EQ(platform.questions, QStringList{"Save changes?"});
    EXPECT_EQ(SavedCaption(), "I´m saved!");
}

TEST_F(EnglishLifeCycle, TheClosePromptIsPortugueseAndACancelledSaveKeepsTheWindowOpen) {
    Menu("Novo1");
    Modify();
    platform.answers = {true};
    QCloseEvent close;
    QApplication::sendEvent(&main(), &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_EQ(platform.questions, QStringList{"Salvar Alterações em Arquivo?"});

    platform.answers = {true};
    platform.choices = {File("fim")};
    QCloseEvent again;
    QApplication::sendEvent(&main(), &again);
    EXPECT_TRUE(again.isAccepted());
    EXPECT_TRUE(Exists("fim"));
}

TEST_F(LifeCycleMenus, SaveAsNamesTheUntitledProjectAndSaveThenWritesItAgain) {
    Menu("Novo1");
    Modify();
    platform.choices = {File("teste")};
    Menu("SalvarComo1");
    EXPECT_EQ(platform.dialogs[0].folder, start.path());
    EXPECT_TRUE(Exists("teste.smp"));
    EXPECT_EQ(main().windowTitle(), "teste");
    Menu("Configurao2");
    auto* title = InConfig<QLineEdit>("Titulo");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(), "teste");
    EXPECT_EQ(SavedCaption(), "To salvo!");

    title->clear();
    QTest::keyClicks(title, "Planta");  // a mark-modified event
    EXPECT_EQ(SavedCaption(), "Salve me!");
    Menu("Salvar1");
    EXPECT_EQ(platform.dialogs.size(), 1u);
    EXPECT_TRUE(Read("teste.smp").startsWith("Planta\r\n"));
    EXPECT_EQ(SavedCaption(), "To salvo!");
}

TEST_F(LifeCycleMenus, AFailedSaveKeepsTheOldFileAndSaysSo) {
    Menu("Novo1");
    platform.choices = {File("planta.smp")};
    Menu("SalvarComo1");
    QByteArray old = Read("planta.smp");
    Modify();
    ASSERT_TRUE(QDir(start.path()).mkdir("planta.smp.tmp"));  // the write beside it fails
    Menu("Salvar1");
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(Read("planta.smp"), old);
    EXPECT_EQ(SavedCaption(), "Salve me!");
}

TEST_F(LifeCycleMenus, AFailedLoadNamesTheLineAndLeavesANewProjectRunning) {
    QFile bad(File("quebrado.smp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("T\r\n\r\n<<Tracks>>\r\nTRUE\r\nx\r\nnope\r\n");
    bad.close();
    Modify();
    platform.choices = {File("quebrado.smp")};
    Menu("Abrir1");  // the prompt answered No
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].contains("linha 6")) << platform.messages[0].toStdString();
    EXPECT_FALSE(project().sim.controllers.Exists(1));
    EXPECT_TRUE(project().sim.scan.timerEnabled);
    EXPECT_TRUE(main().Entry("Configurao2")->isVisible());
    EXPECT_EQ(platform.dialogs.back().filter,
              "Arquivos de Simulação (*.smp)|*.smp|Todos os Arquivos (*.*)|*.*");
}

TEST_F(LifeCycleMenus, TheCurrentFolderBecomesTheWorkingFolderAndTheDialogsStartThere) {
    QString before = QDir::currentPath();
    ASSERT_TRUE(QDir(start.path()).mkdir("dados"));
    platform.choices = {File("dados")};
    Menu("Pastacorrente1");
    EXPECT_EQ(QDir::currentPath(), QDir(File("dados")).canonicalPath());
    QDir::setCurrent(before);
    Menu("SalvarComo1");
    EXPECT_EQ(platform.dialogs.back().folder, File("dados"));
}

TEST_F(ExampleGallery, TheGalleryHidesTheProjectMenusAndAnExampleIsSavedOnlyWithSaveAs) {
    int galleryShown = 0;
    app->windows().Command(kGalleryCommand, [&galleryShown](AppContext&) { ++galleryShown; });
    Menu("Novo1");
    Menu("Exemplos1");
    EXPECT_EQ(galleryShown, 1);
    EXPECT_TRUE(app->mainModel().menus.gallery);
    for (const char* entry : {"Salvar1", "Exemplos1", "Configurao2", "Variveis1", "Opes1"})
        EXPECT_FALSE(main().Entry(entry)->isVisible()) << entry;
    EXPECT_TRUE(main().Entry("Arquivo1")->isVisible());
    EXPECT_TRUE(main().Entry("Sobre1")->isVisible());

    ASSERT_TRUE(OpenExample(app->context(), "sim18"));
    EXPECT_FALSE(main().Entry("Salvar1")->isVisible());
    EXPECT_TRUE(main().Entry("SalvarComo1")->isVisible());
    EXPECT_TRUE(main().Entry("Configurao2")->isVisible());
    EXPECT_FALSE(app->mainModel().menus.gallery);
    EXPECT_EQ(QString::fromStdString(project().fileName().string()),
              QDir(VORK_SOURCE_DIR).filePath("examples/basic flow loop/basic flow loop.smp"));
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(LifeCycleMenus, AMissingExampleSaysFileNotFound) {
    EXPECT_FALSE(OpenExample(app->context(), "sim1"));
    EXPECT_EQ(platform.messages, QStringList{"Arquivo não encontrado"});
}

}  // namespace
}  // namespace vork::test
