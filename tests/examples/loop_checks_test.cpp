#include "examples/loop_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vork::test {
namespace {

constexpr int kPoints = 1800;  // a 30-minute run, one point per second

std::vector<double> Constant(double v) {
    return std::vector<double>(kPoints, v);
}

// PV = SP + shape(t) + uniform noise of the given half width.
std::vector<double> Around(double sp, double (*shape)(int), double noise, unsigned seed = 3) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> u(-noise, noise);
    std::vector<double> pv;
    for (int t = 0; t < kPoints; ++t)
        pv.push_back(sp + shape(t) + (noise > 0 ? u(gen) : 0));
    return pv;
}

TEST(DetectOscillation, ACycleOfTwoPercentIsFoundWithItsPeriod) {
    auto cycle = [](int t) { return 2.0 * std::sin(2 * M_PI * t / 45.0); };
    OscillationVerdict v = DetectOscillation(Around(50, cycle, 0.5), Constant(50));
    EXPECT_TRUE(v.sustained);
    EXPECT_NEAR(v.period, 45, 2);
    // A limit cycle of a sticking valve is a square wave, not a sine.
    auto square = [](int t) { return (t / 30) % 2 ? 1.0 : -1.0; };
    EXPECT_TRUE(DetectOscillation(Around(50, square, 0.2), Constant(50)).sustained);
}

TEST(DetectOscillation, AQuietOrRandomErrorIsNoOscillation) {
    EXPECT_FALSE(DetectOscillation(Constant(50), Constant(50)).sustained);
    auto none = [](int) { return 0.0; };
    OscillationVerdict noise = DetectOscillation(Around(50, none, 3), Constant(50));
    EXPECT_FALSE(noise.sustained);
    EXPECT_GT(noise.amplitude, 1);
    // A tiny cycle is below what a loop's variability shows.
    auto tiny = [](int t) { return 0.1 * std::sin(2 * M_PI * t / 45.0); };
    EXPECT_FALSE(DetectOscillation(Around(50, tiny, 0), Constant(50)).sustained);
}

TEST(DetectOscillation, AStepResponseThatDecaysBeforeTheLastHalfPasses) {
    // An underdamped answer to the step at 189 s, gone long before the end.
    auto decaying = [](int t) {
        return t < 189 ? 0.0 : -10 * std::exp(-(t - 189) / 60.0) * std::cos((t - 189) / 10.0);
    };
    EXPECT_FALSE(DetectOscillation(Around(60, decaying, 0.3), Constant(60)).sustained);
    // A slow drift of the load crosses zero rarely and irregularly.
    std::mt19937 gen(5);
    std::normal_distribution<double> step(0, 0.3);
    std::vector<double> pv;
    double walk = 0;
    for (int t = 0; t < kPoints; ++t)
        pv.push_back(50 + (walk += step(gen)));
    EXPECT_FALSE(DetectOscillation(pv, Constant(50)).sustained);
}

TEST(SaturationShare, CountsOutputsAtTwoPercentFromEitherEnd) {
    std::vector<double> co(100, 50.0);
    co[0] = 98.0;
    co[1] = 2.0;
    co[2] = 97.9;
    co[3] = 2.1;
    co[4] = 100.0;
    EXPECT_DOUBLE_EQ(SaturationShare(co), 3.0);
    EXPECT_DOUBLE_EQ(SaturationShare({}), 0.0);
}

}  // namespace
}  // namespace vork::test
