#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>

#include "app/support/app_fixture.h"
#include "app/workspace/marker_widgets.h"

namespace vork::test {
namespace {

// Switches, push buttons, sliders and shapes: enabled on the page "Comandos" or "Imagens
// Animadas", operated on the picture.
class OperatorInputs : public AppTest {
  protected:
    void SetUp() override {
        main().resize(1200, 800);
        main().show();
        config().ShowFromMain();
    }
    double Var(int address) { return project().sim.vars.Read(address); }
    bool Shown(const QString& name) {
        QWidget* widget = InMain(name);
        return widget && widget->isVisible();
    }
    // Replaces the text of a line edit as a user does: select all, type, press `key`.
    static void Type(QLineEdit* field, const QString& text, Qt::Key key = Qt::Key_Return) {
        ASSERT_NE(field, nullptr);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, key);
    }
};

TEST_F(OperatorInputs, SliderTakesATypedValueWithinItsRangeAndRestoresOtherwise) {
    project().sim.vars.SetAttribute(15, AttributeField::UeMax, "500");
    Click(InConfig<QCheckBox>("Ent1check"));
    for (const char* name : {"TrackBack1", "TrackLabel1", "TrackText1", "TrackBar1"})
        EXPECT_TRUE(Shown(name)) << name;
    auto* field = InMain<QLineEdit>("TrackText1");
    auto* bar = InMain<QSlider>("TrackBar1");
    ASSERT_TRUE(field && bar);
    EXPECT_EQ(bar->maximum(), 10000);
    EXPECT_EQ(bar->tickInterval(), 1000);

    Type(field, "125");
    EXPECT_EQ(Var(15), 25.0);
    EXPECT_EQ(bar->value(), 2500);
    EXPECT_EQ(field->text(), "125.00");
    Type(field, "600");
    EXPECT_EQ(field->text(), "125.00");
    EXPECT_EQ(Var(15), 25.0);
    Type(field, "7", Qt::Key_Escape);
    EXPECT_EQ(field->text(), "125.00");

    bar->setValue(5000);  // the operator drags the bar
    EXPECT_EQ(Var(15), 50.0);
    EXPECT_EQ(field->text(), "250.00");
}

TEST_F(OperatorInputs, SliderCaptionAndBarSettings) {
    Click(InConfig<QCheckBox>("Ent2Check"));
    auto* caption = InConfig<QLineEdit>("Ent2Label");
    ASSERT_TRUE(caption && caption->isEnabled());
    QTest::keyClicks(caption, "Vazao total");
    EXPECT_EQ(InMain<QLabel>("TrackLabel2")->text(), "Vazao total");
    EXPECT_EQ(project().sim.vars.Description(16), "Vazao total");
    EXPECT_EQ(InMain("TrackBack2")->width(), 7 * 11 + 75);
    EXPECT_EQ(InMain("TrackBar2")->width(), 7 * 11 + 63);
    Click(InConfig<QCheckBox>("Ent2Track"));
    EXPECT_FALSE(Shown("TrackBar2"));
    EXPECT_EQ(InMain("TrackBack2")->height(), 28);
    Click(InConfig<QCheckBox>("Ent2Check"));
    EXPECT_FALSE(Shown("TrackBack2"));
    EXPECT_FALSE(caption->isEnabled());
}

TEST_F(OperatorInputs, SwitchShowsItsValueAndAClickInvertsIt) {
    project().sim.vars.Write(11, 1.0);
    auto* type = InConfig<QComboBox>("Chave1Tipo");
    ASSERT_TRUE(type);
    EXPECT_FALSE(type->isEnabled());
    Click(InConfig<QCheckBox>("Chave1Check"));
    EXPECT_TRUE(type->isEnabled());
    EXPECT_TRUE(Shown("Chave1p2"));
    EXPECT_FALSE(Shown("Chave1p1"));
    EXPECT_EQ(InMain("Chave1p2")->toolTip(), "Saída em M11");
    QTest::mouseClick(InMain("Chave1p2"), Qt::LeftButton);
    EXPECT_EQ(Var(11), 0.0);
    EXPECT_TRUE(Shown("Chave1p1"));
    EXPECT_FALSE(Shown("Chave1p2"));
    EXPECT_TRUE(project().saved());
}

TEST_F(OperatorInputs, UncheckingButtonOneZeroesAllThree) {
    for (const char* name : {"Botao1_check", "Botao2_check", "Botao3_check"})
        Click(InConfig<QCheckBox>(name));
    auto* panel = InMain<QGroupBox>("PainelComando");
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->height(), 170);
    EXPECT_EQ(panel->title(), " Painel de Comando ");
    for (const char* name : {"Botao1_norm", "Botao2_norm", "Botao3_norm"})
        QTest::mouseClick(InMain(name), Qt::LeftButton);
    EXPECT_EQ(Var(97) + Var(98) + Var(99), 3.0);
    EXPECT_TRUE(Shown("botao1_press"));
    EXPECT_FALSE(Shown("Botao1_norm"));
    QTest::keyClicks(InConfig<QLineEdit>("Edit8"), " bomba");
    EXPECT_EQ(InMain<QLabel>("Botao1_label")->text(), "Descrição bomba");

    Tick(6);
    EXPECT_EQ(InMain<QLabel>("botao2_texto")->text(), "Texto para M98=1");
    Click(InConfig<QCheckBox>("Botao1_check"));
    EXPECT_EQ(Var(97) + Var(98) + Var(99), 0.0);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(InConfig<QCheckBox>("Botao2_check")->isEnabled());
    EXPECT_FALSE(InConfig<QLineEdit>("Edit4")->isEnabled());
}

TEST_F(OperatorInputs, RectangleGrowsUpwardsFromItsReferenceTop) {
    Click(InConfig<QCheckBox>("Imagem1Check"));
    auto* type = InConfig<QComboBox>("Imagem1Tipo");
    ASSERT_TRUE(type && type->isEnabled());
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Down);  // "Retângulo Tamanho Variável"
    auto* variable = InConfig<QComboBox>("Imagem1Var");
    variable->lineEdit()->selectAll();
    QTest::keyClicks(variable->lineEdit(), "5");
    EXPECT_EQ(InConfig<QLineEdit>("Imagem1Tamanho")->text(), "50");
    project().sim.vars.Write(5, 25.0);
    Tick(6);
    QWidget* shape = InMain("Shape1");
    ASSERT_TRUE(shape && shape->isVisible());
    int referenceTop = project().workspace.shapes[0].referenceTop;
    EXPECT_EQ(shape->height(), 25);
    EXPECT_EQ(shape->y(), referenceTop + 75);
    EXPECT_EQ(shape->width(), 50);
}

TEST_F(OperatorInputs, CircleChangesColourAtTheDisplayRefresh) {
    Click(InConfig<QCheckBox>("Imagem2Check"));
    QWidget* shape = InMain("Shape2");
    ASSERT_TRUE(shape);
    EXPECT_EQ(shape->size(), QSize(50, 50));
    project().sim.vars.Write(1, 0.001);
    Tick(6);
    QImage picture = shape->grab().toImage();
    EXPECT_EQ(picture.pixelColor(picture.rect().center()), QColor(0, 255, 0));
}

}  // namespace
}  // namespace vork::test
