#pragma once

namespace vork {

// Latched parameters of the final control element.
struct ActuatorParams {
    double hysteresis = 0.0;  // band width H, percent; <= 0 switches the stage off
    double stiction = 0.0;    // stiction band S, percent; <= 0 switches the stage off
    int curve = 0;            // valve curve code (ValveCurve)
    double lag = 0.0;         // actuator time constant, seconds; <= 0 switches the lag off
};

// State of the chain, all percent; a new block starts with everything 0.
struct ActuatorState {
    double HystOut = 0.0;
    double HystTop = 0.0;       // upper edge of the hysteresis band
    double StickFilter = 0.0;   // hysteresis output through a 0.5 s lag
    double StickRounded = 0.0;  // StickFilter to the nearest tenth
    double x5old = 0.0;         // StickRounded of the previous tick
    int StickCount = 0;         // consecutive quiet ticks
    bool Stuck = false;
    double StickOut = 0.0;
    double RateOut = 0.0;
    double CurveOut = 0.0;
    double ActuatorPos = 0.0;  // result of the chain
};

// One tick of hysteresis, stiction, rate limit, gain curve and actuator lag, in that order.
// `rate` is the live rate limit in percent per second (0 = none); dt in seconds. Returns the
// actuator position.
double StepActuator(ActuatorState& state, const ActuatorParams& params, double u, double rate,
                    double dt);

// Puts every stage at rest on `position`, the stiction stage's last rounded output: what a block
// restored from a file, which keeps only that stage's state, continues from.
void SettleActuator(ActuatorState& state, const ActuatorParams& params, double position);

// The stages, exposed so each can be exercised on its own.
void StepHysteresis(ActuatorState& state, double width, double u);
void StepStiction(ActuatorState& state, double band, double dt);
void StepRateLimit(ActuatorState& state, double rate, double dt);
void StepActuatorLag(ActuatorState& state, double lag, double dt);

// round(v * 10) / 10, ties to the even tenth.
double RoundToTenth(double v);

}  // namespace vork
