#include "plant/process_texts.h"

namespace vork {

namespace {

const char* Suffix(ProcessCheck check) {
    switch (check) {
        case ProcessCheck::Input:
            return ": Variável de entrada não informada";
        case ProcessCheck::Gain:
            return ": Ganho inválido";
        case ProcessCheck::DeadTime:
            return ": Tempo Morto inválido";
        case ProcessCheck::Tal1:
            return ": Tal1 inválido";
        case ProcessCheck::Tal2:
            return ": Tal2 inválido";
        case ProcessCheck::Lag:
            return ": LAG inválido";
        case ProcessCheck::Lead:
            return ": LEAD inválido";
        case ProcessCheck::Cycles:
            return ": NCn inválido";
        case ProcessCheck::Period:
            return ": Periodo inválido";
        case ProcessCheck::Hysteresis:
            return ": Histerese inválida";
        case ProcessCheck::Rate:
            return ": Rate inválido";
        case ProcessCheck::Stiction:
            return ": Agarramento inválido";
        case ProcessCheck::ActuatorLag:
            return ": Constante de tempo inválido";
    }
    return "";
}

}  // namespace

std::string ProcessMessage(int outputAddress, ProcessCheck check) {
    return "Processo " + std::to_string(outputAddress) + Suffix(check);
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
