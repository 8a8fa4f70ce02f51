#pragma once

namespace vork {

// Transfer-function types, in the list order of the type selector.
enum TransferType : int {
    kOverdamped = 0,   // two first-order lags in series
    kUnderdamped = 1,  // second-order oscillatory lag
    kLeadLag = 2,      // (Ld s + 1) / (Lg s + 1)
    kIntegrator = 3,   // K / s
};

// Dynamic state shared by the four types; Y1old is common to types 1 to 3, so switching type
// continues from what the previous type left.
struct TransferState {
    double Y0old = 0.0;   // delayed input of the previous tick
    double IntAc1 = 0.0;  // first lag (type 0)
    double IntAc2 = 0.0;  // second lag (type 0)
    double Y1old = 0.0;   // dynamic state one tick back (types 1 to 3)
    double Y1old2 = 0.0;  // dynamic state two ticks back (type 1)
};

// Parameters of one tick. Times in seconds; the live ones (T1, T2, Ld, Lg) are evaluated by the
// caller on every tick.
struct TransferParams {
    int type = kOverdamped;
    double T1 = 0.0, T2 = 0.0;     // type 0 time constants
    double cycles = 1.0;           // NC, type 1 damping parameter
    double period = 10.0;          // P, type 1 oscillation period
    double lead = 0.0, lag = 0.0;  // type 2
    double gain = 1.0;             // K; inside the integral for type 3
    bool clampDisabled = false;    // "Desativar Saturador"
};

// The 0..100 limit of the dynamic state: above 100 gives 100, anything not >= 0 (NaN too) gives 0.
double ClampState(double v, bool disabled);

// One tick of the dynamics on the delayed value d; returns the clamped dynamic state s (before
// the static gain, except for the integrator whose gain is inside). Updates Y0old last.
double StepTransfer(TransferState& state, const TransferParams& params, double d, double dt);

}  // namespace vork
