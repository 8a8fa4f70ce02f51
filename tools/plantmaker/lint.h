#pragma once

#include <set>
#include <string>
#include <vector>

#include "plantmaker/footprint.h"

namespace vork {
class Simulation;
}

// Checks of a finished description that the file format would not catch.
namespace vork::plantmaker {

// Every footprint inside the picture, 30 pixels from its sides, and none on top of another.
std::vector<std::string> CheckPlacement(const std::vector<Footprint>& footprints);

// Every catalogue variable (M15..M96) the plant writes or reads is among `declared`.
std::vector<std::string> CheckDeclared(Simulation& sim, const std::set<int>& declared);

// "Controller 1 (FIC-101)": how a problem names a footprint.
std::string Describe(const Footprint& f);

}  // namespace vork::plantmaker
