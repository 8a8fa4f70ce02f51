#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/variable_table.h"

// The reference expression evaluator: variable references are replaced by the text of their
// values, then the text is reduced group by group, every intermediate value written back as a
// 15-digit scientific text. The text semantics (operator order, signs, precision) are behaviour.
namespace vork {

inline constexpr const char* kInconsistentEquation = "Inconsistência na Equação!";

// The address named by the two characters after an "M": leading blanks, a sign, then digits up
// to the first other character (none read gives 0). Only 1..99 name a variable.
int ReferenceNumber(std::string_view twoChars);

// Where the two characters after the "M" at `m` end, or nothing when fewer than two follow. Text
// is UTF-8, so a character is a byte with the continuation bytes after it: an accented letter
// next to a reference counts once, as the user sees it.
std::optional<size_t> ReferenceEnd(std::string_view text, size_t m);

// The characters an expression may hold once its references are substituted.
bool IsExpressionChar(char c);

// Upper-cases a..z and replaces each "Mnn" by the scientific text of the variable's value.
std::string Substitute(std::string_view text, const VariableTable& vars);

// One operator of the reduction on its operands: "*", "/" (9999 for a zero divisor) or "^"
// (1 for a zero exponent, exp(b ln a) for a positive base, 0 otherwise).
double ApplyOperator(char op, double a, double b);

// Every "," becomes ".".
std::string CommaToPoint(std::string_view text);

// Evaluates a substituted text. Sets `errorText` to kInconsistentEquation and returns 0 when a
// character is not allowed; empties it otherwise.
double EvaluateText(std::string_view text, std::string& errorText);

}  // namespace vork
