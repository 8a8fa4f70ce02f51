#include "analysis/grading.h"

#include <algorithm>
#include <mutex>

#include "analysis/parallel_for.h"
#include "plant/controller.h"
#include "project/project.h"

namespace vork {

std::vector<LoopGrade> LoopGrades(const Simulation& sim, const RunOutcome& outcome,
                                  const LoopCurveSet& curves) {
    std::vector<LoopGrade> grades;
    for (int i = 1; i <= 10; ++i) {
        if (!outcome.loops[i - 1].Active()) continue;
        std::optional<IndexValues> values = ScoreValues(curves[i - 1]);
        if (!values) continue;
        grades.push_back({i, sim.controllers.Get(i)->fields.TagText, *values});
    }
    return grades;
}

std::vector<std::filesystem::path> FindProjects(const std::filesystem::path& folder,
                                                std::string& error) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    std::error_code ec;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->path().extension() == ".smp" && it->is_regular_file(ec))
            files.push_back(it->path());
    if (ec) error = folder.string() + ": " + ec.message();
    std::sort(files.begin(), files.end());
    return files;
}

ProjectGrade GradeProject(const std::filesystem::path& file, const GradeOptions& o) {
    ProjectGrade grade;
    grade.file = file;
    Project project;
    FileResult loaded = project.Load(file);
    if (!loaded.ok()) {
        grade.error = loaded.error;
        return grade;
    }
    if (o.seed) project.sim.random.Seed(*o.seed);
    RunInputs inputs = o.inputs;
    inputs.archive = false;
    LoopCurveSet curves;
    ResultsTables tables;
    RunOutcome outcome = RunFastSimulation(project.sim, inputs, curves, tables);
    if (!outcome.error.empty()) {
        grade.error = outcome.error;
        return grade;
    }
    grade.loops = LoopGrades(project.sim, outcome, curves);
    return grade;
}

std::vector<ProjectGrade> GradeProjects(
    const std::vector<std::filesystem::path>& files, const GradeOptions& options, int jobs,
    const std::function<void(size_t done, const ProjectGrade&)>& finished) {
    std::vector<ProjectGrade> grades(files.size());
    std::mutex reporting;
    size_t done = 0;
    ParallelFor(files.size(), jobs, [&](size_t i) {
        grades[i] = GradeProject(files[i], options);
        std::lock_guard lock(reporting);
        ++done;
        if (finished) finished(done, grades[i]);
    });
    return grades;
}

}  // namespace vork
