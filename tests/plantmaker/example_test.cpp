#include "plantmaker/example.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plant/controller.h"
#include "plant/process_block.h"

namespace vork::plantmaker {
namespace {

// A flow loop as a description writes it: valve and flow, the controller on its bubble.
void FlowLoop(Example& ex) {
    ex.Gallery("sim99", "flow", "flow.smp");
    ex.Title("Vazão", "Flow");
    ex.Var(21).Unit("m3/h").Range(0, 200).Limits(20, 180);
    ex.Process(1, "FV-1").Desc("Vazão", "Flow").Input(1).Lag(5).At({300, 300});
    ex.Controller(1, "FIC-1").Pv(21).Pid(0.5, 5).Auto(120).At({300, 150});
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

bool Mentions(const std::vector<std::string>& problems, const std::string& part) {
    return Joined(problems).find(part) != std::string::npos;
}

TEST(ExampleFinish, ASettledPlantIsSavedAtItsOperatingPoint) {
    Example ex;
    FlowLoop(ex);
    ex.Settle(120);
    ASSERT_EQ(Joined(ex.Finish()), "");
    Simulation& sim = ex.project().sim;
    // The setpoint is typed in engineering units; its variable takes the PV's catalogue entry.
    EXPECT_DOUBLE_EQ(sim.controllers.Get(1)->state.SP, 60.0);
    EXPECT_EQ(sim.vars.Attribute(61, AttributeField::Unit), "m3/h");
    EXPECT_EQ(sim.vars.Attribute(61, AttributeField::UeMax), "200.00");
    EXPECT_NEAR(sim.vars.Read(21), 60.0, 0.1);
    EXPECT_TRUE(sim.controllers.Get(1)->state.AutoMode);
    // The marker is centred on the bubble the picture draws.
    const ObjectMarker& marker = ex.project().workspace.controllers[0];
    EXPECT_EQ(marker.left, 300 - 39);
    EXPECT_EQ(marker.top, 150 - 11);
    EXPECT_EQ(marker.caption, "FIC-1");

    Example again;
    FlowLoop(again);
    again.Settle(120);
    again.Finish();
    EXPECT_EQ(ex.FileBytes(), again.FileBytes());
}

TEST(ExampleFinish, WithoutSettlingTheGivenStateIsKept) {
    Example ex;
    FlowLoop(ex);
    ex.Process(1, "FV-1").Saved({55, 48.5, 48.4, 0, 0, 55.1, 48.45, 48.5});
    ex.Controller(1, "FIC-1").Saved({20.5, -0.1, 50.1, 50, 55});
    ASSERT_EQ(Joined(ex.Finish()), "");
    std::string bytes = ex.FileBytes();
    for (const char* line :
         {"{C01/23} Iant:20.50", "{C01/29} 55.00", "{P21/19} Y2:48.50", "{P21/23} x5old:55.10"})
        EXPECT_NE(bytes.find(line), std::string::npos) << line;
}

TEST(ExampleFinish, ReportsWhatTheFileWouldNotShow) {
    Example ex;
    FlowLoop(ex);
    ex.Controller(1, "FIC-1").Pid(0.5, "cinco");
    ex.Calc(1, "FY-1").Function("M21+M81").At({302, 160});  // on the controller, M81 unknown
    ex.Process(2, "FV-2").Input(2).Lag(5);                  // nowhere on the picture
    ex.Text(1).Desc("Vazão").Scalar(21).At({1000, 300});    // leaves the picture
    ex.Comments({"ζ"}, {});
    std::vector<std::string> problems = ex.Finish();
    EXPECT_TRUE(Mentions(problems, "Controlador 1: Ti inválido"));
    EXPECT_TRUE(Mentions(problems, "M81 is used but has no catalogue entry"));
    EXPECT_TRUE(Mentions(problems, "M22 is used but has no catalogue entry"));
    EXPECT_TRUE(Mentions(problems, "process block 2 (FV-2) has no place on the picture"));
    EXPECT_TRUE(Mentions(problems, "controller 1 (FIC-1) overlaps calculation block 1 (FY-1)"));
    EXPECT_TRUE(Mentions(problems, "animated text 1 (Vazão) leaves the picture"));
    EXPECT_TRUE(Mentions(problems, "not in Windows-1252: ζ"));
    EXPECT_TRUE(Mentions(problems, "loading: Controlador 1: Ti inválido"));
}

TEST(Builders, FieldTextsAsTheWindowsWouldHoldThem) {
    EXPECT_EQ(Expr(0.5).text(), "0.5");
    EXPECT_EQ(Expr(3).text(), "3");
    EXPECT_EQ(Expr("40+M15*0.4").text(), "40+M15*0.4");
    EXPECT_EQ(Bilingual("Vazão", "Flow"), "Vazão|Flow");
    EXPECT_EQ(Bilingual("FT-101", "FT-101"), "FT-101");
    EXPECT_EQ(Bilingual("Vazão", ""), "Vazão");

    Example ex;
    ex.Var(30).Range(0, 2.5);
    ex.Var(31).Range(0, 0.125);
    const VariableTable& vars = ex.project().sim.vars;
    EXPECT_EQ(vars.Attribute(30, AttributeField::UeMax), "2.50");
    EXPECT_EQ(vars.Attribute(31, AttributeField::UeMax), "0.125");  // two decimals would round
    ex.Process(1, "LL-1").Underdamped(1.5, 20).Integrator();
    const ProcessFields& f = ex.project().sim.processes.Get(1)->fields;
    EXPECT_EQ(f.transferType, kIntegrator);  // the last type set wins
    EXPECT_EQ(f.NCText, "1.5");
    EXPECT_EQ(f.PeriodoText, "20");
}

TEST(Footprints, ThePictureKeepsTheSymbolUnderEachMarkerFree) {
    Rect marker = MarkerAround({100, 100});
    EXPECT_EQ(marker.x, 61);
    EXPECT_EQ(marker.y, 89);
    Rect controller = ReservedArea(FootprintKind::Controller, marker, false);
    EXPECT_EQ(controller.y, 72);  // the 56-pixel square reaches above and below the button
    EXPECT_EQ(controller.h, 56);
    EXPECT_EQ(controller.w, kMarkerWidth);
    Rect instrument = ReservedArea(FootprintKind::Process, marker, true);
    EXPECT_EQ(instrument.h, 2 * kInstrumentRadius);
    EXPECT_EQ(ReservedArea(FootprintKind::Process, marker, false).h, kMarkerHeight);
}

}  // namespace
}  // namespace vork::plantmaker
