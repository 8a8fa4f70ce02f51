#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "engine/numbers.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/signal_generator.h"
#include "project/project.h"
#include "support/run_sim.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

const std::string kFixture = std::string(VORK_SOURCE_DIR) + "/tests/fixtures/closed_loop.smp";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The loop of the fixture, built through the objects themselves.
void BuildClosedLoop(Simulation& sim) {
    sim.vars.ResetNewProject();
    sim.vars.SetAttribute(21, AttributeField::Unit, "m3/h");
    sim.vars.SetAttribute(21, AttributeField::UeMax, "150");
    sim.generator().Apply(sim);
    Controller& c = sim.controllers.Fill(1);
    c.fields.TagText = "FIC-101";
    c.fields.KpText = "0,8";
    c.fields.KiText = "12";
    c.fields.VariavelSelect = 20;
    c.Validate(sim);
    c.state.SP = 60.0;
    c.state.AutoMode = true;
    ProcessBlock& p = sim.processes.Fill(1);
    p.fields.TagText = "FT-101";
    p.fields.LText = "8";
    p.fields.Ctext = "2";
    p.fields.TempoMorto = "1.5";
    p.fields.GanhoText = "1.2";
    p.Validate(sim);
}

TEST(VorkSimStep, TheHandWrittenLoopFollowsTheLoopBuiltInCode) {
    SimOutput out = RunSim("step '" + kFixture + "' --passes 400 --every 4 --vars M21,M01,M61");
    ASSERT_EQ(out.status, 0);
    Simulation sim;
    BuildClosedLoop(sim);
    sim.batch = true;
    std::string expected = "pass,M21,M01,M61\n";
    for (int pass = 1; pass <= 400; ++pass) {
        sim.EvaluationPass();
        if (pass % 4 != 0) continue;
        expected += std::to_string(pass) + "," + ShortestText(sim.vars.Read(21)) + "," +
                    ShortestText(sim.vars.Read(1)) + "," + ShortestText(sim.vars.Read(61)) + "\n";
    }
    EXPECT_EQ(out.text, expected);
    EXPECT_NEAR(sim.vars.Read(21), 60.0, 5.0);  // the loop has come to its setpoint
}

TEST(VorkSimStep, DefaultsAndTimeStep) {
    SimOutput out = RunSim("step '" + kFixture + "' --dt 0.5 --passes 3");
    EXPECT_EQ(out.status, 0);
    std::string header = out.text.substr(0, out.text.find('\n'));
    EXPECT_EQ(header, "pass,M21,M01");
    EXPECT_EQ(std::count(out.text.begin(), out.text.end(), '\n'), 4);
    SimOutput seeded = RunSim("step '" + kFixture + "' --seed 42 --passes 100");
    EXPECT_EQ(std::count(seeded.text.begin(), seeded.text.end(), '\n'), 101);
}

TEST(VorkSimStep, UsageErrorsExit2) {
    for (const char* bad : {"", "--passes 3", "F --passes", "F --passes -1", "F --passes 2.5",
                            "F --every 0", "F --dt 0", "F --dt abc", "F --vars M100",
                            "F --vars M21,", "F --vars 21", "F --seed -3", "F G", "F --fast"}) {
        std::string args = bad;
        size_t f = args.find('F');
        if (f != std::string::npos) args.replace(f, 1, "'" + kFixture + "'");
        SimOutput out = RunSim("step " + args);
        EXPECT_EQ(out.status, 2) << bad;
        EXPECT_EQ(out.text, "") << bad;
    }
    EXPECT_EQ(RunSim("step /nonexistent/file.smp").status, 1);
}

TEST(VorkSimCheck, PrintsTheMessagesAndFailsOnAStoppedLoad) {
    SimOutput clean = RunSim("check '" + kFixture + "'");
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.text, "");

    test::TempFolder folder;
    Project p;
    ASSERT_TRUE(p.Load(kFixture).ok());
    p.sim.controllers.Get(1)->fields.KiText = "doze";
    p.sim.processes.Get(1)->fields.TempoMorto = "-1";
    ASSERT_TRUE(p.Save(folder.File("warn.smp")).ok());
    SimOutput warned = RunSim("check '" + folder.File("warn.smp") + "'");
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.text, "Controlador 1: Ti inválido\nProcesso 21: Tempo Morto inválido\n");

    std::string broken = ReadFile(kFixture);
    broken.replace(broken.find("Indice lista PV:20"), 18, "Indice lista PV:2O");
    std::ofstream(folder.File("broken.smp"), std::ios::binary) << broken;
    SimOutput failed = RunSim("check '" + folder.File("broken.smp") + "'");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.text, "");
    EXPECT_EQ(RunSim("check").status, 2);
}

TEST(VorkSimResave, WritesWhatItReadsAndASecondResaveIsIdentical) {
    test::TempFolder folder;
    std::string once = folder.File("once.smp"), twice = folder.File("twice.smp");
    ASSERT_EQ(RunSim("resave '" + kFixture + "' '" + once + "'").status, 0);
    ASSERT_EQ(RunSim("resave '" + once + "' '" + twice + "'").status, 0);
    EXPECT_EQ(ReadFile(once), ReadFile(twice));
    // Only the bilingual texts lose their English part, as in the program.
    std::string expected;
    std::istringstream original(ReadFile(kFixture));
    for (std::string line; std::getline(original, line);)
        expected += line.substr(0, std::min(line.find('|'), line.size() - 1)) + "\r\n";
    EXPECT_EQ(ReadFile(once), expected);

    EXPECT_EQ(RunSim("resave /nonexistent.smp '" + twice + "'").status, 1);
    EXPECT_EQ(RunSim("resave '" + kFixture + "' '" + folder.File("no/dir.smp") + "'").status, 1);
    EXPECT_EQ(ReadFile(twice), ReadFile(once));
    EXPECT_EQ(RunSim("resave '" + kFixture + "'").status, 2);
}

}  // namespace
}  // namespace vork
