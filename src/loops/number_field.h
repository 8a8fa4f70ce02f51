#pragma once

#include <string_view>

namespace vork {

// A number typed into a field that a validation checks: the value in force and whether the text
// was a well-formed number.
struct NumberField {
    double value = 0.0;
    bool ok = false;
};

// Well formed: optional blanks, an optional sign, a number body (digits, optional point and
// decimals, optional exponent) and optional trailing blanks. An empty text is not well formed.
// The value is always what ParseLenient reads, so a refused "2x" still yields 2.
NumberField ParseNumberField(std::string_view text);

}  // namespace vork
