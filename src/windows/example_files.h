#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace vork {

// The example project a gallery picture opens ("sim1" .. "sim19"), relative to the folder that
// holds the "examples" folder; nothing for an unknown picture.
std::optional<std::filesystem::path> ExampleFile(std::string_view picture);

// The folder below which the examples are found: the start folder when it holds an "examples"
// folder, else the installed data folder (a program started from elsewhere), else the start
// folder again, so that a missing example is reported under the start folder.
std::filesystem::path ExamplesRoot(const std::filesystem::path& startFolder,
                                   const std::filesystem::path& installedData);

}  // namespace vork
