#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workspace/colour.h"

namespace vork {

// A colour as the simulation file writes it: its name ("clRed") when it has one, otherwise "$"
// and eight upper-case hexadecimal digits of the value ($00FF8000 for red 0, green 128, blue 255).
std::string ColourText(Colour colour);
// Reads either form (the digits in either case); anything else gives no colour.
std::optional<Colour> ParseColour(std::string_view text);

}  // namespace vork
