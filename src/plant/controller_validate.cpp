#include <cmath>
#include <string>

#include "engine/equation.h"
#include "engine/numbers.h"
#include "plant/addresses.h"
#include "plant/controller.h"
#include "plant/simulation.h"

// Latching, checking and applying the configuration area.
namespace vork {

namespace {

using Failures = std::vector<std::string>;

// A value-at-validation expression; an inconsistent one counts as 0 and fails its check.
double EvalChecked(Simulation& sim, const std::string& text, const char* suffix, Failures& failed) {
    double v = sim.Eval(text);
    if (sim.errorText == kInconsistentEquation) failed.push_back(suffix);
    return v;
}

// A latched number; a text that does not parse keeps what its readable prefix gives.
double NumberChecked(const std::string& text, const char* suffix, Failures& failed) {
    if (std::optional<double> v = ParseWholeNumber(CommaToPoint(text))) return *v;
    failed.push_back(suffix);
    return ParseLenient(CommaToPoint(text));
}

int DecimalsFor(double span) {
    span = std::abs(span);
    if (span >= 1000.0) return 0;
    if (span >= 100.0) return 1;
    if (span >= 10.0) return 2;
    if (span >= 1.0) return 3;
    return 4;
}

}  // namespace

std::vector<std::string> Controller::Validate(Simulation& sim) {
    Failures failed;
    ControllerFields& f = fields;
    ControllerTuning& t = tuning;
    if (f.TagText.empty()) {
        failed.push_back(": TAG não informado");
    } else if (f.VariavelSelect < 0) {
        failed.push_back(": Variável de processo (PV) não informada");
    } else {
        int pv = f.VariavelSelect + 1;
        f.InicioEscala = sim.vars.Attribute(pv, AttributeField::UeMin);
        f.FimEscala = sim.vars.Attribute(pv, AttributeField::UeMax);
        f.UnidEng = sim.vars.Attribute(pv, AttributeField::Unit);
        t.Kc = EvalChecked(sim, f.KpText, ": Kp inválido", failed);
        t.Ti = EvalChecked(sim, f.KiText, ": Ti inválido", failed);
        t.Td = EvalChecked(sim, f.KdText, ": Td inválido", failed);
        t.a = NumberChecked(f.aText, ": Fator a inválido", failed);
        t.DB = NumberChecked(f.tfText, ": Banda Morta inválido", failed);
        state.FFValue = NumberChecked(f.BiasText, ": Bias inválido", failed);
        t.COmin = EvalChecked(sim, f.COminText, ": COmin inválido", failed);
        t.COmax = EvalChecked(sim, f.COmaxText, ": COmax inválido", failed);
        t.FFOn = f.FFwSelect;
        if (t.FFOn) EvalChecked(sim, f.FFwEquation, ": Equação do FF inválida", failed);
        t.PVmin = NumberChecked(f.InicioEscala, ": Inicio Escala inválido", failed);
        t.PVmax = NumberChecked(f.FimEscala, ": Final Escala inválido", failed);
    }
    ApplyConfiguration(sim);

    std::vector<std::string> messages;
    for (const std::string& suffix : failed)
        messages.push_back("Controlador " + std::to_string(slot_) + suffix);
    trend.Rescale();
    return messages;
}

void Controller::ApplyConfiguration(Simulation& sim) {
    tuning.Acao = fields.Acaogroup;
    tuning.Estrutura = fields.EstruturaGroup;
    tuning.Derivada = fields.DerivadaGroup;
    tuning.pvAddress = fields.VariavelSelect + 1;
    tuning.sprAddress = fields.SPRSelect + 1;
    tuning.tag = fields.TagText;
    tuning.description = fields.Descricao;
    tuning.remoteAvailable = fields.CheckSPR;
    if (!fields.CheckSPR) state.LocalMode = true;

    sim.vars.SetDescription(ControllerOutputAddress(slot_), " MV " + fields.TagText);
    sim.vars.SetDescription(SetpointAddress(slot_), " SP " + fields.TagText);
    state.Decimals = DecimalsFor(tuning.PVmax - tuning.PVmin);
}

}  // namespace vork
