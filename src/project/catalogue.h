#pragma once

#include <string>
#include <string_view>

#include "engine/variable_table.h"

// The catalogue section: one line of attributes for each of M15 to M96.
namespace vork {

constexpr int kCatalogueFirst = 15;
constexpr int kCatalogueLast = 96;

// "M21:m3/h;0.00;150;0.00;120;": key, unit, UE min, UE max, LIE and LSE, each ended by ";".
std::string CatalogueLine(const VariableTable& vars, int address);

// Parses a catalogue line by position, not by its key, into `address`: the unit runs from the
// fifth character to the next ";", then each of the four ranges runs to its own ";". An empty or
// missing range takes its default.
void ReadCatalogueLine(std::string_view line, VariableTable& vars, int address);

// Attributes of a file without catalogue: "%", "0.00", "100.00", "0.00", "100.00".
void SetCatalogueDefaults(VariableTable& vars);

}  // namespace vork
