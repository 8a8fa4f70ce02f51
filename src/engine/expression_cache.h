#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/compiled_field.h"
#include "engine/fast_equation.h"
#include "engine/variable_table.h"

namespace vork {

// The compiled form of every distinct expression text, for the fast evaluation path, and the
// evaluation of compiled forms that objects keep themselves. With exact arithmetic, results and
// error texts are those of the reference evaluator.
class ExpressionCache {
  public:
    // Substitution and evaluation, as EvaluateText(Substitute(text, vars), errorText).
    double Eval(std::string_view text, const VariableTable& vars, std::string& errorText,
                Arithmetic arithmetic = Arithmetic::Exact);
    // The same through the compiled form the caller keeps for `text`.
    double Eval(CompiledField& field, std::string_view text, const VariableTable& vars,
                std::string& errorText, Arithmetic arithmetic = Arithmetic::Exact);
    // A calculation-block function: its combined value, or nothing where a side's text parses
    // in a way its program does not follow; the reference then decides.
    std::optional<double> EvalCalcFunction(CompiledCalcFunction& field, std::string_view text,
                                           const VariableTable& vars, std::string& errorText,
                                           Arithmetic arithmetic = Arithmetic::Exact);
    // Evaluation without substitution, as EvaluateText(text, errorText).
    double EvalConstant(std::string_view text, std::string& errorText);

    size_t size() const { return substituted_.entries.size() + constant_.entries.size(); }

    // Texts typed character by character each compile once; past this many the cache restarts.
    static constexpr size_t kMaxEntries = 4096;

  private:
    struct Entry {
        std::string text;
        uint64_t hash;
        FastExpression expression;
    };
    // Open addressing over a power-of-two slot array, at most half full.
    struct Table {
        std::vector<Entry> entries;
        std::vector<uint32_t> slots;  // 0: empty; otherwise entry index + 1
        bool substitute;

        FastExpression& Find(std::string_view text);
        void Place(uint64_t hash, uint32_t index);
    };

    std::optional<double> Run(FastExpression& e, const VariableTable& vars, std::string& errorText,
                              Arithmetic arithmetic);
    double Evaluate(FastExpression& e, std::string_view text, const VariableTable& vars,
                    std::string& errorText, Arithmetic arithmetic);

    Table substituted_{{}, {}, true};
    Table constant_{{}, {}, false};
    RoundedVariables rounded_;
};

}  // namespace vork
