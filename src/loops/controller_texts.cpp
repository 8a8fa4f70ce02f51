#include "loops/controller_texts.h"

namespace vork {

const std::array<ControllerWindowText, 52> kControllerWindowTexts = {{
    {"caption", "Controlador", "Controller"},
    {"OpenDialog1", "Selecione uma pasta", "Select a folder"},
    {"Button2", "Enviar", "Send"},
    {"GroupBox1", "Identificação", "Identification"},
    {"GroupBox4", "Limites de Saída", "Output Limits"},
    {"GroupBox3", "Saída", "Output"},
    {"ParametrosGroup", "Parâmetros", "Parameters"},
    {"Label35", "Fator SP (a):", "SP Factor(a):"},
    {"Label41", "Banda Morta(%):", "Dead Band(%):"},
    {"Acaogroup", "Tipo Processo", "Process Direction"},
    {"Acaogroup/0", "Resposta Reversa", "Reverse response"},
    {"Acaogroup/1", "Resposta Direta", "Direct response"},
    {"EstruturaGroup", "Estrutura", "Structure"},
    {"EstruturaGroup/0", "Paralela", "Parallel"},
    {"EstruturaGroup/1", "ISA (mista)", "ISA (Ideal)"},
    {"DerivadaGroup", "Derivada", "Derivative Action"},
    {"DerivadaGroup/0", "Sobre o Erro", "on error"},
    {"DerivadaGroup/1", "Sobre a PV", "on PV"},
    {"btnatualiza", "Atualizar", "Refresh"},
    {"EscalaGroup", "Escala", "Scale"},
    {"StaticText1", "Escala", "Scale"},
    {"Label37", "Início", "Begin:"},
    {"Label38", "Final", "End:"},
    {"Label39", "Unid.", "Unit:"},
    {"BackMVCheck", "End. p/ Realim.de MV:", "Slave MV Adress:"},
    {"Label17", "Tempo: 1 divisão =", "1 division time="},
    {"CheckBox1", "Arquivar", "Archive"},
    {"Label21", "Arquivando: TA=0.1 seg", "Saving 0.1 seg"},
    {"CheckBox2", "Linha Grossa", "Strong Line"},
    {"UsarVirgula", "Utilizar ',' como separador decimal", "Uses , as decimal separator"},
    {"UsarUE", "Salvar valores em Unid. de Eng.", "Uses Engineering Units"},
    {"hint:PVText", "Process Variable (Variável Controlada)",
     "Process Variable (Controlled Variable)"},
    {"hint:MVText", "Controller Output (Saída do Controlador)",
     "Controller Output (Manipulated Variable)"},
    {"hint:LocalRemotoBTN", "Seleciona Origem do SP: L-> Local; R-> Remoto (copia de SPR)",
     "Select SP source: L-> Local; R-> Remote (copy from SPR)"},
    {"hint:AutoManualBTN",
     "Seleciona Modo de Operação do Controlador: A->Modo Automático; M->Modo Manual",
     "Select Controller Operation Mode: A->Automatic Mode; M->Manual Mode"},
    {"hint:ConfigBTN", "Exibe/Oculta Configuração do Controlador",
     "Show/Hide Controller Configuration Area"},
    {"hint:TrendButton", "Exibe/Oculta Gráficos de Tendência", "Show/Hide Trends"},
    {"hint:KpText", "Ganho Proporcional (adimensional)", "Proporcional Gain (dimensionless)"},
    {"hint:KiText", "Tempo Integral (segundos)", "Reset Time(seconds)"},
    {"hint:KdText", "Tempo Derivativo (segundos)", "Rate Time(seconds)"},
    {"hint:aText", "Influencia do SP na ação Proporcinal (0 a 1)",
     "SP weight on proportional action(0 to 1)"},
    {"hint:tfText", "Contante de Tempo do Filtro da ação Derivativa", "Controller error dead band"},
    {"hint:BiasText", "Valor Constante a ser Somado na Saída do Controlador",
     "Constant value added to controller output"},
    {"hint:Acaogroup",
     "Resposta Direta: Aumento na MV causa aumento na PV; Resposta  Reversa: Aumento  na MV causa "
     "Diminuição da PV",
     "Direct response: A MV increase causes a PV increase; Reverse response: A MV increase causes "
     "a PV decrease"},
    {"hint:EstruturaGroup", "Estrutura ISA: Ganho Kc em Evidência",
     "ISA structure: Kc multiply all actions"},
    {"hint:COminText", "Limite Inferior da CO", "CO low limit"},
    {"hint:COmaxText", "Limite Superior da CO", "CO high limit"},
    {"hint:VariavelSelect", "Seleciona Variável de Processo", "Select Process Variabel"},
    {"hint:SPRSelect", "Endereço para Setpoint Remoto", "Remote Setpoint Address"},
    {"hint:FFwEquation", "Adiciona Expressão para Cálculo do Bias Dinâmico (ação FeedForward)",
     "Math expression to calc dynamic bias(FeedForward action)"},
    {"hint:CheckBox1", "Salvar novos dados em arquivo TXT", "Save data into TXT file"},
    {"hint:SpeedButton2", "Pausar", "Pause Trend"},
}};

std::string ControllerEnglishText(std::string_view component) {
    for (const ControllerWindowText& t : kControllerWindowTexts)
        if (component == t.component) return t.english;
    return {};
}

}  // namespace vork
