#include "analysis/tuning_rules.h"

#include <gtest/gtest.h>

#include "plant/controller.h"
#include "plant/simulation.h"

namespace vork {
namespace {

const ProcessModel kLag{ModelKind::Fopdt, 2, 10, 2};           // K 2, T 10 s, theta 2 s
const ProcessModel kRamp{ModelKind::Integrating, 0.05, 0, 4};  // Ki 0.05 %/s per %, theta 4 s

void ExpectSet(const PidSettings& p, double kc, double ti, double td) {
    EXPECT_NEAR(p.Kc, kc, 1e-4);
    EXPECT_NEAR(p.Ti, ti, 1e-4);
    EXPECT_NEAR(p.Td, td, 1e-4);
}

TEST(TuningRules, FirstOrderPlusDeadTime) {
    using enum TuningMethod;
    ExpectSet(IdealSettings(Simc, ControlKind::PI, kLag), 1.25, 10, 0);
    // theta / 3 in series, in the ideal form: f = 1 + (2/3) / 10.
    ExpectSet(IdealSettings(Simc, ControlKind::PID, kLag), 1.25 * 1.066667, 10.666667, 0.625);
    // lambda defaults to max(T, theta) = 10.
    ExpectSet(IdealSettings(Imc, ControlKind::PI, kLag), 10.0 / 24, 10, 0);
    ExpectSet(IdealSettings(Imc, ControlKind::PID, kLag), 0.5, 11, 20.0 / 22);
    ExpectSet(IdealSettings(ZieglerNichols, ControlKind::PI, kLag), 2.25, 2 / 0.3, 0);
    ExpectSet(IdealSettings(ZieglerNichols, ControlKind::PID, kLag), 3, 4, 1);
    ExpectSet(IdealSettings(CohenCoon, ControlKind::PI, kLag), 2.5 * (0.9 + 0.2 / 12),
              2 * 30.6 / 13, 0);
    ExpectSet(IdealSettings(CohenCoon, ControlKind::PID, kLag), 2.5 * (4.0 / 3 + 0.05),
              2 * 33.2 / 14.6, 8 / 11.4);
}

TEST(TuningRules, Integrating) {
    using enum TuningMethod;
    ExpectSet(IdealSettings(Simc, ControlKind::PI, kRamp), 2.5, 32, 0);
    ExpectSet(IdealSettings(Imc, ControlKind::PI, kRamp), 3.75, 12, 0);  // lambda = theta
    ExpectSet(IdealSettings(Imc, ControlKind::PID, kRamp), 12 / (0.05 * 36), 12, 20.0 / 12);
    ExpectSet(IdealSettings(ZieglerNichols, ControlKind::PI, kRamp), 4.5, 4 / 0.3, 0);
    // Cohen-Coon in its limit of a vanishing theta / T.
    ExpectSet(IdealSettings(CohenCoon, ControlKind::PI, kRamp), 4.5, 4 / 0.3, 0);
    ExpectSet(IdealSettings(CohenCoon, ControlKind::PID, kRamp), 4 / 0.6, 4 * 32.0 / 13, 16.0 / 11);
}

TEST(TuningRules, LambdaAndTheShortestDeadTime) {
    ExpectSet(IdealSettings(TuningMethod::Imc, ControlKind::PI, kLag, 5.0), 10.0 / 14, 10, 0);
    // No loop answers within a scan tick, so a dead time of 0 counts as 0.1 s.
    ProcessModel instant{ModelKind::Fopdt, 2, 10, 0};
    ExpectSet(IdealSettings(TuningMethod::ZieglerNichols, ControlKind::PI, instant), 45, 1 / 3.0,
              0);
}

TEST(TuningRules, SuggestionsForTheControllersStructureAndAction) {
    std::vector<Suggestion> isa = SuggestSettings(kLag, {kIsa, std::nullopt});
    ASSERT_EQ(isa.size(), 8u);
    EXPECT_EQ(isa[0].method, TuningMethod::Simc);
    EXPECT_EQ(isa[1].kind, ControlKind::PID);
    EXPECT_EQ(isa[7].method, TuningMethod::CohenCoon);
    EXPECT_EQ(isa[5].settings.Kc, 3);  // ZN PID
    EXPECT_EQ(isa[2].settings.Kc, 0.417);
    EXPECT_EQ(isa[0].action, kRespostaDireta);
    // The parallel structure's integral and derivative do not scale with Kc.
    std::vector<Suggestion> parallel = SuggestSettings(kLag, {kParalela, std::nullopt});
    EXPECT_EQ(parallel[5].structure, kParalela);
    ExpectSet(parallel[5].settings, 3, 1.33, 3);  // Ti 4 s / Kc 3, Td 1 s * Kc 3
    ProcessModel falling = kLag;
    falling.gain = -2;
    std::vector<Suggestion> reverse = SuggestSettings(falling, {kIsa, std::nullopt});
    EXPECT_EQ(reverse[0].action, kRespostaReversa);
    EXPECT_EQ(reverse[0].settings.Kc, 1.25);
}

// Halving the gain keeps the ideal reset and rate times, whichever structure holds them.
TEST(TuningRules, HalvedGain) {
    Suggestion isa = SuggestSettings(kLag, {kIsa, std::nullopt})[5];  // ZN PID: 3, 4 s, 1 s
    Suggestion half = HalvedGain(isa);
    ExpectSet(half.settings, 1.5, 4, 1);
    EXPECT_EQ(half.halvings, 1);
    EXPECT_EQ(HalvedGain(half).halvings, 2);
    Suggestion parallel = SuggestSettings(kLag, {kParalela, std::nullopt})[5];
    ExpectSet(HalvedGain(parallel).settings, 1.5, 2.66, 1.5);
}

TEST(TuningRules, SettingTexts) {
    EXPECT_EQ(SettingText(0.0123456), "0.0123");
    EXPECT_EQ(SettingText(1234.5), "1230");
    EXPECT_EQ(SettingText(999.7), "1000");
    EXPECT_EQ(SettingText(3.5), "3.5");
    EXPECT_EQ(SettingText(12), "12");
    EXPECT_EQ(SettingText(10.0 / 24), "0.417");
    EXPECT_EQ(SettingText(0), "0");
    EXPECT_EQ(SettingText(-2.345), "-2.35");
    EXPECT_EQ(RoundSetting(10.0 / 24), 0.417);
}

// Copied into the fields and validated as "Atualizar" does, the set runs as suggested.
TEST(TuningRules, CopiedIntoTheFields) {
    Simulation sim;
    Controller& c = sim.controllers.Fill(1);
    c.fields.DCHK = false;
    Suggestion s;
    s.kind = ControlKind::PID;
    s.settings = {1.33, 10.7, 0.625};
    s.structure = kParalela;
    s.action = kRespostaReversa;
    CopyIntoFields(s, c.fields);
    EXPECT_EQ(c.fields.KpText, "1.33");
    EXPECT_EQ(c.fields.KiText, "10.7");
    EXPECT_EQ(c.fields.KdText, "0.625");
    EXPECT_TRUE(c.fields.DCHK);
    EXPECT_TRUE(c.Validate(sim).empty());
    EXPECT_EQ(c.tuning.Kc, 1.33);
    EXPECT_EQ(c.tuning.Ti, 10.7);
    EXPECT_EQ(c.tuning.Td, 0.625);
    EXPECT_EQ(c.tuning.Estrutura, kParalela);
    EXPECT_EQ(c.tuning.Acao, kRespostaReversa);
    s.settings.Td = 0;
    CopyIntoFields(s, c.fields);
    EXPECT_EQ(c.fields.KdText, "0");
    EXPECT_FALSE(c.fields.DCHK);
}

}  // namespace
}  // namespace vork
