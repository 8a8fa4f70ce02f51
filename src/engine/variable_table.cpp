#include "engine/variable_table.h"

#include <cstdio>

#include "engine/numbers.h"

namespace vork {

namespace {

// Cuts to the first 255 characters; text is UTF-8, so a character may take several bytes.
std::string Cut(const std::string& text) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && ++characters > VariableTable::kMaxText) return text.substr(0, i);
    }
    return text;
}

// Actuator positions have fixed attributes; only their description is stored.
const VariableAttributes& ActuatorAttributes() {
    static const VariableAttributes fixed{"%", "0.0", "100.0", "0.0", "100.0", ""};
    return fixed;
}

std::string TwoDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

}  // namespace

std::string AddressName(int address) {
    return "M" + TwoDigits(address);
}

const VariableAttributes& VariableTable::Attributes(int address) const {
    if (address >= 1 && address <= kValues) return attributes_[address - 1];
    return ActuatorAttributes();
}

std::string VariableTable::Attribute(int address, AttributeField field) const {
    if (field == AttributeField::Description) return Description(address);
    const VariableAttributes& a = Attributes(address);
    switch (field) {
        case AttributeField::Unit:
            return a.unit;
        case AttributeField::UeMin:
            return a.ueMin;
        case AttributeField::UeMax:
            return a.ueMax;
        case AttributeField::Lie:
            return a.lie;
        case AttributeField::Lse:
            return a.lse;
        case AttributeField::Description:
            break;
    }
    return {};
}

void VariableTable::SetAttribute(int address, AttributeField field, const std::string& text) {
    if (field == AttributeField::Description) return SetDescription(address, text);
    if (address < 1 || address > kValues) return;
    VariableAttributes& a = attributes_[address - 1];
    switch (field) {
        case AttributeField::Unit:
            a.unit = Cut(text);
            break;
        case AttributeField::UeMin:
            a.ueMin = Cut(text);
            break;
        case AttributeField::UeMax:
            a.ueMax = Cut(text);
            break;
        case AttributeField::Lie:
            a.lie = Cut(text);
            break;
        case AttributeField::Lse:
            a.lse = Cut(text);
            break;
        case AttributeField::Description:
            break;
    }
}

std::string VariableTable::Description(int address) const {
    if (address >= 1 && address <= kValues) return attributes_[address - 1].description;
    if (address >= 100 && address <= kDescriptions) return upperDescriptions_[address - 100];
    return {};
}

void VariableTable::SetDescription(int address, const std::string& text) {
    if (address >= 1 && address <= kValues) attributes_[address - 1].description = Cut(text);
    if (address >= 101 && address <= kDescriptions) upperDescriptions_[address - 100] = Cut(text);
}

void VariableTable::ResetProgramStart() {
    values_.fill(0.0);
    actuators_.fill(0.0);
    for (int a = 1; a <= kValues; ++a) {
        attributes_[a - 1] = VariableAttributes{};
        attributes_[a - 1].description = DefaultDescription(a);
    }
    for (int a = 100; a <= kDescriptions; ++a)
        upperDescriptions_[a - 100] = DefaultDescription(a);
}

void VariableTable::ResetNewProject() {
    values_.fill(0.0);
    for (int a = 1; a <= kValues; ++a) {
        attributes_[a - 1] = VariableAttributes{};
        attributes_[a - 1].ueMin = "0.00";
    }
    for (int a = 11; a <= 20; ++a)
        attributes_[a - 1].description = DefaultDescription(a);
}

std::vector<std::string> VariableTable::ShortPickList() const {
    std::vector<std::string> list;
    list.reserve(kValues);
    for (int a = 1; a <= kValues; ++a)
        list.push_back(TwoDigits(a) + " " + Description(a));
    return list;
}

std::vector<std::string> VariableTable::LongPickList() const {
    std::vector<std::string> list;
    list.reserve(kDescriptions);
    for (int a = 1; a <= kDescriptions; ++a)
        list.push_back(TwoDigits(a) + "   " + Description(a));
    return list;
}

double VariableTable::ToEngineering(int address, double percent) const {
    const VariableAttributes& a = Attributes(address);
    double lo = ParseLenient(a.ueMin), hi = ParseLenient(a.ueMax);
    return lo + (hi - lo) * percent / 100.0;
}

double VariableTable::ToPercent(int address, double engineering) const {
    const VariableAttributes& a = Attributes(address);
    double lo = ParseLenient(a.ueMin), hi = ParseLenient(a.ueMax);
    // An empty range has no percent scale; 0 keeps the caller's arithmetic finite.
    if (hi == lo) return 0.0;
    return (engineering - lo) * 100.0 / (hi - lo);
}

std::string VariableTable::RoleLabel(int a) {
    if (a >= 1 && a <= 10) return "Variável Manipulada";
    if (a == 11) return "Comando Chave 1";
    if (a == 12) return "Comando Chave 2";
    if (a == 13) return "Saída Linearizador";
    if (a >= 15 && a <= 20) return "Entrada de Dados " + std::to_string(a - 14);
    if ((a >= 21 && a <= 60) || (a >= 71 && a <= 78)) return "Variável de Processo";
    if (a >= 61 && a <= 70) return "Setpoint de Controle";
    if (a >= 81 && a <= 96) return "Gerador de Sinais";
    if (a >= 97 && a <= 99) return "Comando Botão " + std::to_string(a - 96);
    if (a >= 101 && a <= 124) return "Var.Manip.(posição real)";
    return "Reservado";
}

std::string VariableTable::DefaultDescription(int a) {
    if (a == 11) return "Chave_1";
    if (a == 12) return "Chave_2";
    if (a == 13) return "Saída Linearizador";
    if (a == 14) return "Reservado";
    if (a >= 15 && a <= 20) return "Track " + std::to_string(a - 14);
    if (a >= 101 && a <= 124) return "Posição Atuador " + std::to_string(a - 100);
    return {};
}

}  // namespace vork
