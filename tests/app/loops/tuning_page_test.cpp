#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "app/loops/tcontrolador.h"
#include "app/loops/tsintonia.h"
#include "app/support/app_fixture.h"
#include "support/tuning_plants.h"

namespace vork::test {
namespace {

constexpr ObjectRef kLoop1{ObjectKind::Controller, 1};

// The test plant (gain 2, T 5 s, dead time 2 s, loop 1 in manual at 30 %) open in the program.
class TuningPageTest : public AppTest {
  protected:
    explicit TuningPageTest(Language language = Language::Portuguese) : AppTest(language) {
        PlantSpec plantSpec;
        plantSpec.T1 = "5";
        plantSpec.deadTime = "2";
        EXPECT_TRUE(project().LoadBytes(PlantBytes(plantSpec), "plant").ok());
    }
    // The page from its menu entry.
    TSintonia* Open() {
        app->windows().Trigger("Sintonia1");
        for (const WindowRegistry::Entry& e : app->windows().Windows())
            if (e.className == "TSintonia") return static_cast<TSintonia*>(e.window);
        ADD_FAILURE() << "no tuning page";
        return nullptr;
    }
    // The student's step: 10 s at rest, the output typed from 30 to 40 % in manual, 35 s more.
    void StepInManual() {
        Tick(100);
        project().Edit<Controller>(
            kLoop1, [](Controller& c) { c.EnterOutput(40); }, Modifies::No);
        Tick(350);
    }
    static void Press(QWidget* page, const char* button) {
        auto* b = Find<QPushButton>(*page, button);
        ASSERT_TRUE(b && b->isEnabled()) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static QString Cell(QTableWidget* table, int row, int column) {
        return table->item(row, column)->text();
    }
    const Controller& loop() { return project().Object<Controller>(kLoop1); }
};

TEST_F(TuningPageTest, FitsTheStepRecordedOnTheTrend) {
    StepInManual();
    TSintonia* page = Open();
    ASSERT_TRUE(page && page->isVisible());
    EXPECT_EQ(page->windowTitle(), "Sintonia - PIC-1");
    EXPECT_FALSE(Find<QPushButton>(*page, "CopiarBTN")->isEnabled());
    Press(page, "CapturarBTN");
    ASSERT_EQ(page->model().data().size(), 450u);
    size_t automatic = page->model().cursor();
    EXPECT_LT(automatic, 100u);  // before the step, the 101st sample

    // A click on the plot a fifth of the way along, 9 s: the fit starts there.
    auto* plot = Find<TuningPlot>(*page, "TuningPlot");
    int left = 30, width = plot->width() - left - 4;
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(left + width / 5, 20));
    EXPECT_NEAR(static_cast<double>(page->model().cursor()), 90, 1);

    Press(page, "IdentificarBTN");
    EXPECT_TRUE(Find<QPushButton>(*page, "CancelarBTN")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(*page, "IdentificarBTN")->isEnabled());
    page->WaitForWork();
    auto* model = Find<QGroupBox>(*page, "ModeloGroup");
    QList<QLabel*> labels = model->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 10);
    EXPECT_EQ(labels[2]->text(), "Ganho (%/%)");
    EXPECT_NEAR(labels[3]->text().toDouble(), 2.0, 0.1);
    EXPECT_NEAR(labels[5]->text().toDouble(), 5.0, 0.5);
    EXPECT_NEAR(labels[7]->text().toDouble(), 2.0, 0.3);
    auto* table = Find<QTableWidget>(*page, "SugestoesGrid");
    ASSERT_EQ(table->rowCount(), 8);
    EXPECT_EQ(table->horizontalHeaderItem(5)->text(), "IEMA (%)");
    for (int r = 1; r < table->rowCount(); ++r)
        EXPECT_LE(Cell(table, r - 1, 5).toDouble(), Cell(table, r, 5).toDouble());
    EXPECT_EQ(Find<QProgressBar>(*page, "ProgressBar1")->value(), 100);
    EXPECT_FALSE(Find<QPushButton>(*page, "CancelarBTN")->isEnabled());
    EXPECT_EQ(page->model().curve.size(), 450u - 90);
}

TEST_F(TuningPageTest, CopiesTheChosenSetIntoTheFields) {
    StepInManual();
    TSintonia* page = Open();
    ASSERT_TRUE(page);
    Press(page, "IdentificarBTN");  // captures the trend on the way
    page->WaitForWork();
    auto* table = Find<QTableWidget>(*page, "SugestoesGrid");
    ASSERT_GE(table->rowCount(), 2);
    QRect second = table->visualItemRect(table->item(1, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    EXPECT_EQ(page->model().chosen, 1);
    double latched = loop().tuning.Kc;
    Press(page, "CopiarBTN");
    EXPECT_EQ(QString::fromStdString(loop().fields.KpText), Cell(table, 1, 2));
    EXPECT_EQ(QString::fromStdString(loop().fields.KiText), Cell(table, 1, 3));
    EXPECT_EQ(QString::fromStdString(loop().fields.KdText), Cell(table, 1, 4));
    EXPECT_EQ(loop().tuning.Kc, latched);  // "Atualizar" latches them
    EXPECT_TRUE(project().saved());
    EXPECT_TRUE(Find<QLabel>(*page, "StatusLabel")->text().contains("Atualizar"));

    // Through the controller window, when it routes the copy.
    std::vector<std::string> routed;
    page->SetFieldEditor([&](const std::function<void(ControllerFields&)>& edit) {
        ControllerFields fields;
        edit(fields);
        routed.push_back(fields.KpText);
    });
    Press(page, "CopiarBTN");
    EXPECT_EQ(routed, std::vector<std::string>{loop().fields.KpText});
}

TEST_F(TuningPageTest, FromTheMenuEntryTheLoopIsChosenFromAList) {
    project().Fill({ObjectKind::Controller, 3});
    TSintonia* page = Open();
    ASSERT_TRUE(page);
    auto* loops = Find<QComboBox>(*page, "MalhaBox");
    ASSERT_TRUE(loops->isVisible());
    ASSERT_EQ(loops->count(), 2);
    EXPECT_EQ(loops->itemText(0), "PIC-1");
    EXPECT_EQ(page->model().ref().slot, 1);
    loops->setCurrentIndex(1);
    Q_EMIT loops->activated(1);
    EXPECT_EQ(page->model().ref().slot, 3);
    project().Fill({ObjectKind::Controller, 2});
    EXPECT_EQ(loops->itemText(1), "PID2");
    EXPECT_EQ(loops->currentIndex(), 2);

    TSintonia own(app->context(), 1);  // a controller's page: its loop only
    EXPECT_TRUE(Find<QComboBox>(own, "MalhaBox")->isHidden());
}

class TuningPageInEnglish : public TuningPageTest {
  protected:
    TuningPageInEnglish() : TuningPageTest(Language::English) {}
};

TEST_F(TuningPageInEnglish, AutomaticStepTestLeavesTheProjectAlone) {
    TSintonia* page = Open();
    ASSERT_TRUE(page);
    EXPECT_EQ(Find<QPushButton>(*page, "IdentificarBTN")->text(), "Identify");
    auto* source = Find<QComboBox>(*page, "FonteBox");
    EXPECT_EQ(source->itemText(1), "Automatic step test");
    source->setCurrentIndex(1);
    Q_EMIT source->activated(1);
    EXPECT_FALSE(Find<QPushButton>(*page, "CapturarBTN")->isEnabled());
    auto* amplitude = Find<QLineEdit>(*page, "AmplitudeText");
    amplitude->clear();
    QTest::keyClicks(amplitude, "150");
    Press(page, "IdentificarBTN");
    EXPECT_EQ(Find<QLabel>(*page, "StatusLabel")->text(),
              "The step is a number above 0 and below 100 %.");
    amplitude->clear();
    QTest::keyClicks(amplitude, "5");
    std::string before = project().FileBytes();
    Press(page, "IdentificarBTN");
    page->WaitForWork();
    EXPECT_EQ(project().FileBytes(), before);
    EXPECT_EQ(Find<QTableWidget>(*page, "SugestoesGrid")->rowCount(), 8);
    EXPECT_EQ(Find<QGroupBox>(*page, "ModeloGroup")->findChildren<QLabel*>()[1]->text(),
              "1st order + dead time");
}

// On the faceplate, a copy brings up the configuration area with the set in its fields and
// "Atualizar" ready, and pressing it latches the set.
TEST_F(TuningPageTest, TheFaceplateShowsTheCopiedSetReadyToLatch) {
    StepInManual();
    app->windows().Show(kLoop1);
    auto* faceplate = static_cast<TControlador*>(app->windows().Find(kLoop1));
    ASSERT_TRUE(faceplate);
    Press(faceplate, "TuningBTN");
    auto* page = Find<TSintonia>(*faceplate, "Sintonia");
    ASSERT_TRUE(page && page->isVisible());
    Press(page, "IdentificarBTN");
    page->WaitForWork();
    auto* table = Find<QTableWidget>(*page, "SugestoesGrid");
    ASSERT_GE(table->rowCount(), 1);
    Press(page, "CopiarBTN");
    EXPECT_FALSE(page->isVisible());
    EXPECT_EQ(Find<QLineEdit>(*faceplate, "KpText")->text(), Cell(table, 0, 2));
    auto* update = Find<QPushButton>(*faceplate, "btnatualiza");
    ASSERT_TRUE(update->isVisible() && update->isEnabled());
    QTest::mouseClick(update, Qt::LeftButton);
    EXPECT_NEAR(loop().tuning.Kc, Cell(table, 0, 2).toDouble(), 1e-9);
}

}  // namespace
}  // namespace vork::test
