#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "support/run_sim.h"

namespace {

using vork::RunSim;
using vork::SimOutput;

TEST(VorkSimEval, PrintsTheShortestRoundTripValue) {
    EXPECT_EQ(RunSim("eval '2^3^2'").text, "64\n");
    EXPECT_EQ(RunSim("eval '1/3*3'").text, "0.999999999999999\n");
    EXPECT_EQ(RunSim("eval --set M21=50 'M212'").text, "5000000000000\n");
    EXPECT_EQ(RunSim("eval --set m21=-3 --set M05=2.5 'M21^2+M05'").text, "-6.5\n");
}

TEST(VorkSimEval, CountsCharactersAndCarriesOverflowingLiterals) {
    EXPECT_EQ(RunSim("eval --set M01=5 'M1°'").text, "5\n");
    EXPECT_EQ(RunSim("eval --set M03=3 '2+Mé3'").text, "2\n");
    EXPECT_EQ(RunSim("eval '1E999/10'").text, "1.79769313486231e+307\n");
}

TEST(VorkSimEval, PrintsTheErrorTextOnASecondLine) {
    SimOutput out = RunSim("eval 'LN(5)'");
    EXPECT_EQ(out.text, "0\nInconsistência na Equação!\n");
    EXPECT_EQ(out.status, 0);
}

TEST(VorkSimEval, MalformedSetIsAUsageError) {
    for (const char* bad : {"--set M21 'M21'", "--set M100=1 '1'", "--set M21=abc '1'",
                            "--set M21=5x '1'", "'1' --set", "", "'1' '2'"}) {
        SimOutput out = RunSim(std::string("eval ") + bad);
        EXPECT_EQ(out.status, 2) << bad;
        EXPECT_EQ(out.text, "") << bad;
    }
}

}  // namespace
