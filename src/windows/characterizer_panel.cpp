#include "windows/characterizer_panel.h"

#include "project/project.h"

namespace vork {

namespace {
constexpr ObjectRef kRef{ObjectKind::Characterizer};
}

const std::array<WindowText, 4> kCharacterizerPanelTexts = {{
    {"Label34", "Linearizador", "Characterizer"},
    {"Label30", "End. Entrada:", "Input Ad.:"},
    {"Label31", "End.Saída:", "Output Ad.:"},
    {"Lin1Ativar", "Ativar", "Enable"},
}};

const CharacterizerFields& CharacterizerPanel::fields() const {
    return project_.Object<Characterizer>(kRef).fields;
}

std::string CharacterizerPanel::outputAddressText() const {
    return "M" + std::to_string(Characterizer::kOutput);
}

std::vector<std::string> CharacterizerPanel::inputList() const {
    return project_.sim.vars.ShortPickList();
}

Language CharacterizerPanel::textLanguage() const {
    return project_.sim.language;
}

void CharacterizerPanel::Edit(const std::function<void(CharacterizerFields&)>& edit) {
    project_.Edit<Characterizer>(
        kRef, [&](Characterizer& c) { edit(c.fields); }, Modifies::No);
}

}  // namespace vork
