#include <QHeaderView>

#include "app/project/life_cycle_fixture.h"
#include "app/project/tdialogos.h"
#include "plant/process_block.h"
#include "project/project.h"

namespace vork::test {
namespace {

class VariableListWindowTest : public LifeCycleTest {
  protected:
    VariableListWindowTest() {
        Menu("Novo1");
        Menu("Variveis1");
        list = static_cast<TDialogos*>(app->windows().Window(PermanentWindow::VariableList));
        grid = Find<QTableWidget>(*list, "ListaVar");
        QApplication::processEvents();  // laid out, so that its cells can be edited
    }
    // Types `text` into the cell of model column `column` and presses `key`.
    void Type(int row, int column, const QString& text, Qt::Key key = Qt::Key_Return) {
        grid->setCurrentCell(row - 1, column - 1);
        grid->editItem(grid->item(row - 1, column - 1));
        QWidget* editor = QApplication::focusWidget();
        ASSERT_TRUE(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, key);
        QApplication::processEvents();  // the editor closed
    }
    QString Shown(int row, int column) { return grid->item(row - 1, column - 1)->text(); }
    const VariableAttributes& M21() { return project().sim.vars.Attributes(21); }

    TDialogos* list = nullptr;
    QTableWidget* grid = nullptr;
};

TEST_F(VariableListWindowTest, ShowsTheRowsAndRefreshesOnShowing) {
    ASSERT_TRUE(grid);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->windowTitle(), "Lista de Variáveis");
    EXPECT_EQ(grid->verticalHeaderItem(0)->text(), "M21");
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Tipo");
    auto* control = Find<QTableWidget>(*list, "ListaVar2");
    EXPECT_EQ(control->rowCount(), 75);
    EXPECT_EQ(control->verticalHeaderItem(16)->text(), "M01");
    EXPECT_EQ(Shown(1, VariableListWindow::Value), "0.00");
    EXPECT_FALSE(grid->item(0, 0)->flags() & Qt::ItemIsEditable);

    project().sim.vars.Write(21, 42.5);
    project().Fill({ObjectKind::Process, 1});
    project().Edit<ProcessBlock>(
        {ObjectKind::Process, 1}, [](ProcessBlock& p) { p.fields.TagText = "FIC-101"; },
        Modifies::No);
    QTest::mouseClick(Find<QPushButton>(*list, "Atualiza"), Qt::LeftButton);
    EXPECT_EQ(Shown(1, VariableListWindow::Value), "42.50");
    EXPECT_EQ(Shown(1, VariableListWindow::Role), "FIC-101");
}

TEST_F(VariableListWindowTest, ALoadShowsTheNewCatalogue) {
    Project saved;
    saved.sim.vars.SetAttribute(21, AttributeField::Unit, "m3/h");
    ASSERT_TRUE(saved.Save(File("vazao.smp").toStdString()).ok());
    platform.choices = {File("vazao.smp")};
    Menu("Abrir1");
    EXPECT_EQ(Shown(1, VariableListWindow::Unit), "m3/h");
}

TEST_F(VariableListWindowTest, AnUpsideDownRangeIsRefusedAnEqualOneStoredAlsoAsLie) {
    Type(1, VariableListWindow::UeMin, "120");
    EXPECT_EQ(Shown(1, VariableListWindow::UeMin), "0.00");
    EXPECT_EQ(M21().ueMin, "0.00");
    Type(1, VariableListWindow::UeMin, "100");
    EXPECT_EQ(Shown(1, VariableListWindow::UeMin), "100");
    EXPECT_EQ(M21().ueMin, "100");
    EXPECT_EQ(M21().lie, "100");
    QTest::mouseClick(Find<QPushButton>(*list, "Sair"), Qt::LeftButton);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(Shown(1, VariableListWindow::Lie), "100");
}

TEST_F(VariableListWindowTest, EscapeRestoresTheCell) {
    Type(2, VariableListWindow::Unit, "bar", Qt::Key_Escape);
    EXPECT_EQ(Shown(2, VariableListWindow::Unit), "%");
    EXPECT_EQ(project().sim.vars.Attributes(22).unit, "%");
}

TEST_F(VariableListWindowTest, TheHelpButtonOpensItsPageWithoutTheInternetCheck) {
    platform.internet = false;
    QTest::mouseClick(Find<QToolButton>(*list, "SpeedButton3"), Qt::LeftButton);
    ASSERT_EQ(platform.webAddresses.size(), 1);
    EXPECT_TRUE(platform.webAddresses[0].endsWith("/?page_id=70/#mapa_variaveis"));
    EXPECT_TRUE(platform.messages.isEmpty());
}

}  // namespace
}  // namespace vork::test
