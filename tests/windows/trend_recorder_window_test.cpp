#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "window_fixtures.h"

namespace vork {
namespace {

using test::RecorderWindow;
using test::TempFolder;

TEST(TrendRecorderWindow, ListsOfferNenhumOnPensTwoAndThree) {
    Project project;
    project.Fill({ObjectKind::Recorder, 4});
    TrendRecorderWindow w(project, 4);
    EXPECT_EQ(w.Variavel1Items.size(), 124u);
    EXPECT_EQ(w.Variavel2Items.size(), 125u);
    EXPECT_EQ(w.Variavel3Items.back(), "Nenhum");
}

TEST(TrendRecorderWindow, PenLabelsAndThePenOneRange) {
    RecorderWindow t;
    t.sim.vars.SetAttribute(21, AttributeField::UeMax, "500");
    t.sim.vars.SetAttribute(21, AttributeField::Unit, "kg/h");
    t.sim.vars.SetAttribute(22, AttributeField::UeMax, "10");
    t.w.Edit([](TrendRecorderFields& f) {
        f.Variavel1Select = 20;
        f.Variavel2Select = 21;
        f.Variavel3Select = 0;
    });
    t.sim.vars.Write(21, 50.0);
    t.sim.vars.Write(22, 10.0);
    t.sim.vars.Write(1, 7.5);
    t.Tick();
    EXPECT_EQ(t.w.redLabel, "PV: 250.00 kg/h");
    EXPECT_EQ(t.w.blueLabel, "SP: 50.00 kg/h");
    EXPECT_EQ(t.w.greenLabel, "MV: 7.50%");
    EXPECT_EQ(t.w.unit, "kg/h");
    EXPECT_EQ(t.w.trend.eSupText, "500.0");
    EXPECT_EQ(t.w.trend.axisLabels[0], "450");
    EXPECT_EQ(t.w.caption, "TR - ");
}

TEST(TrendRecorderWindow, UnselectedAndNenhumPensAreBlank) {
    for (int pen2 : {-1, TrendRecorder::kNenhum}) {
        RecorderWindow t;
        t.w.Edit([pen2](TrendRecorderFields& f) {
            f.Variavel1Select = 20;
            f.Variavel2Select = pen2;
        });
        t.w.Variavel3SelectChange(TrendRecorder::kNenhum);
        t.sim.vars.Write(21, 30.0);
        t.Tick();
        EXPECT_EQ(t.w.redLabel, "PV: 30.00 %");
        EXPECT_EQ(t.w.blueLabel, "");
        EXPECT_EQ(t.w.greenLabel, "");
    }
}

TEST(TrendRecorderWindow, AutoScaleOnPenOne) {
    RecorderWindow t;
    t.w.Edit([](TrendRecorderFields& f) { f.Variavel1Select = 20; });
    t.w.EscalaAutoClick(true);  // empty trend: the scale stays usable
    EXPECT_EQ(t.w.trend.eSupText, "100.0");
    for (int i = 0; i < TrendRing::kSize; ++i) {
        t.sim.vars.Write(21, i % 2 ? 40.0 : 60.0);
        t.Tick();
    }
    t.w.ImageDoubleClick();
    EXPECT_EQ(t.w.trend.eSupText, "66.0");
    EXPECT_EQ(t.w.trend.eInfText, "36.0");
}

TEST(TrendRecorderWindow, ManualScaleAndCursor) {
    RecorderWindow t;
    t.w.trend.eSupText = "80";
    t.w.trend.eInfText = "20";
    t.w.trend.ApplyManualScale();
    EXPECT_DOUBLE_EQ(t.r.trend.ring.top(), 80.0);
    t.w.trend.BaseTempoBoxChange(2);
    t.w.trend.ImageClick(10, 100);
    EXPECT_EQ(t.w.trend.cursorLabels[0], "Coordenadas 1");
    t.w.trend.PauseClick();
    EXPECT_TRUE(t.w.trend.cursorPanelVisible);
    t.w.trend.ImageClick(10, 100);
    EXPECT_EQ(t.w.trend.cursorLabels[0], "Y: 50.0 %  T: 20.0 s");
    EXPECT_FALSE(t.w.trend.cursorMarkers[0].visible);
    EXPECT_EQ(t.w.trend.cursorCounter, 2);
    t.w.CloseWindow();
    EXPECT_FALSE(t.r.trend.ring.paused);
    EXPECT_EQ(t.w.trend.cursorLabels[0], "Y: 50.0 %  T: 20.0 s") << "the readings stay";
}

TEST(TrendRecorderWindow, TimeBaseChangeRenamesTheArchiveIndicator) {
    RecorderWindow t;
    t.w.trend.BaseTempoBoxChange(1);
    EXPECT_EQ(t.r.trend.settings.BaseTempoBox, 1);
    EXPECT_EQ(t.w.trend.archiveIndicator, "Saving 0.334s sampling");
}

TEST(TrendRecorderWindow, ActivationLayoutAndEnglishTexts) {
    RecorderWindow t;
    t.w.Activate(Language::Portuguese);
    EXPECT_FALSE(t.w.configColumn);  // named: the trend only
    EXPECT_EQ(t.w.width(), TrendRecorderWindow::kTrendWidth);
    EXPECT_EQ(t.w.caption, "TR - ");
    t.w.ConfBTNClick();
    EXPECT_EQ(t.w.width(), 792);
    EXPECT_FALSE(t.w.exitEnabled);
    t.w.ConfBTNClick();
    EXPECT_TRUE(t.w.exitEnabled);
    t.w.Activate(Language::English);
    EXPECT_TRUE(t.w.englishApplied);
    EXPECT_EQ(t.w.caption, "Register");
    EXPECT_EQ(t.w.trend.archiveIndicator, "Saving 0.1 seg");
    EXPECT_EQ(RecorderEnglishText("hint:SairBTN"), "Exit");
    t.w.Edit([](TrendRecorderFields& f) { f.DescricaoText = "Vazões"; });
    EXPECT_EQ(t.w.caption, "TR - Vazões");

    Project project;
    project.sim.recorders.Fill(3);
    TrendRecorderWindow unnamed(project, 3);
    EXPECT_EQ(unnamed.caption, "Registrador");
    unnamed.Activate(Language::Portuguese);
    EXPECT_TRUE(unnamed.configColumn);
}

TEST(TrendRecorderWindow, ArchivesAndTheirMessages) {
    RecorderWindow t;
    TempFolder folder;
    DiskTrendFileSystem files;
    ASSERT_EQ(t.w.StartArchive(files, folder.path()), ArchiveStart::Started);
    EXPECT_FALSE(t.w.trend.archiveLockedControlsEnabled);
    t.Tick();
    EXPECT_EQ(t.w.StopArchive(), "Data saved: TR_1.txt");
    EXPECT_TRUE(t.w.trend.archiveLockedControlsEnabled);
}

TEST(TrendRecorderWindow, ArchiveNeedsATag) {
    RecorderWindow t;
    TempFolder folder;
    DiskTrendFileSystem files;
    t.w.Edit([](TrendRecorderFields& f) { f.TagText.clear(); });
    EXPECT_FALSE(t.w.trend.archiveEnabled);
    EXPECT_EQ(t.w.StartArchive(files, folder.path()), ArchiveStart::Refused);
}

TEST(TrendRecorderWindow, PenThreeOnAControllerLinksItsLoop) {
    RecorderWindow t;
    Controller& c = t.sim.controllers.Fill(5);
    c.fields.VariavelSelect = 24;  // M25
    t.w.Variavel3SelectChange(4);
    EXPECT_EQ(t.r.fields.Variavel3Select, 4);
    EXPECT_EQ(t.r.fields.Variavel2Select, 64);  // M65
    EXPECT_EQ(t.r.fields.Variavel1Select, 24);
}

TEST(TrendRecorderWindow, PenAndIdentityEditsMarkTheProjectModified) {
    RecorderWindow t;
    t.w.trend.BaseTempoBoxChange(2);
    t.w.EscalaAutoClick(true);
    t.w.trend.PauseClick();
    t.w.Activate(Language::Portuguese);
    EXPECT_TRUE(t.project.saved());
    t.w.Variavel3SelectChange(3);
    EXPECT_FALSE(t.project.saved());
    t.project.MarkSaved();
    t.w.Edit([](TrendRecorderFields& f) { f.penText1 = "Nível"; });
    EXPECT_FALSE(t.project.saved());
}

}  // namespace
}  // namespace vork
