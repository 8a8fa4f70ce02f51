#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/loops/loop_fixture.h"

namespace vork::test {
namespace {

class Faceplate : public LoopWindows {
  protected:
    explicit Faceplate(Language language = Language::Portuguese) : LoopWindows(language) {}
    const vork::Controller& C() { return *project().sim.controllers.Get(1); }
    template <class T = QWidget>
    T* In(const QString& name) {
        return Find<T>(Controller(), name);
    }
    void ToManual() {
        if (C().state.AutoMode) Press(In<QToolButton>("AutoManualBTN"));
    }
};

TEST_F(Faceplate, ASetpointIsTypedInEngineeringUnitsAndOutOfRangeIsIgnored) {
    Controller();
    auto* sp = In<QLineEdit>("SPText");
    Type(sp, "250");
    EXPECT_EQ(C().state.SP, 50.0);
    Type(sp, "600");
    EXPECT_EQ(C().state.SP, 50.0);
    EXPECT_TRUE(sp->text().startsWith("250")) << sp->text().toStdString();
    Type(sp, "100", Qt::Key_Escape);
    EXPECT_TRUE(sp->text().startsWith("250"));
    Press(In<QToolButton>("IncrementaSP"));
    EXPECT_EQ(C().state.SP, 51.0);
}

TEST_F(Faceplate, ATypedOutputIsTakenInManualWithinRangeOnly) {
    Controller();
    ToManual();
    auto* mv = In<QLineEdit>("MVText");
    Type(mv, "35");
    EXPECT_EQ(C().state.CO, 35.0);
    Type(mv, "150");
    EXPECT_EQ(C().state.CO, 35.0);
    EXPECT_EQ(mv->text(), "35.00");
    Press(In<QToolButton>("AutoManualBTN"));
    EXPECT_TRUE(mv->isReadOnly());
    mv->setText("20");
    QTest::keyClick(mv, Qt::Key_Return);
    EXPECT_EQ(C().state.CO, 35.0);
}

TEST_F(Faceplate, SwitchingToAutomaticKeepsTheOutputAndTheLetterFollows) {
    Controller();
    ToManual();
    Type(In<QLineEdit>("MVText"), "35");
    EXPECT_EQ(In<QLabel>("Label2")->text(), "M");
    Press(In<QToolButton>("AutoManualBTN"));
    EXPECT_EQ(In<QLabel>("Label2")->text(), "A");
    EXPECT_EQ(C().state.CO, 35.0);
    EXPECT_EQ(In<QLineEdit>("MVText")->text(), "35.00");
    EXPECT_FALSE(In<QToolButton>("IncrementaSaida")->isEnabled());
    EXPECT_FALSE(In<QPushButton>("Button2")->isEnabled());
}

TEST_F(Faceplate, SendIsEnabledInManualOnActivation) {
    TControlador& w = Controller();
    ToManual();
    w.close();
    app->windows().Show({ObjectKind::Controller, 1});
    EXPECT_TRUE(In<QPushButton>("Button2")->isEnabled());
    In<QLineEdit>("MVText")->setText("42");
    Press(In<QPushButton>("Button2"));
    EXPECT_EQ(C().state.CO, 42.0);
}

TEST_F(Faceplate, BarsAndValuesFollowTheLoopAtEachTick) {
    Controller();
    Tick();
    EXPECT_EQ(In<QLineEdit>("PVText")->text().toDouble(), 200.0);
    EXPECT_EQ(In<QLabel>("UnitEngSP")->text(), "m3/h");
    EXPECT_EQ(Find<FaceplateBar>(Controller(), "VariavelBar")->value(), 80);
    EXPECT_FALSE(In<QWidget>("SPRBar")->isVisible());
}

TEST_F(Faceplate, APausedTrendReadsTheCursorAndClosingEndsThePause) {
    Controller();
    Tick(20);
    Press(In<QToolButton>("SpeedButton2"));
    EXPECT_TRUE(In<QFrame>("Panel3")->isVisible());
    QTest::mouseClick(In<QWidget>("Image1"), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(In<QLabel>("CoodsText1")->text(), "Ponto 1:  Y=250.0  X=10.0");
    EXPECT_EQ(In<QLabel>("CoodsText2")->text(), "Ponto 2:");
    Controller().close();
    EXPECT_FALSE(C().trend.ring.paused);
    EXPECT_EQ(Controller().model().trend.cursorLabels[0], "Ponto 1:");
}

TEST_F(Faceplate, ArchivesGoToTheChosenFolderWithTheNextFreeNumber) {
    Controller();
    auto* base = In<QComboBox>("BaseTempoBox");
    base->setCurrentIndex(1);
    Q_EMIT base->activated(1);
    platform.choices = {folder.path()};
    Click(In<QCheckBox>("CheckBox1"));
    QString first = QDir(folder.path()).filePath("FIC-1_1.txt");
    ASSERT_TRUE(QFile::exists(first));
    EXPECT_FALSE(In<QComboBox>("BaseTempoBox")->isEnabled());
    auto* blink = Controller().findChild<QTimer*>("Timer1");
    ASSERT_NE(blink, nullptr);
    EXPECT_TRUE(blink->isActive());
    EXPECT_EQ(blink->interval(), 500);
    EXPECT_EQ(In<QLabel>("Label21")->text(), "Saving 0.334s sampling");
    Tick(6);
    Click(In<QCheckBox>("CheckBox1"));
    EXPECT_FALSE(blink->isActive());
    EXPECT_FALSE(In<QLabel>("Label21")->isVisible());
    ASSERT_FALSE(platform.messages.isEmpty());
    EXPECT_EQ(platform.messages.last(), "Data saved: " + first);
    QStringList lines = FileText(first).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Tempo (0.334 seg);PV;SP;MV");
    EXPECT_TRUE(lines[2].startsWith("0.33;")) << lines[2].toStdString();
    Click(In<QCheckBox>("CheckBox1"));
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath("FIC-1_2.txt")));
    EXPECT_EQ(platform.dialogs.size(), 1u);  // the folder is asked for once per run
}

TEST_F(Faceplate, ACancelledFolderDialogLeavesTheArchiveOff) {
    Controller();
    Click(In<QCheckBox>("CheckBox1"));
    EXPECT_FALSE(In<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(C().trend.archive.on());
}

TEST_F(Faceplate, TheAutoScaleFitsThePvSamplesAndEnterAppliesAManualScale) {
    Controller();
    for (int sample = 0; sample < 450; ++sample) {  // the whole ring, 40 % to 60 %
        project().sim.vars.Write(21, 40.0 + sample % 3 * 10.0);
        Tick();
    }
    Click(In<QCheckBox>("EscalaAuto"));
    EXPECT_DOUBLE_EQ(C().trend.ring.top(), 66.0);
    EXPECT_DOUBLE_EQ(C().trend.ring.bottom(), 36.0);
    EXPECT_EQ(In<QLineEdit>("eSupText")->text(), "330.0");
    EXPECT_EQ(In<QLineEdit>("eInfText")->text(), "180.0");
    Type(In<QLineEdit>("eSupText"), "400");
    EXPECT_FALSE(In<QCheckBox>("EscalaAuto")->isChecked());
    EXPECT_DOUBLE_EQ(C().trend.ring.top(), 80.0);
    EXPECT_EQ(In<QLabel>("Label3")->text(), "378");  // 90 % of 180..400
    Type(In<QLineEdit>("eInfText"), "500");          // above the top: not applied
    EXPECT_DOUBLE_EQ(C().trend.ring.bottom(), 36.0);
}

TEST_F(Faceplate, ConfigAndTrendButtonsSwitchTheForms) {
    TControlador& w = Controller();
    EXPECT_EQ(w.width(), 745);
    EXPECT_TRUE(In<QWidget>("Image1")->isVisible());
    Press(In<QToolButton>("ConfigBTN"));
    EXPECT_TRUE(In<QFrame>("Panel2")->isVisible());
    Press(In<QToolButton>("ConfigBTN"));
    EXPECT_EQ(w.width(), 204);
    Press(In<QToolButton>("TrendButton"));
    EXPECT_EQ(w.width(), 745);
    EXPECT_TRUE(In<QWidget>("Image1")->isVisible());
    EXPECT_EQ(In<QLabel>("CoodsText1")->text(), "Coordenadas 1");
}

TEST_F(Faceplate, AnEditEnablesAtualizarWhichAppliesAndMarksModified) {
    Controller();
    Press(In<QToolButton>("ConfigBTN"));
    EXPECT_FALSE(In<QPushButton>("btnatualiza")->isEnabled());
    EXPECT_EQ(In<QLineEdit>("FimEscala")->text(), "500");
    project().MarkSaved();
    In<QLineEdit>("KpText")->setFocus();
    In<QLineEdit>("KpText")->selectAll();
    QTest::keyClicks(In<QLineEdit>("KpText"), "2");
    EXPECT_TRUE(In<QPushButton>("btnatualiza")->isEnabled());
    EXPECT_FALSE(In<QToolButton>("ConfigBTN")->isEnabled());
    EXPECT_TRUE(project().saved());
    Press(In<QPushButton>("btnatualiza"));
    EXPECT_EQ(C().tuning.Kc, 2.0);
    EXPECT_FALSE(project().saved());
    EXPECT_TRUE(In<QToolButton>("ConfigBTN")->isEnabled());
}

TEST_F(Faceplate, TickingSprSelectsM01AndEnablesItsList) {
    Controller();
    Press(In<QToolButton>("ConfigBTN"));
    EXPECT_FALSE(In<QComboBox>("SPRSelect")->isEnabled());
    Click(In<QCheckBox>("CheckSPR"));
    EXPECT_TRUE(In<QComboBox>("SPRSelect")->isEnabled());
    EXPECT_EQ(In<QComboBox>("SPRSelect")->currentIndex(), 0);
    EXPECT_TRUE(In<QPushButton>("btnatualiza")->isEnabled());
}

TEST_F(Faceplate, TheTuningPageSitsBehindItsButton) {
    Controller();
    auto* button = In<QPushButton>("TuningBTN");
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(button->text(), "Sintonia");
    auto* page = In<QWidget>("Sintonia");
    Press(button);
    EXPECT_TRUE(page->isVisible());
    EXPECT_FALSE(In<QWidget>("Image1")->isVisible());
    Press(button);
    EXPECT_FALSE(page->isVisible());
    EXPECT_TRUE(In<QWidget>("Image1")->isVisible());
}

class EnglishFaceplate : public Faceplate {
  protected:
    EnglishFaceplate() : Faceplate(Language::English) {}
};

TEST_F(EnglishFaceplate, ActivationTranslatesTheWindow) {
    TControlador& w = Controller();
    EXPECT_EQ(w.windowTitle(), "Controller");
    EXPECT_EQ(In<QPushButton>("Button2")->text(), "Send");
    EXPECT_EQ(In<QPushButton>("btnatualiza")->text(), "Refresh");
    EXPECT_EQ(In<QCheckBox>("CheckBox2")->text(), "Strong Line");
    EXPECT_EQ(In<QToolButton>("ExportBTN")->text(), "Export");
    QStringList radios;
    for (QRadioButton* r : In<QWidget>("Acaogroup")->findChildren<QRadioButton*>())
        radios << r->text();
    EXPECT_EQ(radios, QStringList({"Reverse response", "Direct response"}));
}

}  // namespace
}  // namespace vork::test
