#pragma once

#include <string>
#include <string_view>

#include "engine/variable_table.h"

// The reference expression evaluator: variable references are replaced by the text of their
// values, then the text is reduced group by group, every intermediate value written back as a
// 15-digit scientific text. The text semantics (operator order, signs, precision) are behaviour.
namespace vork {

inline constexpr const char* kInconsistentEquation = "Inconsistência na Equação!";

// Upper-cases a..z and replaces each "Mnn" by the scientific text of the variable's value.
std::string Substitute(std::string_view text, const VariableTable& vars);

// Every "," becomes ".".
std::string CommaToPoint(std::string_view text);

// Evaluates a substituted text. Sets `errorText` to kInconsistentEquation and returns 0 when a
// character is not allowed; empties it otherwise.
double EvaluateText(std::string_view text, std::string& errorText);

}  // namespace vork
