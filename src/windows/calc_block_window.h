#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/calc_block.h"

namespace vork {

class Project;

// The texts that switch to English when the window is activated in English mode; the window
// caption comes first.
extern const std::array<WindowText, 6> kCalcBlockWindowTexts;

inline constexpr const char* kCalcBlockHelpPage = "/?page_id=55#bloco_calculo";

// What the block window shows besides the fields.
struct CalcBlockDisplay {
    std::string result = "0.00";    // Label6: the output, two decimals
    std::string addressLabel;       // Label1: "M41=" for block 1
    std::string descriptionHeader;  // Label9: the output variable's description
};

// The model of a calculation block's window (TBloco) for a filled slot 1..24; the window lives
// while its slot is filled. Edits of the fields make the block wait for Apply, and leaving the
// window is refused until it is applied.
class CalcBlockWindow {
  public:
    CalcBlockWindow(Project& project, int slot);

    const CalcBlockDisplay& display() const { return display_; }
    // The block's fields, as the window's controls show them.
    const CalcBlockFields& fields() const { return block()->fields; }
    // An edit waits for Apply: btnatualiza is enabled and SairButton disabled while it does.
    bool applyPending() const { return applyPending_; }
    Language textLanguage() const { return textLanguage_; }
    bool isOpen() const { return open_; }

    // An edit of any of the five fields or a click on a limit box.
    void Edit(const std::function<void(CalcBlockFields&)>& edit);
    // btnatualiza: applies with messages. A valid block reloads its description from the
    // variable table and may be left again; an invalid one keeps waiting.
    std::vector<std::string> Apply();
    // Activating the window shows a description edited in the variable list, and the English
    // texts in English mode.
    void Activate();
    // SairButton; refused while an edit waits for Apply.
    bool Leave();
    void Show();
    // Formats the result from the plant; a tick does this for an open window.
    void Refresh();
    void Ticked(bool displayRefreshed);

  private:
    CalcBlock* block() const;

    Project& project_;
    int slot_;
    CalcBlockDisplay display_;
    bool applyPending_ = false;
    bool open_ = false;
    Language textLanguage_ = Language::Portuguese;
};

}  // namespace vork
