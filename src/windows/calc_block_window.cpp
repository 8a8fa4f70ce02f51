#include "windows/calc_block_window.h"

#include <stdexcept>

#include "engine/numbers.h"
#include "project/project.h"
#include "project/workspace_refresh.h"

namespace vork {

const std::array<WindowText, 6> kCalcBlockWindowTexts = {{
    {"caption", "Bloco de Cálculo", "Calculations Block"},
    {"Label2", "Função", "Function"},
    {"GroupBox1", "Limites:", "Limits"},
    {"hint:FuncaoTr", "Expressão matemática do cálculo", "Math expression for calculation"},
    {"hint:LimSupText", "Limite superior para saída", "Output Upper Limit"},
    {"hint:LimInfText", "Limite inferior para saída", "Output Lower Limit"},
}};

CalcBlockWindow::CalcBlockWindow(Project& project, int slot) : project_(project), slot_(slot) {
    int address = CalcBlock::OutputAddress(slot);
    addressLabel = "M" + std::to_string(address) + "=";
    descriptionHeader = project_.sim.vars.Description(address);
}

CalcBlock& CalcBlockWindow::Block() const {
    CalcBlock* b = project_.sim.calcs.Get(slot_);
    if (!b) throw std::logic_error("the block's slot is empty");
    return *b;
}

void CalcBlockWindow::Refresh() {
    result = Fixed(project_.sim.vars.Read(block().outputAddress()), 2, 2);
}

void CalcBlockWindow::Edit(const std::function<void(CalcBlockFields&)>& edit) {
    edit(Block().fields);
    applyPending = true;
}

std::vector<std::string> CalcBlockWindow::Apply() {
    CalcBlock& b = Block();
    std::vector<std::string> messages = b.Apply(project_.sim);
    descriptionHeader = project_.sim.vars.Description(b.outputAddress());
    if (!messages.empty()) return messages;
    b.fields.DescricaoText = descriptionHeader;
    applyPending = false;
    project_.MarkModified();
    RefreshWorkspace(project_.workspace, project_.sim);
    return messages;
}

void CalcBlockWindow::Activate(Language language) {
    CalcBlock& b = Block();
    b.fields.DescricaoText = project_.sim.vars.Description(b.outputAddress());
    if (language == Language::English) englishApplied = true;
}

}  // namespace vork
