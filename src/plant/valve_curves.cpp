#include "plant/valve_curves.h"

#include <cmath>

namespace vork {

namespace {

// A logistic-like S through (50, 50): h is the centred, scaled position.
double Sigmoid(double h) {
    return 50.0 * h / std::sqrt(h * h + 1.0) + 50.0;
}

}  // namespace

double ApplyValveCurve(int code, double x) {
    switch (code) {
        case kCurveQuickOpen:
            return 100.0 - (112.0 * std::exp(-x / 40.0) - 9.1935);
        case kCurveEqualPercentage:
            return (std::exp(x / 40.0) - 1.0253) * 8.9628;
        case kCurveS1: {
            // S1 uses the flatter middle section of the S, rescaled to span 0..100.
            double shifted = x / 2.5 + 30.0;
            return (Sigmoid(shifted / 10.0 - 5.0) - 5.2786) / 0.8944;
        }
        case kCurveS2:
            return Sigmoid(x / 10.0 - 5.0);
        default:
            return x;
    }
}

}  // namespace vork
