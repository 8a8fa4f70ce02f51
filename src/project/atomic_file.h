#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vork {

// Writes `bytes` to a temporary file beside `target` and renames it over the target, so the
// target holds either its old content or the whole new one. Returns the platform's error text,
// empty on success; after a failure the target is untouched and no temporary file is left.
std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// The temporary file a save of `target` writes first.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target);

}  // namespace vork
