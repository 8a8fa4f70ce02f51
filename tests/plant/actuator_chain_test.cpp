#include "plant/actuator_chain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plant/valve_curves.h"

namespace vork {
namespace {

constexpr double kDt = 0.1;

TEST(ValveCurves, MatchTheReferenceTableToFourDecimals) {
    struct Row {
        double x, quickOpen, equalPercentage, s1, s2;
    };
    const Row rows[] = {
        {0, -2.8065, -0.2268, 0.0000, 0.9710},       {25, 49.2442, 7.5552, 10.4719, 3.5762},
        {50, 77.1050, 22.0937, 50.0016, 50.0000},    {75, 92.0177, 49.2552, 89.5312, 96.4238},
        {100, 100.0000, 99.9997, 100.0031, 99.0290},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(ApplyValveCurve(kCurveQuickOpen, r.x), r.quickOpen, 5e-5) << r.x;
        EXPECT_NEAR(ApplyValveCurve(kCurveEqualPercentage, r.x), r.equalPercentage, 5e-5) << r.x;
        EXPECT_NEAR(ApplyValveCurve(kCurveS1, r.x), r.s1, 5e-5) << r.x;
        EXPECT_NEAR(ApplyValveCurve(kCurveS2, r.x), r.s2, 5e-5) << r.x;
        EXPECT_EQ(ApplyValveCurve(kCurveLinear, r.x), r.x);
    }
}

TEST(ValveCurves, S2StaysInsideTheRangeAndUnknownCodesAreLinear) {
    for (double x = 0; x <= 100; x += 0.5) {
        EXPECT_GT(ApplyValveCurve(kCurveS2, x), 0.0);
        EXPECT_LT(ApplyValveCurve(kCurveS2, x), 100.0);
    }
    EXPECT_EQ(ApplyValveCurve(-1, 37.5), 37.5);
    EXPECT_EQ(ApplyValveCurve(9, 37.5), 37.5);
}

TEST(ActuatorChain, DefaultsPassTheInputThrough) {
    ActuatorState state;
    ActuatorParams params;
    for (double u : {0.0, 12.345, 99.99, -3.0, 150.0, 42.0, 42.0, 42.0, 42.0, 42.0, 42.0, 7.0})
        EXPECT_EQ(StepActuator(state, params, u, 0.0, kDt), u);
}

TEST(Hysteresis, RisingFollowsBelowFallingFollowsExactly) {
    ActuatorState state;
    std::vector<double> outputs;
    for (int u = 0; u <= 10; ++u) {
        StepHysteresis(state, 2.0, u);
        outputs.push_back(state.HystOut);
    }
    EXPECT_EQ(outputs, (std::vector<double>{0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
    outputs.clear();
    for (int u = 9; u >= 4; --u) {
        StepHysteresis(state, 2.0, u);
        outputs.push_back(state.HystOut);
    }
    // Holds 8 across the band, then tracks the falling input.
    EXPECT_EQ(outputs, (std::vector<double>{8, 8, 7, 6, 5, 4}));
}

TEST(Hysteresis, WorksOnTheInputRoundedToATenth) {
    ActuatorState state;
    StepHysteresis(state, 1.0, 3.26);
    EXPECT_NEAR(state.HystOut, 2.3, 1e-12);
    EXPECT_NEAR(state.HystTop, 3.3, 1e-12);
    EXPECT_DOUBLE_EQ(RoundToTenth(0.25), 0.2);
    EXPECT_DOUBLE_EQ(RoundToTenth(0.75), 0.8);
    EXPECT_DOUBLE_EQ(RoundToTenth(-1.04), -1.0);
}

TEST(Hysteresis, NonPositiveWidthSwitchesItOff) {
    ActuatorState state;
    StepHysteresis(state, -1.0, 4.321);
    EXPECT_EQ(state.HystOut, 4.321);
    StepHysteresis(state, 0.0, 1.5);
    EXPECT_EQ(state.HystOut, 1.5);
}

// A slow ramp: the valve sticks after five quiet ticks, holds until the input is S away, and
// jumps to the input on the tick after the release.
TEST(Stiction, SlowRampFreezesThenJumpsToTheInput) {
    ActuatorState state;
    ActuatorParams params;
    params.stiction = 1.0;
    std::vector<double> in, out;
    for (int k = 0; k < 400; ++k) {
        in.push_back(0.01 * k);
        out.push_back(StepActuator(state, params, in.back(), 0.0, kDt));
    }
    for (int k = 0; k <= 4; ++k)
        EXPECT_EQ(out[k], in[k]);
    EXPECT_EQ(out[5], out[4]) << "frozen after five quiet ticks";
    int releases = 0;
    for (int k = 1; k + 1 < 400; ++k) {
        ASSERT_TRUE(out[k] == in[k] || out[k] == out[k - 1]) << k;
        if (std::fabs(out[k] - in[k]) < 1.0) continue;
        ++releases;
        EXPECT_EQ(out[k + 1], in[k + 1]) << "jumps on the tick after the release " << k;
        EXPECT_LT(std::fabs(out[k - 1] - in[k - 1]), 1.0) << "released at once " << k;
    }
    EXPECT_GE(releases, 3);
}

TEST(Stiction, FastInputIsFollowedWithoutSticking) {
    ActuatorState state;
    ActuatorParams params;
    params.stiction = 1.0;
    for (int k = 1; k <= 80; ++k)
        ASSERT_EQ(StepActuator(state, params, k, 0.0, kDt), k);
    EXPECT_FALSE(state.Stuck);
}

TEST(Stiction, OffWhenTheBandIsNotPositive) {
    ActuatorState state;
    ActuatorParams params;
    params.stiction = -2.0;
    for (int k = 0; k < 30; ++k)
        StepActuator(state, params, 10.0, 0.0, kDt);
    EXPECT_EQ(StepActuator(state, params, 10.05, 0.0, kDt), 10.05);
    EXPECT_FALSE(state.Stuck);
    EXPECT_GT(state.StickCount, 4);
}

TEST(RateLimit, TenPercentPerSecondMovesOnePerTick) {
    for (double rate : {10.0, -10.0}) {
        ActuatorState state;
        ActuatorParams params;
        double p = 0;
        for (int k = 1; k <= 49; ++k) {
            p = StepActuator(state, params, 50.0, rate, kDt);
            ASSERT_NEAR(p, k, 1e-9) << rate;
        }
        EXPECT_EQ(StepActuator(state, params, 50.0, rate, kDt), 50.0);
        EXPECT_NEAR(StepActuator(state, params, 0.0, rate, kDt), 49.0, 1e-9) << "falling too";
    }
}

TEST(RateLimit, ZeroMeansNoLimit) {
    ActuatorState state;
    ActuatorParams params;
    EXPECT_EQ(StepActuator(state, params, 5000.0, 0.0, kDt), 5000.0);
}

TEST(RateLimit, CurveDoesNotDisturbTheLimiter) {
    ActuatorState state;
    ActuatorParams params;
    params.curve = kCurveS1;
    for (int k = 1; k <= 10; ++k) {
        double p = StepActuator(state, params, 50.0, 10.0, kDt);
        EXPECT_NEAR(state.RateOut, k, 1e-9);
        EXPECT_EQ(p, ApplyValveCurve(kCurveS1, state.RateOut));
    }
}

TEST(ActuatorLag, FiveSecondsReachesSixtyThreePercentAfterAboutFiftyTicks) {
    ActuatorState state;
    ActuatorParams params;
    params.lag = 5.0;
    int reached = 0;
    for (int k = 1; k <= 100 && reached == 0; ++k)
        if (StepActuator(state, params, 50.0, 0.0, kDt) >= 0.632 * 50.0) reached = k;
    EXPECT_GE(reached, 49);
    EXPECT_LE(reached, 52);
}

TEST(ActuatorLag, NegativeTimeConstantPassesThrough) {
    for (double lag : {-kDt, -1.0, -0.05}) {
        ActuatorState state;
        ActuatorParams params;
        params.lag = lag;
        for (int k = 0; k < 200; ++k)
            ASSERT_EQ(StepActuator(state, params, 30.0 + k % 7, 0.0, kDt), 30.0 + k % 7) << lag;
    }
}

}  // namespace
}  // namespace vork
