#include <optional>
#include <string>
#include <vector>

#include "engine/equation.h"
#include "engine/numbers.h"
#include "plant/addresses.h"
#include "plant/process_block.h"
#include "plant/process_messages.h"
#include "plant/simulation.h"

// Validation and the window's edit states of a process block.
namespace vork {

namespace {

constexpr int kHighestListedCurve = kCurveS1;

void Fail(std::vector<std::string>& messages, int outputAddress, ProcessCheck check) {
    messages.push_back(ProcessMessage(outputAddress, check));
}

// Evaluates once with the variables as they stand; false for an inconsistent expression.
bool Consistent(Simulation& sim, const std::string& expression, double* value = nullptr) {
    double v = sim.Eval(expression);
    if (value) *value = v;
    return sim.errorText.empty();
}

// Parses into `target` even when the text is refused, so the refused value stays in force.
bool LatchNumber(const std::string& text, double& target) {
    std::optional<double> v = ParseWholeNumber(text);
    target = v.value_or(ParseLenient(text));
    return v.has_value();
}

}  // namespace

std::vector<std::string> ProcessBlock::Validate(Simulation& sim) {
    std::vector<std::string> messages;
    if (fields.EntradaSelect < 0 || fields.EntradaSelect >= VariableTable::kValues)
        Fail(messages, OutputAddress(), ProcessCheck::Input);
    else
        LatchParameters(sim, messages);
    latched.validated = true;
    if (messages.empty()) ApplyIdentity(sim);
    return messages;
}

std::vector<std::string> ProcessBlock::Apply(Simulation& sim) {
    std::vector<std::string> messages = Validate(sim);
    if (messages.empty()) fields.DescricaoText = sim.vars.Description(OutputAddress());
    return messages;
}

void ProcessBlock::LatchParameters(Simulation& sim, std::vector<std::string>& messages) {
    auto fail = [&](ProcessCheck check) { Fail(messages, OutputAddress(), check); };
    latched.input = fields.EntradaSelect + 1;
    latched.gainExpression = fields.GanhoText;
    if (!Consistent(sim, latched.gainExpression)) fail(ProcessCheck::Gain);
    latched.deadTimeExpression = fields.TempoMorto;
    double deadTime = 0.0;
    if (!Consistent(sim, latched.deadTimeExpression, &deadTime) || deadTime < 0.0)
        fail(ProcessCheck::DeadTime);
    latched.type = fields.transferType;
    LatchTypeParameters(sim, messages);
    LatchActuatorParameters(sim, messages);
}

void ProcessBlock::LatchTypeParameters(Simulation& sim, std::vector<std::string>& messages) {
    auto fail = [&](ProcessCheck check) { Fail(messages, OutputAddress(), check); };
    switch (latched.type) {
        case kOverdamped:
            if (!Consistent(sim, fields.LText)) fail(ProcessCheck::Tal1);
            if (!Consistent(sim, fields.Ctext)) fail(ProcessCheck::Tal2);
            break;
        case kUnderdamped:
            if (!LatchNumber(CommaToPoint(fields.NCText), latched.cycles) || latched.cycles == 0.0)
                fail(ProcessCheck::Cycles);
            if (!LatchNumber(fields.PeriodoText, latched.period)) fail(ProcessCheck::Period);
            break;
        case kLeadLag:
            if (!Consistent(sim, fields.LAG)) fail(ProcessCheck::Lag);
            if (!Consistent(sim, fields.LEAD)) fail(ProcessCheck::Lead);
            break;
        case kIntegrator:
            // The start value is taken as typed and not checked.
            if (state.InitPending) {
                state.transfer.Y1old = ParseLenient(fields.ValorInicialText);
                state.InitPending = false;
            }
            break;
        default:
            break;
    }
}

void ProcessBlock::LatchActuatorParameters(Simulation& sim, std::vector<std::string>& messages) {
    auto fail = [&](ProcessCheck check) { Fail(messages, OutputAddress(), check); };
    ActuatorParams& a = latched.actuator;
    if (!LatchNumber(fields.Histerese, a.hysteresis)) fail(ProcessCheck::Hysteresis);
    bool listed = fields.gainCurve >= 0 && fields.gainCurve <= kHighestListedCurve;
    a.curve = listed ? fields.gainCurve : kCurveS2;
    if (!Consistent(sim, fields.ratetext)) fail(ProcessCheck::Rate);
    if (!LatchNumber(fields.valveStext, a.stiction)) fail(ProcessCheck::Stiction);
    if (!LatchNumber(fields.tal, a.lag)) fail(ProcessCheck::ActuatorLag);
}

void ProcessBlock::ApplyIdentity(Simulation& sim) {
    int m = OutputAddress();
    sim.vars.SetDescription(m, fields.DescricaoText);
    latched.identity = ProcessIdentity{fields.TagText, sim.vars.Description(m)};
}

}  // namespace vork
