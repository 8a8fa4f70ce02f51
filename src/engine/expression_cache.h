#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/fast_equation.h"
#include "engine/variable_table.h"

namespace vork {

// The compiled form of every distinct expression text, for the fast evaluation path. Results
// and error texts are those of the reference evaluator.
class ExpressionCache {
  public:
    // Substitution and evaluation, as EvaluateText(Substitute(text, vars), errorText).
    double Eval(std::string_view text, const VariableTable& vars, std::string& errorText);
    // Evaluation without substitution, as EvaluateText(text, errorText).
    double EvalConstant(std::string_view text, std::string& errorText);

    size_t size() const { return substituted_.size() + constant_.size(); }

    // Texts typed character by character each compile once; past this many the cache restarts.
    static constexpr size_t kMaxEntries = 4096;

  private:
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using Map = std::unordered_map<std::string, FastExpression, TextHash, std::equal_to<>>;

    static FastExpression& Find(Map& map, std::string_view text, bool substitute);

    Map substituted_;
    Map constant_;
};

}  // namespace vork
