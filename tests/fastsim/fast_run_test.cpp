#include "fastsim/fast_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "engine/numbers.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/simulation.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

namespace fs = std::filesystem;

// Controller 1 on process block 1 (M01 -> M21), at rest in manual at CO = `co`.
class FastRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ProcessBlock& p = sim.processes.Fill(1);
        p.Validate(sim);
        Controller& c = sim.controllers.Fill(1);
        c.fields.VariavelSelect = 20;  // M21
        c.Validate(sim);
    }

    RunOutcome Run(RunInputs in) { return RunFastSimulation(sim, in, charts, tables); }

    Simulation sim;
    LoopCurveSet charts;
    ResultsTables tables;
};

TEST_F(FastRunTest, DefaultInputsRecordOnePointPerSecond) {
    RunOutcome out = Run({});
    EXPECT_EQ(out.error, "");
    EXPECT_EQ(charts[0].pv.size(), 1800u);
    EXPECT_EQ(charts[0].sp.size(), 1800u);
    EXPECT_EQ(charts[0].co.size(), 1800u);
    EXPECT_TRUE(charts[1].pv.empty());
    EXPECT_FALSE(sim.batch);
    EXPECT_TRUE(sim.scan.timerEnabled);
    EXPECT_EQ(sim.dt, 0.5);  // stays until the next real-time tick
    EXPECT_TRUE(tables.resultsAvailable);
    EXPECT_EQ(tables.upper[0][kVariability], " 0.00");
}

TEST_F(FastRunTest, TestStepInstant) {
    EXPECT_EQ(TestStepInstant(18000), 1891);
    EXPECT_EQ(TestStepInstant(14400), 1513);
    EXPECT_EQ(TestStepInstant(3600), 379);
}

TEST_F(FastRunTest, SetpointStepOnceAfterTheStart) {
    RunInputs in;
    in.signal = TestSignal::SetpointStep;
    in.amplitudeText = "10";
    Run(in);
    // N = 3600 at 0.5 s: the step lands at h = 379, inside simulated second 190.
    EXPECT_EQ(charts[0].sp[188], 0.0);
    EXPECT_EQ(charts[0].sp[189], 10.0);
    EXPECT_EQ(charts[0].sp.back(), 10.0);
    EXPECT_EQ(sim.controllers.Get(1)->state.SP, 10.0);
}

TEST_F(FastRunTest, NoStepForThePromptOrNone) {
    for (TestSignal s : {TestSignal::Prompt, TestSignal::None}) {
        RunInputs in;
        in.signal = s;
        in.amplitudeText = "not a number";
        EXPECT_EQ(Run(in).error, "");
        EXPECT_EQ(charts[0].sp.back(), 0.0);
    }
}

TEST_F(FastRunTest, LoadStepMovesTheBias) {
    Controller& c = *sim.controllers.Get(1);
    double before = c.state.FFValue;
    RunInputs in;
    in.signal = TestSignal::LoadStep;
    in.amplitudeText = "-5";
    Run(in);
    EXPECT_EQ(c.state.FFValue, before - 5);
    EXPECT_EQ(c.state.SP, 0.0);
}

TEST_F(FastRunTest, SetpointStepAlsoStepsTheRemoteSourceOfControllersOneToFour) {
    sim.controllers.Get(1)->fields.SPRSelect = 14;  // M15
    Controller& c5 = sim.controllers.Fill(5);
    c5.fields.SPRSelect = 15;  // M16
    sim.vars.Write(15, 20);
    sim.vars.Write(16, 20);
    RunInputs in;
    in.signal = TestSignal::SetpointStep;
    in.amplitudeText = "7";
    Run(in);
    EXPECT_EQ(sim.vars.Read(15), 27);
    EXPECT_EQ(sim.vars.Read(16), 20);
    EXPECT_EQ(c5.state.SP, 7);
}

TEST_F(FastRunTest, BadAmplitudeStopsBeforeAnyStep) {
    for (const char* bad : {"", "2.5", "ten"}) {
        sim.scan.timerEnabled = false;
        sim.dt = 0.1;
        RunInputs in;
        in.signal = TestSignal::SetpointStep;
        in.amplitudeText = bad;
        charts[0].pv = {1, 2, 3};
        RunOutcome out = Run(in);
        EXPECT_EQ(out.error, ConversionMessage(bad));
        EXPECT_EQ(charts[0].pv.size(), 3u) << "nothing was run";
        EXPECT_FALSE(sim.batch);
        EXPECT_TRUE(sim.scan.timerEnabled);
        EXPECT_EQ(sim.dt, 0.5);
    }
}

TEST(FastRunWithoutControllers, AnyAmplitudeRunsTheWholeWindowAndArchives) {
    test::TempFolder folder;
    Simulation sim;
    sim.processes.Fill(1).Validate(sim);
    LoopCurveSet charts;
    ResultsTables tables;
    RunInputs in;
    in.signal = TestSignal::SetpointStep;
    in.amplitudeText = "2.5";  // never read: no controller takes the step
    in.archive = true;
    in.folder = folder.path();
    RunOutcome out = RunFastSimulation(sim, in, charts, tables);
    EXPECT_EQ(out.error, "");
    std::string bytes = folder.Read(out.archiveName);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1801);
}

TEST_F(FastRunTest, EngineeringUnitsChartThePvRange) {
    sim.vars.SetAttribute(21, AttributeField::UeMax, "200");
    sim.vars.SetAttribute(21, AttributeField::Unit, "kPa");
    Controller& c = *sim.controllers.Get(1);
    c.state.CO = 50;  // manual output at 50 %; the block passes it to M21
    RunInputs in;
    in.normalize = false;
    Run(in);
    EXPECT_NEAR(charts[0].pv.back(), 100.0, 1e-9);
    EXPECT_EQ(charts[0].co.back(), 50.0);
    EXPECT_EQ(tables.upperUnits[0], "kPa");
}

TEST_F(FastRunTest, InactiveAndAbsentLoopsAreLeftAlone) {
    charts[2].pv = {7};  // loop 3 absent: its chart keeps its points
    Controller& c2 = sim.controllers.Fill(2);
    c2.fields.VariavelSelect = -1;  // no PV: present but not active
    charts[1].pv = {9};
    tables.upper[1][0] = "old";
    Run({});
    EXPECT_EQ(charts[2].pv, std::vector<double>{7});
    EXPECT_TRUE(charts[1].pv.empty());
    EXPECT_EQ(tables.upper[1][0], "old");
}

TEST_F(FastRunTest, ArchiveOfAnHourAtTwoHundredMilliseconds) {
    test::TempFolder temp;
    fs::path folder = temp.path();
    RunInputs in;
    in.windowSeconds = 3600;
    in.dt = 0.2;
    in.archive = true;
    in.folder = folder;
    RunOutcome out = Run(in);
    EXPECT_EQ(out.archiveName, "DadosDesempenho_1.txd");
    EXPECT_EQ(out.message, "Dados salvos no arquivo");
    std::ifstream file(folder / out.archiveName, std::ios::binary);
    std::string line, header;
    int lines = 0;
    while (std::getline(file, line)) {
        if (lines++ == 0) header = line;
        EXPECT_EQ(line.back(), '\r');
    }
    EXPECT_EQ(lines, 3601);
    EXPECT_TRUE(header.ends_with("0.2;3600;\r"));
    EXPECT_EQ(Run(in).archiveName, "DadosDesempenho_2.txd");
}

TEST_F(FastRunTest, UnwritableArchiveFolderIsReported) {
    RunInputs in;
    in.archive = true;
    in.folder = "/nonexistent/folder";
    RunOutcome out = Run(in);
    EXPECT_NE(out.error, "");
    EXPECT_TRUE(charts[0].pv.empty());
}

TEST(FastRunLists, WindowAndTimeStepPositions) {
    EXPECT_EQ(WindowSeconds(0), 1800);
    EXPECT_EQ(WindowSeconds(3), 14400);
    EXPECT_EQ(TimeStep(0), 0.1);
    EXPECT_EQ(TimeStep(3), 1.0);
}

}  // namespace
}  // namespace vork
