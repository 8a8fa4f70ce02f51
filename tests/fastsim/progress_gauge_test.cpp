#include "fastsim/progress_gauge.h"

#include <gtest/gtest.h>

#include <vector>

namespace vork {
namespace {

TEST(ProgressGauge, ReportsEachNewPercentRoundedHalfToEven) {
    std::vector<int> seen;
    ProgressGauge eighths([&](int percent) { seen.push_back(percent); }, 8);
    for (int step = 0; step < 8; ++step)
        eighths.At(step);
    EXPECT_EQ(seen, (std::vector<int>{0, 12, 25, 38, 50, 62, 75, 88}));

    seen.clear();
    ProgressGauge longRun([&](int percent) { seen.push_back(percent); }, 1000);
    for (int step = 0; step < 1000; ++step)
        longRun.At(step);
    EXPECT_EQ(seen.size(), 101u) << "0 to 100, each once";

    ProgressGauge silent({}, 10);
    silent.At(3);  // nobody listens: nothing to do
}

}  // namespace
}  // namespace vork
