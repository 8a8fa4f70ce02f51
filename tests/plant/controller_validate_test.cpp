#include <gtest/gtest.h>

#include "plant/controller.h"
#include "plant/simulation.h"

namespace vork {
namespace {

TEST(ControllerValidate, EmptyTagSkipsEveryOtherCheck) {
    Simulation sim;
    Controller& c = sim.controllers.Fill(3);
    c.fields.TagText = "";
    c.fields.KpText = "abc";
    EXPECT_EQ(c.Validate(sim), std::vector<std::string>{"Controlador 3: TAG não informado"});
    EXPECT_EQ(c.tuning.tag, "");
}

TEST(ControllerValidate, MissingMeasuredVariableSkipsTheParameters) {
    Simulation sim;
    Controller& c = sim.controllers.Fill(10);
    c.fields.VariavelSelect = -1;
    c.fields.KpText = "abc";
    EXPECT_EQ(c.Validate(sim),
              std::vector<std::string>{"Controlador 10: Variável de processo (PV) não informada"});
    EXPECT_EQ(c.tuning.pvAddress, 0);
    EXPECT_EQ(c.tuning.Kc, 0.0);
}

TEST(ControllerValidate, EveryParameterCheckInOrder) {
    Simulation sim;
    sim.vars.SetAttribute(22, AttributeField::UeMin, "zero");
    sim.vars.SetAttribute(22, AttributeField::UeMax, "cem");
    Controller& c = sim.controllers.Fill(2);
    c.fields.VariavelSelect = 21;
    c.fields.KpText = c.fields.KiText = c.fields.KdText = "abc";
    c.fields.aText = c.fields.tfText = c.fields.BiasText = "x1";
    c.fields.COminText = c.fields.COmaxText = "#";
    c.fields.FFwSelect = true;
    c.fields.FFwEquation = "q";
    std::vector<std::string> expected;
    for (const char* s :
         {": Kp inválido", ": Ti inválido", ": Td inválido", ": Fator a inválido",
          ": Banda Morta inválido", ": Bias inválido", ": COmin inválido", ": COmax inválido",
          ": Equação do FF inválida", ": Inicio Escala inválido", ": Final Escala inválido"})
        expected.push_back(std::string("Controlador 2") + s);
    EXPECT_EQ(c.Validate(sim), expected);
}

TEST(ControllerValidate, GoodConfigurationIsSilentAndLatched) {
    Simulation sim;
    sim.vars.SetAttribute(21, AttributeField::UeMax, "500");
    sim.vars.SetAttribute(21, AttributeField::Unit, "kPa");
    Controller& c = sim.controllers.Fill(1);
    c.fields.VariavelSelect = 20;
    c.fields.KpText = "M30*2";
    sim.vars.Write(30, 1.5);
    c.fields.aText = "0,5";  // latched numbers accept a comma
    EXPECT_TRUE(c.Validate(sim).empty());
    EXPECT_EQ(c.tuning.Kc, 3.0);
    EXPECT_EQ(c.tuning.Ti, 10.0);
    EXPECT_EQ(c.tuning.a, 0.5);
    EXPECT_EQ(c.state.FFValue, 50.0);
    EXPECT_EQ(c.tuning.PVmax, 500.0);
    EXPECT_EQ(c.fields.UnidEng, "kPa");
    EXPECT_EQ(c.state.Decimals, 1);
    EXPECT_EQ(sim.vars.Description(1), " MV PID1");
    EXPECT_EQ(sim.vars.Description(61), " SP PID1");
    EXPECT_EQ(c.tuning.tag, "PID1");
}

TEST(ControllerValidate, AppliesTheConfigurationDespiteFailures) {
    Simulation sim;
    Controller& c = sim.controllers.Fill(1);
    c.fields.KpText = "abc";
    c.fields.Acaogroup = kRespostaReversa;
    c.fields.TagText = "FIC-1";
    c.state.LocalMode = false;
    EXPECT_EQ(c.Validate(sim).size(), 1u);
    EXPECT_EQ(c.tuning.Kc, 0.0);
    EXPECT_EQ(c.tuning.Acao, kRespostaReversa);
    EXPECT_EQ(c.tuning.tag, "FIC-1");
    EXPECT_TRUE(c.state.LocalMode);  // no remote setpoint available
    EXPECT_EQ(sim.vars.Description(61), " SP FIC-1");
}

TEST(ControllerValidate, DecimalsFollowTheRangeSpan) {
    struct Case {
        const char* max;
        int decimals;
    };
    for (Case k : {Case{"0.5", 4}, Case{"1", 3}, Case{"10", 2}, Case{"999", 1}, Case{"1000", 0}}) {
        Simulation sim;
        sim.vars.SetAttribute(21, AttributeField::UeMax, k.max);
        Controller& c = sim.controllers.Fill(1);
        c.fields.VariavelSelect = 20;
        c.state.SP = 50.0;
        c.Validate(sim);
        EXPECT_EQ(c.state.Decimals, k.decimals) << k.max;
    }
}

TEST(ControllerValidate, RemoteSetpointIsLatched) {
    Simulation sim;
    Controller& c = sim.controllers.Fill(1);
    c.fields.CheckSPR = true;
    c.Validate(sim);
    EXPECT_TRUE(c.tuning.remoteAvailable);
    c.fields.CheckSPR = false;
    c.Validate(sim);
    EXPECT_FALSE(c.tuning.remoteAvailable);
}

TEST(ControllerValidate, KeepsTheDynamicState) {
    Simulation sim;
    Controller& c = sim.controllers.Fill(1);
    c.state.CO = 33.0;
    c.state.Iant = -4.0;
    c.state.Erroant = 2.0;
    c.Validate(sim);
    EXPECT_EQ(c.state.CO, 33.0);
    EXPECT_EQ(c.state.Iant, -4.0);
    EXPECT_EQ(c.state.Erroant, 2.0);
}

}  // namespace
}  // namespace vork
