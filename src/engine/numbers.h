#pragma once

#include <optional>
#include <string>
#include <string_view>

// Number reading and writing shared by every object, window and file.
namespace vork {

// Reads a user-typed decimal number leniently: leading blanks, an optional sign, digits, an
// optional point with decimals and an optional exponent. Reading stops where the text leaves
// that form; a text that breaks it before any digit (including an empty text) reads as 0. A
// number beyond the double range reads as 1.79769313486231E+308, as an overflowing result.
double ParseLenient(std::string_view text);

// Length of the longest prefix of `text` (after `start`) that ParseLenient would consume as a
// number body: digits, one point and an exponent. No sign, no blanks.
size_t NumberBodyLength(std::string_view text, size_t start = 0);

// A number field that a check can refuse: optional blanks and sign, a number body, optional
// trailing blanks, nothing else. Empty when the text is not such a number. Fields that take a
// comma as decimal separator convert it first (CommaToPoint).
std::optional<double> ParseWholeNumber(std::string_view text);

// A strict integer: optional blanks and sign, then digits only, within the int range.
std::optional<int> ParseStrictInt(std::string_view text);

// The message the platform shows when a strict integer is refused.
std::string ConversionMessage(std::string_view text);

// Rounds to the nearest integer, ties to the even one.
double RoundHalfEven(double x);

// Rounds a quotient of decimal texts: first to 15 significant digits, so that 0.15 / 0.1 counts
// as the decimal 1.5, then half to even.
long long RoundDecimalQuotient(double x);

// fixed(x, d): d decimals, the point as separator, right-aligned in at least `width` characters.
std::string Fixed(double x, int decimals, int width = 0);

// The 23-character scientific text with 15 significant digits: sign (blank or "-"), one digit,
// ".", 14 digits, "E", exponent sign and four exponent digits. " 5.00000000000000E+0001".
std::string SciText(double x);

// The value that SciText(x) reads back as: x rounded to 15 significant digits.
double Round15(double x);

// The shortest text that reads back to the same 64-bit value.
std::string ShortestText(double x);

}  // namespace vork
