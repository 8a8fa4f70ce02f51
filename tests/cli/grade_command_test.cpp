#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "plant/controller.h"
#include "project/project.h"
#include "support/run_sim.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

namespace fs = std::filesystem;

const std::string kExample =
    std::string(VORK_SOURCE_DIR) + "/examples/basic flow loop/basic flow loop.smp";
const std::string kOptions = " --window 30min --dt 1s --step sp:10";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Five students' variants of the example, each in a folder, and one file that does not load.
std::vector<std::string> FillClass(const test::TempFolder& folder) {
    std::vector<std::string> names;
    for (int k = 1; k <= 5; ++k) {
        Project project;
        EXPECT_TRUE(project.Load(kExample).ok());
        Controller& c = *project.sim.controllers.Get(1);
        c.fields.KpText = std::to_string(0.1 * k);
        c.Validate(project.sim);
        std::string name = "student" + std::to_string(k) + "/flow, final.smp";
        fs::create_directories(folder.File("student" + std::to_string(k)));
        EXPECT_TRUE(project.Save(folder.File(name)).ok());
        names.push_back(name);
    }
    std::ofstream(folder.File("late.smp"), std::ios::binary) << "garbage";
    return names;
}

TEST(VorkSimGrade, CsvRowsAreWhatRunPrintsForEachProject) {
    test::TempFolder folder, out;
    std::vector<std::string> names = FillClass(folder);
    SimOutput graded = RunSim(
        "grade '" + folder.path() + "' --jobs 2 --csv '" + out.File("grades.csv") + "'" + kOptions,
        false);
    ASSERT_EQ(graded.status, 0);
    std::vector<std::string> csv = Lines(out.Read("grades.csv"));
    ASSERT_EQ(csv.size(), 6u);
    EXPECT_EQ(csv[0],
              "project,loop,tag,variability,iem,iema,co_travel,co_deviation,co_saturation,pv_mean,"
              "pv_min,pv_max");
    for (size_t k = 0; k < names.size(); ++k) {
        std::string run = RunSim("run '" + folder.File(names[k]) + "' --csv" + kOptions).text;
        EXPECT_EQ(csv[k + 1], "\"" + names[k] + "\"," + Lines(run).at(0));
    }
    // The summary ranks the loops by IEMA and lists the file that failed.
    std::vector<std::string> summary = Lines(graded.text);
    ASSERT_EQ(summary.size(), 7u);
    EXPECT_EQ(summary[0], " rank   IEMA (%)  loop  tag          project");
    for (size_t i = 2; i < 6; ++i)
        EXPECT_LE(std::stod(summary[i - 1].substr(5, 11)), std::stod(summary[i].substr(5, 11)));
    EXPECT_TRUE(summary[6].starts_with("failed: late.smp: ")) << summary[6];
}

TEST(VorkSimGrade, ProgressOnStandardErrorAndShardsThatAddUp) {
    test::TempFolder folder, out;
    FillClass(folder);
    SimOutput all = RunSim("grade '" + folder.path() + "' --jobs 1" + kOptions, true);
    EXPECT_NE(all.text.find("[6/6] "), std::string::npos);
    EXPECT_NE(all.text.find("graded 6 projects in "), std::string::npos);
    std::string csv;
    for (const char* shard : {"1/2", "2/2"}) {
        std::string file = out.File(std::string("part") + shard[0] + ".csv");
        ASSERT_EQ(RunSim("grade '" + folder.path() + "' --shard " + shard + " --csv '" + file +
                         "'" + kOptions)
                      .status,
                  0);
    }
    RunSim("grade '" + folder.path() + "' --csv '" + out.File("all.csv") + "'" + kOptions);
    std::vector<std::string> whole = Lines(out.Read("all.csv"));
    std::vector<std::string> one = Lines(out.Read("part1.csv")), two = Lines(out.Read("part2.csv"));
    EXPECT_EQ(one.size() + two.size(), whole.size() + 1);  // two headers
    // In path order late.smp (no row) goes to the first shard, student1 to the second, and so on.
    EXPECT_EQ(two[1], whole[1]);
    EXPECT_EQ(one[1], whole[2]);
}

TEST(VorkSimGrade, UsageAndFailures) {
    test::TempFolder folder;
    for (const std::string& bad :
         {std::string(""), "--jobs 0 '" + folder.path() + "'",
          "--shard 3/2 '" + folder.path() + "'", "--shard x '" + folder.path() + "'",
          "--window 5h '" + folder.path() + "'", "--step sp:2.5 '" + folder.path() + "'",
          std::string("a b")})
        EXPECT_EQ(RunSim("grade " + bad).status, 2) << bad;
    EXPECT_EQ(RunSim("grade '" + folder.File("missing") + "'").status, 1);
    EXPECT_EQ(RunSim("grade '" + folder.path() + "' --csv /nonexistent/dir/out.csv").status, 1);
}

}  // namespace
}  // namespace vork
