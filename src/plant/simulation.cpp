#include "plant/simulation.h"

#include "engine/equation.h"
#include "plant/animated_text.h"
#include "plant/calc_block.h"
#include "plant/characterizer.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/signal_generator.h"
#include "plant/trend_recorder.h"
#include "plant/xy_recorder.h"

namespace vork {

Simulation::Simulation()
    : controllers(stepping),
      processes(stepping),
      calcs(stepping),
      recorders(stepping),
      texts(stepping),
      generator_(std::make_unique<SignalGenerator>()),
      characterizer_(std::make_unique<Characterizer>()),
      xy_(std::make_unique<XYRecorder>()) {}

Simulation::~Simulation() = default;

namespace {

Arithmetic ArithmeticOf([[maybe_unused]] EvalPath path) {
#ifdef VORK_BARE_ARITHMETIC
    if (path == EvalPath::Bare) return Arithmetic::Bare;
#endif
    return Arithmetic::Exact;
}

}  // namespace

double Simulation::Eval(std::string_view expression) {
    if (evalPath == EvalPath::Reference)
        return EvaluateText(Substitute(expression, vars), errorText);
    return expressions_.Eval(expression, vars, errorText, ArithmeticOf(evalPath));
}

double Simulation::EvalConstant(std::string_view expression) {
    if (evalPath == EvalPath::Reference) return EvaluateText(expression, errorText);
    return expressions_.EvalConstant(expression, errorText);
}

double Simulation::EvalField(std::string_view expression, CompiledField& field) {
    if (evalPath == EvalPath::Reference)
        return EvaluateText(Substitute(expression, vars), errorText);
    return expressions_.Eval(field, expression, vars, errorText, ArithmeticOf(evalPath));
}

std::optional<double> Simulation::EvalCalcFunction(std::string_view function,
                                                   CompiledCalcFunction& field) {
    if (evalPath == EvalPath::Reference) return std::nullopt;
    return expressions_.EvalCalcFunction(field, function, vars, errorText, ArithmeticOf(evalPath));
}

void Simulation::EvaluationPass(const std::function<void()>& afterCalcBlocks) {
    StepLock::Hold hold(stepping);
    generator_->Compute(*this);
    processes.ForEach([this](ProcessBlock& p) { p.Compute(*this); });
    calcs.ForEach([this](CalcBlock& c) { c.Compute(*this); });
    if (afterCalcBlocks) afterCalcBlocks();
    controllers.ForEach([this](Controller& c) { c.Compute(*this); });
    if (characterizer_->fields.Lin1Ativar) characterizer_->Compute(*this);
}

bool Simulation::Tick(double nowMs) {
    if (!scan.timerEnabled) return false;
    StepLock::Hold hold(stepping);
    scan.Measure(nowMs);
    dt = scan.cycleMs / 1000.0;
    bool refresh = scan.RefreshDue();
    if (refresh) DisplayRefresh();
    EvaluationPass();
    recorders.ForEach([this](TrendRecorder& r) { r.Compute(*this); });
    return refresh;
}

void Simulation::DisplayRefresh() {
    if (onDisplayRefresh) onDisplayRefresh();
}

void Simulation::EmptyAllSlots() {
    controllers.EmptyAll();
    processes.EmptyAll();
    calcs.EmptyAll();
    recorders.EmptyAll();
    texts.EmptyAll();
}

}  // namespace vork
