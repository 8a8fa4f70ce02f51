#include "plant/signal_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/numbers.h"
#include "plant/simulation.h"

namespace vork {

namespace {

constexpr std::array<const char*, 10> kTypeDescriptions{
    "Constante 0-100", "Constante 0-1", "Aleatório",
    "Aleatório Médio", "Aleatório",     "Sinal Senoidal",
    "Random Walk",     "Equação",       "LN()",
    "Exp()",
};

constexpr double kClockWrap = 100000000.0;  // seconds

// r(n): a uniform integer from 0 to n - 1.
int Draw(Random& random, int n) {
    return std::min(n - 1, static_cast<int>(random.Uniform() * n));
}

double RandomLevel(Simulation& sim, const GeneratorChannelApplied& a) {
    return a.min + (a.max - a.min) / 10000.0 * Draw(sim.random, 10000);
}

// A draw that succeeds on average `perScan` times in 30000 scans of 0.1 s.
bool Chance(Simulation& sim, double perScan) {
    return Draw(sim.random, 30000) < perScan * sim.dt / 0.1;
}

bool HoldsDescription(int k, SignalType type) {
    if (k > SignalGenerator::kComputedChannels) return true;
    return type != SignalType::MediumRandom && type != SignalType::Sine &&
           type != SignalType::RandomWalk;
}

double MediumRandom(Simulation& sim, GeneratorChannel& c) {
    GeneratorChannelState& s = c.state;
    if (Chance(sim, 500.0)) s.target = RandomLevel(sim, c.applied);
    double p = c.applied.p, dt = sim.dt;
    // Without a time constant (P + dt = 0) there is nothing to filter: follow the target.
    if (p + dt == 0.0) {
        s.filter = s.target;
    } else {
        s.filter = p / (p + dt) * s.filter + dt / (p + dt) * s.target;
    }
    if (!std::isfinite(s.filter)) s.filter = s.target;
    return s.filter;
}

double Sine(Simulation& sim, GeneratorChannel& c) {
    GeneratorChannelState& s = c.state;
    s.clock += sim.dt;
    if (s.clock > kClockWrap) s.clock = 0.0;
    double period = sim.Eval(c.fields.Desc, c.compiled.period);
    if (period == 0.0) return 0.0;
    const GeneratorChannelApplied& a = c.applied;
    return a.min +
           (std::sin(2.0 * std::numbers::pi * s.clock / period) + 1.0) / 2.0 * (a.max - a.min);
}

double RandomWalk(Simulation& sim, GeneratorChannel& c) {
    const GeneratorChannelApplied& a = c.applied;
    double& w = c.state.walk;
    w += (Draw(sim.random, 10000) / 5000.0 - 1.0) * a.max;
    if (w > a.min + a.p || w < a.min - a.p) w = a.min;
    return w;
}

}  // namespace

const char* TypeDescription(SignalType type) {
    return kTypeDescriptions[static_cast<size_t>(type)];
}

int SignalGenerator::TypeCount(int channel) {
    if (channel >= 1 && channel <= 5) return 10;
    if (channel >= 6 && channel <= 10) return 7;
    if (channel >= 11 && channel <= kChannels) return 2;
    return 0;
}

void SignalGenerator::Compute(Simulation& sim) {
    for (int k = 1; k <= kComputedChannels; ++k)
        ComputeChannel(sim, k);
}

void SignalGenerator::ComputeChannel(Simulation& sim, int k) {
    GeneratorChannel& c = channel(k);
    if (!Offers(k, c.fields.Tipo)) return;
    auto type = static_cast<SignalType>(c.fields.Tipo);
    std::optional<double> v = ChannelOutput(sim, c, type);
    if (!v) return;
    sim.vars.Write(Address(k), *v);
    if (ShowsOutput(type)) c.state.valorOutput = *v;
}

// The new output of a computed channel, or nothing when it keeps its value on this scan.
std::optional<double> SignalGenerator::ChannelOutput(Simulation& sim, GeneratorChannel& c,
                                                     SignalType type) {
    switch (type) {
        case SignalType::FastRandom:
            return RandomLevel(sim, c.applied);
        case SignalType::MediumRandom:
            return MediumRandom(sim, c);
        case SignalType::SlowRandom:
            if (Chance(sim, 30.0)) return RandomLevel(sim, c.applied);
            return std::nullopt;
        case SignalType::Sine:
            return Sine(sim, c);
        case SignalType::RandomWalk:
            return RandomWalk(sim, c);
        case SignalType::Equation:
            return sim.Eval(c.applied.expression, c.compiled.expression);
        case SignalType::Ln: {
            double x = sim.Eval(c.applied.expression, c.compiled.expression);
            if (x > 0.0) return std::log(x);
            return std::nullopt;
        }
        case SignalType::Exp: {
            // An overflow keeps the previous output rather than spreading an infinity.
            double y = std::exp(sim.Eval(c.applied.expression, c.compiled.expression));
            if (std::isfinite(y)) return y;
            return std::nullopt;
        }
        default:  // constants
            return std::nullopt;
    }
}

void SignalGenerator::Apply(Simulation& sim) {
    for (int k = 1; k <= kChannels; ++k)
        ApplyChannel(sim, k);
}

void SignalGenerator::ApplyChannel(Simulation& sim, int k) {
    GeneratorChannel& c = channel(k);
    GeneratorChannelFields& f = c.fields;
    int address = Address(k);
    bool offered = Offers(k, f.Tipo);
    auto type = static_cast<SignalType>(f.Tipo);
    if (offered && HoldsDescription(k, type)) sim.vars.SetDescription(address, f.Desc);
    if (offered) {
        if (type == SignalType::Constant100) {
            double v = sim.EvalConstant(f.Valor);
            sim.vars.Write(address, v);
            f.UpDown = static_cast<int>(std::clamp(RoundHalfEven(v), 0.0, 100.0));
        } else if (type == SignalType::Constant01) {
            sim.vars.Write(address, f.ValorDig == 1 ? 1.0 : 0.0);
            f.Valor = f.ValorDig == 1 ? "1" : "0";
        } else if (ShowsOutput(type)) {
            sim.vars.Write(address, ParseLenient(ValorText(k)));
        } else {
            c.applied.expression = f.Valor;
        }
    }
    bool hasMinMax = k <= kComputedChannels;
    c.applied.min = hasMinMax ? ParseLenient(f.Min) : 0.0;
    c.applied.max = hasMinMax ? ParseLenient(f.Max) : 0.0;
    c.state.walk = c.applied.min;
    c.applied.p = offered && type == SignalType::Sine ? sim.Eval(f.Desc) : ParseLenient(f.Desc);
}

bool SignalGenerator::ChangeType(Simulation& sim, int k, int type) {
    if (!Offers(k, type)) return false;
    GeneratorChannel& c = channel(k);
    // The value field keeps the output it showed, now as a text of its own.
    c.fields.Valor = ValorText(k);
    c.state.valorOutput.reset();
    c.fields.Tipo = type;
    c.applied.min = c.applied.max = c.applied.p = 0.0;
    c.state.walk = 0.0;
    sim.vars.SetDescription(Address(k), TypeDescription(static_cast<SignalType>(type)));
    return true;
}

void SignalGenerator::LoadChannels(Simulation& sim) {
    for (int k = 1; k <= kChannels; ++k) {
        GeneratorChannel& c = channel(k);
        c.state.valorOutput.reset();  // the loaded texts are what the fields show
        if (c.fields.Tipo == static_cast<int>(SignalType::MediumRandom) && Offers(k, c.fields.Tipo))
            c.state.filter = ParseLenient(c.fields.Valor);
        ChangeType(sim, k, c.fields.Tipo);
    }
    Apply(sim);
}

std::string SignalGenerator::ValorText(int k) const {
    const GeneratorChannel& c = channel(k);
    bool shown = Offers(k, c.fields.Tipo) && ShowsOutput(static_cast<SignalType>(c.fields.Tipo));
    if (shown && c.state.valorOutput) return Fixed(*c.state.valorOutput, 2, 2);
    return c.fields.Valor;
}

}  // namespace vork
