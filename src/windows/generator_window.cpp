#include "windows/generator_window.h"

#include <algorithm>

#include "project/project.h"

namespace vork {

namespace {

constexpr ObjectRef kRef{ObjectKind::Generator};

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

const SignalGenerator& GeneratorWindow::generator() const {
    return project_.Object<SignalGenerator>(kRef);
}

ChannelRowLayout GeneratorWindow::rowLayout(int k) const {
    return RowLayout(static_cast<SignalType>(fields(k).Tipo));
}

Language GeneratorWindow::textLanguage() const {
    return project_.sim.language;
}

void GeneratorWindow::Operate(const std::function<void(SignalGenerator&)>& action) {
    project_.Edit<SignalGenerator>(kRef, action, Modifies::No);
}

void GeneratorWindow::Edit(int k, const std::function<void(GeneratorChannelFields&)>& edit) {
    if (!IsChannel(k)) return;
    Operate([&](SignalGenerator& g) { edit(g.channel(k).fields); });
    applyPending = true;
}

void GeneratorWindow::ChangeType(int k, int type) {
    if (!IsChannel(k)) return;
    Operate([&](SignalGenerator& g) {
        if (!g.ChangeType(project_.sim, k, type)) return;
        GeneratorChannelFields& f = g.channel(k).fields;
        ChannelGuides guides = Guides(static_cast<SignalType>(type));
        if (guides.desc) f.Desc = guides.desc;
        if (guides.min) f.Min = guides.min;
        if (guides.max) f.Max = guides.max;
        if (guides.valor) f.Valor = guides.valor;
    });
}

void GeneratorWindow::Apply() {
    project_.Apply(kRef);
    applyPending = false;
}

void GeneratorWindow::EnterPressed() {
    Operate([&](SignalGenerator& g) { g.Apply(project_.sim); });
    applyPending = false;
}

void GeneratorWindow::ArrowClicked(int k, int position) {
    if (!IsChannel(k)) return;
    Operate([&](SignalGenerator& g) {
        g.channel(k).fields.Valor = std::to_string(std::clamp(position, 0, 100));
    });
    EnterPressed();
}

void GeneratorWindow::RadioClicked(int k, int entry) {
    if (!IsChannel(k)) return;
    Operate([&](SignalGenerator& g) { g.channel(k).fields.ValorDig = entry == 1 ? 1 : 0; });
    EnterPressed();
}

}  // namespace vork
