#pragma once

#include <string>
#include <vector>

#include "plantmaker/example.h"

namespace vork::plantmaker {

// The README's table of examples, one row per example in gallery order, with its thumbnail.
std::string ReadmeTable(const std::vector<const Identity*>& examples);

// Replaces what stands between the table's begin and end markers in `readme`; false when the
// markers are missing.
bool ReplaceReadmeTable(std::string& readme, const std::string& table);

}  // namespace vork::plantmaker
