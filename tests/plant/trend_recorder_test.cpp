#include <gtest/gtest.h>

#include "plant/controller.h"
#include "plant/simulation.h"
#include "plant/trend_recorder.h"
#include "plant/trend_recorder_texts.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

using test::TempFolder;

struct Recorder {
    Simulation sim;
    TrendRecorder& r = sim.recorders.Fill(1);
    Recorder() {
        r.BuildLists(sim.vars);
        r.fields.TagText = "TR";
        r.Refresh(sim);
    }
    void Tick() { r.Compute(sim); }
};

TEST(TrendRecorder, ListsOfferNenhumOnPensTwoAndThree) {
    Recorder t;
    EXPECT_EQ(t.r.Variavel1Items.size(), 124u);
    EXPECT_EQ(t.r.Variavel2Items.size(), 125u);
    EXPECT_EQ(t.r.Variavel3Items.back(), "Nenhum");
}

TEST(TrendRecorder, PickingControllerFiveLinksItsLoop) {
    Recorder t;
    Controller& c = t.sim.controllers.Fill(5);
    c.fields.VariavelSelect = 24;  // M25
    t.r.fields.Variavel3Select = 4;
    t.r.Variavel3SelectChange(t.sim);
    EXPECT_EQ(t.r.fields.Variavel2Select, 64);  // M65
    EXPECT_EQ(t.r.fields.Variavel1Select, 24);
}

TEST(TrendRecorder, LinkingNeedsTheDefaultTextsAndAnExistingController) {
    Recorder t;
    t.r.fields.Edit1 = "Vazão";
    t.r.fields.Variavel3Select = 2;
    t.r.Variavel3SelectChange(t.sim);
    EXPECT_EQ(t.r.fields.Variavel2Select, 62);
    EXPECT_EQ(t.r.fields.Variavel1Select, -1);

    t.r.fields.Edit1 = "PV";
    t.r.Variavel3SelectChange(t.sim);  // controller 3 does not exist
    EXPECT_EQ(t.r.fields.Variavel1Select, -1);

    t.r.fields.Variavel2Select = 7;
    t.r.fields.Variavel3Select = 10;  // beyond the controller outputs
    t.r.Variavel3SelectChange(t.sim);
    EXPECT_EQ(t.r.fields.Variavel2Select, 7);
}

TEST(TrendRecorder, PenLabelsAndThePenOneRange) {
    Recorder t;
    t.sim.vars.SetAttribute(21, AttributeField::UeMax, "500");
    t.sim.vars.SetAttribute(21, AttributeField::Unit, "kg/h");
    t.sim.vars.SetAttribute(22, AttributeField::UeMax, "10");
    t.r.fields.Variavel1Select = 20;
    t.r.fields.Variavel2Select = 21;
    t.r.fields.Variavel3Select = 0;
    t.r.Refresh(t.sim);
    t.sim.vars.Write(21, 50.0);
    t.sim.vars.Write(22, 10.0);
    t.sim.vars.Write(1, 7.5);
    t.Tick();
    EXPECT_EQ(t.r.display.VermelhoLabel, "PV: 250.00 kg/h");
    EXPECT_EQ(t.r.display.AzulLabel, "SP: 50.00 kg/h");
    EXPECT_EQ(t.r.display.VerdeLabel, "MV: 7.50%");
    EXPECT_EQ(t.r.display.Label1, "kg/h");
    EXPECT_EQ(t.r.fields.eSupText, "500.0");
    EXPECT_EQ(t.r.display.axisLabels[0], "450");
    EXPECT_EQ(t.r.trend.At(1).points[1], 20);
    EXPECT_EQ(t.r.trend.At(1).points[2], 15);
    EXPECT_EQ(t.r.display.Caption, "TR - ");
}

TEST(TrendRecorder, UnselectedAndNenhumPensAreBlank) {
    for (int pen2 : {-1, TrendRecorder::kNenhum}) {
        Recorder t;
        t.r.fields.Variavel1Select = 20;
        t.r.fields.Variavel2Select = pen2;
        t.r.fields.Variavel3Select = TrendRecorder::kNenhum;
        t.sim.vars.Write(21, 30.0);
        t.Tick();
        EXPECT_EQ(t.r.display.AzulLabel, "");
        EXPECT_EQ(t.r.display.VerdeLabel, "");
        EXPECT_EQ(t.r.trend.At(1).points[0], 60);
        EXPECT_EQ(t.r.trend.At(1).raw[1], 0.0);
    }
}

TEST(TrendRecorder, AutoScaleOnPenOne) {
    Recorder t;
    t.r.fields.Variavel1Select = 20;
    t.r.fields.EscalaAuto = true;
    t.r.Refresh(t.sim);  // empty trend: the scale stays usable
    EXPECT_EQ(t.r.trend.top(), 100.0);
    for (int i = 0; i < TrendRing::kSize; ++i) {
        t.sim.vars.Write(21, i % 2 ? 40.0 : 60.0);
        t.Tick();
    }
    t.r.Refresh(t.sim);
    EXPECT_EQ(t.r.fields.eSupText, "66.0");
    EXPECT_EQ(t.r.fields.eInfText, "36.0");
}

TEST(TrendRecorder, ManualScaleAndCursor) {
    Recorder t;
    t.r.fields.eSupText = "80";
    t.r.fields.eInfText = "20";
    t.r.ApplyManualScale();
    EXPECT_DOUBLE_EQ(t.r.trend.top(), 80.0);
    t.r.fields.BaseTempoBox = 2;
    t.r.ImageClick(10, 100);
    EXPECT_EQ(t.r.cursor.labels[0], "Coordenadas 1");
    t.r.SpeedButton1Click();
    EXPECT_TRUE(t.r.cursor.panelVisible);
    t.r.ImageClick(10, 100);
    EXPECT_EQ(t.r.cursor.labels[0], "Y: 50.0 %  T: 20.0 s");
    EXPECT_FALSE(t.r.cursor.markers[0].visible);
    EXPECT_EQ(t.r.cursor.counter, 2);
}

TEST(TrendRecorder, TimeBaseChangeRenamesTheArchiveIndicator) {
    Recorder t;
    t.r.fields.BaseTempoBox = 1;
    t.r.BaseTempoBoxChange();
    EXPECT_EQ(t.r.display.Label21, "Saving 0.334s sampling");
}

TEST(TrendRecorder, ActivationLayoutAndEnglishTexts) {
    Recorder t;
    t.r.Activate(t.sim);
    EXPECT_FALSE(t.r.display.configColumn);  // named: the trend only
    EXPECT_EQ(t.r.display.Caption, "TR - ");
    t.r.ConfBTNClick();
    EXPECT_TRUE(t.r.display.configColumn);
    EXPECT_FALSE(t.r.display.SairBTN);
    t.r.ConfBTNClick();
    EXPECT_TRUE(t.r.display.SairBTN);
    t.sim.language = Language::English;
    t.r.Activate(t.sim);
    EXPECT_EQ(t.r.display.Caption, "Register");
    EXPECT_EQ(t.r.display.Label21, "Saving 0.1 seg");
    EXPECT_EQ(RecorderEnglishText("hint:SairBTN"), "Exit");

    Recorder unnamed;
    unnamed.r.fields.TagText.clear();
    unnamed.r.Activate(unnamed.sim);
    EXPECT_TRUE(unnamed.r.display.configColumn);
}

TEST(TrendRecorder, ArchivesNumberOnAndContinueTheRowTime) {
    Recorder t;
    TempFolder folder;
    DiskTrendFileSystem files;
    t.r.fields.Variavel1Select = 20;
    t.r.fields.Edit2 = "Pressão";
    t.r.fields.UsarVirgula = true;
    t.sim.vars.Write(21, 12.345);
    t.sim.vars.Write(3, 120.0);
    t.r.fields.Variavel3Select = 2;
    ASSERT_EQ(t.r.StartArchive(files, folder.path()), TrendRecorder::Start::Started);
    EXPECT_FALSE(t.r.display.archiveLockedControlsEnabled);
    t.Tick();
    t.Tick();
    EXPECT_EQ(t.r.StopArchive(), "Data saved: TR_1.txt");
    EXPECT_EQ(folder.Read("TR_1.txt"),
              "Tempo (0.100 seg);PV;Press\xE3o;MV\r\n"
              "0,00;12,35;0,00;100,00\r\n"
              "0,10;12,35;0,00;100,00\r\n");
    ASSERT_EQ(t.r.StartArchive(files, folder.path()), TrendRecorder::Start::Started);
    t.Tick();
    EXPECT_EQ(t.r.StopArchive(), "Data saved: TR_2.txt");
    std::string second = folder.Read("TR_2.txt");
    EXPECT_EQ(second.substr(second.find("\r\n") + 2), "0,20;12,35;0,00;100,00\r\n");
}

TEST(TrendRecorder, ArchiveNeedsATag) {
    Recorder t;
    TempFolder folder;
    DiskTrendFileSystem files;
    t.r.fields.TagText.clear();
    t.r.Refresh(t.sim);
    EXPECT_EQ(t.r.StartArchive(files, folder.path()), TrendRecorder::Start::Refused);
    EXPECT_FALSE(folder.Has("_1.txt"));
}

}  // namespace
}  // namespace vork
