#include <QGroupBox>
#include <QLabel>

#include "app/project/life_cycle_commands.h"
#include "app/project/life_cycle_fixture.h"
#include "app/project/tdialogos.h"
#include "app/window_texts.h"

namespace vork::test {
namespace {

// A window none of the life cycle knows: the switch reaches it through the table it applied.
constexpr std::array<WindowText, 2> kStrangerTexts = {{
    {"caption", "Estranho", "Stranger"},
    {"Rotulo", "Olá", "Hello"},
}};

class StartUp : public LifeCycleTest {
  protected:
    TDialogos& variableList() {
        return *static_cast<TDialogos*>(app->windows().Window(PermanentWindow::VariableList));
    }
    void WritePreferences(const QByteArray& bytes) {
        QFile file(File("preferences.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(StartUp, TheFirstStartAsksAndEnglishReachesEveryWindow) {
    QWidget stranger;
    auto* label = new QLabel(&stranger);
    label->setObjectName("Rotulo");
    ApplyWindowTexts(stranger, kStrangerTexts, Language::Portuguese);

    platform.answers = {true};
    FinishStartUp(app->context());
    ASSERT_EQ(platform.questions.size(), 1);
    EXPECT_EQ(platform.questions[0],
              "Portuguese is the current language. Do you wish to convert to english? (Converter "
              "textos inglês?)");
    EXPECT_EQ(Read("preferences.cfg"), "<language> English\r\n");
    EXPECT_EQ(main().Entry("Arquivo1")->text(), "File");
    EXPECT_EQ(SavedCaption(), "I´m saved!");
    EXPECT_TRUE(main().Entry("English1")->isChecked());
    EXPECT_EQ(InMain<QGroupBox>("PainelComando")->title(), "Command Panel");
    EXPECT_EQ(config().windowTitle(), "General Configuration");
    EXPECT_EQ(InConfig<QCheckBox>("CheckBox1")->text(), "<empty> Controller 1");
    EXPECT_EQ(variableList().windowTitle(), "Variable List");
    EXPECT_EQ(Find<QPushButton>(variableList(), "Atualiza")->text(), "Refresh");
    EXPECT_EQ(stranger.windowTitle(), "Stranger");
    EXPECT_EQ(label->text(), "Hello");
    EXPECT_TRUE(app->mainModel().menus.gallery);

    Menu("Novo1");  // the recreated windows keep English
    EXPECT_EQ(config().windowTitle(), "General Configuration");
}

TEST_F(StartUp, ALowerCaseEnglishKeepsPortugueseWithoutAQuestion) {
    WritePreferences("english\r\n");
    FinishStartUp(app->context());
    EXPECT_TRUE(platform.questions.isEmpty());
    EXPECT_EQ(main().Entry("Arquivo1")->text(), "Arquivo");
    EXPECT_TRUE(main().Entry("Portuguese1")->isChecked());
    EXPECT_EQ(Read("preferences.cfg"), "english\r\n");
}

TEST_F(StartUp, ChoosingALanguageWritesTheFileAndAsksForARestart) {
    WritePreferences("<language> Portuguese\r\n");
    FinishStartUp(app->context());
    Menu("English1");
    EXPECT_EQ(platform.messages, QStringList{"It is necessary restart application"});
    EXPECT_EQ(Read("preferences.cfg"), "<language> English\r\n");
    EXPECT_EQ(main().Entry("Arquivo1")->text(), "Arquivo");
    EXPECT_TRUE(main().Entry("Portuguese1")->isChecked());  // the mark stays
    Menu("Portuguese1");
    EXPECT_EQ(platform.messages.size(), 1);
}

}  // namespace
}  // namespace vork::test
