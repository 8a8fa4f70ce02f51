#include "plant/process_messages.h"

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

}  // namespace vork
