#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QWindow>

#include "app/loops/tprocesso.h"
#include "app/support/app_fixture.h"
#include "plant/process_block.h"

namespace vork::test {
namespace {

constexpr ObjectRef kProcess1{ObjectKind::Process, 1};

// Process block 1 on the workspace, its window opened from its marker.
class ProcessWindowTest : public AppTest {
  protected:
    explicit ProcessWindowTest(Language language = Language::Portuguese) : AppTest(language) {}

    void SetUp() override {
        main().resize(1000, 700);
        main().show();
        config().model().CheckBoxClick(kProcess1, true);
        project().WorkspaceRefresh();
        project().MarkSaved();
        QTest::mouseClick(InMain<QPushButton>("Proce1"), Qt::LeftButton);
        window = static_cast<TProcesso*>(app->windows().Find(kProcess1));
        ASSERT_NE(window, nullptr);
    }

    template <class T = QWidget>
    T* In(const QString& name) {
        return Find<T>(*window, name);
    }
    // Replaces a field's text as typed, accented letters included.
    void Type(const QString& name, const QString& text) {
        QLineEdit* edit = In<QLineEdit>(name);
        ASSERT_TRUE(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (QChar c : text) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &key);
        }
    }
    // An item picked from a list.
    void Choose(const QString& name, int index) {
        auto* list = In<QComboBox>(name);
        ASSERT_TRUE(list);
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    void Atualizar() { QTest::mouseClick(In<QPushButton>("btnatualiza"), Qt::LeftButton); }
    QString Text(const QString& label) { return In<QLabel>(label)->text(); }
    bool Shown(const QString& name) { return In(name)->isVisibleTo(window); }
    const ProcessBlock& block() { return project().Object<ProcessBlock>(kProcess1); }

    TProcesso* window = nullptr;
};

TEST_F(ProcessWindowTest, OpensFromItsMarkerNewAndWaitingForAtualizar) {
    EXPECT_TRUE(window->isVisible());
    ASSERT_TRUE(window->windowHandle());
    EXPECT_EQ(window->windowHandle()->transientParent(), main().windowHandle()) << "on top of it";
    QPoint off = window->frameGeometry().center() - window->screen()->availableGeometry().center();
    EXPECT_LE(off.manhattanLength(), 2) << "centred on the screen";
    EXPECT_EQ(window->windowTitle(), "Processo");
    EXPECT_EQ(Text("Label40"), "Entrada (%):");
    EXPECT_EQ(Text("Label36"), "0.00");
    EXPECT_EQ(In<QLineEdit>("GanhoText")->text(), "1");
    EXPECT_EQ(In<QLineEdit>("LText")->text(), "10");
    EXPECT_EQ(In<QComboBox>("EntradaSelect")->count(), 99);
    EXPECT_EQ(In<QComboBox>("ComboBox2")->currentText(), "Ordem 2 Sobreamortecido");
    EXPECT_EQ(In<QComboBox>("ComboBox1")->currentText(), "Linear");
    EXPECT_EQ(In("EntradaSelect")->toolTip(), "Seleciona Endereço da Variável de Entrada do Bloco");
    EXPECT_TRUE(In<QPushButton>("btnatualiza")->isEnabled());
    EXPECT_TRUE(In<QPushButton>("SairButton")->isEnabled());
    EXPECT_TRUE(Shown("GroupPVC"));
    EXPECT_FALSE(Shown("GroupBox2"));

    QTest::mouseClick(In<QToolButton>("SpeedButton1"), Qt::LeftButton);
    ASSERT_EQ(platform.webAddresses.size(), 1);
    EXPECT_TRUE(platform.webAddresses[0].endsWith("/?page_id=55#bloco_processo"));
}

TEST_F(ProcessWindowTest, TypedParametersApplyAndMarkTheProjectModified) {
    Type("TagText", "FT-101");
    EXPECT_TRUE(project().saved()) << "an edit alone does not mark modified";
    EXPECT_FALSE(In<QPushButton>("SairButton")->isEnabled());
    Type("DescricaoText", "Vazão de vapor");
    Type("GanhoText", "2,5");
    Type("LText", "4");
    EXPECT_EQ(block().fields.LText, "4") << "a live expression acts at once";
    EXPECT_EQ(block().latched.gainExpression, "") << "the gain waits for Atualizar";

    Atualizar();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('\n').toStdString();
    EXPECT_EQ(block().latched.gainExpression, "2,5");
    EXPECT_EQ(Text("Label9"), "FT-101 Vazão de vapor");
    EXPECT_EQ(Text("Label22"), "(M21)");
    EXPECT_EQ(Text("Label2"), "(M101)");
    EXPECT_EQ(window->windowTitle(), "Vazão de vapor");
    EXPECT_FALSE(In<QPushButton>("btnatualiza")->isEnabled());
    EXPECT_TRUE(In<QPushButton>("SairButton")->isEnabled());
    EXPECT_FALSE(project().saved());
    EXPECT_EQ(project().sim.vars.Description(21), "Vazão de vapor");
    EXPECT_EQ(InMain<QPushButton>("Proce1")->text(), "FT-101") << "the markers were refreshed";
}

TEST_F(ProcessWindowTest, ARefusedDeadTimeIsReportedAndChangesNothingShown) {
    Type("TagText", "LT-7");
    Type("TempoMorto", "-1");
    Type("Histerese", "abc");
    Atualizar();
    EXPECT_EQ(platform.messages, QStringList({"Processo 21: Tempo Morto inválido",
                                              "Processo 21: Histerese inválida"}));
    EXPECT_EQ(Text("Label9"), "");
    EXPECT_EQ(Text("Label22"), "");
    EXPECT_EQ(window->windowTitle(), "Processo");
    EXPECT_TRUE(In<QPushButton>("btnatualiza")->isEnabled());
    EXPECT_FALSE(In<QPushButton>("SairButton")->isEnabled());
    EXPECT_TRUE(project().saved());

    platform.messages.clear();
    Type("TempoMorto", "3");
    Type("Histerese", "0.5");
    Atualizar();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('\n').toStdString();
    EXPECT_EQ(Text("Label9"), "LT-7 " + QString::fromStdString(project().sim.vars.Description(21)));
}

TEST_F(ProcessWindowTest, TransferTypeShowsItsGroupOnlyAndTheIntegratorTakesItsStart) {
    Atualizar();
    Choose("ComboBox2", kLeadLag);
    EXPECT_EQ(block().fields.transferType, kLeadLag);
    EXPECT_TRUE(Shown("GroupLEADLAG"));
    EXPECT_FALSE(Shown("GroupPVC"));
    EXPECT_FALSE(In<QPushButton>("SairButton")->isEnabled());
    Atualizar();

    Choose("ComboBox2", kIntegrator);
    EXPECT_TRUE(Shown("GroupBox2"));
    EXPECT_TRUE(Shown("ValorInicialText"));
    EXPECT_TRUE(Shown("Label35"));
    for (const char* other : {"GroupPVC", "GroupOrdem2", "GroupLEADLAG"})
        EXPECT_FALSE(Shown(other)) << other;
    Atualizar();
    Type("ValorInicialText", "25");
    EXPECT_TRUE(block().state.InitPending);
    EXPECT_TRUE(In<QPushButton>("btnatualiza")->isEnabled());
    EXPECT_TRUE(In<QPushButton>("SairButton")->isEnabled()) << "the start value leaves exit alone";
    Atualizar();
    EXPECT_FALSE(block().state.InitPending);
    EXPECT_EQ(block().latched.type, kIntegrator);
    EXPECT_DOUBLE_EQ(block().state.transfer.Y1old, 25.0);
}

TEST_F(ProcessWindowTest, GainCurveAndClampChoicesGoToTheBlock) {
    Choose("ComboBox1", 2);
    EXPECT_EQ(block().fields.gainCurve, 2);
    EXPECT_FALSE(In<QPushButton>("SairButton")->isEnabled());
    Click(In<QCheckBox>("CheckBox1"));
    EXPECT_TRUE(block().fields.clampDisabled);
    Atualizar();
    EXPECT_EQ(block().latched.actuator.curve, 2);
    EXPECT_EQ(In<QComboBox>("ComboBox1")->currentText(), "Curva Igual Porcentagem");
}

TEST_F(ProcessWindowTest, InputListIsRebuiltOnEntryAndSelectsTheInput) {
    project().sim.vars.SetDescription(7, "Vazão medida");
    auto* input = In<QComboBox>("EntradaSelect");
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(input, &focus);
    EXPECT_EQ(input->itemText(6), "07 Vazão medida");
    EXPECT_EQ(input->currentIndex(), 0) << "the selection survives the rebuild";
    Choose("EntradaSelect", 6);
    Atualizar();
    EXPECT_EQ(block().latched.input, 7);
}

TEST_F(ProcessWindowTest, LiveValuesFollowTheDisplayRefreshWhileOpen) {
    Type("LText", "0");
    Atualizar();
    project().sim.vars.Write(1, 12.345);
    Tick(1);
    EXPECT_EQ(Text("Label36"), "0.00") << "only the display refresh repaints";
    Tick(5);
    EXPECT_EQ(Text("Label36"), "12.35");
    EXPECT_EQ(Text("Label26"), "12.35");
    EXPECT_EQ(Text("Label12"), "12.35");

    QTest::mouseClick(In<QPushButton>("SairButton"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    project().sim.vars.Write(1, 50.0);
    Tick(12);
    EXPECT_EQ(Text("Label36"), "12.35") << "a closed window is not repainted";
    QTest::mouseClick(InMain<QPushButton>("Proce1"), Qt::LeftButton);
    EXPECT_EQ(app->windows().Find(kProcess1), window) << "shown again, not a new one";
    EXPECT_EQ(Text("Label36"), "50.00");
}

TEST_F(ProcessWindowTest, ReactivationKeepsATypedDescription) {
    Type("DescricaoText", "digitada");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activate);
    EXPECT_EQ(In<QLineEdit>("DescricaoText")->text(), "digitada");
}

TEST_F(ProcessWindowTest, ClosingRefreshesTheMarkersWithTheTypedTag) {
    Type("TagText", "TT-9");
    EXPECT_EQ(InMain<QPushButton>("Proce1")->text(), "");
    window->close();  // the system menu, edits pending
    EXPECT_EQ(InMain<QPushButton>("Proce1")->text(), "TT-9");
    EXPECT_TRUE(project().saved());
}

TEST_F(ProcessWindowTest, EmptyingTheSlotClosesTheWindow) {
    project().Empty(kProcess1);
    EXPECT_EQ(app->windows().Find(kProcess1), nullptr);
}

TEST_F(ProcessWindowTest, ALoadedBlockOpensAppliedWithItsTypeGroup) {
    ASSERT_TRUE(app->Open(VORK_SOURCE_DIR "/examples/reactor/reactor.smp"));
    EXPECT_EQ(app->windows().Find(kProcess1), nullptr) << "closed with the old project";
    QTest::mouseClick(InMain<QPushButton>("proce3"), Qt::LeftButton);
    window = static_cast<TProcesso*>(app->windows().Find({ObjectKind::Process, 3}));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(Shown("GroupBox2"));
    EXPECT_FALSE(Shown("GroupPVC"));
    EXPECT_FALSE(In<QPushButton>("btnatualiza")->isEnabled());
    EXPECT_TRUE(In<QPushButton>("SairButton")->isEnabled());
    EXPECT_EQ(Text("Label22"), "(M23)");
    EXPECT_EQ(window->windowTitle(), QString::fromStdString(project().sim.vars.Description(23)));
}

class EnglishProcessWindow : public ProcessWindowTest {
  protected:
    EnglishProcessWindow() : ProcessWindowTest(Language::English) {}
};

TEST_F(EnglishProcessWindow, TheFirstActivationTranslates) {
    EXPECT_EQ(window->windowTitle(), "Process");
    EXPECT_EQ(Text("Label20"), "Gain:");
    EXPECT_EQ(In<QPushButton>("btnatualiza")->text(), "Refresh");
    EXPECT_EQ(In<QGroupBox>("GroupBox2")->title(), "Integrator process");
    EXPECT_EQ(In<QComboBox>("ComboBox2")->itemText(3), "Integrator");
    EXPECT_EQ(In<QComboBox>("ComboBox1")->itemText(1), "Quick Open Curve");
    EXPECT_EQ(In("SairButton")->toolTip(), "Exit");
    EXPECT_EQ(Text("Label5"), "Saída(%):") << "untranslated captions stay";
    EXPECT_EQ(In("Label8")->toolTip(), "Seleciona Endereço da Variável de Entrada do Bloco");

    Type("DescricaoText", "Level");
    Atualizar();
    EXPECT_EQ(window->windowTitle(), "Level") << "then the caption follows the description";
}

}  // namespace
}  // namespace vork::test
