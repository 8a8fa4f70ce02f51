#pragma once

#include <vector>

namespace vork {

// Least squares of y on a constant and up to three columns: y ~ c + sum b_k x_k.
struct LinearFit {
    double intercept = 0;
    std::vector<double> slopes;  // one per column; 0 for a column that explains nothing
    double residualSquares = 0;  // sum of squared residuals
};

LinearFit FitLinear(const std::vector<const std::vector<double>*>& columns,
                    const std::vector<double>& y);

}  // namespace vork
