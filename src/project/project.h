#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "plant/simulation.h"
#include "project/simulation_file.h"
#include "project/simulation_records.h"
#include "workspace/workspace.h"

namespace vork {

// One open project: the simulation with its objects, the synoptic workspace, and the project
// state that load and save keep (the current file name and the saved flag).
class Project {
  public:
    Project();
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    Simulation sim;
    Workspace workspace;
    std::filesystem::path fileName;  // what Save writes; empty for a new project
    bool saved = true;
    std::function<void(int)> progress;  // load progress in percent, 5 .. 100

    // Empties the project: variables, every slot, the workspace, the signal generator and the
    // characterizer back to a new project's state; no file name, saved.
    void NewProject();

    // Reads a simulation file into a new project, with the scan timer stopped while it reads.
    // Success makes the file current and the project saved; a load that stops leaves a new
    // project and returns the reason. Either way the scan timer runs again afterwards.
    FileResult Load(const std::filesystem::path& path);
    // The same from a file's bytes; `name` stands for the file name without extension.
    FileResult LoadBytes(std::string bytes, std::string_view name);

    // Writes the project atomically. Success makes `path` current and the project saved; a
    // failed save leaves both as they were.
    FileResult Save(const std::filesystem::path& path);
    // Save As with the name the user chose: it becomes the current file name; an empty title
    // takes the chosen name without its folder (extension as typed); a name with no point
    // anywhere in its path gets ".smp". Then writes as Save does.
    FileResult SaveAs(const std::filesystem::path& chosen);
    // The bytes Save writes.
    std::string FileBytes();

    void MarkModified() { saved = false; }
    void MarkSaved() { saved = true; }

  private:
    ProjectFrame Frame();
    FileResult Finish(FileResult result, const std::filesystem::path& path);

    SimulationRecords records_{sim};
};

}  // namespace vork
