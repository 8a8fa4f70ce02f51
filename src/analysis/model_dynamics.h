#pragma once

#include <vector>

namespace vork {

// The dynamics of the two process models driven by a recorded input, at the input's own sample
// times. The input is held from one sample to the next and delayed by `deadTime` seconds; before
// the first sample it is 0 and the state is at rest. The delay is exact, not rounded to samples,
// so a fit can place it between two samples.

// Unit-gain first-order lag 1 / (T s + 1), T in seconds, above 0.
std::vector<double> FirstOrderResponse(const std::vector<double>& t, const std::vector<double>& u,
                                       double timeConstant, double deadTime);

// Integral of the delayed input, in input units times seconds.
std::vector<double> IntegralResponse(const std::vector<double>& t, const std::vector<double>& u,
                                     double deadTime);

}  // namespace vork
