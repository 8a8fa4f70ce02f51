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
        EXPECT_EQ(c.trend.archive.path(), folder.File(name));
        c.trend.archive.Stop();
        return Lines(folder.Read(name));
    }
};

TEST(ControllerTrend, TimeBasesSampleEveryOneThreeOrTwentyTicks) {
    for (auto [base, ticks] : {std::pair{0, 1}, {1, 3}, {2, 20}}) {
        ControllerLoop l;
        l.c.trend.settings.BaseTempoBox = base;
        for (int i = 0; i < 60; ++i)
            l.Step();
        EXPECT_EQ(l.c.trend.ring.position(), 60 / ticks) << base;
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
        l.c.trend.settings.BaseTempoBox = k.base;
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
    l.c.trend.settings.UsarVirgula = true;
    l.c.trend.settings.UsarUE = true;
    l.c.trend.archive.rowTime = 1.2;
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

TEST(ControllerTrend, ArchiveWaitsForAFolderAndRunsOnce) {
    ArchivedLoop l;
    l.sim.trendArchiveFolder.clear();
    EXPECT_EQ(l.c.StartArchive(l.sim, l.files), ArchiveStart::NeedsFolder);
    l.sim.trendArchiveFolder = l.folder.path();
    l.Start();
    EXPECT_EQ(l.c.StartArchive(l.sim, l.files), ArchiveStart::Refused);
    l.Stop("PID1_1.txt");
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
    EXPECT_EQ(l.c.trend.archive.error, "I/O error: " + l.folder.File("missing/PID1_1.txt"));
    EXPECT_FALSE(l.c.trend.archive.on());
    l.Step();  // the loop keeps running
}

TEST(ControllerTrend, AutoScaleFromStoredPV) {
    ControllerLoop l;
    for (int i = 0; i < TrendRing::kSize; ++i) {
        l.sim.vars.Write(21, 40.0 + 20.0 * (i % 2));
        l.Step();
    }
    l.c.trend.settings.EscalaAuto = true;
    l.Revalidate();
    const TrendRing& ring = l.c.trend.ring;
    EXPECT_DOUBLE_EQ(ring.top(), 66.0);
    EXPECT_DOUBLE_EQ(ring.bottom(), 36.0);
    EXPECT_EQ(ring.At(ring.position()).points[0], 160);  // 60 % on 36..66
}

TEST(ControllerTrend, AutoScaleOfAnEmptyTrendKeepsTheScale) {
    ControllerLoop l;
    l.c.trend.settings.EscalaAuto = true;
    l.Revalidate();
    EXPECT_EQ(l.c.trend.ring.top(), 100.0);
    EXPECT_EQ(l.c.trend.ring.bottom(), 0.0);
}

TEST(ControllerTrend, EngineeringScaleNeedsAnOrderedPairAndARange) {
    ControllerLoop l;
    l.Step();
    l.c.trend.SetEngineeringScale(60.0, 20.0, l.c.range());
    EXPECT_DOUBLE_EQ(l.c.trend.ring.top(), 60.0);
    EXPECT_EQ(l.c.trend.ring.At(1).points[0], 100);  // PV 40 halfway up
    l.c.trend.SetEngineeringScale(60.0, 70.0, l.c.range());
    EXPECT_DOUBLE_EQ(l.c.trend.ring.bottom(), 20.0);
    l.c.trend.SetEngineeringScale(80.0, 10.0, EngineeringRange{5.0, 5.0});
    EXPECT_DOUBLE_EQ(l.c.trend.ring.bottom(), 20.0);
    l.c.trend.SetEngineeringScale(80.0, 10.0, EngineeringRange{100.0, 0.0});  // reversed range
    EXPECT_DOUBLE_EQ(l.c.trend.ring.bottom(), 20.0);
}

TEST(ControllerTrend, ActuatorTrace) {
    ControllerLoop own;
    own.sim.vars.WriteActuator(1, 37.5);
    own.Step();
    EXPECT_EQ(own.c.trend.ring.At(1).points[3], 75);

    ControllerLoop other;
    other.c.fields.VariavelSelect = 4;  // M05: not a process output
    other.Revalidate();
    other.Step();
    other.Step();
    EXPECT_EQ(other.c.trend.ring.At(1).points[3], 2);
    EXPECT_EQ(other.c.trend.ring.At(2).points[3], 2);
}

TEST(ControllerTrend, PauseStopsSamplesButNotTheLoop) {
    ArchivedLoop l;
    l.Start();
    l.Step();
    l.c.trend.ring.paused = true;
    l.Step();
    EXPECT_EQ(l.c.trend.ring.position(), 1);
    EXPECT_NEAR(l.sim.vars.Read(1), 60.2, 1e-12);
    l.c.trend.ring.paused = false;
    l.Step();
    EXPECT_EQ(l.c.trend.ring.position(), 2);
    EXPECT_EQ(l.Stop("PID1_1.txt").size(), 3u);
}

}  // namespace
}  // namespace vork
