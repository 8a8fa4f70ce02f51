#pragma once

#include <string>
#include <vector>

#include "engine/compiled_field.h"
#include "plant/addresses.h"

namespace vork {

class Simulation;

// The fields of the block window, as typed.
struct CalcBlockFields {
    std::string TagText;
    std::string DescricaoText;
    std::string FuncaoTr;
    std::string LimSupText = "105";
    std::string LimInfText = "-5";
    bool LimSupCheck = false;  // read live by every scan
    bool LimInfCheck = false;
};

// Copies of the expression fields taken by apply; the scan evaluates these, never the fields.
struct CalcBlockApplied {
    std::string FuncaoTr;
    std::string LimSupText;
    std::string LimInfText;
};

// A calculation block: one derived signal per scan from an expression, a comparison or a
// high/low select, optionally clamped. Block n writes M(40+n), or M(54+n) for n = 21..24.
class CalcBlock {
  public:
    explicit CalcBlock(int slot) : slot_(slot) {}

    static int OutputAddress(int slot) { return CalcOutputAddress(slot); }
    int slot() const { return slot_; }
    int outputAddress() const { return OutputAddress(slot_); }

    void Compute(Simulation& sim);
    // Names the output variable, takes the applied copies and checks them. Returns the messages
    // for the invalid items in order; empty when the block is valid. The caller decides whether
    // to show them.
    std::vector<std::string> Apply(Simulation& sim);

    CalcBlockFields fields;
    CalcBlockApplied applied;

  private:
    std::string MessagePrefix() const;
    int slot_;
    // The compiled forms of the applied texts.
    CompiledCalcFunction function_;
    CompiledField upper_, lower_;
};

}  // namespace vork
