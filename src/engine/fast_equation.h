#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/calc_function.h"
#include "engine/variable_table.h"

// The fast evaluation path: an expression text compiled once into a few operations on doubles
// that give the reference evaluator's values and error text bit for bit.
//
// Substituted values and intermediate results enter the text as "-" signs before their digits.
// A register holds such a value with the sign its leading minus signs give it, and counts them:
// two of them after an operator, or one after "op-", make the text parse differently. Those
// cases are checked at run time and left to the reference, as are texts where an inserted value
// or group result is glued to a number character (2M21, M212, 1E(2)), whose parse depends on the
// digits inserted.
namespace vork {

// The rounded (15-digit) value of each variable, recomputed only when the variable changes.
class RoundedVariables {
  public:
    double Get(const VariableTable& vars, int address);

  private:
    std::array<uint64_t, 100> raw_{};  // bits of +0.0, whose rounded value is 0
    std::array<double, 100> rounded_{};
};

struct FastCalcFunction;

// How compiled programs compute: as the reference does, or on plain doubles (a benchmarking
// limit that leaves out the 15-digit rounding and the text's parse).
enum class Arithmetic : uint8_t { Exact, Bare };

class FastExpression {
  public:
    enum class Kind : uint8_t {
        Constant,   // value and error text do not depend on the variables
        Program,    // run the operations
        Reference,  // always evaluate through the reference
    };

    // Compiles `text` as Eval sees it (`substitute`: variable references are replaced first)
    // or as EvalConstant does.
    static FastExpression Compile(std::string_view text, bool substitute);

    Kind kind() const { return kind_; }
    // Constant only.
    double value() const { return value_; }
    bool valid() const { return valid_; }

    // Program only. The value, or nothing where the current values make the text parse in a
    // way the program does not follow; the reference decides those.
    std::optional<double> Run(const VariableTable& vars, RoundedVariables& rounded);
    // Program only. The same operations on plain doubles: no 15-digit rounding and no check of
    // the parse, so the value may differ from the reference's. A benchmarking limit.
    double RunBare(const VariableTable& vars);

    // A calculation-block function as its scan sees it: substituted, split once at its
    // comparison or selector symbol, each side compiled as EvalConstant sees it.
    static FastCalcFunction CompileCalcFunction(std::string_view text);

    // Copy: a group of one rounded term is that term, Round15 being idempotent and symmetric.
    enum class Code : uint8_t { Load, Apply, Sum, Copy };
    enum class Right : uint8_t { Zero, Register, NegatedRegister, NegativeZero };
    static constexpr uint16_t kNone = 0xffff;

    struct Operation {
        Code code = Code::Load;
        char op = 0;                // Apply: '*', '/' or '^'
        Right right = Right::Zero;  // Apply
        bool guarded = false;       // Apply: check the minus signs of the right register
        bool negate = false;        // Copy
        uint16_t dst = 0;
        // Load: address; Apply: left register or kNone; Sum: first term; Copy: source register
        uint16_t a = 0;
        uint16_t b = 0;  // Apply: right register; Sum: number of terms
    };
    struct Term {
        uint16_t reg;
        bool negate;
    };

    // Registers: the value with the sign of its minus signs, and their count (capped at 2).
    struct Registers {
        std::vector<double> value;
        std::vector<uint8_t> minus;
    };

  private:
    friend class FastCompiler;

    Kind kind_ = Kind::Reference;
    double value_ = 0.0;
    bool valid_ = true;
    std::vector<Operation> ops_;
    std::vector<Term> terms_;
    Registers registers_;  // constants preloaded
    uint16_t result_ = 0;
};

struct FastCalcFunction {
    CalcForm form = CalcForm::Single;
    FastExpression a;
    FastExpression b;  // not for Single
};

}  // namespace vork
