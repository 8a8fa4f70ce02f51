#include <gtest/gtest.h>

#include <cmath>

#include "plant/trend_export.h"
#include "plant/trend_ring.h"

namespace vork {
namespace {

TrendValues Values(double raw0, double fixed0 = 0.0) {
    TrendValues v;
    v.raw = {raw0, 0.0};
    v.fixed = {fixed0, 0.0};
    return v;
}

TEST(TrendRing, WrapsAfter450AndOrdersOldestFirst) {
    TrendRing ring;
    for (int i = 1; i <= 452; ++i)
        ring.Push(Values(i % 100));
    EXPECT_EQ(ring.position(), 2);
    std::vector<int> order = ring.OldestToNewest();
    EXPECT_EQ(order.front(), 3);
    EXPECT_EQ(order.back(), 2);
    EXPECT_EQ(ring.At(2).raw[0], 52.0);
}

TEST(TrendRing, GridPhaseCyclesThirty) {
    TrendRing ring;
    for (int i = 0; i < 31; ++i)
        ring.Push(Values(0));
    EXPECT_EQ(ring.gridPhase(), 1);
}

TEST(TrendRing, PointsAreLimitedAndRounded) {
    EXPECT_EQ(TrendRing::Point(-5.0), 0);
    EXPECT_EQ(TrendRing::Point(150.0), 200);
    EXPECT_EQ(TrendRing::Point(10.25), 20);  // 20.5 rounds to even
    EXPECT_EQ(TrendRing::Point(std::nan("")), 0);
}

TEST(TrendRing, UnstoredPointsKeepTheirOldValue) {
    TrendRing ring;
    ring.Push(Values(50, 30));
    for (int i = 1; i < TrendRing::kSize; ++i)
        ring.Push(Values(0));
    TrendValues v = Values(10, 80);
    v.store[2] = false;
    ring.Push(v);
    EXPECT_EQ(ring.At(1).points[0], 20);
    EXPECT_EQ(ring.At(1).points[2], 60);
}

TEST(TrendRing, PauseCountsTicksWithoutSampling) {
    TrendRing ring;
    ring.paused = true;
    EXPECT_FALSE(ring.SampleDue(TimeBase::ThreeSeconds));
    EXPECT_FALSE(ring.SampleDue(TimeBase::NineSeconds));
    ring.paused = false;
    EXPECT_TRUE(ring.SampleDue(TimeBase::NineSeconds));
    EXPECT_EQ(ring.divider(), 0);
}

TEST(TrendExport, NumbersOfARow) {
    EXPECT_EQ(ArchiveNumber(0.0, false), "0.00");
    EXPECT_EQ(ArchiveNumber(-1.005, true), "-1,00");
    EXPECT_EQ(ArchiveNumber(1234.5, true), "1234,50");
}

}  // namespace
}  // namespace vork
