#include <gtest/gtest.h>

#include <memory>

#include "support/temp_folder.h"
#include "window_fixtures.h"

namespace vork {
namespace {

using test::LoopWindow;
using test::TempFolder;

struct ArchivedLoopWindow : LoopWindow {
    TempFolder folder;
    DiskTrendFileSystem files;
};

TEST(TrendPanel, ArchiveBoxIndicatorAndLockedControls) {
    ArchivedLoopWindow l;
    EXPECT_TRUE(l.w.trend.archiveEnabled);
    EXPECT_EQ(l.w.StartArchive(l.files), ArchiveStart::NeedsFolder);
    EXPECT_FALSE(l.w.trend.archiveChecked);
    l.w.ChooseArchiveFolder(l.folder.path());
    ASSERT_EQ(l.w.StartArchive(l.files), ArchiveStart::Started);
    EXPECT_TRUE(l.w.trend.archiveChecked);
    EXPECT_FALSE(l.w.trend.archiveLockedControlsEnabled);
    l.w.trend.Timer1Tick();
    EXPECT_TRUE(l.w.trend.archiveIndicatorVisible);
    EXPECT_EQ(l.w.StartArchive(l.files), ArchiveStart::Refused);
    EXPECT_EQ(l.w.StopArchive(), "Data saved: " + l.folder.File("PID1_1.txt"));
    EXPECT_FALSE(l.w.trend.archiveChecked);
    EXPECT_FALSE(l.w.trend.archiveIndicatorVisible);
    EXPECT_TRUE(l.w.trend.archiveLockedControlsEnabled);
    l.w.trend.Timer1Tick();
    EXPECT_FALSE(l.w.trend.archiveIndicatorVisible);
}

TEST(TrendPanel, UncreatableArchiveShowsUnchecked) {
    ArchivedLoopWindow l;
    l.w.ChooseArchiveFolder(l.folder.File("missing"));
    EXPECT_EQ(l.w.StartArchive(l.files), ArchiveStart::Failed);
    EXPECT_FALSE(l.w.trend.archiveChecked);
    EXPECT_TRUE(l.w.trend.archiveLockedControlsEnabled);
}

TEST(TrendPanel, ArchiveThatStopsWritingShowsStoppedAtTheNextRefresh) {
    struct FailingFile : TrendFile {
        int lines = 0;
        bool WriteLine(std::string_view) override { return ++lines < 2; }
    };
    struct OneFileSystem : TrendFileSystem {
        bool Exists(const std::string&) const override { return false; }
        std::unique_ptr<TrendFile> Create(const std::string&) override {
            return std::make_unique<FailingFile>();
        }
    };
    LoopWindow l;
    OneFileSystem files;
    l.w.ChooseArchiveFolder("anywhere");
    ASSERT_EQ(l.w.StartArchive(files), ArchiveStart::Started);
    l.w.trend.Timer1Tick();
    l.Step();  // the row fails
    EXPECT_FALSE(l.w.trend.archiveChecked);
    EXPECT_FALSE(l.w.trend.blinking);
    EXPECT_FALSE(l.w.trend.archiveIndicatorVisible);
    EXPECT_TRUE(l.w.trend.archiveLockedControlsEnabled);
}

TEST(TrendPanel, AutoScaleTextsFromStoredPV) {
    LoopWindow l;
    for (int i = 0; i < TrendRing::kSize; ++i) {
        l.sim.vars.Write(21, 40.0 + 20.0 * (i % 2));
        l.Step();
    }
    l.w.EscalaAutoClick(true);
    EXPECT_TRUE(l.c.trend.settings.EscalaAuto);
    EXPECT_DOUBLE_EQ(l.c.trend.ring.top(), 66.0);
    EXPECT_EQ(l.w.trend.eSupText, "66.0");
    EXPECT_EQ(l.w.trend.eInfText, "36.0");
    EXPECT_EQ(l.w.trend.axisLabels[0], "63");
    EXPECT_EQ(l.w.trend.axisLabels[8], "39");
    l.w.EscalaAutoClick(false);
    EXPECT_EQ(l.w.trend.eSupText, "100.0");
}

TEST(TrendPanel, AutoScaleOfAnEmptyTrendKeepsTheScale) {
    LoopWindow l;
    l.w.EscalaAutoClick(true);
    EXPECT_EQ(l.w.trend.eSupText, "100.0");
    EXPECT_EQ(l.w.trend.eInfText, "0.0");
}

TEST(TrendPanel, DoubleClickValidatesWithoutMarkingApplied) {
    LoopWindow l;
    l.w.Edit([](ControllerFields& f) { f.KpText = "4"; });
    l.w.ImageDoubleClick();
    EXPECT_EQ(l.c.tuning.Kc, 4.0) << "a validation applies what the configuration holds";
    EXPECT_TRUE(l.w.applyPending);
}

TEST(TrendPanel, ManualScaleIsAppliedOnlyWhenOrdered) {
    LoopWindow l;
    l.Step();
    l.w.EscalaAutoClick(true);
    l.w.trend.eSupText = "60";
    l.w.trend.eInfText = "20";
    l.w.trend.ApplyManualScale();
    EXPECT_FALSE(l.c.trend.settings.EscalaAuto);
    EXPECT_DOUBLE_EQ(l.c.trend.ring.top(), 60.0);
    EXPECT_EQ(l.c.trend.ring.At(1).points[0], 100);  // PV 40 halfway up
    EXPECT_EQ(l.w.trend.axisLabels[0], "56");
    l.w.trend.eInfText = "70";
    l.w.trend.ApplyManualScale();
    EXPECT_DOUBLE_EQ(l.c.trend.ring.bottom(), 20.0);
    l.w.trend.eInfText = "low";
    l.w.trend.ApplyManualScale();
    EXPECT_DOUBLE_EQ(l.c.trend.ring.bottom(), 20.0);
    EXPECT_EQ(l.w.trend.axisLabels[8], "24");
}

TEST(TrendPanel, TimeBaseRenamesTheIndicatorAndChangesSampling) {
    LoopWindow l;
    l.w.trend.BaseTempoBoxChange(2);
    EXPECT_EQ(l.w.trend.archiveIndicator, "Saving 2s sampling");
    for (int i = 0; i < 20; ++i)
        l.Step();
    EXPECT_EQ(l.c.trend.ring.position(), 1);
    l.w.trend.UsarVirgulaClick(true);
    l.w.trend.UsarUEClick(true);
    EXPECT_TRUE(l.c.trend.settings.UsarVirgula && l.c.trend.settings.UsarUE);
}

TEST(TrendPanel, PauseShowsTheCursorPanel) {
    LoopWindow l;
    l.w.trend.PauseClick();
    EXPECT_TRUE(l.c.trend.ring.paused);
    EXPECT_TRUE(l.w.trend.cursorPanelVisible);
    l.Step();
    EXPECT_EQ(l.c.trend.ring.position(), 0);
    l.w.trend.PauseClick();
    EXPECT_FALSE(l.w.trend.cursorPanelVisible);
}

TEST(TrendPanel, FaceplateCursorReadsSixPointsInTurn) {
    LoopWindow l;
    l.w.trend.ImageClick(100, 50);
    EXPECT_EQ(l.w.trend.cursorLabels[0], "Ponto 1:");  // not paused
    l.w.trend.BaseTempoBoxChange(1);
    l.w.trend.PauseClick();
    l.w.trend.ImageClick(100, 50);
    EXPECT_EQ(l.w.trend.cursorLabels[0], "Ponto 1:  Y=75.0  X=30.0");
    EXPECT_TRUE(l.w.trend.cursorMarkers[0].visible);
    EXPECT_EQ(l.w.trend.cursorMarkers[0].labelX, 105);
    EXPECT_EQ(l.w.trend.cursorMarkers[0].labelY, 38);
    for (int i = 0; i < 5; ++i)
        l.w.trend.ImageClick(0, 200);
    EXPECT_EQ(l.w.trend.cursorLabels[5], "Ponto 6:  Y=0.0  X=0.0");
    EXPECT_EQ(l.w.trend.cursorCounter, 1);
    l.w.CloseWindow();
    EXPECT_FALSE(l.c.trend.ring.paused);
    EXPECT_FALSE(l.w.trend.cursorPanelVisible);
    EXPECT_EQ(l.w.trend.cursorLabels[5], "Ponto 6:");
}

TEST(TrendPanel, GridScrollsWithThePhase) {
    LoopWindow l;
    for (int i = 0; i < 31; ++i)
        l.Step();
    std::vector<int> xs = TrendPanel::VerticalGridX(l.c.trend.ring);
    EXPECT_EQ(xs.size(), 15u);
    EXPECT_EQ(xs[1], 29);
    EXPECT_EQ(TrendPanel::HorizontalGridY().back(), 200);
}

}  // namespace
}  // namespace vork
