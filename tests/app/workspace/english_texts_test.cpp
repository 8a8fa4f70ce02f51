#include <QGroupBox>

#include "app/support/app_fixture.h"

namespace vork::test {
namespace {

// The texts of both windows in each language, from their tables.
class PortugueseTexts : public AppTest {};

class EnglishTexts : public AppTest {
  protected:
    EnglishTexts() : AppTest(Language::English) {}
};

TEST_F(PortugueseTexts, MenusPanelsAndPages) {
    EXPECT_EQ(main().Entry("Arquivo1")->text(), "Arquivo");
    EXPECT_EQ(main().Entry("Configurao2")->text(), "Configuração");
    EXPECT_EQ(main().Entry("PausarSimulao2")->text(), "Pausar Simulação");
    for (const char* hidden : {"Salvar1", "SalvarComo1", "Exemplos1", "Configurao2", "Configurao1",
                               "Dese1", "Variveis1", "RegistradorXY1", "Opes1"})
        EXPECT_FALSE(main().Entry(hidden)->isVisible()) << hidden;
    for (const char* shown : {"Arquivo1", "Sobre1", "Novo1", "Sobre3"})
        EXPECT_TRUE(main().Entry(shown)->isVisible()) << shown;
    EXPECT_TRUE(main().Entry("Portuguese1")->isChecked());
    EXPECT_EQ(config().windowTitle(), "Configuração Geral");
    EXPECT_EQ(InConfig<QCheckBox>("CheckBox46")->text(), "<vago>Texto Animado 1");
    EXPECT_EQ(InConfig<QCheckBox>("Botao2_check")->text(), "Botão 2 (Saída em M98)");
    EXPECT_EQ(InConfig<QLineEdit>("Edit2")->text(), "Texto para M97=0");
    EXPECT_FALSE(InConfig<QComboBox>("ComboBox2")->isEnabled());
    EXPECT_EQ(InConfig<QComboBox>("ComboBox2")->currentText(), "100 ms");
    EXPECT_EQ(InConfig<QLineEdit>("Lin1EndSai")->text(), "M13");
    EXPECT_FALSE(InConfig<QLineEdit>("Lin1EndSai")->isEnabled());
}

TEST_F(EnglishTexts, MenusPanelsAndPages) {
    EXPECT_EQ(main().Entry("Arquivo1")->text(), "File");
    EXPECT_EQ(main().Entry("Variveis1")->text(), "Variables List");
    EXPECT_EQ(main().Entry("ExcluirObjetos")->text(), "Exclude Objects");
    EXPECT_EQ(main().Entry("VdeoAulas1")->text(), "Vídeo Aulas");
    EXPECT_EQ(main().Entry("Salvar1")->text(), "I´m saved!");
    EXPECT_TRUE(main().Entry("English1")->isChecked());
    EXPECT_EQ(InMain<QGroupBox>("PainelComando")->title(), "Command Panel");
    EXPECT_EQ(InMain<QLabel>("Label21")->text(), "Click here for aditional informations");

    EXPECT_EQ(config().windowTitle(), "General Configuration");
    auto* pages = InConfig<QTabWidget>("NoteBook1");
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->tabText(2), "Calc Blocks");
    EXPECT_EQ(pages->tabText(5), "Animated Shapes");
    EXPECT_EQ(InConfig<QCheckBox>("CheckBox1")->text(), "<empty> Controller 1");
    EXPECT_EQ(InConfig<QCheckBox>("CheckBox91")->text(), "<empty>Animated Text20");
    EXPECT_EQ(InConfig<QCheckBox>("Chave2Check")->text(), "Switch 2    Type:");
    auto* orientation = InConfig<QComboBox>("Chave1Tipo");
    ASSERT_TRUE(orientation);
    EXPECT_EQ(orientation->itemText(1), "to right");  // its second set still points up
    EXPECT_EQ(InConfig<QComboBox>("Imagem3Tipo")->itemText(0), "Cilcle with variable color");
    EXPECT_EQ(InConfig<QLineEdit>("Edit7")->text(), "Text when M99=1");
    EXPECT_EQ(InConfig<QLineEdit>("Edit10")->text(), "Description");
    EXPECT_EQ(InConfig<QLabel>("Label31")->text(), "Output Ad.:");
}

}  // namespace
}  // namespace vork::test
