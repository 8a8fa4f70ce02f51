#include <gtest/gtest.h>

#include <sstream>

#include "window_fixtures.h"
#include "windows/trend_curves.h"

namespace vork {
namespace {

using test::LoopWindow;

std::vector<std::string> Rows(const std::string& csv) {
    std::vector<std::string> rows;
    std::istringstream in(csv);
    for (std::string row; std::getline(in, row);)
        rows.push_back(row);
    return rows;
}

TEST(TrendCurves, AWrappedRingIsWrittenOldestFirstOnItsTimeBase) {
    LoopWindow l;
    l.w.trend.BaseTempoBoxChange(2);  // one sample per 20 ticks, 2 s apart on the axis
    for (int tick = 1; tick <= 20 * 455; ++tick) {
        l.sim.vars.Write(21, tick <= 20 * 5 ? 10.0 : 30.0);
        l.Step();
    }
    std::vector<std::string> rows =
        Rows(TrendCurvesCsv(l.w.trend, {{"PV", 0}, {"Set, point", 1}, {"CO", 2}}));
    ASSERT_EQ(rows.size(), 451u);
    EXPECT_EQ(rows[0], "Tempo (s),PV,\"Set, point\",CO");
    // The five samples at 10 % were overwritten; the oldest kept is at 30 %.
    EXPECT_EQ(rows[1].substr(0, 11), "0.0,30.000,");
    EXPECT_EQ(rows[450].substr(0, 13), "898.0,30.000,");
}

TEST(TrendCurves, ANewTrendHasTitlesOnly) {
    LoopWindow l;
    EXPECT_EQ(TrendCurvesCsv(l.w.trend, {{"PV", 0}}), "Tempo (s),PV\n");
}

}  // namespace
}  // namespace vork
