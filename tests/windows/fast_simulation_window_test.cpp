#include "windows/fast_simulation_window.h"

#include <gtest/gtest.h>

#include "plant/controller.h"
#include "project/project.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

constexpr ObjectRef kController1{ObjectKind::Controller, 1};
constexpr ObjectRef kController2{ObjectKind::Controller, 2};

// Controllers 1 and 2 measure M21, the output of process block 1.
struct FastSimulationModel : ::testing::Test {
    FastSimulationModel() {
        project.Fill({ObjectKind::Process, 1});
        for (ObjectRef ref : {kController1, kController2}) {
            project.Fill(ref);
            project.Edit<Controller>(
                ref, [](Controller& c) { c.fields.VariavelSelect = 20; }, Modifies::No);
        }
        project.Edit<Controller>(
            kController1, [](Controller& c) { c.fields.TagText = "FIC-101"; }, Modifies::No);
    }
    FastSimulationWindow& Open() {
        window.emplace(project, tables);
        window->folder = [this] { return std::filesystem::path(temp.path()); };
        return *window;
    }

    Project project;
    ResultsTables tables;
    test::TempFolder temp;
    std::optional<FastSimulationWindow> window;
};

TEST_F(FastSimulationModel, OpensWithTheDefaultsAndTheLoopsTags) {
    FastSimulationWindow& w = Open();
    EXPECT_EQ(w.caption(), "Simulação Rápida");
    EXPECT_EQ(w.tabCaption(ChartRow::Upper, 1), "FIC-101");
    EXPECT_EQ(w.tabCaption(ChartRow::Lower, 1), "FIC-101(hist)");
    EXPECT_EQ(w.tabCaption(ChartRow::Upper, 3), "Malha 3");
    EXPECT_EQ(w.tabCaption(ChartRow::Lower, 10), "Hist 10");
    EXPECT_EQ(w.baseName, "DadosDesempenho");
    EXPECT_EQ(w.windowPosition(), 0);
    EXPECT_EQ(w.stepPosition(), 2);
    EXPECT_EQ(w.completion(), ".");
    EXPECT_FALSE(w.amplitudeVisible());

    // A new window length brings its own time step; the step may then be chosen apart.
    w.ChooseWindow(3);
    EXPECT_EQ(w.stepPosition(), 3);
    w.ChooseStep(0);
    EXPECT_EQ(w.windowPosition(), 3);
    for (int item : {0, 1, 2, 3}) {
        w.ChooseSignal(item);
        EXPECT_EQ(w.amplitudeVisible(), item >= 2) << item;
    }

    project.SetLanguage(Language::English);
    project.workspace.Titulo = "Vazão";
    FastSimulationWindow english(project, tables);
    EXPECT_EQ(english.caption(), "Fast Simulation");
    EXPECT_EQ(english.tabCaption(ChartRow::Upper, 3), "Loop 3");
    EXPECT_EQ(english.tabCaption(ChartRow::Lower, 3), "Hist 3");
    EXPECT_EQ(english.baseName, "Vazão");
}

TEST_F(FastSimulationModel, ARunFillsTheUpperChartsAndShowsLoopOne) {
    FastSimulationWindow& w = Open();
    w.ChooseSignal(2);
    w.archive = true;
    ASSERT_EQ(w.Simulate(), "");
    EXPECT_EQ(w.curves(ChartRow::Upper, 1).pv.size(), 1800u);
    EXPECT_EQ(w.curves(ChartRow::Upper, 2).co.size(), 1800u);
    EXPECT_TRUE(w.curves(ChartRow::Upper, 3).pv.empty());
    EXPECT_TRUE(tables.resultsAvailable);
    EXPECT_EQ(w.archiveName(), "DadosDesempenho_1.txd");
    EXPECT_EQ(w.completion(), "Dados salvos no arquivo");
    EXPECT_EQ(w.upperColumn()[kIema], tables.upper[0][kIema] + " %");
    EXPECT_EQ(w.upperColumn()[kCoTravel], tables.upper[0][kCoTravel]);
    EXPECT_TRUE(w.lowerColumn()[kIema].empty());
    EXPECT_TRUE(project.sim.scan.timerEnabled);

    // A page click shows that loop's row, with the suffix of the time of display.
    w.normalize = false;
    project.sim.vars.SetAttribute(21, AttributeField::Unit, "m3/h");
    w.UpperPageClick(1);
    // The unit is the one captured by the last run.
    ASSERT_NE(tables.upperUnits[1], "m3/h");
    EXPECT_EQ(w.upperColumn()[kIema], tables.upper[1][kIema] + " " + tables.upperUnits[1]);
    EXPECT_EQ(w.lowerPage(), 1);
    EXPECT_TRUE(w.lowerColumn()[kIema].empty());  // nothing loaded below yet
}

// The results tables and their flags belong to the program: a window opened later shows them.
TEST_F(FastSimulationModel, IndicesOutliveTheWindowThatComputedThem) {
    ASSERT_EQ(Open().Simulate(), "");
    window.reset();
    FastSimulationWindow later(project, tables);
    EXPECT_TRUE(later.upperColumn()[kIema].empty());
    later.UpperPageClick(0);
    EXPECT_EQ(later.upperColumn()[kIema], tables.upper[0][kIema] + " %");
    EXPECT_TRUE(later.curves(ChartRow::Upper, 1).pv.empty());  // the charts went with the window
}

TEST_F(FastSimulationModel, AnArchiveLoadsIntoTheLowerRowForComparison) {
    FastSimulationWindow& w = Open();
    w.archive = true;
    ASSERT_EQ(w.Simulate(), "");
    ASSERT_EQ(w.ArchiveList(), std::vector<std::string>{"DadosDesempenho_1"});
    EXPECT_EQ(w.Load(ChartRow::Lower, ""), "");  // no entry chosen: nothing happens
    EXPECT_FALSE(tables.historyLoaded);

    ASSERT_EQ(w.Load(ChartRow::Lower, "DadosDesempenho_1"), "");
    EXPECT_TRUE(tables.historyLoaded);
    EXPECT_EQ(w.curves(ChartRow::Lower, 1).pv.size(), 1800u);
    EXPECT_EQ(w.lowerColumn()[kVariability], w.upperColumn()[kVariability]);
    w.LowerPageClick(1);
    EXPECT_EQ(w.lowerColumn()[kIem], tables.lower[1][kIem] + " %");
    EXPECT_EQ(w.upperPage(), 0);  // the upper notebook does not follow

    EXPECT_NE(w.Load(ChartRow::Upper, "Missing"), "");
    EXPECT_EQ(w.curves(ChartRow::Upper, 1).pv.size(), 1800u);
}

TEST_F(FastSimulationModel, ABadAmplitudeIsRefusedBeforeAnythingChanges) {
    FastSimulationWindow& w = Open();
    w.ChooseSignal(2);
    w.amplitude = "1.5";
    double sp = project.sim.controllers.Get(1)->state.SP;
    EXPECT_NE(w.Simulate(), "");
    EXPECT_TRUE(w.curves(ChartRow::Upper, 1).pv.empty());
    EXPECT_EQ(project.sim.controllers.Get(1)->state.SP, sp);
    EXPECT_TRUE(project.sim.scan.timerEnabled);
    EXPECT_FALSE(w.running());
}

TEST_F(FastSimulationModel, FourHourPagesOfFifteenMinutes) {
    FastSimulationWindow& w = Open();
    w.ChooseWindow(3);
    ASSERT_EQ(w.Simulate(), "");
    w.ChoosePointsPerPage(0);
    for (int i = 0; i < 20; ++i)
        w.NextPage();
    EXPECT_EQ(w.chartPage(ChartRow::Upper, 1), 16);
    EXPECT_EQ(w.chartPage(ChartRow::Lower, 1), 1);  // nothing loaded below: one page
    EXPECT_EQ(w.range(ChartRow::Upper, 1).x, (AxisRange{13500, 14399}));
    w.UpperPageClick(1);
    for (int i = 0; i < 20; ++i)
        w.NextPage();
    EXPECT_EQ(w.chartPage(ChartRow::Upper, 2), 10);
    for (int i = 0; i < 20; ++i)
        w.PreviousPage();
    EXPECT_EQ(w.chartPage(ChartRow::Upper, 2), 1);
    EXPECT_EQ(w.chartPage(ChartRow::Upper, 1), 16);  // each loop keeps its own page

    // Another page size starts every chart again on its first page.
    w.ChoosePointsPerPage(4);
    EXPECT_EQ(w.chartPage(ChartRow::Upper, 1), 1);
    EXPECT_EQ(w.range(ChartRow::Upper, 1).x, (AxisRange{0, 14399}));
}

TEST_F(FastSimulationModel, ZoomIsArmedOnceAndReplicatedToThePartner) {
    FastSimulationWindow& w = Open();
    ASSERT_EQ(w.Simulate(), "");
    ChartRange box{{100, 300}, {40, 60}};
    w.MouseZoom(ChartRow::Upper, 1, box);  // not armed: ignored
    EXPECT_EQ(w.axes(ChartRow::Upper, 1), ChartAxes{});

    w.ArmZoom();
    EXPECT_FALSE(w.zoomButtonEnabled());
    EXPECT_TRUE(w.mouseZoomAllowed(ChartRow::Lower, 1));
    EXPECT_FALSE(w.mouseZoomAllowed(ChartRow::Upper, 2));
    w.MouseZoom(ChartRow::Upper, 1, box);
    EXPECT_EQ(w.range(ChartRow::Upper, 1), box);
    EXPECT_EQ(w.range(ChartRow::Lower, 1), box);
    EXPECT_TRUE(w.zoomButtonEnabled());
    EXPECT_FALSE(w.mouseZoomAllowed(ChartRow::Upper, 1));

    // Undo by mouse on the lower chart resets both; without replication only the one zoomed.
    w.ArmZoom();
    w.MouseUndoZoom(ChartRow::Lower, 1);
    EXPECT_EQ(w.axes(ChartRow::Upper, 1), ChartAxes{});
    w.replicateZoom = false;
    w.MouseZoom(ChartRow::Lower, 1, box);
    EXPECT_EQ(w.axes(ChartRow::Upper, 1), ChartAxes{});
    EXPECT_EQ(w.range(ChartRow::Lower, 1), box);

    w.replicateZoom = true;
    w.FixedScale();
    EXPECT_EQ(w.range(ChartRow::Upper, 1).y, (AxisRange{0, 100}));
    EXPECT_EQ(w.range(ChartRow::Lower, 1).y, (AxisRange{0, 100}));
    w.UndoZoom();
    EXPECT_EQ(w.axes(ChartRow::Lower, 1), ChartAxes{});
    EXPECT_EQ(w.axes(ChartRow::Upper, 1), ChartAxes{});
}

TEST_F(FastSimulationModel, HidingCOsEmptiesEveryMvCurve) {
    FastSimulationWindow& w = Open();
    w.archive = true;
    ASSERT_EQ(w.Simulate(), "");
    ASSERT_EQ(w.Load(ChartRow::Lower, "DadosDesempenho_1"), "");
    w.HideCOs();
    for (ChartRow row : {ChartRow::Upper, ChartRow::Lower}) {
        EXPECT_TRUE(w.curves(row, 1).co.empty());
        EXPECT_EQ(w.curves(row, 1).pv.size(), 1800u);
    }
    EXPECT_EQ(w.ExportFileName(ChartRow::Lower, 1, ExportFormat::Svg), "FIC-101(hist).svg");
    EXPECT_EQ(w.ExportFileName(ChartRow::Upper, 4, ExportFormat::Csv), "Malha_4.csv");
}

}  // namespace
}  // namespace vork
