#include "project/catalogue.h"

#include <array>

#include "project/record_grammar.h"

namespace vork {

namespace {

constexpr std::array<AttributeField, 4> kRanges = {AttributeField::UeMin, AttributeField::UeMax,
                                                   AttributeField::Lie, AttributeField::Lse};
constexpr std::array<std::string_view, 4> kRangeDefaults = {"0.00", "100.00", "0.00", "100.00"};

// Cuts `rest` up to and including its next ";" and returns the part before it; without a ";"
// the field is empty.
std::string_view CutField(std::string_view& rest) {
    size_t semicolon = rest.find(';');
    if (semicolon == std::string_view::npos) return {};
    std::string_view field = rest.substr(0, semicolon);
    rest.remove_prefix(semicolon + 1);
    return field;
}

}  // namespace

std::string CatalogueLine(const VariableTable& vars, int address) {
    const VariableAttributes& a = vars.Attributes(address);
    return AddressName(address) + ":" + a.unit + ";" + a.ueMin + ";" + a.ueMax + ";" + a.lie + ";" +
           a.lse + ";";
}

void ReadCatalogueLine(std::string_view line, VariableTable& vars, int address) {
    std::string fromUnit = ValueFrom(line, 5);
    std::string_view rest = fromUnit;
    size_t semicolon = rest.find(';');
    vars.SetAttribute(address, AttributeField::Unit, std::string(rest.substr(0, semicolon)));
    rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
    for (size_t i = 0; i < kRanges.size(); ++i) {
        std::string_view field = CutField(rest);
        vars.SetAttribute(address, kRanges[i],
                          std::string(field.empty() ? kRangeDefaults[i] : field));
    }
}

void SetCatalogueDefaults(VariableTable& vars) {
    for (int address = kCatalogueFirst; address <= kCatalogueLast; ++address) {
        vars.SetAttribute(address, AttributeField::Unit, "%");
        for (size_t i = 0; i < kRanges.size(); ++i)
            vars.SetAttribute(address, kRanges[i], std::string(kRangeDefaults[i]));
    }
}

}  // namespace vork
