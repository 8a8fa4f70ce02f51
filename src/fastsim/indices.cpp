#include "fastsim/indices.h"

#include <algorithm>
#include <cmath>

#include "engine/numbers.h"

namespace vork {

namespace {

std::string F2(double x) {
    return Fixed(x, 2, 5);
}

double Mean(const std::vector<double>& v) {
    double sum = 0.0;
    for (double x : v)
        sum += x;
    return sum / static_cast<double>(v.size());
}

}  // namespace

std::optional<IndexValues> ScoreValues(const LoopCurves& c) {
    size_t n = c.pv.size(), nC = c.co.size();
    if (n < 2 || nC < 2 || c.sp.size() < n || nC < n) return std::nullopt;
    double mP = Mean(c.pv), mC = Mean(c.co);
    double qP = 0, qC = 0, e = 0, a = 0, t = 0;
    size_t k = 0;
    for (size_t j = 0; j < n; ++j) {
        qP += (c.pv[j] - mP) * (c.pv[j] - mP);
        qC += (c.co[j] - mC) * (c.co[j] - mC);
        e += c.sp[j] - c.pv[j];
        a += std::abs(c.sp[j] - c.pv[j]);
        if (c.co[j] >= 98 || c.co[j] <= 2) ++k;
        if (j >= 1) t += std::abs(c.co[j] - c.co[j - 1]);
    }
    double dn = static_cast<double>(n);
    auto [minP, maxP] = std::minmax_element(c.pv.begin(), c.pv.end());
    IndexValues v;
    v.variability = 3 * std::sqrt(qP / static_cast<double>(n - 1));
    v.iem = e / dn;
    v.iema = a / dn;
    v.coTravel = t / 100;
    v.coDeviation = 3 * std::sqrt(qC / static_cast<double>(nC - 1));
    v.coSaturation = 100.0 * static_cast<double>(k) / dn;
    v.pvMean = mP;
    v.pvMin = *minP;
    v.pvMax = *maxP;
    return v;
}

IndexRow Score(const LoopCurves& c) {
    std::optional<IndexValues> v = ScoreValues(c);
    if (!v) {
        IndexRow none;
        none.fill(kNoIndex);
        return none;
    }
    return {F2(v->variability),
            F2(v->iem),
            F2(v->iema),
            F2(v->coTravel) + " %",
            F2(v->coDeviation) + " %",
            F2(v->coSaturation) + " %",
            Fixed(v->pvMean, 1, 5) + "/" + Fixed(v->pvMin, 1, 5) + "/" + Fixed(v->pvMax, 1, 5)};
}

std::string UnitSuffix(bool normalize, const std::string& unit) {
    return normalize ? " %" : " " + unit;
}

IndexRow DisplayRow(const IndexRow& row, const std::string& suffix) {
    IndexRow shown = row;
    for (int col : {kVariability, kIem, kIema})
        if (!shown[col].empty() && shown[col] != kNoIndex) shown[col] += suffix;
    return shown;
}

void ResultsTables::Fill(bool upperRow, const LoopConfigs& loops, const LoopCurveSet& curves) {
    auto& table = upperRow ? upper : lower;
    auto& units = upperRow ? upperUnits : lowerUnits;
    for (size_t i = 0; i < loops.size(); ++i) {
        if (!loops[i].Active()) continue;
        table[i] = Score(curves[i]);
        units[i] = loops[i].unit;
    }
}

}  // namespace vork
