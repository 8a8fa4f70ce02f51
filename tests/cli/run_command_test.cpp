#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_sim.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

const std::string kExample =
    "'" + std::string(VORK_SOURCE_DIR) + "/examples/basic flow loop/basic flow loop.smp'";

int Fields(const std::string& line) {
    int tabs = 0;
    for (char c : line)
        tabs += c == '\t';
    return tabs + 1;
}

const std::string kHeader =
    "loop\ttag\tvariability\tIEM\tIEMA\tCO travel\tCO deviation\tCO saturation\tPV "
    "mean/min/max\n";

TEST(VorkSimRun, PrintsAHeaderAndOneLineOfIndicesPerActiveLoop) {
    SimOutput out = RunSim("run " + kExample + " --step sp:10 --seed 7");
    ASSERT_EQ(out.status, 0);
    ASSERT_TRUE(out.text.starts_with(kHeader));
    std::string loops = out.text.substr(kHeader.size());
    ASSERT_EQ(std::count(loops.begin(), loops.end(), '\n'), 1);
    EXPECT_TRUE(loops.starts_with("1\tFIC-101\t"));
    EXPECT_EQ(Fields(loops), 9);
    EXPECT_EQ(Fields(kHeader), 9);
    EXPECT_NE(loops.find(" %\t"), std::string::npos);
    // The same seed gives the same indices.
    EXPECT_EQ(RunSim("run " + kExample + " --step sp:10 --seed 7").text, out.text);
}

// Plain numbers for scripts: the same indices as the table, without rounding or suffixes.
TEST(VorkSimRun, CsvWritesPlainNumbers) {
    SimOutput out = RunSim("run " + kExample + " --step sp:10 --seed 7 --csv");
    ASSERT_EQ(out.status, 0);
    ASSERT_EQ(std::count(out.text.begin(), out.text.end(), '\n'), 1);
    ASSERT_TRUE(out.text.starts_with("1,FIC-101,"));
    std::vector<double> values;
    std::istringstream fields(out.text.substr(10));
    for (std::string field; std::getline(fields, field, ',');)
        values.push_back(std::stod(field));
    ASSERT_EQ(values.size(), 9u);
    std::string table = RunSim("run " + kExample + " --step sp:10 --seed 7").text;
    std::string row = table.substr(table.find("\n1\t") + 1);
    char iema[16];
    std::snprintf(iema, sizeof iema, "\t%5.2f %%\t", values[2]);
    EXPECT_NE(row.find(iema), std::string::npos) << row;
    EXPECT_LE(values[7], values[6]);  // PV minimum, mean, maximum
    EXPECT_LE(values[6], values[8]);
}

TEST(VorkSimRun, EngineeringUnitsChangeTheSuffix) {
    SimOutput out = RunSim("run " + kExample + " --engineering --window 1h --dt 1s --seed 1");
    ASSERT_EQ(out.status, 0);
    EXPECT_NE(out.text.find(" m3/h\t"), std::string::npos);
}

TEST(VorkSimRun, ReportsElapsedTimeOnStandardError) {
    SimOutput out = RunSim("run " + kExample + " --dt 1s", true);
    EXPECT_NE(out.text.find("elapsed: "), std::string::npos);
}

TEST(VorkSimRun, ArchiveIsWrittenInTheCurrentFolder) {
    test::TempFolder temp;
    SimOutput first = RunSim("run " + kExample + " --dt 1s --archive Aula", true, temp.path());
    SimOutput second = RunSim("run " + kExample + " --dt 1s --archive Aula", true, temp.path());
    EXPECT_EQ(first.status, 0);
    EXPECT_NE(first.text.find("archive: Aula_1.txd"), std::string::npos);
    EXPECT_NE(second.text.find("archive: Aula_2.txd"), std::string::npos);
    EXPECT_TRUE(temp.Has("Aula_1.txd"));
    EXPECT_EQ(std::filesystem::file_size(temp.File("Aula_1.txd")) > 1800 * 99 * 5, true);
}

TEST(VorkSimRun, BadAmplitudeFailsWithTheConversionMessage) {
    SimOutput out = RunSim("run " + kExample + " --step sp:2.5", true);
    EXPECT_EQ(out.status, 1);
    EXPECT_NE(out.text.find("'2.5' is not a valid integer value"), std::string::npos);
}

// The charts of the window, headless: no display is asked for.
TEST(VorkSimRun, PlotWritesOnePngPerActiveLoop) {
    test::TempFolder temp;
    SimOutput out = RunSim("run " + kExample + " --step sp:10 --plot charts", true, temp.path());
    if (out.status == 2 && out.text.find("without charts") != std::string::npos)
        GTEST_SKIP() << "vork-sim built without charts";
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_NE(out.text.find("plot: charts/loop1_FIC-101.png"), std::string::npos) << out.text;
    std::string png = temp.Read("charts/loop1_FIC-101.png");
    ASSERT_GT(png.size(), 1000u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_FALSE(temp.Has("charts/loop2_.png"));
    // The indices are printed as without --plot.
    EXPECT_NE(out.text.find("1\tFIC-101\t"), std::string::npos);
}

TEST(VorkSimRun, UsageErrors) {
    for (const std::string& bad : std::vector<std::string>{
             "", "--window 3h " + kExample, "--dt 2s " + kExample, "--step up:1 " + kExample,
             "--step " + kExample, "--seed x " + kExample, "--path slow " + kExample,
             "--path bare " + kExample, "--archive", kExample + " " + kExample,
             "--bogus " + kExample, "--plot"}) {
        EXPECT_EQ(RunSim("run " + bad).status, 2) << bad;
    }
    EXPECT_EQ(RunSim("run /nonexistent.smp").status, 1);
}

}  // namespace
}  // namespace vork
