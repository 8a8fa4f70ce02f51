#pragma once

// Rounding to 15 significant digits without the text round trip.
namespace vork {

// Equals Round15(x) bit for bit: the value read back from SciText(x). Values from about 1.5E-8
// to 2.6E36 are rounded on doubles, exact ties to even as the formatter does; smaller ones down
// to about 1E-301 on a double-double scaling read back from their 15 digits; the rest (zero
// aside) and the rare values too close to a rounding midpoint go through the text.
double FastRound15(double x);

}  // namespace vork
