#include "analysis/tuning_rules.h"

#include <algorithm>
#include <cmath>

#include "engine/numbers.h"
#include "plant/controller.h"

namespace vork {

namespace {

// The scan reads the output of the previous tick, so no loop reacts sooner than a tick: the
// rules, several of which divide by theta, take at least that.
constexpr double kLeastDeadTime = 0.1;  // seconds

// The model as the rules read it: the reaction rate (slope of the answer to a unit step, %/s per
// %), the time constant (infinite for an integrating process) and the dead time.
struct Reaction {
    double rate, T, theta;
    bool integrating;
};

Reaction Read(const ProcessModel& m) {
    double theta = std::max(m.deadTime, kLeastDeadTime);
    double k = std::abs(m.gain);
    if (m.kind == ModelKind::Integrating) return {k, INFINITY, theta, true};
    return {k / m.timeConstant, m.timeConstant, theta, false};
}

// A series PID Kc (1 + 1/(Ti s)) (1 + Td s) in the ideal form.
PidSettings FromSeries(double kc, double ti, double td) {
    double f = 1 + td / ti;
    return {kc * f, ti * f, td / f};
}

// Skogestad's SIMC with tau_c = theta; the PID adds theta / 3 in series.
PidSettings Simc(ControlKind kind, const Reaction& r) {
    double tauC = r.theta;
    double kc = 1 / (r.rate * (tauC + r.theta));
    double ti = std::min(r.T, 4 * (tauC + r.theta));
    return FromSeries(kc, ti, kind == ControlKind::PID ? r.theta / 3 : 0);
}

// IMC (lambda) tuning; the PID takes a first-order Pade approximation of the dead time.
PidSettings Imc(ControlKind kind, const Reaction& r, double lambda) {
    double theta = r.theta;
    if (r.integrating) {
        double ti = 2 * lambda + theta;
        if (kind == ControlKind::PID) {
            double half = lambda + theta / 2;
            return {ti / (r.rate * half * half), ti, (lambda * theta + theta * theta / 4) / ti};
        }
        return {ti / (r.rate * (lambda + theta) * (lambda + theta)), ti, 0};
    }
    double k = r.rate * r.T;
    if (kind == ControlKind::PID)
        return {(r.T + theta / 2) / (k * (lambda + theta / 2)), r.T + theta / 2,
                r.T * theta / (2 * r.T + theta)};
    return {r.T / (k * (lambda + theta)), r.T, 0};
}

// Ziegler and Nichols' reaction-curve rules.
PidSettings ZieglerNichols(ControlKind kind, const Reaction& r) {
    double a = r.rate * r.theta;
    if (kind == ControlKind::PID) return {1.2 / a, 2 * r.theta, 0.5 * r.theta};
    if (kind == ControlKind::PI) return {0.9 / a, r.theta / 0.3, 0};
    return {1 / a, 0, 0};
}

// Cohen and Coon's rules; an integrating process is their limit of a vanishing theta / T.
PidSettings CohenCoon(ControlKind kind, const Reaction& r) {
    double a = r.rate * r.theta;
    double x = r.integrating ? 0 : r.theta / r.T;
    double theta = r.theta;
    if (kind == ControlKind::PID)
        return {(4.0 / 3 + x / 4) / a, theta * (32 + 6 * x) / (13 + 8 * x),
                theta * 4 / (11 + 2 * x)};
    if (kind == ControlKind::PI)
        return {(0.9 + x / 12) / a, theta * (30 + 3 * x) / (9 + 20 * x), 0};
    return {(1 + x / 3) / a, 0, 0};
}

Suggestion Make(TuningMethod method, ControlKind kind, const ProcessModel& model,
                const TuningTarget& target) {
    Suggestion s;
    s.method = method;
    s.kind = kind;
    s.structure = target.structure;
    s.action = model.gain < 0 ? kRespostaReversa : kRespostaDireta;
    PidSettings p =
        ToStructure(IdealSettings(method, kind, model, target.lambda), target.structure);
    s.settings = {RoundSetting(p.Kc), RoundSetting(p.Ti), RoundSetting(p.Td)};
    return s;
}

}  // namespace

const char* MethodName(TuningMethod method) {
    switch (method) {
        case TuningMethod::Simc:
            return "SIMC";
        case TuningMethod::Imc:
            return "IMC";
        case TuningMethod::ZieglerNichols:
            return "ZN";
        case TuningMethod::CohenCoon:
            return "CC";
    }
    return "";
}

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::P:
            return "P";
        case ControlKind::PI:
            return "PI";
        case ControlKind::PID:
            return "PID";
    }
    return "";
}

PidSettings IdealSettings(TuningMethod method, ControlKind kind, const ProcessModel& model,
                          std::optional<double> lambda) {
    Reaction r = Read(model);
    switch (method) {
        case TuningMethod::Simc:
            return Simc(kind, r);
        case TuningMethod::Imc:
            return Imc(kind, r, lambda.value_or(std::max(model.timeConstant, r.theta)));
        case TuningMethod::ZieglerNichols:
            return ZieglerNichols(kind, r);
        case TuningMethod::CohenCoon:
            return CohenCoon(kind, r);
    }
    return {};
}

std::vector<Suggestion> SuggestSettings(const ProcessModel& model, const TuningTarget& target) {
    std::vector<Suggestion> out;
    for (TuningMethod m : {TuningMethod::Simc, TuningMethod::Imc, TuningMethod::ZieglerNichols,
                           TuningMethod::CohenCoon})
        for (ControlKind k : {ControlKind::PI, ControlKind::PID})
            out.push_back(Make(m, k, model, target));
    return out;
}

PidSettings ToStructure(const PidSettings& ideal, int structure) {
    if (structure != kParalela) return ideal;
    return {ideal.Kc, ideal.Kc != 0 ? ideal.Ti / ideal.Kc : 0, ideal.Kc * ideal.Td};
}

Suggestion HalvedGain(const Suggestion& s) {
    Suggestion out = s;
    PidSettings& p = out.settings;
    // The parallel structure's times are divided by Kc or multiplied by it: keeping the ideal
    // times moves them with the gain.
    double times = s.structure == kParalela ? 2 : 1;
    p = {RoundSetting(p.Kc / 2), RoundSetting(p.Ti * times), RoundSetting(p.Td / times)};
    ++out.halvings;
    return out;
}

std::string SettingText(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    double scale = std::pow(10.0, magnitude - 2);
    double rounded = std::round(value / scale) * scale;
    // Rounding may carry into the next power of ten (999.7 -> 1000).
    magnitude = static_cast<int>(std::floor(std::log10(std::abs(rounded))));
    std::string text = Fixed(rounded, std::max(0, 2 - magnitude));
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

double RoundSetting(double value) {
    return ParseLenient(SettingText(value));
}

void CopyIntoFields(const Suggestion& s, ControllerFields& f) {
    f.KpText = SettingText(s.settings.Kc);
    f.KiText = SettingText(s.settings.Ti);
    f.KdText = SettingText(s.settings.Td);
    f.Acaogroup = s.action;
    f.EstruturaGroup = s.structure;
    f.PCHK = true;
    f.ICHK = s.settings.Ti > 0;
    f.DCHK = s.settings.Td > 0;
}

}  // namespace vork
