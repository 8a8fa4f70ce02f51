#include "plant/actuator_chain.h"

#include <cmath>

#include "engine/numbers.h"
#include "plant/valve_curves.h"

namespace vork {

namespace {

constexpr double kStickFilterSeconds = 0.5;
constexpr double kStickThreshold = 0.2;   // filtered movement (percent) that counts as moving
constexpr int kStickQuietTicks = 4;       // more quiet ticks than this make the valve stick
constexpr double kNoRateLimit = 99999.0;  // percent per second

}  // namespace

double RoundToTenth(double v) {
    return RoundHalfEven(v * 10.0) / 10.0;
}

void StepHysteresis(ActuatorState& s, double width, double u) {
    if (width <= 0.0) {
        s.HystOut = u;
        return;
    }
    double rounded = RoundToTenth(u);
    if (s.HystOut + width <= rounded) {
        s.HystOut = rounded - width;
        s.HystTop = rounded;
    } else if (s.HystTop - width > u) {
        s.HystOut = rounded;
        s.HystTop = rounded + width;
    }
}

void StepStiction(ActuatorState& s, double band, double dt) {
    if (!s.Stuck) {
        s.StickOut = s.HystOut;
        double k = kStickFilterSeconds / (kStickFilterSeconds + dt);
        s.StickFilter = k * s.StickFilter + (dt / (kStickFilterSeconds + dt)) * s.HystOut;
        s.StickRounded = RoundToTenth(s.StickFilter);
        if (std::fabs(s.StickRounded - s.x5old) >= kStickThreshold)
            s.StickCount = 0;
        else
            ++s.StickCount;
        if (s.StickCount > kStickQuietTicks && band > 0.0) s.Stuck = true;
    } else if (std::fabs(s.StickOut - s.HystOut) >= band) {
        // Released: the output follows again from the next tick on.
        s.Stuck = false;
    }
    s.x5old = s.StickRounded;
}

void StepRateLimit(ActuatorState& s, double rate, double dt) {
    if (rate == 0.0) rate = kNoRateLimit;
    double step = std::fabs(rate) * dt;
    if (std::fabs(s.RateOut - s.StickOut) > step)
        s.RateOut += s.StickOut > s.RateOut ? step : -step;
    else
        s.RateOut = s.StickOut;
}

void StepActuatorLag(ActuatorState& s, double lag, double dt) {
    // A negative time constant has no physical meaning and would make the stage unstable (or
    // divide by zero at -dt), so it switches the lag off like 0 does.
    double denominator = lag + dt;
    if (lag <= 0.0 || denominator == 0.0) {
        s.ActuatorPos = s.CurveOut;
        return;
    }
    s.ActuatorPos = (lag / denominator) * s.ActuatorPos + (dt / denominator) * s.CurveOut;
}

double StepActuator(ActuatorState& s, const ActuatorParams& p, double u, double rate, double dt) {
    StepHysteresis(s, p.hysteresis, u);
    StepStiction(s, p.stiction, dt);
    StepRateLimit(s, rate, dt);
    s.CurveOut = ApplyValveCurve(p.curve, s.RateOut);
    StepActuatorLag(s, p.lag, dt);
    return s.ActuatorPos;
}

void SettleActuator(ActuatorState& s, const ActuatorParams& p, double position) {
    s.HystOut = s.StickFilter = s.StickRounded = s.x5old = position;
    s.HystTop = position + (p.hysteresis > 0.0 ? p.hysteresis : 0.0);
    s.StickOut = s.RateOut = position;
    s.StickCount = 0;
    s.Stuck = false;
    s.CurveOut = s.ActuatorPos = ApplyValveCurve(p.curve, position);
}

}  // namespace vork
