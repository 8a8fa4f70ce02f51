#include "analysis/grading.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>

#include "analysis/parallel_for.h"
#include "support/temp_folder.h"
#include "support/tuning_plants.h"

namespace vork {
namespace {

namespace fs = std::filesystem;

TEST(ParallelFor, EveryIndexOnce) {
    for (int jobs : {1, 2, 8}) {
        for (size_t count : {0u, 1u, 37u}) {
            std::vector<std::atomic<int>> calls(count);
            ParallelFor(count, jobs, [&](size_t i) { ++calls[i]; });
            for (size_t i = 0; i < count; ++i)
                EXPECT_EQ(calls[i], 1) << jobs << " jobs, index " << i;
        }
    }
}

void Write(const test::TempFolder& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(fs::path(folder.File(name)).parent_path());
    std::ofstream(folder.File(name), std::ios::binary) << bytes;
}

// A class folder: projects in the students' folders, a broken file and a file of another kind.
void FillClass(const test::TempFolder& folder) {
    for (int k = 0; k < 6; ++k) {
        test::PlantSpec plantSpec;
        plantSpec.kc = std::to_string(0.2 + 0.1 * k);
        plantSpec.noise = 0.5;
        std::string bytes = test::PlantBytes(plantSpec);
        Project project;
        project.LoadBytes(bytes, "plant");
        project.sim.controllers.Get(1)->state.AutoMode = true;
        Write(folder, "student" + std::to_string(k) + "/loop.smp", project.FileBytes());
    }
    Write(folder, "student9/broken.smp", "not a simulation file");
    Write(folder, "notes.txt", "ignored");
}

TEST(Grading, FindsEveryProjectBelowTheFolderInOrder) {
    test::TempFolder folder;
    FillClass(folder);
    std::string error;
    std::vector<fs::path> files = FindProjects(folder.path(), error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(files.size(), 7u);
    EXPECT_TRUE(std::is_sorted(files.begin(), files.end()));
    EXPECT_EQ(files.back().filename(), "broken.smp");
    FindProjects(folder.File("missing"), error);
    EXPECT_NE(error, "");
}

// Each project runs in a simulation of its own: on two threads the grades are those of one.
TEST(Grading, ThreadsGiveTheSameGrades) {
    test::TempFolder folder;
    FillClass(folder);
    std::string error;
    std::vector<fs::path> files = FindProjects(folder.path(), error);
    GradeOptions options;
    options.inputs.signal = TestSignal::SetpointStep;
    size_t reported = 0;
    std::vector<ProjectGrade> one = GradeProjects(files, options, 1);
    std::vector<ProjectGrade> two = GradeProjects(
        files, options, 2, [&](size_t done, const ProjectGrade&) { reported = done; });
    EXPECT_EQ(reported, files.size());
    ASSERT_EQ(two.size(), one.size());
    for (size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(two[i].file, one[i].file);
        EXPECT_EQ(two[i].error, one[i].error);
        ASSERT_EQ(two[i].loops.size(), one[i].loops.size());
        for (size_t l = 0; l < one[i].loops.size(); ++l) {
            EXPECT_EQ(two[i].loops[l].tag, "PIC-1");
            EXPECT_EQ(two[i].loops[l].indices.iema, one[i].loops[l].indices.iema);
            EXPECT_EQ(two[i].loops[l].indices.coTravel, one[i].loops[l].indices.coTravel);
        }
    }
    EXPECT_NE(one[0].loops[0].indices.iema, one[5].loops[0].indices.iema);
    EXPECT_TRUE(one.back().loops.empty());
    EXPECT_NE(one.back().error, "");
}

}  // namespace
}  // namespace vork
