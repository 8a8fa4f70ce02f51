#include "windows/calc_block_window.h"

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
    display_.addressLabel = "M" + std::to_string(address) + "=";
    display_.descriptionHeader = project_.sim.vars.Description(address);
}

CalcBlock* CalcBlockWindow::block() const {
    return project_.sim.calcs.Get(slot_);
}

void CalcBlockWindow::Edit(const std::function<void(CalcBlockFields&)>& edit) {
    CalcBlock* b = block();
    if (!b) return;
    edit(b->fields);
    applyPending_ = true;
}

std::vector<std::string> CalcBlockWindow::Apply() {
    CalcBlock* b = block();
    if (!b) return {};
    std::vector<std::string> messages = b->Apply(project_.sim);
    const std::string& description = project_.sim.vars.Description(b->outputAddress());
    display_.descriptionHeader = description;
    if (!messages.empty()) return messages;
    b->fields.DescricaoText = description;
    applyPending_ = false;
    project_.MarkModified();
    RefreshWorkspace(project_.workspace, project_.sim);
    return messages;
}

void CalcBlockWindow::Activate() {
    CalcBlock* b = block();
    if (!b) return;
    b->fields.DescricaoText = project_.sim.vars.Description(b->outputAddress());
    if (project_.sim.language == Language::English) textLanguage_ = Language::English;
}

bool CalcBlockWindow::Leave() {
    if (applyPending_) return false;
    open_ = false;
    return true;
}

void CalcBlockWindow::Show() {
    open_ = true;
    Refresh();
}

void CalcBlockWindow::Refresh() {
    if (!block()) return;
    display_.result = Fixed(project_.sim.vars.Read(CalcBlock::OutputAddress(slot_)), 2, 2);
}

void CalcBlockWindow::Ticked(bool) {
    if (open_) Refresh();
}

}  // namespace vork
