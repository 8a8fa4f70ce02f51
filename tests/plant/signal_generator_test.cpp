#include "plant/signal_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "plant/simulation.h"

namespace vork {
namespace {

class SignalGeneratorTest : public ::testing::Test {
  protected:
    void SetUp() override { sim.random.Seed(12345); }
    // Makes channel k of `type` with the given field texts and applies the generator.
    GeneratorChannel& Channel(int k, SignalType type, const std::string& desc,
                              const std::string& min = "", const std::string& max = "") {
        gen.ChangeType(sim, k, static_cast<int>(type));
        GeneratorChannel& c = gen.channel(k);
        c.fields.Desc = desc;
        c.fields.Min = min;
        c.fields.Max = max;
        gen.Apply(sim);
        return c;
    }
    Simulation sim;
    SignalGenerator& gen = sim.generator();
};

TEST_F(SignalGeneratorTest, ConstantEvaluatesWithoutSubstitution) {
    gen.channel(1).fields.Valor = "2*25";
    gen.channel(2).fields.Valor = "M21";
    gen.channel(3).fields.Valor = "150";
    sim.vars.Write(21, 70.0);
    gen.Apply(sim);
    EXPECT_EQ(sim.vars.Read(81), 50.0);
    EXPECT_EQ(gen.channel(1).fields.UpDown, 50);
    EXPECT_EQ(sim.vars.Read(82), 0.0);
    EXPECT_EQ(gen.channel(3).fields.UpDown, 100);
}

TEST_F(SignalGeneratorTest, BinaryConstantWritesItsChoice) {
    gen.ChangeType(sim, 14, static_cast<int>(SignalType::Constant01));
    gen.channel(14).fields.ValorDig = 1;
    gen.Apply(sim);
    EXPECT_EQ(sim.vars.Read(94), 1.0);
    EXPECT_EQ(gen.channel(14).fields.Valor, "1");
    gen.channel(14).fields.ValorDig = 0;
    gen.Apply(sim);
    EXPECT_EQ(sim.vars.Read(94), 0.0);
    EXPECT_EQ(gen.channel(14).fields.Valor, "0");
}

TEST_F(SignalGeneratorTest, FastRandomNeverReachesMax) {
    Channel(1, SignalType::FastRandom, "Ruído", "40", "60");
    double lo = 100.0, hi = 0.0;
    for (int i = 0; i < 50000; ++i) {
        gen.Compute(sim);
        double v = sim.vars.Read(81);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
        double steps = (v - 40.0) / 0.002;
        ASSERT_NEAR(steps, std::round(steps), 1e-6);
    }
    EXPECT_GE(lo, 40.0);
    EXPECT_LE(hi, 59.998 + 1e-9);
    EXPECT_GT(hi, 59.9);
    EXPECT_EQ(gen.ValorText(1).size(), 5u);  // "dd.dd"
}

TEST_F(SignalGeneratorTest, SlowRandomHoldsItsLevel) {
    Channel(6, SignalType::SlowRandom, "Carga", "10", "20");
    int changes = 0;
    double last = sim.vars.Read(86);
    for (int i = 0; i < 10000; ++i) {
        gen.Compute(sim);
        if (sim.vars.Read(86) != last) ++changes;
        last = sim.vars.Read(86);
        ASSERT_TRUE(last == 0.0 || (last >= 10.0 && last < 20.0));
    }
    EXPECT_GT(changes, 2);  // about 10 expected
    EXPECT_LT(changes, 30);
}

TEST_F(SignalGeneratorTest, MediumRandomFiltersTowardsTarget) {
    GeneratorChannel& c = Channel(2, SignalType::MediumRandom, "1", "80", "80");
    EXPECT_EQ(sim.vars.Description(82), "Aleatório Médio");
    c.state.target = 80.0;
    gen.Compute(sim);
    EXPECT_NEAR(sim.vars.Read(82), 0.1 / 1.1 * 80.0, 1e-12);
    EXPECT_EQ(gen.ValorText(2), "7.27");
    c.fields.Desc = "-0.1";  // P + dt = 0: no filter
    gen.Apply(sim);
    gen.Compute(sim);
    EXPECT_EQ(sim.vars.Read(82), 80.0);
}

TEST_F(SignalGeneratorTest, RandomWalkStaysInBandAndResets) {
    GeneratorChannel& c = Channel(7, SignalType::RandomWalk, "10", "50", "1");
    EXPECT_EQ(c.state.walk, 50.0);
    for (int i = 0; i < 20000; ++i) {
        gen.Compute(sim);
        double v = sim.vars.Read(87);
        ASSERT_GE(v, 40.0);
        ASSERT_LE(v, 60.0);
    }
    c.state.walk = 70.0;  // any step of at most 1 leaves the band
    gen.Compute(sim);
    EXPECT_EQ(sim.vars.Read(87), 50.0);
}

TEST_F(SignalGeneratorTest, SineFollowsItsClock) {
    GeneratorChannel& c = Channel(3, SignalType::Sine, "10", "0", "100");
    sim.dt = 0.0;
    gen.Compute(sim);
    EXPECT_NEAR(sim.vars.Read(83), 50.0, 1e-9);
    sim.dt = 0.1;
    for (int i = 0; i < 25; ++i)
        gen.Compute(sim);
    EXPECT_NEAR(sim.vars.Read(83), 100.0, 1e-9);
    EXPECT_EQ(gen.ValorText(3), "100.00");
    for (int i = 0; i < 50; ++i)
        gen.Compute(sim);
    EXPECT_NEAR(sim.vars.Read(83), 0.0, 1e-9);
    double clock = c.state.clock;
    gen.ChangeType(sim, 3, static_cast<int>(SignalType::Constant100));
    EXPECT_EQ(c.state.clock, clock);
}

TEST_F(SignalGeneratorTest, SinePeriodFollowsVariableWithoutApplying) {
    GeneratorChannel& c = Channel(4, SignalType::Sine, "M15", "0", "100");
    sim.vars.Write(15, 10.0);
    c.state.clock = 2.4;
    gen.Compute(sim);  // clock 2.5 of a 10 s period
    EXPECT_NEAR(sim.vars.Read(84), 100.0, 1e-9);
    sim.vars.Write(15, 5.0);
    c.state.clock = 2.4;
    gen.Compute(sim);  // half of a 5 s period
    EXPECT_NEAR(sim.vars.Read(84), 50.0, 1e-9);
    sim.vars.Write(15, 0.0);
    gen.Compute(sim);
    EXPECT_EQ(sim.vars.Read(84), 0.0);
    EXPECT_EQ(gen.ValorText(4), "0.00");
}

TEST_F(SignalGeneratorTest, TypeChangeClearsParameters) {
    GeneratorChannel& c = gen.channel(5);
    c.fields.Min = "20";
    c.fields.Max = "80";
    gen.Apply(sim);
    ASSERT_EQ(c.applied.min, 20.0);
    gen.ChangeType(sim, 5, static_cast<int>(SignalType::Sine));
    c.fields.Desc = "10";  // the period is live, the limits were cleared
    c.state.clock = 1.0;
    gen.Compute(sim);
    EXPECT_EQ(sim.vars.Read(85), 0.0);

    gen.ChangeType(sim, 5, static_cast<int>(SignalType::RandomWalk));
    EXPECT_EQ(c.fields.Desc, "10");  // the texts are the window's business
    EXPECT_EQ(sim.vars.Description(85), "Random Walk");
    gen.ChangeType(sim, 5, static_cast<int>(SignalType::SlowRandom));
    EXPECT_EQ(sim.vars.Description(85), "Aleatório");
}

TEST_F(SignalGeneratorTest, ValueTextFollowsTheOutputUntilTheTypeChanges) {
    GeneratorChannel& c = Channel(1, SignalType::FastRandom, "x", "10", "10");
    EXPECT_EQ(gen.ValorText(1), "Valor");  // nothing computed yet
    gen.Compute(sim);
    EXPECT_EQ(gen.ValorText(1), "10.00");
    gen.ChangeType(sim, 1, static_cast<int>(SignalType::SlowRandom));
    EXPECT_EQ(c.fields.Valor, "10.00");  // the text shown stays, as a text of its own
    gen.ChangeType(sim, 1, static_cast<int>(SignalType::Constant100));
    c.fields.Valor = "50";
    gen.ChangeType(sim, 1, static_cast<int>(SignalType::FastRandom));
    EXPECT_EQ(gen.ValorText(1), "50");  // not the output of the earlier random type
    gen.Apply(sim);
    EXPECT_EQ(sim.vars.Read(81), 50.0);
}

TEST_F(SignalGeneratorTest, DescriptionsFollowTheTextField) {
    Channel(1, SignalType::FastRandom, "Ruído de vazão");
    EXPECT_EQ(sim.vars.Description(81), "Ruído de vazão");
    Channel(2, SignalType::MediumRandom, "5");
    EXPECT_EQ(sim.vars.Description(82), "Aleatório Médio");
    EXPECT_EQ(gen.channel(2).applied.p, 5.0);
    gen.channel(12).fields.Desc = "Comando";
    gen.Apply(sim);
    EXPECT_EQ(sim.vars.Description(92), "Comando");
}

TEST_F(SignalGeneratorTest, FamiliesOfferTheirTypes) {
    EXPECT_FALSE(gen.ChangeType(sim, 12, static_cast<int>(SignalType::Sine)));
    EXPECT_FALSE(gen.ChangeType(sim, 8, static_cast<int>(SignalType::Equation)));
    EXPECT_TRUE(gen.ChangeType(sim, 5, static_cast<int>(SignalType::Exp)));
}

TEST_F(SignalGeneratorTest, ExpressionChannels) {
    sim.vars.Write(21, 4.0);
    gen.ChangeType(sim, 1, static_cast<int>(SignalType::Equation));
    gen.ChangeType(sim, 2, static_cast<int>(SignalType::Ln));
    gen.ChangeType(sim, 3, static_cast<int>(SignalType::Exp));
    gen.channel(1).fields.Valor = "M21*2,5";
    gen.channel(2).fields.Valor = "M21-5";
    gen.channel(3).fields.Valor = "M21*1000";
    sim.vars.Write(82, 7.0);
    sim.vars.Write(83, 3.0);
    gen.Apply(sim);
    gen.Compute(sim);
    EXPECT_EQ(sim.vars.Read(81), 10.0);
    EXPECT_EQ(sim.vars.Read(82), 7.0);  // LN of -1 keeps the output
    EXPECT_EQ(sim.vars.Read(83), 3.0);  // e^4000 overflows: kept
    gen.channel(2).fields.Valor = "M21";
    gen.channel(3).fields.Valor = "1";
    gen.Apply(sim);
    gen.Compute(sim);
    EXPECT_DOUBLE_EQ(sim.vars.Read(82), std::log(4.0));
    EXPECT_DOUBLE_EQ(sim.vars.Read(83), std::exp(1.0));
}

TEST_F(SignalGeneratorTest, LoadKeepsTextsAndContinuesFilter) {
    GeneratorChannel& medium = gen.channel(2);
    medium.fields = {3, "4", "10", "90", "63.50", 0, 0};
    GeneratorChannel& constant = gen.channel(1);
    constant.fields = {0, "Carga", "/", "/", "35", 0, 0};
    gen.LoadChannels(sim);
    EXPECT_EQ(medium.fields.Desc, "4");
    EXPECT_EQ(medium.state.filter, 63.5);
    EXPECT_EQ(medium.applied.p, 4.0);
    EXPECT_EQ(sim.vars.Read(82), 63.5);
    EXPECT_EQ(sim.vars.Description(82), "Aleatório Médio");
    EXPECT_EQ(sim.vars.Read(81), 35.0);
    EXPECT_EQ(sim.vars.Description(81), "Carga");
}

TEST_F(SignalGeneratorTest, ValueFieldsUpdateInBatchMode) {
    Channel(1, SignalType::FastRandom, "x", "10", "10");
    sim.batch = true;
    sim.EvaluationPass();
    EXPECT_EQ(gen.ValorText(1), "10.00");
    EXPECT_EQ(sim.vars.Read(81), 10.0);
}

}  // namespace
}  // namespace vork
