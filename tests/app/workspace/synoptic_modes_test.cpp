#include <QPushButton>

#include "app/support/app_fixture.h"
#include "plant/process_block.h"

namespace vork::test {
namespace {

constexpr ObjectRef kController3{ObjectKind::Controller, 3};
constexpr ObjectRef kProcess24{ObjectKind::Process, 24};

// Markers on the picture, moved and deleted through the "Opções" menu.
class SynopticModes : public AppTest {
  protected:
    void SetUp() override {
        main().resize(1200, 800);
        main().show();
        for (ObjectRef ref : {kController3, kProcess24})
            config().model().CheckBoxClick(ref, true);
        project().WorkspaceRefresh();
        project().MarkSaved();
    }
    QPushButton* Marker(const QString& name) { return InMain<QPushButton>(name); }
    QWidget& Synoptic() { return main().synoptic(); }
};

TEST_F(SynopticModes, FillingASlotFromItsBoxShowsItsMarkerAfterSairButton) {
    config().ShowFromMain();
    QCheckBox* box = InConfig<QCheckBox>("CheckBox1");
    ASSERT_TRUE(box);
    Click(box);
    EXPECT_TRUE(project().sim.controllers.Exists(1));
    QPushButton* marker = Marker("Control1");
    ASSERT_TRUE(marker);
    EXPECT_FALSE(marker->isVisible());
    QTest::mouseClick(InConfig<QPushButton>("SairButton"), Qt::LeftButton);
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->text(), "PID1");
    EXPECT_EQ(marker->size(), QSize(79, 22));
    EXPECT_EQ(marker->toolTip(), "Saída em M01");
    EXPECT_FALSE(config().isVisible());

    config().ShowFromMain();
    Click(box);  // unchecked: only hidden, at the next refresh
    EXPECT_TRUE(marker->isVisible());
    config().model().Exit();
    EXPECT_FALSE(marker->isVisible());
    EXPECT_TRUE(project().sim.controllers.Exists(1));
}

TEST_F(SynopticModes, MovingAMarkerMarksModifiedSelectingAloneDoesNot) {
    Menu("MoverObjetos2");
    EXPECT_TRUE(main().Entry("MoverObjetos2")->isChecked());
    EXPECT_EQ(Synoptic().cursor().shape(), Qt::CrossCursor);
    QPushButton* marker = Marker("Control3");
    QTest::mouseClick(marker, Qt::LeftButton);
    EXPECT_TRUE(project().saved());
    EXPECT_EQ(app->mainModel().selectedCode(), 4);

    MoveMouse(&Synoptic(), QPoint(300, 200));
    EXPECT_FALSE(project().saved());
    EXPECT_EQ(marker->pos(), QPoint(300, 200));
    EXPECT_EQ(main().Entry("Salvar1")->text(), "Salve me!");
    QTest::mouseClick(marker, Qt::LeftButton);  // dropped where it is
    MoveMouse(&Synoptic(), QPoint(100, 100));
    EXPECT_EQ(marker->pos(), QPoint(300, 200));
    EXPECT_EQ(project().workspace.controllers[2].left, 300);

    QTest::mouseClick(&Synoptic(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 500));
    EXPECT_FALSE(main().Entry("MoverObjetos2")->isChecked());
    EXPECT_NE(Synoptic().cursor().shape(), Qt::CrossCursor);
}

TEST_F(SynopticModes, ADraggedMarkerStaysInsideThePicture) {
    Menu("MoverObjetos2");
    QPushButton* marker = Marker("Proce24");
    QTest::mouseClick(marker, Qt::LeftButton);
    MoveMouse(&Synoptic(), QPoint(Synoptic().width() - 5, -3));
    EXPECT_EQ(marker->pos(), QPoint(Synoptic().width() - 79, 0));
}

TEST_F(SynopticModes, WithBothModesAClickSelectsAndDeletesNothing) {
    Menu("MoverObjetos2");
    Menu("ExcluirObjetos");
    QTest::mouseClick(Marker("Control3"), Qt::LeftButton);
    EXPECT_TRUE(project().sim.controllers.Exists(3));
    EXPECT_TRUE(Marker("Control3")->isVisible());
    EXPECT_TRUE(app->mainModel().moving());
}

TEST_F(SynopticModes, DeleteModeEmptiesTheSlotAndResetsItsBox) {
    QCheckBox* box = InConfig<QCheckBox>("CheckBox78");
    ASSERT_TRUE(box);
    config().model().RefreshCaptions();
    Menu("ExcluirObjetos");
    QTest::mouseClick(Marker("Proce24"), Qt::LeftButton);
    EXPECT_FALSE(project().sim.processes.Exists(24));
    EXPECT_FALSE(Marker("Proce24")->isVisible());
    EXPECT_EQ(Marker("Proce24")->text(), "");
    EXPECT_EQ(box->text(), "<vago> Processo 24");
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(main().Entry("ExcluirObjetos")->isChecked());
    EXPECT_TRUE(project().saved());
    QTest::mouseClick(&Synoptic(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 500));
    EXPECT_FALSE(project().saved());
}

class EnglishSynoptic : public AppTest {
  protected:
    EnglishSynoptic() : AppTest(Language::English) {}
};

TEST_F(EnglishSynoptic, DeletingAControllerShowsTheEnglishEmptyForm) {
    config().model().CheckBoxClick(kController3, true);
    config().model().CheckBoxClick({ObjectKind::Process, 3}, true);
    project().WorkspaceRefresh();
    Menu("ExcluirObjetos");
    QTest::mouseClick(InMain<QPushButton>("Control3"), Qt::LeftButton);
    QTest::mouseClick(InMain<QPushButton>("proce3"), Qt::LeftButton);
    EXPECT_EQ(InConfig<QCheckBox>("CheckBox3")->text(), "<empty> Controller 3");
    EXPECT_EQ(InConfig<QCheckBox>("CheckBox23")->text(), "<vago> Processo 3");
    EXPECT_EQ(InConfig<QCheckBox>("CheckBox24")->text(), "<empty> Process 4");
}

}  // namespace
}  // namespace vork::test
