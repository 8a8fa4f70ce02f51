#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include "app/support/app_fixture.h"
#include "plant/animated_text.h"

namespace vork::test {
namespace {

constexpr ObjectRef kText1{ObjectKind::Text, 1};

// The scan timer as the main window runs it: ticks, the display refresh, the pause.
class ScanDisplay : public AppTest {
  protected:
    QString Cycle() { return InConfig<QLabel>("Label2")->text(); }
};

TEST_F(ScanDisplay, TheSixthTickRefreshesTextoAndTheFifthDoesNot) {
    config().ShowFromMain();
    Click(InConfig<QCheckBox>("CheckBox46"));
    project().Edit<AnimatedText>(
        kText1,
        [](AnimatedText& t) {
            t.fields.Tipo = 2;
            t.fields.FuncaoTr = "M05*2";
            t.fields.DescricaoText = "Dobro";
        },
        Modifies::Yes);
    project().Apply(kText1);
    project().sim.vars.Write(5, 21.0);
    QTest::mouseClick(InConfig<QPushButton>("SairButton"), Qt::LeftButton);
    auto* value = InMain<QLabel>("Texto1");
    auto* description = InMain<QLabel>("Label1");
    ASSERT_TRUE(value && description);
    EXPECT_TRUE(value->isVisibleTo(&main()));
    EXPECT_EQ(description->text(), "Dobro");
    EXPECT_EQ(description->pos(), QPoint(457, 8));
    EXPECT_EQ(value->pos(), QPoint(457, 24));
    QString before = value->text();
    Tick(5);
    EXPECT_EQ(value->text(), before);
    Tick(1);
    EXPECT_NE(value->text(), before);
    EXPECT_TRUE(value->text().contains("42")) << value->text().toStdString();
}

TEST_F(ScanDisplay, PauseStopsTheVariablesAndTheNextCycleCoversThePause) {
    // The characterizer copies M15 to M13 on every tick that runs.
    config().model().EditCharacterizer([](CharacterizerFields& f) {
        f.Lin1Ativar = true;
        f.Lin1EndEnt = "15";
    });
    project().sim.vars.Write(15, 20.0);
    Tick(3);
    EXPECT_EQ(Cycle(), "100ms");
    EXPECT_EQ(project().sim.vars.Read(13), 20.0);

    app->document().SetRealTime(true);
    EXPECT_TRUE(app->document().timer().isActive());
    Menu("PausarSimulao2");
    EXPECT_TRUE(main().Entry("PausarSimulao2")->isChecked());
    EXPECT_FALSE(app->document().timer().isActive());
    project().sim.vars.Write(15, 30.0);
    now += 5000;
    Tick(3);
    EXPECT_EQ(project().sim.vars.Read(13), 20.0);

    Menu("PausarSimulao2");
    EXPECT_FALSE(main().Entry("PausarSimulao2")->isChecked());
    EXPECT_TRUE(app->document().timer().isActive());
    app->document().SetRealTime(false);
    Tick(1);
    EXPECT_EQ(Cycle(), "5400ms");  // everything since the last tick before the pause
    EXPECT_EQ(project().sim.vars.Read(13), 30.0);
}

TEST_F(ScanDisplay, TicksReachTheViewsAsSignals) {
    QSignalSpy ticked(&app->document(), &ProjectDocument::ticked);
    app->document().RunTicks(12);
    ASSERT_EQ(ticked.count(), 12);
    EXPECT_FALSE(ticked[4][0].toBool());
    EXPECT_TRUE(ticked[5][0].toBool());
    EXPECT_TRUE(ticked[11][0].toBool());
}

TEST_F(ScanDisplay, ATitleTypedRenamesTheMainWindowAndShowsSaveMe) {
    EXPECT_EQ(main().windowTitle(), "VORK (v 7.84)");
    EXPECT_EQ(main().Entry("Salvar1")->text(), "To salvo!");
    config().ShowFromMain();
    auto* title = InConfig<QLineEdit>("Titulo");
    ASSERT_TRUE(title);
    QTest::keyClicks(title, "Caldeira");
    EXPECT_EQ(main().windowTitle(), "Caldeira");
    EXPECT_EQ(project().workspace.Titulo, "Caldeira");
    EXPECT_EQ(main().Entry("Salvar1")->text(), "Salve me!");
    EXPECT_FALSE(project().saved());
}

TEST_F(ScanDisplay, ATabClickMarksModified) {
    config().ShowFromMain();
    auto* pages = InConfig<QTabWidget>("NoteBook1");
    ASSERT_TRUE(pages);
    QTabBar* tabs = pages->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(6).center());
    EXPECT_EQ(pages->currentIndex(), 6);
    EXPECT_FALSE(project().saved());
    config().ShowFromMain();
    EXPECT_EQ(pages->currentIndex(), 0);
}

}  // namespace
}  // namespace vork::test
