#include "plant/characterizer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "plant/simulation.h"

namespace vork {
namespace {

class CharacterizerTest : public ::testing::Test {
  protected:
    void Points(std::array<std::string, 6> mv, std::array<std::string, 6> pv) {
        ch.fields.Lin1MV = mv;
        ch.fields.Lin1PV = pv;
    }
    double Run(double x) {
        sim.vars.Write(15, x);
        ch.Compute(sim);
        return sim.vars.Read(13);
    }
    void SetUp() override { ch.fields.Lin1EndEnt = "15 Track 1"; }
    const CharacterizerState& state() const { return ch.state; }
    Simulation sim;
    Characterizer& ch = sim.characterizer();
};

TEST_F(CharacterizerTest, WorkedValveCurve) {
    Points({"0", "20", "40", "60", "80", "100"}, {"0", "5", "12", "25", "50", "100"});
    EXPECT_DOUBLE_EQ(Run(30.0), 64.0);
    EXPECT_DOUBLE_EQ(Run(5.0), 20.0);     // at an inner end value the next segment is used
    EXPECT_DOUBLE_EQ(Run(120.0), 108.0);  // segment 5 extended upwards
    EXPECT_DOUBLE_EQ(state().segments[3].slope, 1.25);
    EXPECT_DOUBLE_EQ(state().segments[3].intercept, -50.0);
}

TEST_F(CharacterizerTest, DefaultPointsPassThrough) {
    EXPECT_DOUBLE_EQ(Run(37.5), 37.5);
    EXPECT_DOUBLE_EQ(Run(100.0), 100.0);
}

TEST_F(CharacterizerTest, BelowTheFirstPointExtendsSegmentOne) {
    Points({"10", "20", "40", "60", "80", "100"}, {"10", "20", "40", "60", "80", "100"});
    EXPECT_DOUBLE_EQ(Run(4.0), 4.0);
    Points({"0", "20", "40", "60", "80", "100"}, {"10", "20", "40", "60", "80", "100"});
    EXPECT_DOUBLE_EQ(Run(5.0), -10.0);
}

TEST_F(CharacterizerTest, PointsOutOfUseEndTheCurve) {
    Points({"0", "20", "40", "0", "0", "0"}, {"0", "5", "12", "25", "50", "100"});
    EXPECT_DOUBLE_EQ(Run(3.0), 12.0);
    EXPECT_DOUBLE_EQ(Run(8.0), 40.0 - 4.0 / 0.35);
    sim.vars.Write(13, 77.0);
    EXPECT_EQ(Run(12.0), 77.0);  // no upward extension without point 6
    EXPECT_EQ(Run(60.0), 77.0);
}

TEST_F(CharacterizerTest, GapStartsFromRememberedPoint) {
    Points({"0", "20", "40", "60", "80", "100"}, {"0", "5", "12", "25", "50", "100"});
    Run(1.0);
    ch.fields.Lin1MV[2] = "x";  // point 3 out of use; its PV 12 is remembered
    ch.fields.Lin1PV[2] = "99";
    // Segment 3 now runs from (0, 12) to (60, 25).
    EXPECT_NEAR(Run(15.0), 3.0 / (13.0 / 60.0), 1e-12);
    EXPECT_DOUBLE_EQ(state().segments[1].end, 12.0);  // kept from the last scan it existed
}

TEST_F(CharacterizerTest, DegenerateSegmentsStayFinite) {
    Points({"0", "20", "20", "60", "80", "100"}, {"0", "5", "12", "25", "50", "100"});
    EXPECT_EQ(Run(8.0), 20.0);  // vertical segment: its one MV
    Points({"0", "20", "40", "60", "80", "100"}, {"0", "0", "20", "40", "60", "80"});
    EXPECT_DOUBLE_EQ(Run(-1.0), 19.0);  // flat segment 1 passed over
    Points({"0", "20", "40", "60", "80", "100"}, {"0", "20", "40", "60", "80", "80"});
    sim.vars.Write(13, 5.0);
    EXPECT_EQ(Run(90.0), 5.0);  // flat last segment reaches nothing
}

TEST_F(CharacterizerTest, InputAddressFromFirstTwoCharacters) {
    sim.vars.Write(5, 50.0);
    ch.fields.Lin1EndEnt = "5";
    EXPECT_EQ(ch.InputAddress(), 0);
    EXPECT_EQ(Run(30.0), 0.0);
    ch.fields.Lin1EndEnt = " 5 x";
    EXPECT_EQ(ch.InputAddress(), 5);
    ch.fields.Lin1EndEnt = "99 ";
    EXPECT_EQ(ch.InputAddress(), 99);
    for (const char* bad : {"00 x", "-1", "M1", "", "5a"}) {
        ch.fields.Lin1EndEnt = bad;
        EXPECT_EQ(ch.InputAddress(), 0) << bad;
    }
}

TEST_F(CharacterizerTest, RunsInThePassOnlyWhileEnabled) {
    sim.vars.Write(15, 42.0);
    sim.EvaluationPass();
    EXPECT_EQ(sim.vars.Read(13), 0.0);
    ch.fields.Lin1Ativar = true;
    sim.EvaluationPass();
    EXPECT_EQ(sim.vars.Read(13), 42.0);
    ch.fields.Lin1Ativar = false;
    sim.vars.Write(15, 10.0);
    sim.EvaluationPass();
    EXPECT_EQ(sim.vars.Read(13), 42.0);
}

}  // namespace
}  // namespace vork
