#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "project/frame.h"

namespace vork {

// Outcome of a save or a load: `error` is the one message that stopped it (empty on success);
// `messages` are the objects' own check messages a load met on its way, in order.
struct FileResult {
    std::string error;
    std::vector<std::string> messages;

    bool ok() const { return error.empty(); }
};

// Largest file the reader accepts; real projects take a few tens of kilobytes.
constexpr std::uintmax_t kMaxSimulationFileBytes = 16u << 20;

// Writes the whole project atomically: a failed save leaves the old file as it was.
FileResult SaveSimulationFile(const std::filesystem::path& path, const ProjectFrame& frame);

// Reads a project into a workspace that starts as a new project. On failure the project is
// partly read; the caller starts a new project.
FileResult LoadSimulationFile(const std::filesystem::path& path, const ProjectFrame& frame);

// The same from the file's bytes; `fileName` is its name without folder and extension.
FileResult ReadSimulationBytes(std::string bytes, std::string_view fileName,
                               const ProjectFrame& frame);

}  // namespace vork
