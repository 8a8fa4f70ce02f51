#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/calc_block.h"
#include "plant/object_ref.h"

namespace vork {

class Project;

// A calculation block's window (TBloco) for a filled slot 1..24; it lives while its slot is
// filled. Edits of the fields wait for Apply ("Atualizar"), and the window cannot be left until
// they are applied.
class CalcBlockWindow {
  public:
    CalcBlockWindow(Project& project, int slot);

    ObjectRef ref() const { return ref_; }
    const CalcBlock& block() const;

    std::string result = "0.00";    // Label6: the output, two decimals
    std::string addressLabel;       // Label1: "M41=" for block 1
    std::string descriptionHeader;  // Label9: the output variable's description

    // An edit waits for Apply: btnatualiza is enabled and SairButton disabled while it does.
    bool applyPending = false;
    // The English texts were applied on an activation; the window's texts then come from the
    // English column of kCalcBlockWindowTexts.
    bool englishApplied = false;

    // After each tick while the window is open: the result. An offline run leaves it.
    void Refresh();

    // An edit of any of the five fields or a click on a limit box.
    void Edit(const std::function<void(CalcBlockFields&)>& edit);
    // "Atualizar": applies through the project and returns the messages of the invalid items. A
    // valid block takes back its description from the variable table, marks the project
    // modified and may be left.
    std::vector<std::string> Apply();
    // Shows a description edited in the variable list; in English the first activation
    // translates the window.
    void Activate(Language language);
    // SairButton: whether the window may close; not while an edit waits for Apply.
    bool Leave() const { return !applyPending; }

  private:
    Project& project_;
    ObjectRef ref_;
};

// The texts that switch to English when the window is activated in English mode; the window
// caption comes first.
extern const std::array<WindowText, 6> kCalcBlockWindowTexts;

inline constexpr const char* kCalcBlockHelpPage = "/?page_id=55#bloco_calculo";

}  // namespace vork
