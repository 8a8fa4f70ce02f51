#include "engine/compiled_field.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

#include "plant/calc_block.h"
#include "plant/simulation.h"

namespace vork {
namespace {

uint64_t Bits(double x) {
    return std::bit_cast<uint64_t>(x);
}

// Functions whose split the substitution decides: a reference swallowing the symbol, glued
// values, several symbols, lower case, blanks, commas and invalid sides.
constexpr const char* kFunctions[] = {
    "M21>M22",
    "M21>>M22",
    "M21<M22",
    "M21<<M22",
    "M2>3",
    "M>5",
    "M21>",
    ">>M22",
    "<",
    "M21>M22>M23",
    "M21>>M22<<M23",
    "m21<m22",
    "M21 > M22*2",
    "M21>-M22",
    "M212>3",
    "5>3",
    "LN(M21)>1",
    "M21>LN(2)",
    "1,5*M21<<M22",
    "(M21-M22)^2/100>M23",
    "M2<<",
    "M21<M2",
    "M21*0.8+(M22-50)/10",
    "M21<<>>M22",
    "M1>M1",
    "M21/0>M22",
};

TEST(CompiledCalcFunction, SplitsAsTheReferenceDoes) {
    Simulation reference, fast;
    reference.evalPath = EvalPath::Reference;
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> value(-120.0, 120.0);
    for (const char* function : kFunctions) {
        SCOPED_TRACE(function);
        CalcBlock& r = reference.calcs.Fill(1);
        CalcBlock& f = fast.calcs.Fill(1);
        for (CalcBlock* c : {&r, &f})
            c->fields.FuncaoTr = function;
        EXPECT_EQ(f.Apply(fast), r.Apply(reference));
        for (int round = 0; round < 40; ++round) {
            for (int a : {1, 2, 21, 22, 23}) {
                double v = round % 5 == 0 ? 0.0 : value(rng);
                reference.vars.Write(a, v);
                fast.vars.Write(a, v);
            }
            r.Compute(reference);
            f.Compute(fast);
            ASSERT_EQ(Bits(fast.vars.Read(41)), Bits(reference.vars.Read(41))) << round;
            ASSERT_EQ(fast.errorText, reference.errorText) << round;
        }
    }
}

// A field edited in place (same buffer, same length) is compiled again on the next use.
TEST(CompiledField, FollowsTheTextItIsGiven) {
    Simulation sim;
    sim.vars.Write(21, 10.0);
    CompiledField field;
    std::string text = "M21*2";
    EXPECT_EQ(sim.Eval(text, field), 20.0);
    text[4] = '3';
    EXPECT_EQ(sim.Eval(text, field), 30.0);
    text = "LN(2)";
    EXPECT_EQ(sim.Eval(text, field), 0.0);
    EXPECT_FALSE(sim.errorText.empty());
    text = "7";
    EXPECT_EQ(sim.Eval(text, field), 7.0);
    EXPECT_TRUE(sim.errorText.empty());
    sim.evalPath = EvalPath::Reference;
    text = "M21+1";
    EXPECT_EQ(sim.Eval(text, field), 11.0);
}

#ifdef VORK_BARE_ARITHMETIC
// The benchmarking limit computes on plain doubles and is never chosen by default.
TEST(BarePath, PlainArithmeticOnlyWhenAsked) {
    Simulation sim;
    EXPECT_EQ(sim.evalPath, EvalPath::Fast);
    sim.vars.Write(21, 1.0);
    CompiledField field;
    EXPECT_EQ(sim.Eval("M21/3*3", field), 0.999999999999999);
    sim.evalPath = EvalPath::Bare;
    EXPECT_EQ(sim.Eval("M21/3*3", field), 1.0);
    EXPECT_EQ(sim.Eval("M21/3*3"), 1.0);
    EXPECT_EQ(sim.Eval("LN(M21)"), 0.0);
    EXPECT_FALSE(sim.errorText.empty());
}
#endif

}  // namespace
}  // namespace vork
