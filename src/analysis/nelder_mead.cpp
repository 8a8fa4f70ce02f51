#include "analysis/nelder_mead.h"

#include <algorithm>
#include <cmath>

namespace vork {

namespace {

using Point = std::vector<double>;

struct Vertex {
    Point x;
    double f;
};

// c + s (p - c), coordinate by coordinate.
Point Along(const Point& c, const Point& p, double s) {
    Point out(c.size());
    for (size_t i = 0; i < c.size(); ++i)
        out[i] = c[i] + s * (p[i] - c[i]);
    return out;
}

// Largest distance of a vertex from the best, in units of the first simplex's steps.
double Spread(const std::vector<Vertex>& simplex, const Point& steps) {
    double spread = 0;
    for (size_t v = 1; v < simplex.size(); ++v)
        for (size_t i = 0; i < steps.size(); ++i)
            spread = std::max(spread, std::abs(simplex[v].x[i] - simplex[0].x[i]) / steps[i]);
    return spread;
}

}  // namespace

Point MinimizeNelderMead(const std::function<double(const Point&)>& cost, Point start,
                         const Point& steps, double tolerance, int maxEvaluations) {
    const size_t n = start.size();
    std::vector<Vertex> simplex{{start, cost(start)}};
    for (size_t i = 0; i < n; ++i) {
        Point x = start;
        x[i] += steps[i];
        simplex.push_back({x, cost(x)});
    }
    int evaluations = static_cast<int>(n) + 1;
    auto byCost = [](const Vertex& a, const Vertex& b) { return a.f < b.f; };
    while (evaluations < maxEvaluations) {
        std::sort(simplex.begin(), simplex.end(), byCost);
        if (Spread(simplex, steps) < tolerance) break;
        Point centroid(n, 0.0);
        for (size_t v = 0; v < n; ++v)
            for (size_t i = 0; i < n; ++i)
                centroid[i] += simplex[v].x[i] / static_cast<double>(n);
        Vertex& worst = simplex[n];
        Point reflected = Along(centroid, worst.x, -1.0);
        double fr = cost(reflected);
        ++evaluations;
        if (fr < simplex[0].f) {
            Point expanded = Along(centroid, worst.x, -2.0);
            double fe = cost(expanded);
            ++evaluations;
            worst = fe < fr ? Vertex{expanded, fe} : Vertex{reflected, fr};
        } else if (fr < simplex[n - 1].f) {
            worst = {reflected, fr};
        } else {
            bool outside = fr < worst.f;
            Point contracted = Along(centroid, outside ? reflected : worst.x, 0.5);
            double fc = cost(contracted);
            ++evaluations;
            if (fc < std::min(fr, worst.f)) {
                worst = {contracted, fc};
            } else {
                for (size_t v = 1; v <= n; ++v) {
                    simplex[v].x = Along(simplex[0].x, simplex[v].x, 0.5);
                    simplex[v].f = cost(simplex[v].x);
                }
                evaluations += static_cast<int>(n);
            }
        }
    }
    return std::min_element(simplex.begin(), simplex.end(), byCost)->x;
}

}  // namespace vork
