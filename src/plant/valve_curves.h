#pragma once

namespace vork {

// Inherent valve characteristics, in the list order of the curve selector.
enum ValveCurve : int {
    kCurveLinear = 0,
    kCurveQuickOpen = 1,
    kCurveEqualPercentage = 2,
    kCurveS1 = 3,
    kCurveS2 = 4,
};

// Static gain curve: valve position x (percent) to flow (percent). The curves are fitted to pass
// close to 0 and 100 at the ends and are not clamped, so they overshoot a little. An unknown code
// is linear.
double ApplyValveCurve(int code, double x);

}  // namespace vork
