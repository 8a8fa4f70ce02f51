#include "plant/controller.h"

#include <cmath>

#include "plant/addresses.h"
#include "plant/simulation.h"

namespace vork {

namespace {

// Above 100 becomes 100; then anything not >= 0 (NaN included) becomes 0.
double LimitPercent(double v) {
    if (v > 100.0) v = 100.0;
    if (!(v >= 0.0)) v = 0.0;
    return v;
}

double LimitSigned100(double v) {
    if (v > 100.0) return 100.0;
    if (v < -100.0) return -100.0;
    return v;
}

// The error and the proportional error of one tick.
struct Errors {
    double e;
    double ep;
};

Errors ComputeErrors(const ControllerTuning& t, const ControllerState& s) {
    if (t.Acao == kRespostaReversa) return {s.PV - s.SP, s.PV - t.a * s.SP};
    return {s.SP - s.PV, t.a * s.SP - s.PV};
}

// First-order filter of the PV for the derivative, time constant Td / 10.
double FilteredPV(const ControllerState& s, double Td, double dt) {
    double Tf = Td / 10.0;
    if (Tf + dt == 0.0) return s.PV;
    return (Tf / (Tf + dt)) * s.PVFiltAnt + (dt / (Tf + dt)) * s.PV;
}

double Derivative(const ControllerTuning& t, const ControllerState& s, double e, double Kx,
                  double dt) {
    // No elapsed time, no rate.
    if (!(dt > 0.0)) return 0.0;
    double D;
    if (t.Derivada == kSobreErro)
        D = (e - s.Erroant) * t.Td / dt;
    else if (t.Acao == kRespostaReversa)
        D = (s.PVFilt - s.PVFiltAnt) * t.Td / dt;
    else
        D = (s.PVFiltAnt - s.PVFilt) * t.Td / dt;
    if (t.Estrutura == kIsa) D *= Kx;
    return LimitSigned100(D);
}

}  // namespace

Controller::Controller(int slot) : slot_(slot) {
    fields.TagText = "PID" + std::to_string(slot);
}

void Controller::Compute(Simulation& sim) {
    ControllerState& s = state;
    double coMin = sim.Eval(fields.COminText, coMin_);
    double coMax = sim.Eval(fields.COmaxText, coMax_);

    s.PV = sim.vars.Read(tuning.pvAddress);
    s.SPR = fields.CheckSPR ? sim.vars.Read(tuning.sprAddress) : 0.0;
    s.PV = LimitPercent(s.PV);
    s.SP = LimitPercent(s.SP);
    // The remote setpoint replaces SP after the limiting, so it is not limited.
    if (!s.LocalMode) s.SP = s.SPR;

    Errors err = ComputeErrors(tuning, s);
    s.InDeadBand = std::abs(err.e) < tuning.DB;
    if (fields.DCHK && tuning.Derivada == kSobrePV) s.PVFilt = FilteredPV(s, tuning.Td, sim.dt);
    sim.vars.Write(SetpointAddress(slot_), s.SP);

    double Kx = tuning.Kc;
    if (tuning.FFOn) s.FFValue = sim.Eval(fields.FFwEquation, feedForward_);
    double P = 0.0;
    if (fields.PCHK)
        P = LimitSigned100(tuning.Kc * err.ep);
    else
        Kx = 1.0;
    double D = fields.DCHK ? Derivative(tuning, s, err.e, Kx, sim.dt) : 0.0;

    double I;
    if (s.AutoMode && !s.InDeadBand) {
        double slave = sim.vars.Read(fields.BackMV + 1);
        bool slaveFree = !fields.BackMVCheck || (slave > 0.1 && slave < 99.9);
        I = s.Iant;
        if (tuning.Ti != 0.0 && fields.ICHK && slaveFree) {
            double gain = tuning.Estrutura == kIsa ? Kx : 1.0;
            I = s.Iant + (sim.dt / tuning.Ti) * err.e * gain;
        }
        s.CO = s.FFValue + P + I + D;
        // Back-calculation: the integral takes what puts the output exactly on the limit.
        if (s.CO > coMax)
            I = coMax - P - D - s.FFValue;
        else if (s.CO < coMin)
            I = coMin - P - D - s.FFValue;
        s.CO = s.FFValue + P + I + D;
    } else {
        // Dead band or manual: the output holds and the integral tracks it, so that leaving
        // either is bumpless.
        I = s.CO - P - D - s.FFValue;
    }

    s.Erroant = err.e;
    s.PVant = s.PV;
    s.PVFiltAnt = s.PVFilt;
    s.Iant = I;
    sim.vars.Write(ControllerOutputAddress(slot_), s.CO);
    SampleTrend(sim);
}

}  // namespace vork
