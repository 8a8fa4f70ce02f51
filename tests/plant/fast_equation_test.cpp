#include "engine/fast_equation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "engine/equation.h"
#include "engine/expression_cache.h"
#include "plant/simulation.h"
#include "worked_examples.h"

namespace vork {
namespace {

using Kind = FastExpression::Kind;

Kind KindOf(const char* text) {
    return FastExpression::Compile(text, true).kind();
}

// Both paths on one expression with M21 = m21.
struct Both {
    double fast;
    double reference;
};

Both EvalBoth(const char* text, double m21) {
    Simulation fast;
    Simulation reference;
    fast.evalPath = EvalPath::Fast;
    reference.evalPath = EvalPath::Reference;
    fast.vars.Write(21, m21);
    reference.vars.Write(21, m21);
    Both r{fast.Eval(text), reference.Eval(text)};
    EXPECT_EQ(fast.errorText, reference.errorText) << text;
    return r;
}

TEST(FastEquation, WorkedExamples) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"*3", 0},     {"3/", 9999},   {"2*(3+4", 7},    {"(2+3", 5},
        {"2+3)*4", 5}, {"m21+1", -2},  {"2.5 + 1", 3.5}, {"42", 42},
        {"2*+3", 3},   {"M21*M21", 9}, {"-M21", 3},      {"M21-M21*2", 3},
    };
    for (const WorkedExample& e : kWorkedExamples) {
        Both r = EvalBoth(e.expression, -3);
        EXPECT_EQ(r.fast, e.result) << e.expression;
        EXPECT_EQ(r.reference, e.result) << e.expression;
    }
    for (const Case& c : cases) {
        Both r = EvalBoth(c.text, -3);
        EXPECT_EQ(r.fast, c.value) << c.text;
        EXPECT_EQ(r.reference, c.value) << c.text;
    }
}

TEST(FastEquation, ReferencesWithOddSpelling) {
    // M00 inserts "0"; M1+ inserts M01 and swallows the "+"; a short reference zeroes all.
    Simulation sim;
    sim.evalPath = EvalPath::Fast;
    sim.vars.Write(1, 7);
    sim.vars.Write(21, 1.0 / 3.0);
    EXPECT_EQ(sim.Eval("M00+5"), 5);
    // The swallowed "+" leaves the 5 against the inserted exponent: 7E5.
    EXPECT_EQ(sim.Eval("M1+5"), 700000);
    EXPECT_EQ(sim.Eval("M1+*2"), 14);
    EXPECT_EQ(sim.Eval("M21"), 0.333333333333333);
    EXPECT_EQ(sim.Eval("LN(M2"), 0);
    EXPECT_TRUE(sim.errorText.empty());
    EXPECT_EQ(sim.Eval("LN(5)"), 0);
    EXPECT_EQ(sim.errorText, kInconsistentEquation);
}

TEST(FastEquation, ValuesGluedToNumbersUseTheReference) {
    EXPECT_EQ(KindOf("2M21"), Kind::Reference);
    EXPECT_EQ(KindOf("M212"), Kind::Reference);
    EXPECT_EQ(KindOf("M21E2"), Kind::Reference);
    EXPECT_EQ(KindOf("1E-M21"), Kind::Reference);
    EXPECT_EQ(KindOf("M21(2)"), Kind::Reference);
    EXPECT_EQ(KindOf("(M21)(2)"), Kind::Reference);
    EXPECT_EQ(KindOf("2 * M21 + (M22 - 1)"), Kind::Program);
    EXPECT_EQ(KindOf("100"), Kind::Constant);
    EXPECT_EQ(KindOf("LN(M21)"), Kind::Constant);
    // With M21 = 50 the digit after the reference lengthens the inserted exponent: 5E12.
    Both r = EvalBoth("M212", 50);
    EXPECT_EQ(r.fast, 5e12);
    EXPECT_EQ(r.reference, 5e12);
    r = EvalBoth("2M21", -3);
    EXPECT_EQ(r.fast, r.reference);
    EXPECT_EQ(r.fast, -1);
}

TEST(FastEquation, MinusSignsAfterAnOperatorDependOnTheValue) {
    // "2*-M21" with M21 negative reads "2*--3": the right operand is an empty "-", so the
    // product is 0 and "-3" is added. With M21 positive it is the plain product.
    EXPECT_EQ(EvalBoth("2*-M21", -3).fast, -3);
    EXPECT_EQ(EvalBoth("2*-M21", -3).reference, -3);
    EXPECT_EQ(EvalBoth("2*-M21", 3).fast, -6);
    // M21/-4 is negative and keeps M21's own sign in front: "2*--0.75" when M21 < 0.
    EXPECT_EQ(EvalBoth("2*M21/-4", -3).fast, -0.75);
    EXPECT_EQ(EvalBoth("2*M21/-4", -3).reference, -0.75);
    EXPECT_EQ(EvalBoth("2*M21/-4", 3).fast, -1.5);
}

// Both paths on each text with the given variable values; the results and error texts of the
// two must agree with `value` and `error`.
struct Expected {
    const char* text;
    double value;
    const char* error = "";
};

void ExpectBoth(std::initializer_list<std::pair<int, double>> values,
                std::initializer_list<Expected> cases) {
    Simulation fast;
    Simulation reference;
    fast.evalPath = EvalPath::Fast;
    reference.evalPath = EvalPath::Reference;
    for (auto [address, value] : values) {
        fast.vars.Write(address, value);
        reference.vars.Write(address, value);
    }
    for (const Expected& c : cases) {
        EXPECT_EQ(fast.Eval(c.text), c.value) << c.text;
        EXPECT_EQ(fast.errorText, c.error) << c.text;
        EXPECT_EQ(reference.Eval(c.text), c.value) << c.text;
        EXPECT_EQ(reference.errorText, c.error) << c.text;
    }
}

TEST(FastEquation, AccentedCharactersNextToAReferenceCountOnce) {
    // The two characters after an "M" are characters, not UTF-8 bytes.
    ExpectBoth({{1, 5}, {3, 3}, {21, 5}},
               {{"M1°", 5},
                {"M°1", 0},
                {"2+Mé3", 2},
                {"M21+2+0*Mç", 0},  // one character after the last M: the whole text is 0
                {"M1😀", 5},
                {"m1ã*2", 10},
                {"M²+1", 1},  // "²+" reads no digit: "0" then "1" reads as 01
                {"M21µ", 0, kInconsistentEquation},
                {"µM21", 0, kInconsistentEquation}});
}

TEST(FastEquation, OverflowingLiteralsReadAsTheCarriedOverflow) {
    ExpectBoth({{21, 10}}, {{"1E999", 1.79769313486231e308},
                            {"-1E999", -1.79769313486231e308},
                            {"1E999/10", 1.79769313486231e307},
                            {"1E999/M21", 1.79769313486231e307},
                            {"1E999-1E300*1E300", 0},
                            {"1/1E999-1/(1E300*1E300)", 0},
                            {"M21^1E999", 1.79769313486231e308}});
}

TEST(FastEquation, VeryLongTextsStayExact) {
    // More terms than 16-bit positions can hold, all on one variable register.
    std::string text = "M21";
    for (int i = 0; i < 70000; ++i)
        text += "+M21";
    EXPECT_EQ(FastExpression::Compile(text, true).kind(), Kind::Reference);
}

TEST(FastEquation, ErrorTextFollowsEveryEvaluation) {
    Simulation sim;
    sim.evalPath = EvalPath::Fast;
    sim.errorText = kInconsistentEquation;
    EXPECT_EQ(sim.Eval("M21+1"), 1);
    EXPECT_TRUE(sim.errorText.empty());
    EXPECT_EQ(sim.Eval("M21<1"), 0);
    EXPECT_EQ(sim.errorText, kInconsistentEquation);
    EXPECT_EQ(sim.EvalConstant("2,5"), 2.5);
    EXPECT_TRUE(sim.errorText.empty());
    // Without substitution nothing is upper-cased: "e" and "M" are not allowed.
    EXPECT_EQ(sim.EvalConstant("1e3"), 0);
    EXPECT_EQ(sim.errorText, kInconsistentEquation);
    EXPECT_EQ(sim.Eval("1e3"), 1000);
    EXPECT_TRUE(sim.errorText.empty());
}

TEST(ExpressionCache, FollowsChangingValuesAndRestartsWhenFull) {
    ExpressionCache cache;
    VariableTable vars;
    std::string error;
    for (int i = 0; i < 5; ++i) {
        vars.Write(21, i * 10.0);
        EXPECT_EQ(cache.Eval("M21/4", vars, error), i * 2.5);
    }
    EXPECT_EQ(cache.size(), 1u);
    for (size_t i = 0; i <= ExpressionCache::kMaxEntries; ++i)
        EXPECT_EQ(cache.Eval(std::to_string(i) + "+M21", vars, error), i + 40.0);
    EXPECT_LE(cache.size(), ExpressionCache::kMaxEntries);
    EXPECT_EQ(cache.Eval("M21/4", vars, error), 10);
}

TEST(Simulation, EvaluatesOnTheFastPathByDefault) {
    Simulation sim;
    EXPECT_EQ(sim.evalPath, EvalPath::Fast);
}

}  // namespace
}  // namespace vork
