#include "fastsim/chart_range.h"

#include <gtest/gtest.h>

#include "fastsim/curve_csv.h"

namespace vork {
namespace {

LoopCurves Ramp(int points) {
    LoopCurves c;
    for (int i = 0; i < points; ++i) {
        c.pv.push_back(i);
        c.sp.push_back(50);
        c.co.push_back(100 - i);
    }
    return c;
}

TEST(ChartRange, PagesCoverThePointsWithoutPassingTheEnd) {
    EXPECT_EQ(PageSpan(1, 900, 14400).first, 0);
    EXPECT_EQ(PageSpan(1, 900, 14400).end, 900);
    EXPECT_EQ(PageSpan(16, 900, 14400).first, 13500);
    EXPECT_EQ(PageSpan(16, 900, 14400).end, 14400);
    PointSpan beyond = PageSpan(3, 1800, 3000);
    EXPECT_EQ(beyond.first, 3000);
    EXPECT_EQ(beyond.end, 3000);
    EXPECT_EQ(PageSpan(2, 1800, 3000).end, 3000);  // a short last page
}

TEST(ChartRange, AutomaticAxesFollowThePointsOfThePage) {
    LoopCurves c = Ramp(20);
    ChartRange first = VisibleRange(c, 1, 10, {});
    EXPECT_EQ(first.x, (AxisRange{0, 9}));
    // Values 0..9 (PV), 50 (SP) and 91..100 (CO) on page 1, with a margin of 5 % of the span.
    EXPECT_DOUBLE_EQ(first.y.min, -5);
    EXPECT_DOUBLE_EQ(first.y.max, 105);
    ChartRange second = VisibleRange(c, 2, 10, {});
    EXPECT_EQ(second.x, (AxisRange{10, 19}));

    // Hand-set axes win over the points, each on its own.
    ChartRange fixed = VisibleRange(c, 2, 10, {std::nullopt, AxisRange{0, 100}});
    EXPECT_EQ(fixed.x, (AxisRange{10, 19}));
    EXPECT_EQ(fixed.y, (AxisRange{0, 100}));
    ChartRange zoomed = VisibleRange(c, 1, 10, {AxisRange{2, 4}, AxisRange{1, 3}});
    EXPECT_EQ(zoomed, (ChartRange{{2, 4}, {1, 3}}));
}

TEST(ChartRange, FlatEmptyAndHiddenCurvesStillGiveAnAxis) {
    LoopCurves flat;
    flat.pv.assign(5, 40);
    ChartRange r = VisibleRange(flat, 1, 1800, {});
    EXPECT_LT(r.y.min, 40);
    EXPECT_GT(r.y.max, 40);
    EXPECT_EQ(r.x, (AxisRange{0, 4}));

    EXPECT_EQ(VisibleRange(LoopCurves{}, 1, 1800, {}), (ChartRange{{0, 1}, {0, 100}}));

    LoopCurves one;
    one.pv = {7};
    EXPECT_EQ(VisibleRange(one, 1, 1800, {}).x, (AxisRange{0, 1}));

    // Without its MV curve ("Ocultar COs") the scale follows PV and SP only.
    LoopCurves noCo = Ramp(10);
    noCo.co.clear();
    EXPECT_LT(VisibleRange(noCo, 1, 1800, {}).y.max, 60);
}

TEST(ChartRange, TicksAreRoundSteps) {
    EXPECT_EQ(AxisTicks({0, 1799}, 8), (std::vector<double>{0, 500, 1000, 1500}));
    EXPECT_EQ(AxisTicks({0, 14399}, 10).size(), 8u);  // every 2000 s
    EXPECT_EQ(AxisTicks({-5, 105}, 6), (std::vector<double>{0, 20, 40, 60, 80, 100}));
    EXPECT_EQ(AxisTicks({49.2, 50.9}, 6), (std::vector<double>{49.5, 50, 50.5}));
    EXPECT_EQ(AxisTicks({0.25, 0.72}, 5), (std::vector<double>{0.3, 0.4, 0.5, 0.6, 0.7}));
    EXPECT_TRUE(AxisTicks({3, 3}, 6).empty());
}

TEST(CurvesCsv, OneLinePerSecondReadBackExactly) {
    LoopCurves c;
    c.pv = {0.1, 1.0 / 3};
    c.sp = {50, 60};
    c.co = {12.5};  // a curve shorter than the others leaves its field empty
    EXPECT_EQ(CurvesCsv(c), "s,PV,SP,MV\n0,0.1,50,12.5\n1,0.3333333333333333,60,\n");
    EXPECT_EQ(CurvesCsv(LoopCurves{}), "s,PV,SP,MV\n");
}

}  // namespace
}  // namespace vork
