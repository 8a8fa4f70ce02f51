#include "plant/trend_recorder_texts.h"

namespace vork {

const std::array<WindowText, 19> kRecorderWindowTexts = {{
    {"caption", "Registrador", "Register"},
    {"Label17", "Tempo: 1 divisão =", "1 division time="},
    {"CheckBox1", "Arquivar", "Archive"},
    {"Label21", "Arquivando: TA=0.1 seg", "Saving 0.1 seg"},
    {"StaticText1", "Escala", "Scale"},
    {"Label13", "   Descrição", "Description:"},
    {"Label14", "Variável 1", "Variable 1"},
    {"Label15", "Variável 2", "Variable 2"},
    {"Label16", "Variável 3", "Variable 3"},
    {"Label18", "Texto 1", "Text 1"},
    {"Label19", "Texto 2", "Text 2"},
    {"Label20", "Texto 3", "Text 3"},
    {"CheckBox2", "Linha Grossa", "Strong Line"},
    {"UsarVirgula", "Utilizar ',' como separador decimal", "Uses , as decimal separator"},
    {"UsarUE", "Salvar valores em Unid. de Eng.", "Uses Engineering Units"},
    {"hint:CheckBox1", "Salvar novos dados em arquivo TXT", "Save data into TXT file"},
    {"hint:ConfBTN", "Abrir configuração", "Open configuration area"},
    {"hint:SpeedButton1", "Pausar", "Pause Trend"},
    {"hint:SairBTN", "Sair", "Exit"},
}};

std::string RecorderEnglishText(std::string_view component) {
    return EnglishTextIn(kRecorderWindowTexts, component);
}

}  // namespace vork
