#pragma once

#include <optional>
#include <string_view>

namespace vork {

// A number field that can fail: optional blanks and sign, a number body, optional trailing
// blanks, nothing else. Commas count as decimal points. Empty or malformed texts yield nullopt;
// callers that must still take a value use ParseLenient on the same text.
std::optional<double> ParseNumberField(std::string_view text);

}  // namespace vork
