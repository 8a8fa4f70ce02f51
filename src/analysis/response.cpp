#include "analysis/response.h"

#include <algorithm>
#include <cmath>

namespace vork {

namespace {

constexpr size_t kFewestSamples = 10;
constexpr double kLeastCoChange = 0.01;  // percent

bool AllFinite(const std::vector<double>& v) {
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

}  // namespace

std::string CheckResponse(const Response& r) {
    if (r.pv.size() != r.size() || r.co.size() != r.size())
        return "the times, PV and CO samples differ in number";
    if (r.size() < kFewestSamples) return "too few samples to fit a model";
    if (!AllFinite(r.t) || !AllFinite(r.pv) || !AllFinite(r.co))
        return "the samples hold a value that is not a number";
    for (size_t i = 1; i < r.size(); ++i)
        if (!(r.t[i] > r.t[i - 1])) return "the sample times do not increase";
    auto [lo, hi] = std::minmax_element(r.co.begin(), r.co.end());
    if (*hi - *lo < kLeastCoChange) return "the controller output did not change";
    return "";
}

}  // namespace vork
