#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/calc_function.h"
#include "engine/compiled_field.h"
#include "engine/equation.h"
#include "plant/simulation.h"

// Any bytes as an expression, evaluated on the compiled and the reference paths: the value's bits
// and the error text must agree. The bytes after the first NUL set variables, nine bytes each: an
// address byte (taken modulo 99, plus 1) and the value's 64 bits, little-endian.
namespace {

struct Input {
    std::string_view text;
    std::string_view values;
};

Input Split(const uint8_t* data, size_t size) {
    std::string_view all(reinterpret_cast<const char*>(data), size);
    size_t nul = all.find('\0');
    if (nul == std::string_view::npos) return {all, {}};
    return {all.substr(0, nul), all.substr(nul + 1)};
}

// Writes the variables; `negate` flips every value, so that a program compiled for one set of
// signs runs on the other.
void SetVariables(vork::VariableTable& vars, std::string_view values, bool negate) {
    for (size_t i = 0; i + 9 <= values.size(); i += 9) {
        int address = static_cast<unsigned char>(values[i]) % 99 + 1;
        uint64_t bits = 0;
        for (int k = 0; k < 8; ++k)
            bits |= uint64_t{static_cast<unsigned char>(values[i + 1 + k])} << (8 * k);
        double v = std::bit_cast<double>(bits);
        vars.Write(address, negate ? -v : v);
    }
}

void Agree(const char* what, std::string_view text, double fast, const std::string& fastError,
           double reference, const std::string& referenceError) {
    if (std::bit_cast<uint64_t>(fast) == std::bit_cast<uint64_t>(reference) &&
        fastError == referenceError)
        return;
    std::fprintf(stderr, "%s \"%.*s\": fast %.17g [%s], reference %.17g [%s]\n", what,
                 static_cast<int>(text.size()), text.data(), fast, fastError.c_str(), reference,
                 referenceError.c_str());
    std::abort();
}

// A calculation-block function as the block evaluates it without a compiled form.
double ReferenceCalcFunction(std::string_view text, const vork::VariableTable& vars,
                             std::string& error) {
    vork::CalcSplit split = vork::SplitCalcFunction(vork::Substitute(text, vars));
    double a = vork::EvaluateText(split.a, error);
    if (split.form == vork::CalcForm::Single) return a;
    double b = vork::EvaluateText(split.b, error);
    return vork::CombineCalc(split.form, a, b);
}

void CheckPass(vork::Simulation& sim, std::string_view text, vork::CompiledField& field,
               vork::CompiledCalcFunction& function) {
    std::string error;
    double want = vork::EvaluateText(vork::Substitute(text, sim.vars), error);
    double got = sim.Eval(text);
    Agree("cached", text, got, sim.errorText, want, error);
    got = sim.Eval(text, field);
    Agree("field", text, got, sim.errorText, want, error);

    want = vork::EvaluateText(text, error);
    got = sim.EvalConstant(text);
    Agree("constant", text, got, sim.errorText, want, error);

    if (std::optional<double> f = sim.EvalCalcFunction(text, function)) {
        want = ReferenceCalcFunction(text, sim.vars, error);
        Agree("calculation block", text, *f, sim.errorText, want, error);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in = Split(data, size);
    vork::Simulation sim;
    vork::CompiledField field;
    vork::CompiledCalcFunction function;
    for (bool negate : {false, true}) {
        SetVariables(sim.vars, in.values, negate);
        CheckPass(sim, in.text, field, function);
    }
    return 0;
}
