#include "engine/expression_cache.h"

#include <cstring>

#include "engine/equation.h"

namespace vork {

namespace {

constexpr size_t kInitialSlots = 64;

uint64_t Load8(const char* p) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// Eight bytes at a time with a multiply-xorshift mix; the tail is the last eight bytes (they
// overlap the previous word), so that no partial word is assembled in memory.
uint64_t HashText(std::string_view s) {
    uint64_t h = 0x9e3779b97f4a7c15ULL ^ s.size();
    size_t n = s.size();
    const char* p = s.data();
    uint64_t tail = 0;
    if (n >= 8) {
        for (size_t i = 0; i + 8 < n; i += 8) {
            h = (h ^ Load8(p + i)) * 0xbf58476d1ce4e5b9ULL;
            h ^= h >> 31;
        }
        tail = Load8(p + n - 8);
    } else {
        for (size_t i = 0; i < n; ++i)
            tail = tail << 8 | static_cast<unsigned char>(p[i]);
    }
    h = (h ^ tail) * 0x94d049bb133111ebULL;
    return h ^ (h >> 29);
}

double ConstantResult(const FastExpression& e, std::string& errorText) {
    if (e.valid())
        errorText.clear();
    else
        errorText = kInconsistentEquation;
    return e.value();
}

}  // namespace

void ExpressionCache::Table::Place(uint64_t hash, uint32_t index) {
    size_t mask = slots.size() - 1;
    size_t i = hash & mask;
    while (slots[i] != 0)
        i = (i + 1) & mask;
    slots[i] = index + 1;
}

FastExpression& ExpressionCache::Table::Find(std::string_view text) {
    uint64_t hash = HashText(text);
    if (!slots.empty()) {
        size_t mask = slots.size() - 1;
        for (size_t i = hash & mask; slots[i] != 0; i = (i + 1) & mask) {
            Entry& e = entries[slots[i] - 1];
            if (e.hash == hash && e.text == text) return e.expression;
        }
    }
    if (entries.size() >= kMaxEntries) {
        entries.clear();
        slots.assign(kInitialSlots, 0);
    }
    if (slots.empty() || 2 * (entries.size() + 1) > slots.size()) {
        slots.assign(slots.empty() ? kInitialSlots : 2 * slots.size(), 0);
        for (uint32_t k = 0; k < entries.size(); ++k)
            Place(entries[k].hash, k);
    }
    entries.push_back({std::string(text), hash, FastExpression::Compile(text, substitute)});
    Place(hash, static_cast<uint32_t>(entries.size() - 1));
    return entries.back().expression;
}

// The value of a compiled text, or nothing where the reference must evaluate it.
std::optional<double> ExpressionCache::Run(FastExpression& e, const VariableTable& vars,
                                           std::string& errorText, Arithmetic arithmetic) {
    if (e.kind() == FastExpression::Kind::Constant) return ConstantResult(e, errorText);
    if (e.kind() != FastExpression::Kind::Program) return std::nullopt;
    std::optional<double> v =
        arithmetic == Arithmetic::Bare ? e.RunBare(vars) : e.Run(vars, rounded_);
    if (v) errorText.clear();
    return v;
}

double ExpressionCache::Evaluate(FastExpression& e, std::string_view text,
                                 const VariableTable& vars, std::string& errorText,
                                 Arithmetic arithmetic) {
    if (std::optional<double> v = Run(e, vars, errorText, arithmetic)) return *v;
    return EvaluateText(Substitute(text, vars), errorText);
}

double ExpressionCache::Eval(std::string_view text, const VariableTable& vars,
                             std::string& errorText, Arithmetic arithmetic) {
    return Evaluate(substituted_.Find(text), text, vars, errorText, arithmetic);
}

double ExpressionCache::Eval(CompiledField& field, std::string_view text, const VariableTable& vars,
                             std::string& errorText, Arithmetic arithmetic) {
    return Evaluate(field.For(text), text, vars, errorText, arithmetic);
}

std::optional<double> ExpressionCache::EvalCalcFunction(CompiledCalcFunction& field,
                                                        std::string_view text,
                                                        const VariableTable& vars,
                                                        std::string& errorText,
                                                        Arithmetic arithmetic) {
    FastCalcFunction& f = field.For(text);
    std::optional<double> a = Run(f.a, vars, errorText, arithmetic);
    if (!a || f.form == CalcForm::Single) return a;
    std::optional<double> b = Run(f.b, vars, errorText, arithmetic);
    if (!b) return std::nullopt;
    return CombineCalc(f.form, *a, *b);
}

double ExpressionCache::EvalConstant(std::string_view text, std::string& errorText) {
    return ConstantResult(constant_.Find(text), errorText);
}

}  // namespace vork
