#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plant/process_block.h"
#include "plant/simulation.h"

namespace vork {
namespace {

using Messages = std::vector<std::string>;

TEST(ProcessValidation, DefaultsPassAndSetTheIdentity) {
    Simulation sim;
    ProcessBlock block(1);
    block.fields.TagText = "FT-101";
    block.fields.DescricaoText = "Vazão de vapor";
    EXPECT_TRUE(block.Validate(sim).empty());
    EXPECT_EQ(sim.vars.Description(21), "Vazão de vapor");
    ASSERT_TRUE(block.latched.identity);
    EXPECT_EQ(block.latched.identity->tag, "FT-101");
    EXPECT_EQ(block.latched.identity->description, "Vazão de vapor");
    EXPECT_EQ(block.latched.gainExpression, "1");
    EXPECT_EQ(block.latched.deadTimeExpression, "0");
}

TEST(ProcessValidation, FailureLatchesButLeavesTheIdentity) {
    Simulation sim;
    ProcessBlock block(1);
    block.fields.DescricaoText = "nova";
    block.fields.TempoMorto = "-1";
    EXPECT_EQ(block.Validate(sim), Messages{"Processo 21: Tempo Morto inválido"});
    EXPECT_EQ(block.latched.deadTimeExpression, "-1");
    EXPECT_TRUE(block.latched.validated);
    EXPECT_FALSE(block.latched.identity);
    EXPECT_EQ(sim.vars.Description(21), "");
}

TEST(ProcessValidation, MissingInputSkipsEveryOtherCheck) {
    Simulation sim;
    ProcessBlock block(3);
    block.fields.EntradaSelect = -1;
    block.fields.GanhoText = "LN(2)";
    block.fields.Histerese = "abc";
    EXPECT_EQ(block.Validate(sim), Messages{"Processo 23: Variável de entrada não informada"});
    EXPECT_EQ(block.latched.gainExpression, "");
    EXPECT_EQ(block.latched.input, 1);
    block.fields.EntradaSelect = 99;
    EXPECT_EQ(block.Validate(sim).size(), 1u);
}

TEST(ProcessValidation, TypeZeroReportsEveryFailureInOrder) {
    Simulation sim;
    ProcessBlock block(1);
    block.fields.GanhoText = "sin(1)";
    block.fields.TempoMorto = "x";
    block.fields.LText = "a";
    block.fields.Ctext = "b";
    block.fields.NCText = "0";  // not checked for type 0
    block.fields.Histerese = "h";
    block.fields.ratetext = "r";
    block.fields.valveStext = "s";
    block.fields.tal = "t";
    EXPECT_EQ(block.Validate(sim), (Messages{
                                       "Processo 21: Ganho inválido",
                                       "Processo 21: Tempo Morto inválido",
                                       "Processo 21: Tal1 inválido",
                                       "Processo 21: Tal2 inválido",
                                       "Processo 21: Histerese inválida",
                                       "Processo 21: Rate inválido",
                                       "Processo 21: Agarramento inválido",
                                       "Processo 21: Constante de tempo inválido",
                                   }));
}

TEST(ProcessValidation, UnderdampedChecksCyclesAndPeriod) {
    Simulation sim;
    ProcessBlock block(1);
    block.fields.transferType = kUnderdamped;
    block.fields.LText = "bad";  // not checked for type 1
    block.fields.NCText = "0";
    EXPECT_EQ(block.Validate(sim), Messages{"Processo 21: NCn inválido"});
    block.fields.NCText = "abc";
    block.fields.PeriodoText = "1,5";
    EXPECT_EQ(block.Validate(sim),
              (Messages{"Processo 21: NCn inválido", "Processo 21: Periodo inválido"}));
    EXPECT_EQ(block.latched.period, 1.0) << "the refused text still gives the value in force";
    block.fields.NCText = "1,5";
    block.fields.PeriodoText = "20";
    EXPECT_TRUE(block.Validate(sim).empty());
    EXPECT_EQ(block.latched.cycles, 1.5);
    EXPECT_EQ(block.latched.period, 20.0);
}

TEST(ProcessValidation, LeadLagChecksLagBeforeLead) {
    Simulation sim;
    ProcessBlock block(1);
    block.fields.transferType = kLeadLag;
    block.fields.LEAD = "?";
    block.fields.LAG = "!";
    EXPECT_EQ(block.Validate(sim),
              (Messages{"Processo 21: LAG inválido", "Processo 21: LEAD inválido"}));
}

TEST(ProcessValidation, RefusedNumbersStayInForce) {
    Simulation sim;
    ProcessBlock block(1);
    block.fields.Histerese = "2x";
    block.fields.valveStext = "abc";
    block.fields.tal = "3,5";
    EXPECT_EQ(block.Validate(sim),
              (Messages{"Processo 21: Histerese inválida", "Processo 21: Agarramento inválido",
                        "Processo 21: Constante de tempo inválido"}));
    EXPECT_EQ(block.latched.actuator.hysteresis, 2.0);
    EXPECT_EQ(block.latched.actuator.stiction, 0.0);
    EXPECT_EQ(block.latched.actuator.lag, 3.0);
}

TEST(ProcessValidation, CurvePositionsOutsideTheFirstFourGiveS2) {
    Simulation sim;
    ProcessBlock block(1);
    for (auto [position, curve] : {std::pair{3, 3}, {0, 0}, {4, 4}, {-1, 4}, {9, 4}}) {
        block.fields.gainCurve = position;
        EXPECT_TRUE(block.Validate(sim).empty());
        EXPECT_EQ(block.latched.actuator.curve, curve) << position;
    }
}

TEST(ProcessValidation, IntegratorStartValueOnlyWhenArmed) {
    Simulation sim;
    ProcessBlock block(1);
    block.fields.ValorInicialText = "25";
    block.state.InitPending = true;
    EXPECT_TRUE(block.Validate(sim).empty());
    EXPECT_TRUE(block.state.InitPending) << "waits for a validation with the integrator";
    EXPECT_EQ(block.state.transfer.Y1old, 0.0);
    block.fields.transferType = kIntegrator;
    EXPECT_TRUE(block.Validate(sim).empty());
    EXPECT_FALSE(block.state.InitPending);
    EXPECT_EQ(block.state.transfer.Y1old, 25.0);
    block.state.transfer.Y1old = 40.0;
    EXPECT_TRUE(block.Validate(sim).empty());
    EXPECT_EQ(block.state.transfer.Y1old, 40.0) << "validation keeps the dynamic state";
}

TEST(ProcessFields, LiveFieldsActAtOnceLatchedOnesAfterValidation) {
    Simulation sim;
    ProcessBlock block(1);
    block.fields.LText = "0";
    ASSERT_TRUE(block.Validate(sim).empty());
    sim.vars.Write(1, 40.0);
    block.Compute(sim);
    EXPECT_EQ(sim.vars.Read(21), 40.0);
    block.fields.GanhoText = "3";
    block.Compute(sim);
    EXPECT_EQ(sim.vars.Read(21), 40.0) << "the gain waits for validation";
    block.fields.LText = "10";
    block.Compute(sim);
    EXPECT_LT(sim.vars.Read(21), 40.0) << "the time constant acts on the next tick";
    block.fields.LText = "0";
    block.fields.GanhoText = "M05/50";
    ASSERT_TRUE(block.Validate(sim).empty());
    sim.vars.Write(5, 100.0);
    block.Compute(sim);
    EXPECT_EQ(sim.vars.Read(21), 80.0) << "a latched expression follows its variables";
    block.fields.ratetext = "10";
    sim.vars.Write(1, 0.0);
    block.Compute(sim);
    EXPECT_NEAR(sim.vars.Read(101), 39.0, 1e-9) << "the rate limit is live";
}

TEST(ProcessValidation, ApplyReloadsTheDescriptionAsStored) {
    Simulation sim;
    ProcessBlock block(2);
    block.fields.DescricaoText = std::string(300, 'a');
    EXPECT_TRUE(block.Apply(sim).empty());
    EXPECT_EQ(block.fields.DescricaoText, std::string(255, 'a')) << "reloaded from M22";
    block.fields.GanhoText = "x";
    block.fields.DescricaoText = "b";
    EXPECT_EQ(block.Apply(sim), Messages{"Processo 22: Ganho inválido"});
    EXPECT_EQ(block.fields.DescricaoText, "b");
}

}  // namespace
}  // namespace vork
