#include "engine/expression_cache.h"

#include "engine/equation.h"

namespace vork {

namespace {

double ConstantResult(const FastExpression& e, std::string& errorText) {
    if (e.valid())
        errorText.clear();
    else
        errorText = kInconsistentEquation;
    return e.value();
}

}  // namespace

FastExpression& ExpressionCache::Find(Map& map, std::string_view text, bool substitute) {
    auto it = map.find(text);
    if (it != map.end()) return it->second;
    if (map.size() >= kMaxEntries) map.clear();
    return map.emplace(std::string(text), FastExpression::Compile(text, substitute)).first->second;
}

double ExpressionCache::Eval(std::string_view text, const VariableTable& vars,
                             std::string& errorText) {
    FastExpression& e = Find(substituted_, text, true);
    if (e.kind() == FastExpression::Kind::Constant) return ConstantResult(e, errorText);
    if (e.kind() == FastExpression::Kind::Program) {
        if (std::optional<double> v = e.Run(vars)) {
            errorText.clear();
            return *v;
        }
    }
    return EvaluateText(Substitute(text, vars), errorText);
}

double ExpressionCache::EvalConstant(std::string_view text, std::string& errorText) {
    return ConstantResult(Find(constant_, text, false), errorText);
}

}  // namespace vork
