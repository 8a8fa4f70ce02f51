#pragma once

#include <cstddef>
#include <optional>

// Fixed notation without the formatter, for the texts objects refresh on every tick.
namespace vork {

// Writes what "%.*f" writes for `x` with `decimals` decimals (0 to 8) into `out` (at least 32
// characters) and returns its length: the exact binary value rounded to nearest, exact ties to
// even, and a "-" for every negative value and -0. Nothing when |x| * 10^decimals reaches 2^51
// or x is not finite; the caller formats those.
std::optional<size_t> FastFixed(double x, int decimals, char* out);

}  // namespace vork
