#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Argument forms shared by the vork-sim commands.
namespace vork::cli {

// A whole number without sign, as --seed takes it.
std::optional<uint64_t> ParseSeed(const std::string& text);

}  // namespace vork::cli
