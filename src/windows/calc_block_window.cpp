#include "windows/calc_block_window.h"

#include "engine/numbers.h"
#include "project/project.h"

namespace vork {

const std::array<WindowText, 6> kCalcBlockWindowTexts = {{
    {"caption", "Bloco de Cálculo", "Calculations Block"},
    {"Label2", "Função", "Function"},
    {"GroupBox1", "Limites:", "Limits"},
    {"hint:FuncaoTr", "Expressão matemática do cálculo", "Math expression for calculation"},
    {"hint:LimSupText", "Limite superior para saída", "Output Upper Limit"},
    {"hint:LimInfText", "Limite inferior para saída", "Output Lower Limit"},
}};

CalcBlockWindow::CalcBlockWindow(Project& project, int slot)
    : project_(project), ref_{ObjectKind::Calc, slot} {
    int address = CalcBlock::OutputAddress(slot);
    addressLabel = "M" + std::to_string(address) + "=";
    descriptionHeader = project_.sim.vars.Description(address);
}

const CalcBlock& CalcBlockWindow::block() const {
    return project_.Object<CalcBlock>(ref_);
}

void CalcBlockWindow::Refresh() {
    result = Fixed(project_.sim.vars.Read(block().outputAddress()), 2, 2);
}

void CalcBlockWindow::Edit(const std::function<void(CalcBlockFields&)>& edit) {
    project_.Edit<CalcBlock>(
        ref_, [&](CalcBlock& b) { edit(b.fields); }, Modifies::No);
    applyPending = true;
}

std::vector<std::string> CalcBlockWindow::Apply() {
    std::vector<std::string> messages = project_.Apply(ref_);
    descriptionHeader = project_.sim.vars.Description(block().outputAddress());
    if (messages.empty()) applyPending = false;
    return messages;
}

void CalcBlockWindow::Activate(Language language) {
    const std::string& description = project_.sim.vars.Description(block().outputAddress());
    project_.Edit<CalcBlock>(
        ref_, [&](CalcBlock& b) { b.fields.DescricaoText = description; }, Modifies::No);
    if (language == Language::English) englishApplied = true;
}

}  // namespace vork
