#pragma once

#include <string>
#include <string_view>

#include "engine/language.h"

// The forms a value takes on a line of the simulation file. Writers produce exactly one form;
// readers take whatever the line holds (the strict integer lives in LineReader, since refusing
// it stops the load).
namespace vork {

// Integer: decimal digits with a leading minus sign when negative.
std::string IntegerText(int value);
// Leading blanks, an optional sign and digits; reading stops at the first other character. A
// line without digits reads as 0; values beyond the int range are clamped.
int ReadInteger(std::string_view text);

// Caps flag "TRUE"/"FALSE" and word flag "True"/"False"; true exactly for "TRUE" or "True".
std::string CapsFlag(bool value);
bool ReadCapsFlag(std::string_view text);
std::string WordFlag(bool value);
bool ReadWordFlag(std::string_view text);

// Scientific and fixed reals are written with SciText and Fixed (engine/numbers.h) and read
// leniently: a malformed number reads as the value of its well-formed start, or 0.
double ReadReal(std::string_view text);

// Bilingual text "Caldeira|Boiler": the part before the first bar in Portuguese, the part after
// it in English; a text without a bar is used whole in both languages.
std::string LanguagePart(std::string_view text, Language language);

}  // namespace vork
