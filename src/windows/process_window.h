#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/object_ref.h"
#include "plant/process_block.h"

namespace vork {

class Project;

// A process block's window (TProcesso): the parameters as typed, the live values, and
// "Atualizar", which applies the edits. It shows the block through the project and changes it
// only through the project; only a successful Apply marks the project modified.
class ProcessWindow {
  public:
    // Made with the block's window, after the slot is filled or the project loaded. A block that
    // was validated (by a load) opens applied; a new one waits for its first "Atualizar".
    ProcessWindow(Project& project, int slot);

    ObjectRef ref() const { return ref_; }
    const ProcessBlock& block() const;

    // Identity, from the last validation that passed every check.
    std::string caption = "Processo";  // the output variable's description
    std::string title;                 // Label9: tag, blank, description
    std::string outputAddressText;     // Label22: "(M21)"
    std::string actuatorAddressText;   // Label2: "(M101)", the actuator position

    // Live values, two decimals.
    std::string inputText = "0.00";     // Label36
    std::string actuatorText = "0.00";  // Label26
    std::string outputText = "0.00";    // Label12

    // The short pick list of the input variable, rebuilt when the user enters it.
    std::vector<std::string> EntradaSelectItems;

    bool applyPending = true;  // btnatualiza "Atualizar" enabled
    bool exitEnabled = true;   // SairButton

    // The English texts were applied on an activation; the window's other texts, and the items
    // of its two lists, then come from the English columns of the tables below.
    bool englishApplied = false;

    // After each tick while the window is open: the live values.
    void Refresh();

    // Any edit of a parameter field, the tag, the description, EntradaSelect, the gain curve or
    // the clamp box: "Atualizar" enabled, exit disabled. Live expressions act at once.
    void Edit(const std::function<void(ProcessFields&)>& edit);
    void EntradaSelectEnter();
    // A new transfer-function type (ComboBox2): its group shows, the others hide.
    void TypeChanged(int type);
    // ValorInicialText typed: the integrator takes it at the next "Atualizar".
    void InitialValueEdited(const std::string& text);
    // "Atualizar": validates and returns the failed checks' messages. On success the
    // description is reloaded from the output variable, the window is applied and the project
    // marked modified; otherwise nothing of the window changes.
    std::vector<std::string> Apply();
    // Reloads the description from the output variable, unless field edits wait for
    // "Atualizar" (switching windows loses nothing typed); in English the first activation
    // translates the window, its caption included.
    void Activate(Language language);

    // The group (GroupPVC, GroupOrdem2, GroupLEADLAG, GroupBox2) that shows the parameters of
    // transfer-function type `type`; empty for a type without one.
    static const char* TypeGroup(int type);
    // Label35 and ValorInicialText show only with the integrator.
    bool initialValueVisible() const;

  private:
    void Operate(const std::function<void(ProcessBlock&)>& action);
    void ShowIdentity();
    void ReloadDescription();

    Project& project_;
    ObjectRef ref_;
};

// The texts that switch to English when the window is activated in English mode. Every other
// caption stays Portuguese in both languages. The window caption comes first.
extern const std::array<WindowText, 25> kProcessWindowTexts;

// The captions and hints that read the same in both languages.
extern const std::array<WindowText, 13> kProcessWindowFixedTexts;

// Items of the transfer-function list (ComboBox2) and of the gain-curve list (ComboBox1).
extern const std::array<WindowText, 4> kTransferTypeItems;
extern const std::array<WindowText, 5> kValveCurveItems;

}  // namespace vork
