#include <gtest/gtest.h>

#include "fake_records.h"
#include "project/load_error.h"
#include "project/records.h"
#include "rich_project.h"

namespace vork {
namespace {

using testing::Join;
using testing::Lines;

template <class Write>
std::vector<std::string> Written(Write write) {
    LineWriter out;
    write(out);
    return Lines(out.Text());
}

LineReader Reader(const std::vector<std::string>& lines) {
    return LineReader(ToWindows1252(Join(lines)));
}

TEST(ControllerRecord, TextsAsTypedAndStatesAsFixedTwoDecimals) {
    Simulation sim;
    Controller& c = sim.controllers.Fill(3);
    c.fields.KpText = "2,5";
    c.state.Iant = 5.5;
    c.state.Erroant = -0.5;
    c.state.PVant = 0.0;
    c.state.SP = 42.5;
    c.state.AutoMode = true;
    c.fields.CheckSPR = true;
    std::vector<std::string> lines =
        Written([&](LineWriter& out) { WriteControllerRecord(c, out); });
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0], "=====<<<CONTROLADOR:03>>>=====");
    EXPECT_EQ(lines[3], "{C03/03} Kc:2,5");
    EXPECT_EQ(lines[16], "{C03/16} Endereço  BackMV:0");
    EXPECT_EQ(lines[23], "{C03/23} Iant:5.50");
    EXPECT_EQ(lines[24], "{C03/24} Erroant:-0.50");
    EXPECT_EQ(lines[25], "{C03/25} PVant:0.00");
    EXPECT_EQ(lines[26], "{C03/26} Habilita Modo Remoto:True");
    EXPECT_EQ(lines[27], "{C03/27} Habilita Modo Auto:True");
    EXPECT_EQ(lines[28], "{C03/28} 42.50");

    Simulation other;
    Controller& back = other.controllers.Fill(3);
    LineReader in = Reader(lines);
    ReadControllerRecord(back, other, in);
    EXPECT_TRUE(back.fields.CheckSPR);
    EXPECT_EQ(back.fields.KpText, "2,5");
    EXPECT_EQ(back.state.SP, 42.5);
    EXPECT_EQ(back.state.Erroant, -0.5);
    EXPECT_TRUE(back.state.AutoMode);
    // The restored output and setpoint stand in the loop's variables before the first pass.
    EXPECT_EQ(other.vars.Read(63), 42.5);
}

TEST(ControllerRecord, ItemsAreFoundByPositionNotByKey) {
    Simulation sim;
    Controller& c = sim.controllers.Fill(1);
    std::vector<std::string> lines =
        Written([&](LineWriter& out) { WriteControllerRecord(c, out); });
    lines[0] = "anything";
    lines[3] = "{C01/03} Kp:4";             // same key length
    lines[4] = "{C01/04} Tii:7";            // one longer: the value shifts by one
    lines[5] = "{C09/05} Td:3";             // the identifier is not looked at
    lines[13] = "{C01/13} BackMV CK:true";  // only "True" is true
    lines[28] = "{C01/28} 12.345";
    LineReader in = Reader(lines);
    ReadControllerRecord(c, sim, in);
    EXPECT_EQ(c.fields.KpText, "4");
    EXPECT_EQ(c.fields.KiText, ":7");
    EXPECT_EQ(c.fields.KdText, "3");
    EXPECT_FALSE(c.fields.BackMVCheck);
    EXPECT_EQ(c.state.SP, 12.345);
}

TEST(ControllerRecord, AMalformedListPositionStopsTheLoadAtItsLine) {
    Simulation sim;
    Controller& c = sim.controllers.Fill(1);
    std::vector<std::string> lines =
        Written([&](LineWriter& out) { WriteControllerRecord(c, out); });
    lines[15] = "{C01/15} Indice lista SPR:1a";
    LineReader in = Reader(lines);
    try {
        ReadControllerRecord(c, sim, in);
        FAIL() << "no LoadError";
    } catch (const LoadError& e) {
        EXPECT_EQ(e.line(), 16);
        EXPECT_EQ(e.found(), "1a");
    }
}

TEST(ControllerRecord, ALoadedLoopWithDerivativeOnThePvContinuesWithoutAKick) {
    Simulation sim;
    sim.dt = 0.1;
    sim.batch = true;
    Controller& c = sim.controllers.Fill(1);
    c.fields.VariavelSelect = 20;  // M21
    c.fields.KpText = "2";
    c.fields.KdText = "20";
    c.Validate(sim);
    c.state.AutoMode = true;
    c.state.SP = 60;
    c.state.CO = 55;
    c.state.Iant = 5;
    c.state.PVant = 60;
    std::vector<std::string> lines =
        Written([&](LineWriter& out) { WriteControllerRecord(c, out); });

    Simulation other;
    other.dt = 0.1;
    other.batch = true;
    Controller& back = other.controllers.Fill(1);
    LineReader in = Reader(lines);
    ReadControllerRecord(back, other, in);
    other.vars.Write(21, 60);
    back.Compute(other);
    EXPECT_NEAR(back.state.CO, 55, 0.01);
}

TEST(ProcessRecord, Slot21CarriesIdentifier71AndItem15SplitsAtTheFirstX) {
    Simulation sim;
    ProcessBlock& b = sim.processes.Fill(21);
    b.fields.NCText = "1.5";
    b.fields.PeriodoText = "20";
    std::vector<std::string> lines = Written([&](LineWriter& out) { WriteProcessRecord(b, out); });
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0], "=====<<<PROCESSO:71>>>=====");
    EXPECT_EQ(lines[1].substr(0, 9), "{P71/01} ");
    EXPECT_EQ(lines[15], "{P71/15} Num.Ciclos:1.5x20");
    EXPECT_EQ(lines[25].substr(0, 9), "{P71/25} ");

    Simulation other;
    ProcessBlock& back = other.processes.Fill(21);
    back.fields.PeriodoText = "33";
    lines[15] = "{P71/15} Num.Ciclos:3";
    LineReader in = Reader(lines);
    ReadProcessRecord(back, other, in);
    EXPECT_EQ(back.fields.NCText, "3");
    EXPECT_EQ(back.fields.PeriodoText, "33");
    lines[15] = "{P71/15} Num.Ciclos:1.5x2x0";
    LineReader again = Reader(lines);
    ReadProcessRecord(back, other, again);
    EXPECT_EQ(back.fields.NCText, "1.5");
    EXPECT_EQ(back.fields.PeriodoText, "2x0");
}

// A list takes no position it does not hold: the curve and the type take their defaults.
TEST(ProcessRecord, ListPositionsBeyondTheListsTakeTheDefaults) {
    Simulation sim;
    ProcessBlock& b = sim.processes.Fill(1);
    std::vector<std::string> lines = Written([&](LineWriter& out) { WriteProcessRecord(b, out); });
    lines[10] = "{P21/10} Tipo Valv:4";
    lines[14] = "{P21/14} Tipo FT:3";
    LineReader in = Reader(lines);
    ReadProcessRecord(b, sim, in);
    EXPECT_EQ(b.fields.gainCurve, kCurveS2);
    EXPECT_EQ(b.fields.transferType, kIntegrator);
    lines[10] = "{P21/10} Tipo Valv:5";
    lines[14] = "{P21/14} Tipo FT:-1";
    LineReader again = Reader(lines);
    ReadProcessRecord(b, sim, again);
    EXPECT_EQ(b.fields.gainCurve, kCurveLinear);
    EXPECT_EQ(b.fields.transferType, kOverdamped);
}

// The ring position is not stored: the whole ring takes the last delayed value, so a block with
// dead time reads it on its first ticks instead of zeros.
TEST(ProcessRecord, TheDelayRingHoldsTheLastDelayedValueEverywhere) {
    Simulation sim;
    ProcessBlock& b = sim.processes.Fill(1);
    b.fields.TempoMorto = "2";
    b.state.Y2 = 48.0;
    b.state.transfer.Y0old = 40.0;
    b.state.transfer.IntAc1 = b.state.transfer.IntAc2 = 40.0;
    std::vector<std::string> lines = Written([&](LineWriter& out) { WriteProcessRecord(b, out); });
    EXPECT_EQ(lines[19], "{P21/19} Y2:48.00");

    Simulation other;
    ProcessBlock& back = other.processes.Fill(1);
    LineReader in = Reader(lines);
    EXPECT_EQ(ReadProcessRecord(back, other, in), std::vector<std::string>{});
    const DeadTimeState& ring = back.state.delay;
    EXPECT_EQ(ring.DelayIndex, 0);
    EXPECT_EQ(ring.DelayLine.front(), 40.0);
    EXPECT_EQ(ring.DelayLine.back(), 40.0);
    EXPECT_EQ(other.vars.Read(21), 48.0);
    back.fields.GanhoText = "1.2";
    back.Validate(other);
    other.vars.Write(1, 40.0);
    for (int tick = 0; tick < 30; ++tick) {
        back.Compute(other);
        EXPECT_NEAR(other.vars.Read(21), 48.0, 1e-9) << "tick " << tick;
    }
}

TEST(CalcRecord, Slot1WritesIdentifier41AndLimitsOffReloadUnchecked) {
    Simulation sim;
    CalcBlock& b = sim.calcs.Fill(1);
    b.fields.FuncaoTr = "M21*2";
    std::vector<std::string> lines = Written([&](LineWriter& out) { WriteCalcRecord(b, out); });
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "=====<<<BLOCO CALC:41>>>=====");
    EXPECT_EQ(lines[6], "{B41/06} Habilita Lim Sup:False");
    EXPECT_EQ(lines[7], "{B41/07} Habilita Lim Inf:False");

    Simulation other;
    CalcBlock& back = other.calcs.Fill(1);
    back.fields.LimSupCheck = back.fields.LimInfCheck = true;
    LineReader in = Reader(lines);
    EXPECT_EQ(ReadCalcRecord(back, other, in), std::vector<std::string>{});
    EXPECT_FALSE(back.fields.LimSupCheck);
    EXPECT_FALSE(back.fields.LimInfCheck);
    EXPECT_EQ(back.applied.FuncaoTr, "M21*2");
}

TEST(CalcRecord, TheLoadedBlocksOutputStandsBeforeTheFirstPass) {
    Simulation sim;
    CalcBlock& b = sim.calcs.Fill(2);
    b.fields.FuncaoTr = "M21+M22";
    std::vector<std::string> lines = Written([&](LineWriter& out) { WriteCalcRecord(b, out); });

    Simulation other;
    other.vars.Write(21, 30);
    other.vars.Write(22, 12.5);
    CalcBlock& back = other.calcs.Fill(2);
    LineReader in = Reader(lines);
    ReadCalcRecord(back, other, in);
    EXPECT_EQ(other.vars.Read(42), 42.5);
}

TEST(RecorderRecord, Recorder2HeaderAndABilingualPenLabel) {
    Simulation sim;
    TrendRecorder& r = sim.recorders.Fill(2);
    r.fields.penText1 = "Vazão|Flow";
    std::vector<std::string> lines = Written([&](LineWriter& out) { WriteRecorderRecord(r, out); });
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "=====<<<REGISTRADOR:202>>>=====");
    EXPECT_EQ(lines[1].substr(0, 7), "{R/01} ");
    EXPECT_EQ(lines[9].substr(0, 7), "{R/09} ");
    EXPECT_EQ(lines[4], "{R/04} Desc Var1:Vazão|Flow");

    for (Language language : {Language::Portuguese, Language::English}) {
        Simulation other;
        other.language = language;
        TrendRecorder& back = other.recorders.Fill(2);
        LineReader in = Reader(lines);
        ReadRecorderRecord(back, other, in);
        EXPECT_EQ(back.fields.penText1, language == Language::English ? "Flow" : "Vazão");
    }
}

TEST(TextRecord, Text10HeaderAndTheScalarApplyTakesTheCatalogue) {
    Simulation sim;
    AnimatedText& t = sim.texts.Fill(10);
    t.fields.ComboBox1 = 20;
    t.fields.Unidade = "kg";
    std::vector<std::string> lines = Written([&](LineWriter& out) { WriteTextRecord(t, out); });
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "=====<<<TEXTO ANIMADO:110>>>=====");
    EXPECT_EQ(lines[4], "{T/04} Unidade:kg");

    Simulation other;
    other.vars.SetAttribute(21, AttributeField::Unit, "m3/h");
    AnimatedText& back = other.texts.Fill(10);
    LineReader in = Reader(lines);
    ReadTextRecord(back, other, in);
    EXPECT_EQ(back.fields.Unidade, "m3/h");
    EXPECT_EQ(back.Address(), 21);
}

TEST(TextRecord, APickListPositionOutsideTheListSelectsNothing) {
    Simulation sim;
    AnimatedText& t = sim.texts.Fill(1);
    std::vector<std::string> lines = Written([&](LineWriter& out) { WriteTextRecord(t, out); });
    lines[8] = "{T/08} Variavel:2147483647";
    lines[3] = "{T/03} Casas Decimais:9";
    LineReader in = Reader(lines);
    ReadTextRecord(t, sim, in);
    EXPECT_EQ(t.fields.ComboBox1, -1);
    EXPECT_EQ(t.fields.CasasDecimais, 5);
}

std::vector<std::string> GeneratorLines(Project& p) {
    return Written([&](LineWriter& out) { WriteGeneratorSection(p.sim.generator(), out); });
}

TEST(GeneratorSection, ChannelItemsWithTheSlashOfChannels11To16) {
    Project p;
    SignalGenerator& g = p.sim.generator();
    g.channel(1).fields = {0, "Carga", "0", "100", "35", 0, 0};
    std::vector<std::string> lines = GeneratorLines(p);
    ASSERT_EQ(lines.size(), 81u);
    EXPECT_EQ(lines[0], "<Parametros>");
    EXPECT_EQ(lines[1], "{P/01} 0");
    EXPECT_EQ(lines[2], "{P/02} Carga");
    EXPECT_EQ(lines[3], "{P/03} 0");
    EXPECT_EQ(lines[4], "{P/04} 100");
    EXPECT_EQ(lines[5], "{P/05} 35");
    EXPECT_EQ(lines[58], "{P/58} /");  // channel 12, 3rd item
    EXPECT_EQ(lines[59], "{P/59} /");
    EXPECT_EQ(lines[80].substr(0, 7), "{P/80} ");
}

TEST(GeneratorSection, MediumRandomContinuesAndTheZeroOneChoiceIsRestored) {
    Project p;
    std::vector<std::string> lines = GeneratorLines(p);
    lines[16] = "{P/16} 3";      // channel 4: "Aleatório Médio"
    lines[20] = "{P/20} 61.25";  // its value
    lines[56] = "{P/56} 1";      // channel 12: "Constante 0-1"
    lines[60] = "{P/60} 1";
    lines[53] = "{P/53} 77";  // channel 11's minimum is not read
    LineReader in = Reader(lines);
    Project loaded;
    ReadGeneratorSection(loaded.sim.generator(), loaded.sim, in);
    const SignalGenerator& g = loaded.sim.generator();
    EXPECT_EQ(g.channel(4).state.filter, 61.25);
    EXPECT_EQ(g.channel(12).fields.ValorDig, 1);
    EXPECT_EQ(loaded.sim.vars.Read(92), 1.0);
    EXPECT_EQ(g.channel(11).fields.Min, "");

    lines[60] = "{P/60} 1.0";  // the 0/1 value is a strict integer
    LineReader strict = Reader(lines);
    EXPECT_THROW(ReadGeneratorSection(loaded.sim.generator(), loaded.sim, strict), LoadError);
    lines[60] = "{P/60} 1";
    lines[6] = "{P/06} x";  // the type of channel 2 is strict, that of channel 3 is not
    LineReader type = Reader(lines);
    EXPECT_THROW(ReadGeneratorSection(loaded.sim.generator(), loaded.sim, type), LoadError);
    lines[6] = "{P/06} 0";
    lines[11] = "{P/11} x";
    LineReader lenient = Reader(lines);
    EXPECT_NO_THROW(ReadGeneratorSection(loaded.sim.generator(), loaded.sim, lenient));
}

TEST(GeneratorSection, AZeroOneChannelSavedBeforeApplyingStillLoads) {
    Project p;
    SignalGenerator& g = p.sim.generator();
    g.channel(3).fields.Valor = "35";
    g.ChangeType(p.sim, 3, static_cast<int>(SignalType::Constant01));
    g.channel(3).fields.ValorDig = 1;  // chosen, not yet applied
    std::vector<std::string> lines = GeneratorLines(p);
    EXPECT_EQ(lines[15], "{P/15} 1");
    LineReader in = Reader(lines);
    Project loaded;
    ASSERT_NO_THROW(ReadGeneratorSection(loaded.sim.generator(), loaded.sim, in));
    EXPECT_EQ(loaded.sim.vars.Read(83), 1.0);
}

}  // namespace
}  // namespace vork
