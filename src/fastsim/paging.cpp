#include "fastsim/paging.h"

#include <algorithm>

namespace vork {

int PointsPerPage(int position) {
    return 900 << std::clamp(position, 0, 4);
}

int PageCount(int points, int pointsPerPage) {
    return std::max(1, (points + pointsPerPage - 1) / pointsPerPage);
}

void LoopPages::Next(int loop, int upperPages, int lowerPages) {
    int limit = loop == 1 ? upperPages : 10;
    if (upper >= limit || upper >= upperPages) return;
    ++upper;
    lower = std::min(lower + 1, lowerPages);
}

void LoopPages::Previous() {
    if (upper <= 1) return;
    --upper;
    lower = std::max(1, lower - 1);
}

}  // namespace vork
