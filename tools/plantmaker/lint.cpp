#include "plantmaker/lint.h"

#include <cctype>

#include "plant/animated_text.h"
#include "plant/calc_block.h"
#include "plant/characterizer.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/signal_generator.h"
#include "plant/simulation.h"
#include "plant/trend_recorder.h"

namespace vork::plantmaker {

namespace {

constexpr int kCatalogueFirst = 15;
constexpr int kCatalogueLast = 96;

const char* KindName(FootprintKind kind) {
    switch (kind) {
        case FootprintKind::Controller:
            return "controller";
        case FootprintKind::Process:
            return "process block";
        case FootprintKind::Calc:
            return "calculation block";
        case FootprintKind::Recorder:
            return "trend recorder";
        case FootprintKind::Text:
            return "animated text";
        case FootprintKind::Track:
            return "slider";
        case FootprintKind::Switch:
            return "switch";
        case FootprintKind::ButtonPanel:
            return "push-button panel";
        case FootprintKind::Shape:
            return "shape";
    }
    return "";
}

// The addresses an expression refers to: "M" and two digits.
void AddReferences(const std::string& text, std::set<int>& used) {
    for (size_t i = 0; i + 2 < text.size(); ++i) {
        bool digits = std::isdigit(static_cast<unsigned char>(text[i + 1])) &&
                      std::isdigit(static_cast<unsigned char>(text[i + 2]));
        if (text[i] == 'M' && digits) used.insert(std::stoi(text.substr(i + 1, 2)));
    }
}

void AddProcesses(const Simulation& sim, std::set<int>& used) {
    sim.processes.ForEach([&](const ProcessBlock& p) {
        const ProcessFields& f = p.fields;
        used.insert(p.OutputAddress());
        used.insert(f.EntradaSelect + 1);
        for (const std::string* t :
             {&f.GanhoText, &f.TempoMorto, &f.LText, &f.Ctext, &f.LEAD, &f.LAG, &f.ratetext})
            AddReferences(*t, used);
    });
}

void AddCalcs(const Simulation& sim, std::set<int>& used) {
    sim.calcs.ForEach([&](const CalcBlock& c) {
        used.insert(CalcOutputAddress(c.slot()));
        AddReferences(c.fields.FuncaoTr, used);
        if (c.fields.LimSupCheck) AddReferences(c.fields.LimSupText, used);
        if (c.fields.LimInfCheck) AddReferences(c.fields.LimInfText, used);
    });
}

void AddControllers(const Simulation& sim, std::set<int>& used) {
    sim.controllers.ForEach([&](const Controller& c) {
        const ControllerFields& f = c.fields;
        used.insert(SetpointAddress(c.slot()));
        used.insert(f.VariavelSelect + 1);
        if (f.CheckSPR) used.insert(f.SPRSelect + 1);
        if (f.BackMVCheck) used.insert(f.BackMV + 1);
        if (f.FFwSelect) AddReferences(f.FFwEquation, used);
        AddReferences(f.COminText, used);
        AddReferences(f.COmaxText, used);
    });
}

void AddDisplays(const Simulation& sim, std::set<int>& used) {
    sim.texts.ForEach([&](const AnimatedText& t) {
        if (t.type() == AnimatedTextType::Equation)
            AddReferences(t.fields.FuncaoTr, used);
        else
            used.insert(t.Address());
    });
    sim.recorders.ForEach([&](const TrendRecorder& r) {
        for (int position :
             {r.fields.Variavel1Select, r.fields.Variavel2Select, r.fields.Variavel3Select})
            if (position >= 0 && position < TrendRecorder::kNenhum) used.insert(position + 1);
    });
}

}  // namespace

std::string Describe(const Footprint& f) {
    std::string name = std::string(KindName(f.kind)) + " " + std::to_string(f.slot);
    return f.tag.empty() ? name : name + " (" + f.tag + ")";
}

std::vector<std::string> CheckPlacement(const std::vector<Footprint>& footprints) {
    std::vector<std::string> problems;
    // The main window may clip the sides at 1280 pixels with the comment panel open.
    constexpr int kSideMargin = 30;
    const Rect visible{kSideMargin, 0, Sheet::kWidth - 2 * kSideMargin, Sheet::kHeight};
    for (size_t i = 0; i < footprints.size(); ++i) {
        const Footprint& a = footprints[i];
        if (!a.reserved.Inside(visible))
            problems.push_back(Describe(a) + " leaves the picture or its side margins");
        for (size_t j = i + 1; j < footprints.size(); ++j)
            if (a.reserved.Overlaps(footprints[j].reserved))
                problems.push_back(Describe(a) + " overlaps " + Describe(footprints[j]));
    }
    return problems;
}

std::vector<std::string> CheckDeclared(Simulation& sim, const std::set<int>& declared) {
    std::set<int> used;
    AddProcesses(sim, used);
    AddCalcs(sim, used);
    AddControllers(sim, used);
    AddDisplays(sim, used);
    const GeneratorChannelFields unused;
    for (int k = 1; k <= SignalGenerator::kChannels; ++k) {
        const GeneratorChannelFields& f = sim.generator().channel(k).fields;
        if (f.Tipo != unused.Tipo || f.Desc != unused.Desc || f.Valor != unused.Valor)
            used.insert(SignalGenerator::Address(k));
        AddReferences(f.Valor, used);
    }
    std::vector<std::string> problems;
    for (int address : used)
        if (address >= kCatalogueFirst && address <= kCatalogueLast && !declared.count(address))
            problems.push_back("M" + std::to_string(address) +
                               " is used but has no catalogue entry (Var)");
    return problems;
}

}  // namespace vork::plantmaker
