#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fastsim/fast_run.h"
#include "fastsim/indices.h"

namespace vork {

class Simulation;

// The indices of one loop after a fast simulation, as numbers.
struct LoopGrade {
    int loop = 0;
    std::string tag;
    IndexValues indices;
};

struct ProjectGrade {
    std::filesystem::path file;
    std::string error;  // why the project could not be loaded or run
    std::vector<LoopGrade> loops;
};

struct GradeOptions {
    RunInputs inputs;  // window, time step and test signal, as `vork-sim run` takes them
    std::optional<uint64_t> seed;
};

// Every active loop of a finished run, in loop order; a loop with fewer than two points has none.
std::vector<LoopGrade> LoopGrades(const Simulation& sim, const RunOutcome& outcome,
                                  const LoopCurveSet& curves);

// Every ".smp" file below `folder`, at any depth, in path order.
std::vector<std::filesystem::path> FindProjects(const std::filesystem::path& folder,
                                                std::string& error);

// Loads one project into a simulation of its own and runs the fast simulation on it.
ProjectGrade GradeProject(const std::filesystem::path& file, const GradeOptions& options);

// Grades every file on `jobs` threads, one simulation per project; the results are in the order
// of `files`. `finished` is called once per project as it ends, one call at a time.
std::vector<ProjectGrade> GradeProjects(
    const std::vector<std::filesystem::path>& files, const GradeOptions& options, int jobs,
    const std::function<void(size_t done, const ProjectGrade&)>& finished = {});

}  // namespace vork
