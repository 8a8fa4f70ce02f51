#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/characterizer.h"

namespace vork {

class Project;

// The panel's texts that switch to English with the interface language; "MV" and "PV" stay.
extern const std::array<WindowText, 4> kCharacterizerPanelTexts;

// The model of the characterizer panel on the configuration window's page "Controladores".
// There is no apply: an edit acts on the next scan, and it does not mark the project modified.
class CharacterizerPanel {
  public:
    explicit CharacterizerPanel(Project& project) : project_(project) {}

    const CharacterizerFields& fields() const;
    // Lin1EndSai, disabled: the output variable.
    std::string outputAddressText() const;
    // The entries of Lin1EndEnt ("01 " + description .. "99 " + description), refilled whenever
    // the box gets the focus.
    std::vector<std::string> inputList() const;
    Language textLanguage() const;

    void Edit(const std::function<void(CharacterizerFields&)>& edit);

  private:
    Project& project_;
};

}  // namespace vork
