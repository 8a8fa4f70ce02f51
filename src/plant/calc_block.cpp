#include "plant/calc_block.h"

#include "engine/calc_function.h"
#include "engine/equation.h"
#include "plant/simulation.h"

namespace vork {

namespace {

// Evaluates a function with its comparison split; `failed` is set when any side is
// inconsistent. Substitution never inserts "<" or ">", so a text without them is evaluated
// whole, as the same single expression the split would give.
double EvaluateFunction(Simulation& sim, const std::string& function, bool& failed) {
    failed = false;
    if (function.find_first_of("<>") == std::string::npos) {
        double v = sim.Eval(function);
        failed = !sim.errorText.empty();
        return v;
    }
    CalcSplit split = SplitCalcFunction(Substitute(function, sim.vars));
    double a = sim.EvalConstant(split.a);
    failed = !sim.errorText.empty();
    if (split.form == CalcForm::Single) return a;
    double b = sim.EvalConstant(split.b);
    failed = failed || !sim.errorText.empty();
    return CombineCalc(split.form, a, b);
}

bool Inconsistent(Simulation& sim, const std::string& expression) {
    sim.Eval(expression);
    return !sim.errorText.empty();
}

}  // namespace

void CalcBlock::Compute(Simulation& sim) {
    bool failed = false;
    std::optional<double> compiled = sim.EvalCalcFunction(applied.FuncaoTr, function_);
    double result = compiled ? *compiled : EvaluateFunction(sim, applied.FuncaoTr, failed);
    if (fields.LimSupCheck) {
        double upper = sim.Eval(applied.LimSupText, upper_);
        if (result > upper) result = upper;
    }
    // The lower limit comes last, so it wins when the limits cross.
    if (fields.LimInfCheck) {
        double lower = sim.Eval(applied.LimInfText, lower_);
        if (result < lower) result = lower;
    }
    sim.vars.Write(outputAddress(), result);
}

std::vector<std::string> CalcBlock::Apply(Simulation& sim) {
    int address = outputAddress();
    sim.vars.SetDescription(address, fields.DescricaoText);
    applied = {fields.FuncaoTr, fields.LimSupText, fields.LimInfText};

    std::vector<std::string> messages;
    bool functionFailed = false;
    EvaluateFunction(sim, applied.FuncaoTr, functionFailed);
    if (functionFailed) messages.push_back(MessagePrefix() + ": Função inválida");
    if (fields.LimSupCheck && Inconsistent(sim, applied.LimSupText))
        messages.push_back(MessagePrefix() + ": Limite Superior inválido");
    if (fields.LimInfCheck && Inconsistent(sim, applied.LimInfText))
        messages.push_back(MessagePrefix() + ": Limite Inferior inválido");
    return messages;
}

std::string CalcBlock::MessagePrefix() const {
    return "Bloco " + std::to_string(outputAddress());
}

}  // namespace vork
