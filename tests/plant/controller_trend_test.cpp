#include <gtest/gtest.h>

#include "controller_fixture.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

using test::ControllerLoop;
using test::TempFolder;

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "every line ends in CR LF";
    return lines;
}

struct ArchivedLoop : ControllerLoop {
    TempFolder folder;
    DiskTrendFileSystem files;
    ArchivedLoop() { sim.trendArchiveFolder = folder.path(); }
    void Start() { ASSERT_EQ(c.StartArchive(sim, files), ArchiveStart::Started); }
    std::vector<std::string> Stop(const std::string& name) {
        EXPECT_EQ(c.StopArchive(), "Data saved: " + folder.File(name));
        return Lines(folder.Read(name));
    }
};

TEST(ControllerTrend, TimeBasesSampleEveryOneThreeOrTwentyTicks) {
    for (auto [base, ticks] : {std::pair{0, 1}, {1, 3}, {2, 20}}) {
        ControllerLoop l;
        l.c.trendFields.BaseTempoBox = base;
        for (int i = 0; i < 60; ++i)
            l.Step();
        EXPECT_EQ(l.c.trend.position(), 60 / ticks) << base;
    }
}

TEST(ControllerTrend, ArchiveHeadersAndTimeSteps) {
    struct Case {
        int base;
        const char* header;
        const char* fourthRowTime;
    };
    for (Case k : {Case{0, "Tempo (0.100 seg);PV;SP;MV", "0.30"},
                   Case{1, "Tempo (0.334 seg);PV;SP;MV", "1.00"},
                   Case{2, "Tempo (2 seg);PV;SP;MV", "6.00"}}) {
        ArchivedLoop l;
        l.c.trendFields.BaseTempoBox = k.base;
        l.Start();
        for (int i = 0; i < 4 * TicksPerSample(TimeBaseAt(k.base)); ++i)
            l.Step();
        std::vector<std::string> lines = l.Stop("PID1_1.txt");
        ASSERT_EQ(lines.size(), 5u) << k.header;
        EXPECT_EQ(lines[0], k.header);
        EXPECT_EQ(lines[4].substr(0, lines[4].find(';')), k.fourthRowTime);
    }
}

TEST(ControllerTrend, CommaRowsInEngineeringUnits) {
    ArchivedLoop l;
    l.sim.vars.SetAttribute(21, AttributeField::UeMax, "200");
    l.Revalidate();
    l.c.trendFields.UsarVirgula = true;
    l.c.trendFields.UsarUE = true;
    l.c.archive.rowTime = 1.2;
    l.c.state.SP = 24.155;
    l.sim.vars.Write(21, 25.0);
    l.c.fields.COminText = l.c.fields.COmaxText = "62.5";
    l.Start();
    l.Step();
    std::vector<std::string> lines = l.Stop("PID1_1.txt");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "1,20;50,00;48,31;62,50");
}

TEST(ControllerTrend, RowsInPercentByDefault) {
    ArchivedLoop l;
    l.sim.vars.SetAttribute(21, AttributeField::UeMax, "200");
    l.Revalidate();
    l.Start();
    l.Step();
    EXPECT_EQ(l.Stop("PID1_1.txt")[1], "0.00;40.00;50.00;60.10");
}

TEST(ControllerTrend, NextArchiveTakesTheNextFreeNumberAndContinuesTime) {
    ArchivedLoop l;
    { std::ofstream(l.folder.File("PID1_1.txt")) << "older"; }
    l.Start();
    l.Step();
    l.Step();
    EXPECT_EQ(l.Stop("PID1_2.txt").size(), 3u);
    l.Start();
    l.Step();
    std::vector<std::string> lines = l.Stop("PID1_3.txt");
    EXPECT_EQ(lines[1].substr(0, 5), "0.20;");
    EXPECT_EQ(l.folder.Read("PID1_1.txt"), "older");
}

TEST(ControllerTrend, ArchiveStateOfTheControls) {
    ArchivedLoop l;
    l.sim.trendArchiveFolder.clear();
    EXPECT_EQ(l.c.StartArchive(l.sim, l.files), ArchiveStart::NeedsFolder);
    l.sim.trendArchiveFolder = l.folder.path();
    l.Start();
    EXPECT_TRUE(l.c.trendFields.CheckBox1);
    EXPECT_FALSE(l.c.trendDisplay.archiveLockedControlsEnabled);
    l.c.Timer1Tick();
    EXPECT_TRUE(l.c.trendDisplay.Label21Visible);
    EXPECT_EQ(l.c.StartArchive(l.sim, l.files), ArchiveStart::Refused);
    l.Stop("PID1_1.txt");
    EXPECT_FALSE(l.c.trendDisplay.Label21Visible);
    EXPECT_TRUE(l.c.trendDisplay.archiveLockedControlsEnabled);
    l.c.Timer1Tick();
    EXPECT_FALSE(l.c.trendDisplay.Label21Visible);
}

TEST(ControllerTrend, ArchiveRefusedWithoutTag) {
    ArchivedLoop l;
    l.c.fields.TagText.clear();
    l.Revalidate();
    EXPECT_EQ(l.c.StartArchive(l.sim, l.files), ArchiveStart::Refused);
}

TEST(ControllerTrend, UncreatableArchiveIsReported) {
    ArchivedLoop l;
    l.sim.trendArchiveFolder = l.folder.File("missing");
    EXPECT_EQ(l.c.StartArchive(l.sim, l.files), ArchiveStart::Failed);
    EXPECT_EQ(l.c.archive.error, "I/O error: " + l.folder.File("missing/PID1_1.txt"));
    EXPECT_FALSE(l.c.trendFields.CheckBox1);
    EXPECT_TRUE(l.c.trendDisplay.archiveLockedControlsEnabled);
    l.Step();  // the loop keeps running
}

TEST(ControllerTrend, AutoScaleFromStoredPV) {
    ControllerLoop l;
    for (int i = 0; i < TrendRing::kSize; ++i) {
        l.sim.vars.Write(21, 40.0 + 20.0 * (i % 2));
        l.Step();
    }
    l.c.trendFields.EscalaAuto = true;
    l.Revalidate();
    EXPECT_DOUBLE_EQ(l.c.trend.top(), 66.0);
    EXPECT_DOUBLE_EQ(l.c.trend.bottom(), 36.0);
    EXPECT_EQ(l.c.trendFields.eSupText, "66.0");
    EXPECT_EQ(l.c.trendFields.eInfText, "36.0");
    EXPECT_EQ(l.c.trendDisplay.axisLabels[0], "63");
    EXPECT_EQ(l.c.trendDisplay.axisLabels[8], "39");
    EXPECT_EQ(l.c.trend.At(l.c.trend.position()).points[0], 160);  // 60 % on 36..66
}

TEST(ControllerTrend, AutoScaleOfAnEmptyTrendKeepsTheScale) {
    ControllerLoop l;
    l.c.trendFields.EscalaAuto = true;
    l.Revalidate();
    EXPECT_EQ(l.c.trend.top(), 100.0);
    EXPECT_EQ(l.c.trend.bottom(), 0.0);
    EXPECT_EQ(l.c.trendFields.eSupText, "100.0");
}

TEST(ControllerTrend, ManualScaleIsAppliedOnlyWhenOrdered) {
    ControllerLoop l;
    l.Step();
    l.c.trendFields.EscalaAuto = true;
    l.c.trendFields.eSupText = "60";
    l.c.trendFields.eInfText = "20";
    l.c.ApplyManualScale();
    EXPECT_FALSE(l.c.trendFields.EscalaAuto);
    EXPECT_DOUBLE_EQ(l.c.trend.top(), 60.0);
    EXPECT_EQ(l.c.trend.At(1).points[0], 100);  // PV 40 halfway up
    EXPECT_EQ(l.c.trendDisplay.axisLabels[0], "56");
    l.c.trendFields.eInfText = "70";
    l.c.ApplyManualScale();
    EXPECT_DOUBLE_EQ(l.c.trend.bottom(), 20.0);
    l.c.trendFields.eInfText = "low";
    l.c.ApplyManualScale();
    EXPECT_DOUBLE_EQ(l.c.trend.bottom(), 20.0);
}

TEST(ControllerTrend, ActuatorTrace) {
    ControllerLoop own;
    own.sim.vars.WriteActuator(1, 37.5);
    own.Step();
    EXPECT_EQ(own.c.trend.At(1).points[3], 75);

    ControllerLoop other;
    other.c.fields.VariavelSelect = 4;  // M05: not a process output
    other.Revalidate();
    other.Step();
    other.Step();
    EXPECT_EQ(other.c.trend.At(1).points[3], 2);
    EXPECT_EQ(other.c.trend.At(2).points[3], 2);
}

TEST(ControllerTrend, PauseStopsSamplesButNotTheLoop) {
    ArchivedLoop l;
    l.Start();
    l.Step();
    l.c.SpeedButton2Click();
    EXPECT_TRUE(l.c.cursor.panelVisible);
    l.Step();
    EXPECT_EQ(l.c.trend.position(), 1);
    EXPECT_NEAR(l.sim.vars.Read(1), 60.2, 1e-12);
    l.c.SpeedButton2Click();
    l.Step();
    EXPECT_EQ(l.c.trend.position(), 2);
    EXPECT_EQ(l.Stop("PID1_1.txt").size(), 3u);
}

TEST(ControllerTrend, CursorReadsSixPointsInTurn) {
    ControllerLoop l;
    l.c.ImageClick(100, 50);
    EXPECT_EQ(l.c.cursor.labels[0], "Ponto 1:");  // not paused
    l.c.trendFields.BaseTempoBox = 1;
    l.c.SpeedButton2Click();
    l.c.ImageClick(100, 50);
    EXPECT_EQ(l.c.cursor.labels[0], "Ponto 1:  Y=75.0  X=30.0");
    EXPECT_TRUE(l.c.cursor.markers[0].visible);
    EXPECT_EQ(l.c.cursor.markers[0].labelX, 105);
    EXPECT_EQ(l.c.cursor.markers[0].labelY, 38);
    for (int i = 0; i < 5; ++i)
        l.c.ImageClick(0, 200);
    EXPECT_EQ(l.c.cursor.labels[5], "Ponto 6:  Y=0.0  X=0.0");
    EXPECT_EQ(l.c.cursor.counter, 1);
    l.c.CloseWindow();
    EXPECT_FALSE(l.c.trend.paused);
    EXPECT_EQ(l.c.cursor.labels[5], "Ponto 6:");
}

}  // namespace
}  // namespace vork
