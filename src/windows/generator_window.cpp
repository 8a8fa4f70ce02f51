#include "windows/generator_window.h"

#include <algorithm>

#include "project/project.h"

namespace vork {

namespace {

bool IsChannel(int k) {
    return k >= 1 && k <= SignalGenerator::kChannels;
}

}  // namespace

const std::array<WindowText, 2> kGeneratorWindowTexts = {{
    {"Button1", "Atualiza", "Refresh"},
    {"SairButton", "Sair", "Exit"},
}};

const std::array<WindowText, 10> kSignalTypeItems = {{
    {"0", "Constante 0-100", "Constant 0-100"},
    {"1", "Constante 0-1", "Constant 0-1"},
    {"2", "Aleatório Rápido", "Fast Random"},
    {"3", "Aleatório Médio", "Medium Random"},
    {"4", "Aleatório Lento", "Slow Random"},
    {"5", "Sinal Senoidal", "Sinusoidal signal"},
    {"6", "Random Walk", "Random Walk"},
    {"7", "Equação", "Equation"},
    {"8", "LN()", "LN()"},
    {"9", "Exp()", "Exp()"},
}};

std::vector<std::string> GeneratorWindow::TypeEntries(int channel, Language language) {
    std::vector<std::string> entries;
    for (int t = 0; t < SignalGenerator::TypeCount(channel); ++t) {
        const WindowText& item = kSignalTypeItems[static_cast<size_t>(t)];
        entries.push_back(language == Language::English ? item.english : item.portuguese);
    }
    return entries;
}

ChannelRowLayout GeneratorWindow::RowLayout(SignalType type) {
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

ChannelGuides GeneratorWindow::Guides(SignalType type) {
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

GeneratorWindow::GeneratorWindow(Project& project) : project_(project) {}

SignalGenerator& GeneratorWindow::Generator() const {
    return project_.sim.generator();
}

ChannelRowLayout GeneratorWindow::rowLayout(int k) const {
    return RowLayout(static_cast<SignalType>(fields(k).Tipo));
}

Language GeneratorWindow::textLanguage() const {
    return project_.sim.language;
}

void GeneratorWindow::Edit(int k, const std::function<void(GeneratorChannelFields&)>& edit) {
    if (!IsChannel(k)) return;
    edit(Generator().channel(k).fields);
    applyPending = true;
}

void GeneratorWindow::ChangeType(int k, int type) {
    if (!IsChannel(k) || !Generator().ChangeType(project_.sim, k, type)) return;
    GeneratorChannelFields& f = Generator().channel(k).fields;
    ChannelGuides g = Guides(static_cast<SignalType>(type));
    if (g.desc) f.Desc = g.desc;
    if (g.min) f.Min = g.min;
    if (g.max) f.Max = g.max;
    if (g.valor) f.Valor = g.valor;
}

void GeneratorWindow::ApplyChannels() {
    Generator().Apply(project_.sim);
    applyPending = false;
}

void GeneratorWindow::Apply() {
    project_.MarkModified();
    ApplyChannels();
}

void GeneratorWindow::EnterPressed() {
    ApplyChannels();
}

void GeneratorWindow::ArrowClicked(int k, int position) {
    if (!IsChannel(k)) return;
    Generator().channel(k).fields.Valor = std::to_string(std::clamp(position, 0, 100));
    ApplyChannels();
}

void GeneratorWindow::RadioClicked(int k, int entry) {
    if (!IsChannel(k)) return;
    Generator().channel(k).fields.ValorDig = entry == 1 ? 1 : 0;
    ApplyChannels();
}

}  // namespace vork
