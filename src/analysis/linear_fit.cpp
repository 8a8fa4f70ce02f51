#include "analysis/linear_fit.h"

#include <cmath>
#include <numeric>
#include <utility>

namespace vork {

namespace {

double Mean(const std::vector<double>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
}

// Solves the small symmetric system a b = r by elimination with partial pivoting; a pivot that
// vanishes against the diagonal's scale leaves its unknown at 0 (a column with no variance, or
// one that repeats another).
std::vector<double> Solve(std::vector<std::vector<double>> a, std::vector<double> r) {
    const size_t k = r.size();
    std::vector<double> scale(k);
    for (size_t i = 0; i < k; ++i)
        scale[i] = a[i][i];
    std::vector<bool> dropped(k, false);
    for (size_t p = 0; p < k; ++p) {
        size_t best = p;
        for (size_t i = p + 1; i < k; ++i)
            if (std::abs(a[i][p]) > std::abs(a[best][p])) best = i;
        std::swap(a[p], a[best]);
        std::swap(r[p], r[best]);
        if (!(std::abs(a[p][p]) > 1e-12 * scale[p]) || scale[p] <= 0) {
            dropped[p] = true;
            continue;
        }
        for (size_t i = p + 1; i < k; ++i) {
            double f = a[i][p] / a[p][p];
            for (size_t j = p; j < k; ++j)
                a[i][j] -= f * a[p][j];
            r[i] -= f * r[p];
        }
    }
    std::vector<double> b(k, 0.0);
    for (size_t p = k; p-- > 0;) {
        if (dropped[p]) continue;
        double s = r[p];
        for (size_t j = p + 1; j < k; ++j)
            s -= a[p][j] * b[j];
        b[p] = s / a[p][p];
    }
    return b;
}

}  // namespace

LinearFit FitLinear(const std::vector<const std::vector<double>*>& columns,
                    const std::vector<double>& y) {
    const size_t k = columns.size(), n = y.size();
    const double yMean = Mean(y);
    std::vector<double> means(k);
    for (size_t c = 0; c < k; ++c)
        means[c] = Mean(*columns[c]);
    // Normal equations on centred columns: the intercept then separates out.
    std::vector<std::vector<double>> a(k, std::vector<double>(k, 0.0));
    std::vector<double> r(k, 0.0);
    for (size_t i = 0; i < n; ++i) {
        double dy = y[i] - yMean;
        for (size_t c = 0; c < k; ++c) {
            double dc = (*columns[c])[i] - means[c];
            r[c] += dc * dy;
            for (size_t d = 0; d <= c; ++d)
                a[c][d] += dc * ((*columns[d])[i] - means[d]);
        }
    }
    for (size_t c = 0; c < k; ++c)
        for (size_t d = c + 1; d < k; ++d)
            a[c][d] = a[d][c];
    LinearFit fit;
    fit.slopes = Solve(a, r);
    fit.intercept = yMean;
    for (size_t c = 0; c < k; ++c)
        fit.intercept -= fit.slopes[c] * means[c];
    for (size_t i = 0; i < n; ++i) {
        double e = y[i] - fit.intercept;
        for (size_t c = 0; c < k; ++c)
            e -= fit.slopes[c] * (*columns[c])[i];
        fit.residualSquares += e * e;
    }
    return fit;
}

}  // namespace vork
