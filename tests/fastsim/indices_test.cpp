#include "fastsim/indices.h"

#include <gtest/gtest.h>

namespace vork {
namespace {

LoopCurves Constant(double pv, double sp, double co, int n = 1800) {
    LoopCurves c;
    c.pv.assign(n, pv);
    c.sp.assign(n, sp);
    c.co.assign(n, co);
    return c;
}

TEST(Score, LoopAtRest) {
    IndexRow row = Score(Constant(48.75, 50, 40));
    EXPECT_EQ(row[kVariability], " 0.00");
    EXPECT_EQ(row[kIem], " 1.25");
    EXPECT_EQ(row[kIema], " 1.25");
    EXPECT_EQ(row[kCoTravel], " 0.00 %");
    EXPECT_EQ(row[kCoDeviation], " 0.00 %");
    EXPECT_EQ(row[kCoSaturation], " 0.00 %");
    EXPECT_EQ(row[kPvMeanMinMax], " 48.8/ 48.8/ 48.8");
}

TEST(Score, SaturationCountsNearTheEnds) {
    EXPECT_EQ(Score(Constant(50, 50, 100))[kCoSaturation], "100.00 %");
    EXPECT_EQ(Score(Constant(50, 50, 1.5))[kCoSaturation], "100.00 %");
    EXPECT_EQ(Score(Constant(50, 50, 98))[kCoSaturation], "100.00 %");
    EXPECT_EQ(Score(Constant(50, 50, 97.9))[kCoSaturation], " 0.00 %");
}

TEST(Score, TravelDeviationAndSignedError) {
    LoopCurves c;
    // CO alternates 40/50: travel 10 per step; PV above SP on average.
    for (int j = 0; j < 26; ++j) {
        c.co.push_back(j % 2 ? 50 : 40);
        c.pv.push_back(j % 2 ? 52.5 : 51.5);
        c.sp.push_back(50);
    }
    IndexRow row = Score(c);
    EXPECT_EQ(row[kCoTravel], " 2.50 %");
    EXPECT_EQ(row[kIem], "-2.00");
    EXPECT_EQ(row[kIema], " 2.00");
    // Sample standard deviation of 13 x 40 and 13 x 50 is 5.0990; three of it.
    EXPECT_EQ(row[kCoDeviation], "15.30 %");
    EXPECT_EQ(row[kVariability], " 1.53");
    EXPECT_EQ(row[kPvMeanMinMax], " 52.0/ 51.5/ 52.5");
}

TEST(Score, FewerThanTwoPointsHasNoIndex) {
    for (int n : {0, 1}) {
        IndexRow row = Score(Constant(50, 50, 50, n));
        for (const std::string& text : row)
            EXPECT_EQ(text, kNoIndex);
        EXPECT_EQ(DisplayRow(row, " %")[kIem], kNoIndex);
    }
}

TEST(Score, UnitSuffixOnTheFirstThreeFields) {
    IndexRow shown = DisplayRow(Score(Constant(40, 50, 40)), UnitSuffix(false, "m3/h"));
    EXPECT_EQ(shown[kVariability], " 0.00 m3/h");
    EXPECT_EQ(shown[kIem], "10.00 m3/h");
    EXPECT_EQ(shown[kIema], "10.00 m3/h");
    EXPECT_EQ(shown[kCoTravel], " 0.00 %");
    EXPECT_EQ(UnitSuffix(true, "m3/h"), " %");
}

TEST(ResultsTables, FillsOnlyActiveLoopsAndKeepsOtherRows) {
    ResultsTables tables;
    LoopConfigs loops;
    LoopCurveSet curves;
    loops[0] = {true, 21, "kg/h"};
    loops[1] = {true, 0, "%"};  // no PV selected: not active
    curves[0] = Constant(50, 50, 50);
    tables.lower[1][0] = "kept";
    tables.Fill(false, loops, curves);
    EXPECT_EQ(tables.lower[0][kVariability], " 0.00");
    EXPECT_EQ(tables.lowerUnits[0], "kg/h");
    EXPECT_EQ(tables.lower[1][0], "kept");
    EXPECT_EQ(tables.upper[0][0], "");
}

}  // namespace
}  // namespace vork
