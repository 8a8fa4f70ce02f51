#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include "app/engine/tbloco.h"
#include "app/support/app_fixture.h"
#include "plant/calc_block.h"

namespace vork::test {
namespace {

constexpr ObjectRef kBlock1{ObjectKind::Calc, 1};

// The calculation block's window, opened as its marker opens it.
class CalcBlockForm : public AppTest {
  protected:
    void SetUp() override {
        project().Fill(kBlock1);
        project().MarkSaved();
        app->windows().Show(kBlock1);
        window = static_cast<TBloco*>(app->windows().Find(kBlock1));
        ASSERT_TRUE(window);
    }
    template <class T = QWidget>
    T* In(const QString& name) {
        return Find<T>(*window, name);
    }
    void Type(const QString& field, const QString& text) {
        auto* edit = In<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    TBloco* window = nullptr;
};

TEST_F(CalcBlockForm, AnEditMustBeAppliedBeforeLeaving) {
    EXPECT_EQ(In<QLabel>("Label1")->text(), "M41=");
    EXPECT_EQ(In<QLabel>("Label6")->text(), "0.00");
    EXPECT_FALSE(In<QPushButton>("btnatualiza")->isEnabled());
    Type("FuncaoTr", "M05*2");
    EXPECT_TRUE(In<QPushButton>("btnatualiza")->isEnabled());
    EXPECT_FALSE(In<QPushButton>("SairButton")->isEnabled());
    window->close();
    EXPECT_TRUE(window->isVisible());

    project().sim.vars.Write(5, 21.0);
    Tick();
    EXPECT_EQ(project().sim.vars.Read(41), 0.0);  // the applied function is still empty
    QTest::mouseClick(In<QPushButton>("btnatualiza"), Qt::LeftButton);
    EXPECT_FALSE(project().saved());
    EXPECT_TRUE(In<QPushButton>("SairButton")->isEnabled());
    Tick();
    Tick();
    EXPECT_EQ(In<QLabel>("Label6")->text(), "42.00");
    QTest::mouseClick(In<QPushButton>("SairButton"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CalcBlockForm, InvalidItemsAreReportedInOrderAndKeepTheButton) {
    Type("FuncaoTr", "M05$");
    Click(In<QCheckBox>("LimSupCheck"));
    Type("LimSupText", "#");
    EXPECT_TRUE(project().Object<CalcBlock>(kBlock1).fields.LimSupCheck);
    QTest::mouseClick(In<QPushButton>("btnatualiza"), Qt::LeftButton);
    EXPECT_EQ(platform.messages,
              QStringList({"Bloco 41: Função inválida", "Bloco 41: Limite Superior inválido"}));
    EXPECT_TRUE(In<QPushButton>("btnatualiza")->isEnabled());
    EXPECT_TRUE(project().saved());
}

TEST_F(CalcBlockForm, AnOfflineRunLeavesTheResultLabelAsItWas) {
    project().Edit<CalcBlock>(
        kBlock1, [](CalcBlock& b) { b.fields.FuncaoTr = "M05*2"; }, Modifies::No);
    project().Apply(kBlock1);
    project().sim.vars.Write(5, 21.0);
    Tick();
    EXPECT_EQ(In<QLabel>("Label6")->text(), "42.00");
    project().sim.vars.Write(5, 10.0);
    project().RunXYSweep();
    EXPECT_EQ(project().sim.vars.Read(41), 20.0);
    EXPECT_EQ(In<QLabel>("Label6")->text(), "42.00");
    Tick();
    EXPECT_EQ(In<QLabel>("Label6")->text(), "20.00");
}

TEST_F(CalcBlockForm, EnglishCaptionsOnActivationInEnglishMode) {
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activate);
    EXPECT_EQ(window->windowTitle(), "Bloco de Cálculo");
    project().sim.language = Language::English;
    QApplication::sendEvent(window, &activate);
    EXPECT_EQ(window->windowTitle(), "Calculations Block");
    EXPECT_EQ(In<QLabel>("Label2")->text(), "Function");
    EXPECT_EQ(In<QLineEdit>("LimInfText")->toolTip(), "Output Lower Limit");
}

TEST_F(CalcBlockForm, DeletingTheSlotTakesTheWindowEvenWithAnEditPending) {
    Type("FuncaoTr", "M05");
    QPointer<TBloco> open = window;
    project().Empty(kBlock1);
    EXPECT_TRUE(open.isNull());
    Tick();
}

TEST_F(CalcBlockForm, HelpOpensTheBlocksPage) {
    QTest::mouseClick(In<QToolButton>("SpeedButton1"), Qt::LeftButton);
    ASSERT_EQ(platform.webAddresses.size(), 1);
    EXPECT_TRUE(platform.webAddresses[0].endsWith("/?page_id=55#bloco_calculo"));
}

}  // namespace
}  // namespace vork::test
