#include "analysis/step_test.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/tuning_plants.h"

namespace vork {
namespace {

using test::PlantSpec;

TEST(StepTest, RecordsAMinuteAtRestThenTheStep) {
    StepTestResult r = RunStepTest(test::PlantBytes({}), {});
    ASSERT_EQ(r.error, "");
    EXPECT_TRUE(r.settledBefore);
    EXPECT_TRUE(r.settledAfter);
    EXPECT_EQ(r.appliedStep, 10);
    EXPECT_NEAR(r.response.t.front(), -59.9, 1e-9);
    // The output held at 30 % until the step, 40 % from the first pass after it.
    auto at = [&](double t) {
        return std::find_if(r.response.t.begin(), r.response.t.end(),
                            [&](double x) { return x > t - 1e-9; }) -
               r.response.t.begin();
    };
    EXPECT_EQ(r.response.co[at(0)], 30);
    EXPECT_EQ(r.response.co[at(0.1)], 40);
    EXPECT_EQ(r.response.co.back(), 40);
    EXPECT_NEAR(r.response.pv.back(), 80, 0.2);  // 2 x 40 %
}

TEST(StepTest, StepsDownwardsWhenUpwardsWouldPassTheRange) {
    PlantSpec plantSpec;
    plantSpec.gain = "0.5";
    plantSpec.co = 95;
    StepTestResult r = RunStepTest(test::PlantBytes(plantSpec), {});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.appliedStep, -10);
    EXPECT_EQ(r.response.co.back(), 85);
}

TEST(StepTest, ClosedLoopStepsTheSetpoint) {
    StepTestOptions o;
    o.method = TestMethod::ClosedLoopStep;
    o.amplitude = 5;
    StepTestResult r = RunStepTest(test::PlantBytes({}), o);
    ASSERT_EQ(r.error, "");
    // From manual at an output of 30 %, the loop holds the PV it found (60 %) and then 65 %.
    EXPECT_NEAR(r.response.pv.front(), 60, 0.1);
    EXPECT_NEAR(r.response.pv.back(), 65, 0.1);
    EXPECT_NE(r.response.co.front(), r.response.co.back());
}

// The PV runs into the top of its range: the record stops before it and keeps no clamped sample.
TEST(StepTest, RecordEndsBeforeTheRangeEnd) {
    PlantSpec plantSpec;
    plantSpec.type = kIntegrator;
    plantSpec.gain = "0.02";
    plantSpec.input = "M01-50";
    plantSpec.co = 50;
    StepTestResult r = RunStepTest(test::PlantBytes(plantSpec), {});
    ASSERT_EQ(r.error, "");
    EXPECT_FALSE(r.settledAfter);
    EXPECT_LT(r.response.pv.back(), 99.5);
    EXPECT_GT(r.response.pv.back(), 99);
}

TEST(StepTest, RefusedTests) {
    EXPECT_EQ(RunStepTest("not a project", {}).error.empty(), false);
    StepTestOptions o;
    o.loop = 2;
    EXPECT_EQ(RunStepTest(test::PlantBytes({}), o).error, "loop 2 has no controller");
    o.loop = 1;
    o.amplitude = 0;
    EXPECT_NE(RunStepTest(test::PlantBytes({}), o).error, "");
    o.amplitude = 60;
    PlantSpec plantSpec;
    plantSpec.gain = "1";
    plantSpec.co = 50;
    EXPECT_EQ(RunStepTest(test::PlantBytes(plantSpec), o).error,
              "a step of 60.0 % from 50.0 % leaves the range 0..100 %");
    PlantSpec saturated;
    saturated.co = 60;  // 2 x 60 %
    EXPECT_EQ(RunStepTest(test::PlantBytes(saturated), {}).error,
              "the PV rests at 120.0 %, at the end of its range");
}

TEST(StepTest, ReportsProgressAndStopsWhenCancelled) {
    std::vector<int> seen;
    WorkMonitor monitor;
    monitor.progress = [&](int p) { seen.push_back(p); };
    RunStepTest(test::PlantBytes({}), {}, monitor);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_LE(seen.back(), 100);
    int calls = 0;
    monitor.cancelled = [&] { return ++calls > 3; };
    StepTestResult r = RunStepTest(test::PlantBytes({}), {}, monitor);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.error, "");
    EXPECT_LT(calls, 6);
}

}  // namespace
}  // namespace vork
