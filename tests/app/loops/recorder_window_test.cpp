#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "app/loops/loop_fixture.h"

namespace vork::test {
namespace {

class RecorderWindow : public LoopWindows {
  protected:
    const TrendRecorder& R() { return *project().sim.recorders.Get(1); }
    template <class T = QWidget>
    T* In(const QString& name) {
        return Find<T>(Recorder(), name);
    }
    static void Choose(QComboBox* list, int position) {
        ASSERT_NE(list, nullptr);
        list->setCurrentIndex(position);
        Q_EMIT list->activated(position);
    }
};

TEST_F(RecorderWindow, Pen3OnAControllerOutputLinksPens1And2ToThatLoop) {
    project().Fill({ObjectKind::Controller, 5});
    project().Edit<vork::Controller>(
        {ObjectKind::Controller, 5}, [](vork::Controller& c) { c.fields.VariavelSelect = 24; },
        Modifies::No);
    Recorder();
    project().MarkSaved();
    Choose(In<QComboBox>("Variavel3Select"), 4);  // M05, controller 5's output
    EXPECT_EQ(R().fields.Variavel2Select, 64);    // M65, its setpoint
    EXPECT_EQ(R().fields.Variavel1Select, 24);    // M25, its measured variable
    EXPECT_EQ(In<QComboBox>("Variavel1Select")->currentIndex(), 24);
    EXPECT_FALSE(project().saved());
}

TEST_F(RecorderWindow, PenLabelsShowTheirTextsAndValues) {
    Recorder();
    project().sim.vars.SetAttribute(21, AttributeField::UeMax, "500");
    project().sim.vars.SetAttribute(21, AttributeField::Unit, "kg/h");
    Choose(In<QComboBox>("Variavel1Select"), 20);
    project().sim.vars.Write(21, 50.0);
    Tick();
    EXPECT_EQ(In<QLabel>("VermelhoLabel")->text(), "PV: 250.00 kg/h");
    EXPECT_EQ(In<QLabel>("AzulLabel")->text(), "");
    EXPECT_EQ(In<QLabel>("Label1")->text(), "kg/h");
    EXPECT_EQ(In<QComboBox>("Variavel2Select")->count(), 125);
}

TEST_F(RecorderWindow, ATaggedRecorderOpensOnItsTrendAndConfBtnWidensIt) {
    project().Fill({ObjectKind::Recorder, 1});
    project().Edit<TrendRecorder>(
        {ObjectKind::Recorder, 1}, [](TrendRecorder& r) { r.fields.TagText = "TR-1"; },
        Modifies::No);
    TRegistrForm& w = Recorder();
    EXPECT_EQ(w.width(), 597);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    Press(In<QToolButton>("ConfBTN"));
    EXPECT_EQ(w.width(), 792);
    EXPECT_FALSE(In<QToolButton>("SairBTN")->isEnabled());
    EXPECT_TRUE(In<QLineEdit>("TagText")->isVisible());
}

TEST_F(RecorderWindow, AMarkerClickTogglesItAndHidingEndsThePause) {
    Recorder();
    Press(In<QToolButton>("SpeedButton1"));
    EXPECT_TRUE(R().trend.ring.paused);
    app->windows().Toggle({ObjectKind::Recorder, 1});
    EXPECT_FALSE(app->windows().Find({ObjectKind::Recorder, 1})->isVisible());
    EXPECT_FALSE(R().trend.ring.paused);
}

TEST_F(RecorderWindow, TheArchiveGoesToTheProjectFolder) {
    Recorder();
    Type(In<QLineEdit>("TagText"), "TR");
    ASSERT_TRUE(project().SaveAs(QDir(folder.path()).filePath("p.smp").toStdString()).ok());
    Click(In<QCheckBox>("CheckBox1"));
    QString archive = QDir(folder.path()).filePath("TR_1.txt");
    EXPECT_TRUE(QFile::exists(archive));
    Tick(2);
    Click(In<QCheckBox>("CheckBox1"));
    EXPECT_EQ(platform.messages.last(), "Data saved: TR_1.txt");
    EXPECT_TRUE(FileText(archive).startsWith("Tempo (0.100 seg);PV;SP;MV"));
}

class EnglishRecorder : public RecorderWindow {
  protected:
    EnglishRecorder() { project().sim.language = Language::English; }
};

TEST_F(EnglishRecorder, ActivationTranslatesTheWindow) {
    Recorder();
    EXPECT_EQ(Recorder().windowTitle(), "Register");
    EXPECT_EQ(In<QLabel>("Label13")->text(), "Description:");
    EXPECT_EQ(In<QCheckBox>("CheckBox1")->text(), "Archive");
    EXPECT_EQ(In<QToolButton>("ConfBTN")->toolTip(), "Open configuration area");
}

}  // namespace
}  // namespace vork::test
