#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/expression_cache.h"
#include "engine/language.h"
#include "engine/random.h"
#include "engine/variable_table.h"
#include "plant/addresses.h"
#include "plant/scan_cycle.h"
#include "plant/slots.h"
#include "plant/step_lock.h"

namespace vork {

class SignalGenerator;
class ProcessBlock;
class CalcBlock;
class Controller;
class Characterizer;
class AnimatedText;
class TrendRecorder;
class XYRecorder;

// Which evaluator Eval uses. Reference and Fast give the same values; the reference reduces
// text. Bare runs the compiled programs on plain doubles, without the 15-digit rounding and the
// text's parse: a benchmarking limit whose values differ, built only with VORK_BARE_ARITHMETIC.
enum class EvalPath {
    Reference,
    Fast,
#ifdef VORK_BARE_ARITHMETIC
    Bare,
#endif
};

// Everything the objects share: the variable table, the time step, batch mode, the evaluator's
// error text, the random generator, the language, and the object slots. Tests create it fresh.
class Simulation {
  public:
    Simulation();
    ~Simulation();
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    VariableTable vars;
    double dt = 0.1;     // seconds
    bool batch = false;  // objects compute but leave their displays untouched
    std::string errorText;
    Random random;
    Language language = Language::Portuguese;
    EvalPath evalPath = EvalPath::Fast;
    ScanCycle scan;
    // The folder of the controllers' trend archives, chosen once per run; empty at start.
    std::string trendArchiveFolder;

    // Substitutes variables, then evaluates; leaves the error text of this evaluation.
    double Eval(std::string_view expression);
    // Evaluates without variable substitution.
    double EvalConstant(std::string_view expression);
    // As Eval, with the compiled form of the text kept by the caller in `field`. Most fields
    // hold a number, so that case is answered here.
    double Eval(std::string_view expression, CompiledField& field) {
        if (evalPath != EvalPath::Reference) {
            const FastExpression& e = field.For(expression);
            if (e.kind() == FastExpression::Kind::Constant && e.valid()) {
                errorText.clear();
                return e.value();
            }
        }
        return EvalField(expression, field);
    }
    // The value of a calculation-block function, or nothing where the caller must evaluate it
    // through Eval and EvalConstant (always on the reference path).
    std::optional<double> EvalCalcFunction(std::string_view function, CompiledCalcFunction& field);

    SignalGenerator& generator() { return *generator_; }
    const SignalGenerator& generator() const { return *generator_; }
    Characterizer& characterizer() { return *characterizer_; }
    const Characterizer& characterizer() const { return *characterizer_; }
    XYRecorder& xy() { return *xy_; }
    const XYRecorder& xy() const { return *xy_; }

    // Held by every step; the slots below refuse to be filled or emptied while it is.
    StepLock stepping;
    Slots<Controller, SlotCount(SlotKind::Controller)> controllers;
    Slots<ProcessBlock, SlotCount(SlotKind::Process)> processes;
    Slots<CalcBlock, SlotCount(SlotKind::Calc)> calcs;
    Slots<TrendRecorder, SlotCount(SlotKind::Recorder)> recorders;
    Slots<AnimatedText, SlotCount(SlotKind::Text)> texts;

    // One step of the whole plant in the fixed order. `afterCalcBlocks`, if set, runs between the
    // calculation blocks and the controllers (the fast simulation's test step).
    void EvaluationPass(const std::function<void()>& afterCalcBlocks = {});

    // The real-time tick at `nowMs` (milliseconds since midnight), holding the step lock through
    // its callbacks. Returns true when the display refresh ran on this tick; the windows that
    // show animated texts evaluate them then.
    bool Tick(double nowMs);
    // Called by the display refresh, for the workspace's shapes and push-button texts.
    std::function<void()> onDisplayRefresh;

    // Empties every slot (a new project).
    void EmptyAllSlots();

  private:
    double EvalField(std::string_view expression, CompiledField& field);
    void DisplayRefresh();

    ExpressionCache expressions_;  // compiled texts of the fast evaluation path

    std::unique_ptr<SignalGenerator> generator_;
    std::unique_ptr<Characterizer> characterizer_;
    std::unique_ptr<XYRecorder> xy_;
};

}  // namespace vork
