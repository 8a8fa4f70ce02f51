#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_sim.h"
#include "support/temp_folder.h"
#include "support/tuning_plants.h"

namespace vork {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Saved(const test::TempFolder& folder, const test::PlantSpec& plantSpec) {
    std::ofstream(folder.File("plant.smp"), std::ios::binary) << test::PlantBytes(plantSpec);
    return "'" + folder.File("plant.smp") + "'";
}

TEST(VorkSimTune, CsvGivesTheModelThenTheSuggestionsBestFirst) {
    test::TempFolder folder;
    std::string file = Saved(folder, {});
    std::string before = folder.Read("plant.smp");
    SimOutput out = RunSim("tune " + file + " --loop 1 --csv");
    ASSERT_EQ(out.status, 0);
    std::vector<std::string> lines = Lines(out.text);
    ASSERT_EQ(lines.size(), 9u);
    std::smatch m;
    std::regex model("model,([^,]+),([^,]+),([^,]+),([^,]+),fopdt");
    ASSERT_TRUE(std::regex_match(lines[0], m, model)) << lines[0];
    EXPECT_NEAR(std::stod(m[1]), 2, 0.02);
    EXPECT_NEAR(std::stod(m[2]), 20, 0.2);
    EXPECT_NEAR(std::stod(m[3]), 5, 0.1);
    std::regex set("(SIMC|IMC|ZN|CC),(PI|PID),([0-9.]+),([0-9.]+),([0-9.]+),([0-9.]+)");
    double last = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        ASSERT_TRUE(std::regex_match(lines[i], m, set)) << lines[i];
        EXPECT_GE(std::stod(m[6]), last);
        last = std::stod(m[6]);
        if (m[2] == "PI") {
            EXPECT_EQ(m[5], "0");
        }
    }
    EXPECT_EQ(folder.Read("plant.smp"), before);  // the file is only read
}

TEST(VorkSimTune, IntegratingModelWritesItsRate) {
    test::TempFolder folder;
    test::PlantSpec level;
    level.type = kIntegrator;
    level.gain = "0.02";
    level.input = "M01-50";
    level.co = 50;
    SimOutput out = RunSim("tune " + Saved(folder, level) + " --loop 1 --csv --amplitude 5");
    ASSERT_EQ(out.status, 0);
    EXPECT_TRUE(
        std::regex_search(out.text, std::regex("^model,0\\.02,0,5\\.[0-9]*,[^,]+,integrating\n")))
        << out.text;
}

TEST(VorkSimTune, TableForPeople) {
    test::TempFolder folder;
    SimOutput out = RunSim("tune " + Saved(folder, {}) + " --loop 1 --method closed");
    ASSERT_EQ(out.status, 0);
    EXPECT_NE(out.text.find("Loop 1 PIC-1: setpoint (closed loop) step of 10 %"),
              std::string::npos);
    EXPECT_NE(out.text.find("Model: first order plus dead time, gain 2"), std::string::npos);
    EXPECT_NE(out.text.find("method  kind          Kc     Ti (s)     Td (s)   IEMA (%)"),
              std::string::npos);
}

// The example's underdamped loop rings harder than its first-order model lets Cohen-Coon's PI
// expect: the set is listed at half the rule's gain.
TEST(VorkSimTune, DetunedSetIsNoted) {
    SimOutput out = RunSim("tune '" + std::string(VORK_SOURCE_DIR) +
                           "/examples/processes to model/4processes.smp' --loop 2");
    ASSERT_EQ(out.status, 0);
    EXPECT_TRUE(std::regex_search(out.text, std::regex("\nCC +PI +0\\.259 .*  rule's Kc / 2\n")))
        << out.text;
    EXPECT_EQ(out.text.find("did not settle"), std::string::npos);
}

TEST(VorkSimTune, UsageAndFailures) {
    test::TempFolder folder;
    std::string file = Saved(folder, {});
    for (const std::string& bad : std::vector<std::string>{
             file, file + " --loop 0", file + " --loop 11", file + " --loop x",
             file + " --loop 1 --method relay", file + " --loop 1 --amplitude 0",
             file + " --loop 1 --amplitude 100", file + " --loop 1 --lambda -2",
             file + " --loop 1 --bogus", "--loop 1", file + " " + file + " --loop 1"})
        EXPECT_EQ(RunSim("tune " + bad).status, 2) << bad;
    SimOutput missing = RunSim("tune " + file + " --loop 2", true);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.text.find("loop 2 has no controller"), std::string::npos);
    EXPECT_EQ(RunSim("tune /nonexistent.smp --loop 1").status, 1);
}

}  // namespace
}  // namespace vork
