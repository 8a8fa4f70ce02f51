#pragma once

#include <string>
#include <vector>

#include "engine/compiled_field.h"
#include "engine/language.h"
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

// What the window shows.
struct CalcBlockDisplay {
    std::string Label6 = "0.00";  // result, two decimals; left alone in batch mode
    std::string Label1;           // "M41="
    std::string Label9;           // the description
    bool btnatualizaEnabled = false;
    bool SairButtonEnabled = true;
};

struct CalcBlockWindowTexts {
    const char* caption;
    const char* Label2;
    const char* GroupBox1;
    const char* FuncaoTrHint;
    const char* LimSupTextHint;
    const char* LimInfTextHint;
};

// A calculation block: one derived signal per scan from an expression, a comparison or a
// high/low select, optionally clamped. Block n writes M(40+n), or M(54+n) for n = 21..24.
class CalcBlock {
  public:
    explicit CalcBlock(int slot);

    static int OutputAddress(int slot) { return CalcOutputAddress(slot); }
    int slot() const { return slot_; }
    int outputAddress() const { return OutputAddress(slot_); }

    void Compute(Simulation& sim);
    // Takes the applied copies and checks them. Returns the messages for the invalid items in
    // order; empty when the block is valid. The caller decides whether to show them.
    std::vector<std::string> Apply(Simulation& sim);
    // The update button: apply; when valid, reload the description and re-enable leaving.
    std::vector<std::string> UpdateClicked(Simulation& sim);
    // An edit of any field or a click on a limit box: the block must be applied before leaving.
    void FieldEdited();
    void ExitClicked() { display.btnatualizaEnabled = false; }
    // Activating the window shows a description edited in the variable list.
    void Activate(const Simulation& sim);

    static CalcBlockWindowTexts WindowTexts(Language language);

    CalcBlockFields fields;
    CalcBlockApplied applied;
    CalcBlockDisplay display;

  private:
    std::string MessagePrefix() const;
    int slot_;
    // The compiled forms of the applied texts.
    CompiledCalcFunction function_;
    CompiledField upper_, lower_;
};

inline constexpr const char* kCalcBlockHelpPage = "/?page_id=55#bloco_calculo";

}  // namespace vork
