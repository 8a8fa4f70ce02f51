#include "windows/process_window.h"

#include "engine/numbers.h"
#include "plant/addresses.h"
#include "project/project.h"

namespace vork {

ProcessWindow::ProcessWindow(Project& project, int slot)
    : project_(project), ref_{ObjectKind::Process, slot} {
    applyPending = !block().latched.validated;
    EntradaSelectEnter();
    ShowIdentity();
    Refresh();
}

const ProcessBlock& ProcessWindow::block() const {
    return project_.Object<ProcessBlock>(ref_);
}

void ProcessWindow::Operate(const std::function<void(ProcessBlock&)>& action) {
    project_.Edit<ProcessBlock>(ref_, action, Modifies::No);
}

void ProcessWindow::Refresh() {
    const ProcessState& s = block().state;
    inputText = Fixed(s.X0, 2);
    actuatorText = Fixed(s.actuator.ActuatorPos, 2);
    outputText = Fixed(s.Y2, 2);
}

void ProcessWindow::ShowIdentity() {
    const ProcessBlock& b = block();
    if (!b.latched.identity) return;
    const ProcessIdentity& id = *b.latched.identity;
    title = id.tag + " " + id.description;
    outputAddressText = "(M" + std::to_string(b.OutputAddress()) + ")";
    actuatorAddressText = "(M" + std::to_string(ActuatorAddress(b.slot())) + ")";
    caption = id.description;
}

void ProcessWindow::Edit(const std::function<void(ProcessFields&)>& edit) {
    Operate([&edit](ProcessBlock& b) { edit(b.fields); });
    applyPending = true;
    exitEnabled = false;
}

void ProcessWindow::EntradaSelectEnter() {
    EntradaSelectItems = project_.sim.vars.ShortPickList();
}

void ProcessWindow::TypeChanged(int type) {
    Edit([type](ProcessFields& f) { f.transferType = type; });
}

void ProcessWindow::InitialValueEdited(const std::string& text) {
    Operate([&text](ProcessBlock& b) {
        b.fields.ValorInicialText = text;
        b.state.InitPending = true;
    });
    applyPending = true;
}

std::vector<std::string> ProcessWindow::Apply() {
    std::vector<std::string> messages = project_.Apply(ref_);
    if (!messages.empty()) return messages;
    applyPending = false;
    exitEnabled = true;
    ShowIdentity();
    return messages;
}

void ProcessWindow::ReloadDescription() {
    Simulation& sim = project_.sim;
    Operate([&sim](ProcessBlock& b) {
        b.fields.DescricaoText = sim.vars.Description(b.OutputAddress());
    });
}

void ProcessWindow::Activate(Language language) {
    if (exitEnabled) ReloadDescription();
    if (language != Language::English || englishApplied) return;
    englishApplied = true;
    caption = kProcessWindowTexts[0].english;
}

const char* ProcessWindow::TypeGroup(int type) {
    switch (type) {
        case kOverdamped:
            return "GroupPVC";
        case kUnderdamped:
            return "GroupOrdem2";
        case kLeadLag:
            return "GroupLEADLAG";
        case kIntegrator:
            return "GroupBox2";
        default:
            return "";
    }
}

bool ProcessWindow::initialValueVisible() const {
    return block().fields.transferType == kIntegrator;
}

const std::array<WindowText, 25> kProcessWindowTexts = {{
    {"caption", "Processo", "Process"},
    {"Label8", "Entrada:", "Input:"},
    {"Label15", "TM(seg):", "DT(seg):"},
    {"Label20", "Ganho:", "Gain:"},
    {"Label40", "Entrada (%):", "Input(%):"},
    {"Label25", "Posição Atuador(%):", "Actuator Position(%):"},
    {"Label7", "Tipo F.T.:", "FT Type:"},
    {"GroupBox2", "Integrador", "Integrator process"},
    {"Label35", "Valor Inicial(%):", "Initial Value(%):"},
    {"GroupBox1", "Características Não-Lineares", "Nonlinearities characteristics"},
    {"Label18", "Curva de ganho:", "Static Gain Curve"},
    {"Label14", "Histerese:", "Histerese:"},
    {"Label19", "Agarramento:", "Stiction"},
    {"CheckBox1", "Desativar Saturador", "Disable Saturator"},
    {"btnatualiza", "Atualizar", "Refresh"},
    {"GroupLEADLAG", "Filtro LEAD-LAG", "Lead-Lag Filter"},
    {"GroupPVC", "Ordem 2 Sobreamortecido", "1st/2nd order (overdumped)"},
    {"GroupOrdem2", "Ordem 2 (sub)", "2nd order (underdumped)"},
    {"Label33", "Num. Ciclos:", "Visible cycles:"},
    {"Label34", "Período(seg):", "Period(seg):"},
    {"hint:EntradaSelect", "Seleciona Endereço da Variável de Entrada do Bloco",
     "Select Input Variable"},
    {"hint:GanhoText", "Ganho do Processo", "Process Static Gain"},
    {"hint:TempoMorto", "Tempo Morto (segundos)", "Dead Time(seconds)"},
    {"hint:SairButton", "Sair", "Exit"},
    {"hint:ComboBox2", "Seleciona Função de Transferência", "Select Transfer Function"},
}};

const std::array<WindowText, 13> kProcessWindowFixedTexts = {{
    {"Label3", "Tag:", "Tag:"},
    {"Label4", "Desc", "Desc"},
    {"Label5", "Saída(%):", "Saída(%):"},
    {"Label1", "Tal1(seg):", "Tal1(seg):"},
    {"Label30", "Tal2(seg):", "Tal2(seg):"},
    {"Label28", "LEAD(seg):", "LEAD(seg):"},
    {"Label29", "LAG(seg):", "LAG(seg):"},
    {"Label21", "LAG(seg):", "LAG(seg):"},
    {"Label37", "Rate(%/seg):", "Rate(%/seg):"},
    {"hint:Label8", "Seleciona Endereço da Variável de Entrada do Bloco",
     "Seleciona Endereço da Variável de Entrada do Bloco"},
    {"hint:Label20", "Ganho do Processo", "Ganho do Processo"},
    {"hint:Label15", "Tempo Morto (segundos)", "Tempo Morto (segundos)"},
    {"hint:Label7", "Seleciona Função de Transferência", "Seleciona Função de Transferência"},
}};

const std::array<WindowText, 4> kTransferTypeItems = {{
    {"0", "Ordem 2 Sobreamortecido", "1st/2nd order (overdumped)"},
    {"1", "Ordem 2 Subamortecido", "2nd order (underdumped)"},
    {"2", "Filtro LEAD-LAG", "Lead-Lag Filter"},
    {"3", "Integrador", "Integrator"},
}};

const std::array<WindowText, 5> kValveCurveItems = {{
    {"0", "Linear", "Linear"},
    {"1", "Curva Abertura Rápida", "Quick Open Curve"},
    {"2", "Curva Igual Porcentagem", "Equal-Percentage Curve"},
    {"3", "Curva S1", "S1 Curve"},
    {"4", "Curva S2", "S2 Curve"},
}};

}  // namespace vork
