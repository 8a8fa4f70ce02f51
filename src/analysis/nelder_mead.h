#pragma once

#include <functional>
#include <vector>

namespace vork {

// A minimum of `cost` near `start` by the Nelder-Mead simplex, deterministic. `steps` gives the
// size of the first simplex along each coordinate; the search stops when the simplex is smaller
// than `tolerance` times those sizes or after `maxEvaluations`.
std::vector<double> MinimizeNelderMead(
    const std::function<double(const std::vector<double>&)>& cost, std::vector<double> start,
    const std::vector<double>& steps, double tolerance = 1e-4, int maxEvaluations = 400);

}  // namespace vork
