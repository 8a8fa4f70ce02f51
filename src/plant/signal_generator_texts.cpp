#include "plant/signal_generator_texts.h"

#include <array>

#include "plant/signal_generator.h"

namespace vork {

namespace {

struct TypeTexts {
    const char* portuguese;
    const char* english;
    const char* description;
};

constexpr std::array<TypeTexts, 10> kTypes{{
    {"Constante 0-100", "Constant 0-100", "Constante 0-100"},
    {"Constante 0-1", "Constant 0-1", "Constante 0-1"},
    {"Aleatório Rápido", "Fast Random", "Aleatório"},
    {"Aleatório Médio", "Medium Random", "Aleatório Médio"},
    {"Aleatório Lento", "Slow Random", "Aleatório"},
    {"Sinal Senoidal", "Sinusoidal signal", "Sinal Senoidal"},
    {"Random Walk", "Random Walk", "Random Walk"},
    {"Equação", "Equation", "Equação"},
    {"LN()", "LN()", "LN()"},
    {"Exp()", "Exp()", "Exp()"},
}};

}  // namespace

std::vector<std::string> TypeEntries(int channel, Language language) {
    std::vector<std::string> entries;
    for (int t = 0; t < SignalGenerator::TypeCount(channel); ++t)
        entries.push_back(language == Language::English ? kTypes[t].english : kTypes[t].portuguese);
    return entries;
}

const char* TypeDescription(SignalType type) {
    return kTypes[static_cast<int>(type)].description;
}

ChannelRowLayout RowLayout(SignalType type) {
    ChannelRowLayout row;
    switch (type) {
        case SignalType::Constant100:
            row.upDown = true;
            break;
        case SignalType::Constant01:
            row.valorDig = true;
            row.valorVisible = false;
            break;
        case SignalType::Equation:
        case SignalType::Ln:
        case SignalType::Exp:
            row.valorWide = true;
            break;
        default:  // the random, sine and random-walk types show their output
            row.minMax = true;
            row.valorReadOnly = true;
            break;
    }
    return row;
}

ChannelGuides Guides(SignalType type) {
    switch (type) {
        case SignalType::Constant100:
            return {"Descrição", nullptr, nullptr, "Valor"};
        case SignalType::Constant01:
            return {"Descrição", nullptr, nullptr, nullptr};
        case SignalType::FastRandom:
        case SignalType::SlowRandom:
            return {"Descrição", "Min", "Máx.", nullptr};
        case SignalType::MediumRandom:
            return {"Tal(seg)", "Min.", "Máx.", nullptr};
        case SignalType::Sine:
            return {"Per (seg)", "Min.", "Máx.", nullptr};
        case SignalType::RandomWalk:
            return {"Faixa", "Inicial", "Ganho", nullptr};
        default:  // equation, LN(), Exp()
            return {"Descrição", nullptr, nullptr, "Equação"};
    }
}

GeneratorWindowTexts GeneratorTexts(Language language) {
    if (language == Language::English)
        return {"Gerador de Sinais", "Signals Generator", "Refresh", "Exit"};
    return {"Gerador de Sinais", "Gerador de Sinais", "Atualiza", "Sair"};
}

}  // namespace vork
