#include <gtest/gtest.h>

#include "plant/controller.h"
#include "plant/simulation.h"
#include "plant/trend_recorder.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

using test::TempFolder;

struct Recorder {
    Simulation sim;
    TrendRecorder& r = sim.recorders.Fill(1);
    Recorder() {
        r.fields.TagText = "TR";
        r.Rescale(sim);
    }
    void Tick() { r.Compute(sim); }
};

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
    t.r.fields.penText1 = "Vazão";
    t.r.fields.Variavel3Select = 2;
    t.r.Variavel3SelectChange(t.sim);
    EXPECT_EQ(t.r.fields.Variavel2Select, 62);
    EXPECT_EQ(t.r.fields.Variavel1Select, -1);

    t.r.fields.penText1 = "PV";
    t.r.Variavel3SelectChange(t.sim);  // controller 3 does not exist
    EXPECT_EQ(t.r.fields.Variavel1Select, -1);

    t.r.fields.Variavel2Select = 7;
    t.r.fields.Variavel3Select = 10;  // beyond the controller outputs
    t.r.Variavel3SelectChange(t.sim);
    EXPECT_EQ(t.r.fields.Variavel2Select, 7);
}

TEST(TrendRecorder, PensOneAndTwoShareThePenOneRange) {
    Recorder t;
    t.sim.vars.SetAttribute(21, AttributeField::UeMax, "500");
    t.sim.vars.SetAttribute(21, AttributeField::Unit, "kg/h");
    t.sim.vars.SetAttribute(22, AttributeField::UeMax, "10");
    t.r.fields.Variavel1Select = 20;
    t.r.fields.Variavel2Select = 21;
    t.r.fields.Variavel3Select = 0;
    t.r.Rescale(t.sim);
    EXPECT_EQ(t.r.range.max, 500.0);
    EXPECT_EQ(t.r.unit, "kg/h");
    t.sim.vars.Write(21, 50.0);
    t.sim.vars.Write(22, 10.0);
    t.sim.vars.Write(1, 7.5);
    t.Tick();
    EXPECT_EQ(t.r.penValues, (std::array<double, 3>{50.0, 10.0, 7.5}));
    EXPECT_EQ(t.r.trend.ring.At(1).points[1], 20);
    EXPECT_EQ(t.r.trend.ring.At(1).points[2], 15);
}

TEST(TrendRecorder, UnselectedAndNenhumPensAreBlank) {
    for (int pen2 : {-1, TrendRecorder::kNenhum}) {
        Recorder t;
        t.r.fields.Variavel1Select = 20;
        t.r.fields.Variavel2Select = pen2;
        t.r.fields.Variavel3Select = TrendRecorder::kNenhum;
        t.sim.vars.Write(21, 30.0);
        t.Tick();
        EXPECT_FALSE(t.r.penSelected[1]);
        EXPECT_FALSE(t.r.penSelected[2]);
        EXPECT_EQ(t.r.trend.ring.At(1).points[0], 60);
        EXPECT_EQ(t.r.trend.ring.At(1).raw[1], 0.0);
    }
}

TEST(TrendRecorder, AutoScaleOnPenOne) {
    Recorder t;
    t.r.fields.Variavel1Select = 20;
    t.r.trend.settings.EscalaAuto = true;
    t.r.Rescale(t.sim);  // empty trend: the scale stays usable
    EXPECT_EQ(t.r.trend.ring.top(), 100.0);
    for (int i = 0; i < TrendRing::kSize; ++i) {
        t.sim.vars.Write(21, i % 2 ? 40.0 : 60.0);
        t.Tick();
    }
    t.r.Rescale(t.sim);
    EXPECT_DOUBLE_EQ(t.r.trend.ring.top(), 66.0);
    EXPECT_DOUBLE_EQ(t.r.trend.ring.bottom(), 36.0);
}

TEST(TrendRecorder, ArchivesNumberOnAndContinueTheRowTime) {
    Recorder t;
    TempFolder folder;
    DiskTrendFileSystem files;
    t.r.fields.Variavel1Select = 20;
    t.r.fields.penText2 = "Pressão";
    t.r.trend.settings.UsarVirgula = true;
    t.sim.vars.Write(21, 12.345);
    t.sim.vars.Write(3, 120.0);
    t.r.fields.Variavel3Select = 2;
    ASSERT_EQ(t.r.StartArchive(files, folder.path()), ArchiveStart::Started);
    t.Tick();
    t.Tick();
    EXPECT_EQ(t.r.trend.archive.fileName(), "TR_1.txt");
    t.r.trend.archive.Stop();
    EXPECT_EQ(folder.Read("TR_1.txt"),
              "Tempo (0.100 seg);PV;Press\xE3o;MV\r\n"
              "0,00;12,35;0,00;100,00\r\n"
              "0,10;12,35;0,00;100,00\r\n");
    ASSERT_EQ(t.r.StartArchive(files, folder.path()), ArchiveStart::Started);
    t.Tick();
    EXPECT_EQ(t.r.trend.archive.fileName(), "TR_2.txt");
    t.r.trend.archive.Stop();
    std::string second = folder.Read("TR_2.txt");
    EXPECT_EQ(second.substr(second.find("\r\n") + 2), "0,20;12,35;0,00;100,00\r\n");
}

TEST(TrendRecorder, ArchiveNeedsATag) {
    Recorder t;
    TempFolder folder;
    DiskTrendFileSystem files;
    t.r.fields.TagText.clear();
    EXPECT_EQ(t.r.StartArchive(files, folder.path()), ArchiveStart::Refused);
    EXPECT_FALSE(folder.Has("_1.txt"));
}

}  // namespace
}  // namespace vork
