#pragma once

namespace vork {

// Chart paging of the fast-simulation window: pages of P points, P = 900 * 2^s for the position s
// of the points-per-page list (15 minutes to 4 hours at one point per second).
int PointsPerPage(int position);

// Pages needed for `points` points; a chart always has at least its first page.
int PageCount(int points, int pointsPerPage);

// The pages of the upper and lower chart of one loop, stepped together.
struct LoopPages {
    int upper = 1;
    int lower = 1;

    // Next page: the upper chart advances while below its limit (its own page count for loop 1,
    // page 10 for loops 2 to 10); the lower chart follows but never passes its own last page.
    void Next(int loop, int upperPages, int lowerPages);
    void Previous();
};

}  // namespace vork
