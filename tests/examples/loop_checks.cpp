#include "examples/loop_checks.h"

#include <cmath>
#include <numeric>

namespace vork::test {

namespace {

constexpr double kQuietError = 0.2;  // percent, standard deviation
constexpr int kMinCrossings = 5;     // two periods in the autocorrelation at least

double Mean(const std::vector<double>& x) {
    return x.empty() ? 0 : std::accumulate(x.begin(), x.end(), 0.0) / static_cast<double>(x.size());
}

double Deviation(const std::vector<double>& x, double mean) {
    double q = 0;
    for (double v : x)
        q += (v - mean) * (v - mean);
    return x.size() < 2 ? 0 : std::sqrt(q / static_cast<double>(x.size() - 1));
}

// Biased autocorrelation of a zero-mean series for lags 0 .. n/2, normalised to 1 at lag 0.
std::vector<double> Autocorrelation(const std::vector<double>& x) {
    size_t lags = x.size() / 2;
    std::vector<double> r(lags, 0.0);
    for (size_t k = 0; k < lags; ++k) {
        for (size_t i = 0; i + k < x.size(); ++i)
            r[k] += x[i] * x[i + k];
    }
    double r0 = r.empty() ? 0 : r[0];
    for (double& v : r)
        v = r0 > 0 ? v / r0 : 0;
    return r;
}

// Lags, interpolated, at which the autocorrelation changes sign.
std::vector<double> ZeroCrossings(const std::vector<double>& r) {
    std::vector<double> crossings;
    for (size_t k = 1; k < r.size(); ++k)
        if ((r[k - 1] > 0) != (r[k] > 0))
            crossings.push_back(static_cast<double>(k - 1) + r[k - 1] / (r[k - 1] - r[k]));
    return crossings;
}

}  // namespace

OscillationVerdict DetectOscillation(const std::vector<double>& pv, const std::vector<double>& sp) {
    OscillationVerdict v;
    size_t n = std::min(pv.size(), sp.size());
    std::vector<double> error;
    for (size_t i = n / 2; i < n; ++i)
        error.push_back(sp[i] - pv[i]);
    double mean = Mean(error);
    v.amplitude = Deviation(error, mean);
    if (v.amplitude < kQuietError) return v;
    for (double& e : error)
        e -= mean;
    std::vector<double> crossings = ZeroCrossings(Autocorrelation(error));
    if (crossings.size() < kMinCrossings) return v;
    std::vector<double> intervals;
    for (size_t i = 1; i < crossings.size(); ++i)
        intervals.push_back(crossings[i] - crossings[i - 1]);
    double meanInterval = Mean(intervals);
    v.regularity = meanInterval / (3 * Deviation(intervals, meanInterval) + 1e-9);
    v.sustained = v.regularity > 1;
    v.period = v.sustained ? 2 * meanInterval : 0;
    return v;
}

double SaturationShare(const std::vector<double>& co) {
    if (co.empty()) return 0;
    double saturated = 0;
    for (double c : co)
        saturated += c >= 98 || c <= 2;
    return 100 * saturated / static_cast<double>(co.size());
}

}  // namespace vork::test
