#include "plant/transfer_functions.h"

namespace vork {

namespace {

// Where a denominator of a discretisation is zero (a time constant of exactly -dt/2, -dt, a
// period of 0), the stage passes its input through, as a time constant of 0 does.

// Bilinear discretisation of 1 / (T1 s + 1) followed by a backward difference of 1 / (T2 s + 1).
double Overdamped(TransferState& s, const TransferParams& p, double d, double dt) {
    double first = 2.0 * p.T1 + dt;
    if (p.T1 == 0.0 || first == 0.0)
        s.IntAc1 = d;
    else
        s.IntAc1 = ((2.0 * p.T1 - dt) / first) * s.IntAc1 + (dt / first) * (d + s.Y0old);
    double second = p.T2 + dt;
    if (p.T2 == 0.0 || second == 0.0)
        s.IntAc2 = s.IntAc1;
    else
        s.IntAc2 = (p.T2 / second) * s.IntAc2 + (dt / second) * s.IntAc1;
    s.IntAc2 = ClampState(s.IntAc2, p.clampDisabled);
    return s.IntAc2;
}

// Backward difference of w^2 / (s^2 + 2 z w s + w^2), unit static gain. w = 6.283 / P, the
// constant deliberately not 2 pi, so that existing projects keep their exact response.
double Underdamped(TransferState& s, const TransferParams& p, double d, double dt) {
    double y = d;
    if (p.period != 0.0) {
        double w = 6.283 / p.period;
        double z = p.cycles != 0.0 ? 0.6 / p.cycles : 1.0;
        double denominator = 1.0 + 2.0 * z * w * dt + w * w * dt * dt;
        double b1 = 2.0 + 2.0 * z * w * dt;
        double b2 = w * w * dt * dt;
        if (denominator != 0.0) y = (b1 * s.Y1old - s.Y1old2 + b2 * d) / denominator;
    }
    y = ClampState(y, p.clampDisabled);
    s.Y1old2 = s.Y1old;
    s.Y1old = y;
    return y;
}

// Backward difference of (Ld s + 1) / (Lg s + 1).
double LeadLag(TransferState& s, const TransferParams& p, double d, double dt) {
    double denominator = dt + p.lag;
    double y = d;
    if (denominator != 0.0)
        y = (p.lag / denominator) * s.Y1old + ((dt + p.lead) / denominator) * d -
            (p.lead / denominator) * s.Y0old;
    y = ClampState(y, p.clampDisabled);
    s.Y1old = y;
    return y;
}

double Integrator(TransferState& s, const TransferParams& p, double d, double dt) {
    double y = ClampState(p.gain * dt * d + s.Y1old, p.clampDisabled);
    s.Y1old = y;
    return y;
}

}  // namespace

double ClampState(double v, bool disabled) {
    if (disabled) return v;
    if (v > 100.0) return 100.0;
    return v >= 0.0 ? v : 0.0;
}

double StepTransfer(TransferState& s, const TransferParams& p, double d, double dt) {
    double out;
    switch (p.type) {
        case kOverdamped:
            out = Overdamped(s, p, d, dt);
            break;
        case kUnderdamped:
            out = Underdamped(s, p, d, dt);
            break;
        case kLeadLag:
            out = LeadLag(s, p, d, dt);
            break;
        case kIntegrator:
            out = Integrator(s, p, d, dt);
            break;
        default:
            // A type no list offers (a damaged file) passes the delayed value, clamped.
            out = ClampState(d, p.clampDisabled);
            break;
    }
    s.Y0old = d;
    return out;
}

}  // namespace vork
