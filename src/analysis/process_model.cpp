#include "analysis/process_model.h"

#include <algorithm>
#include <cmath>

#include "analysis/linear_fit.h"
#include "analysis/model_dynamics.h"
#include "analysis/nelder_mead.h"

namespace vork {

namespace {

constexpr size_t kCoarseSamples = 1500;  // samples the grid search looks at
constexpr int kTimeConstantGrid = 30;
constexpr int kDeadTimeGrid = 25;
constexpr double kLongestDeadTimeShare = 0.8;  // of the time after the first CO change
constexpr double kLongestLagPerRecord = 20.0;  // longest T tried, in records after the change
// An integrating model is taken when it fits nearly as well as the lag, or when the lag is
// so slow that the record shows no bend; never when the lag settles within the record.
constexpr double kIntegratingFitMargin = 1.2;
constexpr double kRampLagPerRecord = 5.0;
constexpr double kSettledLagPerRecord = 1.0 / 3;
// A model whose answer spans less than this, or than this many rms errors, explains nothing.
constexpr double kLeastAnswer = 0.05;  // percent
constexpr double kAnswerToError = 2.0;
// Samples before the change needed to read the PV's ramp there.
constexpr size_t kLeastDriftSamples = 10;

// The data as the cost functions take it: the CO as a change from its first sample and the time
// from the first sample, for the drift of an integrating model.
struct Data {
    std::vector<double> t, y, du, ramp;
};

Data Prepare(const Response& r, size_t every) {
    Data d;
    for (size_t i = 0; i < r.size(); i += every) {
        d.t.push_back(r.t[i]);
        d.y.push_back(r.pv[i]);
        d.du.push_back(r.co[i] - r.co[0]);
        d.ramp.push_back(r.t[i] - r.t[0]);
    }
    return d;
}

LinearFit FopdtFit(const Data& d, double timeConstant, double deadTime) {
    std::vector<double> x = FirstOrderResponse(d.t, d.du, timeConstant, std::max(deadTime, 0.0));
    return FitLinear({&x}, d.y);
}

// The PV less its drift, for the integrating model to explain.
std::vector<double> Undrifted(const Data& d, double drift) {
    std::vector<double> y(d.y.size());
    for (size_t i = 0; i < y.size(); ++i)
        y[i] = d.y[i] - drift * d.ramp[i];
    return y;
}

LinearFit IntegratingFit(const Data& d, const std::vector<double>& undrifted, double deadTime) {
    std::vector<double> x = IntegralResponse(d.t, d.du, std::max(deadTime, 0.0));
    return FitLinear({&x}, undrifted);
}

// Time of the first CO change and the length of the record after it.
struct Span {
    double change = 0, after = 0, spacing = 0;
};

Span Measure(const Response& r) {
    Span s;
    size_t i = 1;
    while (i < r.size() && std::abs(r.co[i] - r.co[0]) < 1e-9)
        ++i;
    s.change = r.t[i - 1];
    s.after = r.t.back() - s.change;
    s.spacing = (r.t.back() - r.t.front()) / static_cast<double>(r.size() - 1);
    return s;
}

ModelFit Finish(ModelKind kind, const LinearFit& fit, double timeConstant, double deadTime,
                double drift, size_t n) {
    ModelFit m;
    m.model.kind = kind;
    m.model.deadTime = std::max(deadTime, 0.0);
    m.model.timeConstant = kind == ModelKind::Fopdt ? timeConstant : 0.0;
    m.model.gain = fit.slopes.back();
    m.drift = drift;
    m.offset = fit.intercept;
    m.rmsError = std::sqrt(fit.residualSquares / static_cast<double>(n));
    return m;
}

// Dead times to try: denser near 0, where most processes lie, up to a share of the record after
// the first change. Returns the grid and, for a grid point, the gap to its neighbour.
struct DeadTimeGrid {
    double longest;
    int points;
    double At(int j) const {
        double x = static_cast<double>(j) / (points - 1);
        return longest * x * x;
    }
    double Gap(int j, double spacing) const {
        return std::max(At(std::min(j + 1, points - 1)) - At(j), spacing);
    }
};

// Grid over log T and theta on thinned data, then the simplex on all of it.
ModelFit FitFopdt(const Response& r, const Span& s) {
    Data coarse = Prepare(r, std::max<size_t>(1, r.size() / kCoarseSamples));
    double lowT = std::log(std::max(s.spacing / 2, 1e-3));
    double highT = std::log(std::max(kLongestLagPerRecord * s.after, 10 * std::exp(lowT)));
    double stepT = (highT - lowT) / (kTimeConstantGrid - 1);
    DeadTimeGrid thetas{kLongestDeadTimeShare * s.after, kDeadTimeGrid};
    double bestCost = INFINITY;
    int bestI = 0, bestJ = 0;
    for (int i = 0; i < kTimeConstantGrid; ++i)
        for (int j = 0; j < kDeadTimeGrid; ++j) {
            double cost =
                FopdtFit(coarse, std::exp(lowT + i * stepT), thetas.At(j)).residualSquares;
            if (cost >= bestCost) continue;
            bestCost = cost;
            bestI = i;
            bestJ = j;
        }
    Data all = Prepare(r, 1);
    auto cost = [&](const std::vector<double>& p) {
        return FopdtFit(all, std::exp(std::min(p[0], highT)), p[1]).residualSquares;
    };
    std::vector<double> best = MinimizeNelderMead(cost, {lowT + bestI * stepT, thetas.At(bestJ)},
                                                  {stepT / 2, thetas.Gap(bestJ, s.spacing) / 2});
    double timeConstant = std::exp(std::min(best[0], highT));
    return Finish(ModelKind::Fopdt, FopdtFit(all, timeConstant, best[1]), timeConstant, best[1], 0,
                  r.size());
}

// The PV's ramp before the first CO change, percent per second: an integrating process that was
// not in balance. It is read there alone, because over the whole record a drift and a late ramp
// of the opposite sign can trade for each other and pass a lag's answer under a load disturbance
// off as a ramp. 0 when too few samples precede the change.
double DriftBefore(const Response& r, const Span& s) {
    std::vector<double> t, y;
    for (size_t i = 0; i < r.size() && r.t[i] <= s.change; ++i) {
        t.push_back(r.t[i]);
        y.push_back(r.pv[i]);
    }
    if (t.size() < kLeastDriftSamples) return 0;
    return FitLinear({&t}, y).slopes.front();
}

ModelFit FitIntegrating(const Response& r, const Span& s) {
    double drift = DriftBefore(r, s);
    Data coarse = Prepare(r, std::max<size_t>(1, r.size() / kCoarseSamples));
    std::vector<double> coarseY = Undrifted(coarse, drift);
    DeadTimeGrid thetas{kLongestDeadTimeShare * s.after, kTimeConstantGrid + kDeadTimeGrid};
    double bestCost = INFINITY;
    int bestJ = 0;
    for (int j = 0; j < thetas.points; ++j) {
        double cost = IntegratingFit(coarse, coarseY, thetas.At(j)).residualSquares;
        if (cost >= bestCost) continue;
        bestCost = cost;
        bestJ = j;
    }
    Data all = Prepare(r, 1);
    std::vector<double> allY = Undrifted(all, drift);
    auto cost = [&](const std::vector<double>& p) {
        return IntegratingFit(all, allY, p[0]).residualSquares;
    };
    double theta =
        MinimizeNelderMead(cost, {thetas.At(bestJ)}, {thetas.Gap(bestJ, s.spacing) / 2})[0];
    return Finish(ModelKind::Integrating, IntegratingFit(all, allY, theta), 0, theta, drift,
                  r.size());
}

// The model's answer stands out of what it leaves unexplained.
bool Answered(const ModelFit& fit, const Response& r) {
    std::vector<double> curve = ModelCurve(fit, r);
    auto [lo, hi] = std::minmax_element(curve.begin(), curve.end());
    return *hi - *lo > std::max(kLeastAnswer, kAnswerToError * fit.rmsError);
}

// A lag that settles within the record answers a step with a level, not a ramp, however a
// load disturbance over the record lets a ramp fit.
bool LooksIntegrating(const ModelFit& lag, const ModelFit& integrating, const Span& s) {
    if (lag.model.timeConstant < kSettledLagPerRecord * s.after) return false;
    return integrating.rmsError <= kIntegratingFitMargin * lag.rmsError ||
           lag.model.timeConstant > kRampLagPerRecord * s.after;
}

}  // namespace

FitResult FitModel(const Response& response, ModelChoice choice) {
    FitResult result;
    result.error = CheckResponse(response);
    if (!result.error.empty()) return result;
    Span span = Measure(response);
    if (choice == ModelChoice::Fopdt) {
        result.fit = FitFopdt(response, span);
    } else if (choice == ModelChoice::Integrating) {
        result.fit = FitIntegrating(response, span);
    } else {
        ModelFit lag = FitFopdt(response, span);
        ModelFit integrating = FitIntegrating(response, span);
        result.fit = LooksIntegrating(lag, integrating, span) ? integrating : lag;
    }
    if (!Answered(*result.fit, response)) {
        result.fit.reset();
        result.error = "the PV did not answer the change of the controller output";
    }
    return result;
}

std::vector<double> ModelCurve(const ModelFit& fit, const Response& r) {
    Data d = Prepare(r, 1);
    const ProcessModel& m = fit.model;
    std::vector<double> x = m.kind == ModelKind::Fopdt
                                ? FirstOrderResponse(d.t, d.du, m.timeConstant, m.deadTime)
                                : IntegralResponse(d.t, d.du, m.deadTime);
    std::vector<double> curve(x.size());
    for (size_t i = 0; i < x.size(); ++i)
        curve[i] = fit.offset + fit.drift * d.ramp[i] + m.gain * x[i];
    return curve;
}

}  // namespace vork
