#include <gtest/gtest.h>

#include <string>

#include "support/run_sim.h"

namespace vork {
namespace {

TEST(VorkSimHelp, EveryCommandExplainsItselfOnStandardOutput) {
    for (const std::string command : {"eval", "check", "resave", "step", "run", "tune", "grade"}) {
        for (const std::string flag : {"--help", "-h"}) {
            SimOutput out = RunSim(command + " " + flag);
            EXPECT_EQ(out.status, 0) << command;
            EXPECT_TRUE(out.text.starts_with("usage: vork-sim " + command)) << command;
            EXPECT_NE(out.text.find("Exit status"), std::string::npos) << command;
        }
    }
}

TEST(VorkSimHelp, TheProgramListsItsCommands) {
    SimOutput out = RunSim("--help");
    EXPECT_EQ(out.status, 0);
    for (const std::string command : {"eval", "check", "resave", "step", "run", "tune", "grade"})
        EXPECT_NE(out.text.find("  " + command + " "), std::string::npos) << command;
    EXPECT_EQ(RunSim("").status, 2);
    EXPECT_EQ(RunSim("fly").status, 2);
}

}  // namespace
}  // namespace vork
