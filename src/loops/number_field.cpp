#include "loops/number_field.h"

#include <string>

#include "engine/equation.h"
#include "engine/numbers.h"

namespace vork {

std::optional<double> ParseNumberField(std::string_view text) {
    std::string t = CommaToPoint(text);
    size_t i = t.find_first_not_of(' ');
    if (i == std::string::npos) return std::nullopt;
    if (t[i] == '+' || t[i] == '-') ++i;
    size_t body = NumberBodyLength(t, i);
    if (body == 0) return std::nullopt;
    if (t.find_first_not_of(' ', i + body) != std::string::npos) return std::nullopt;
    return ParseLenient(t);
}

}  // namespace vork
