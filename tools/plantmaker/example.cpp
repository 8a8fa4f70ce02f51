#include "plantmaker/example.h"

#include <cmath>

#include "engine/windows1252.h"
#include "plant/animated_text.h"
#include "plant/calc_block.h"
#include "plant/characterizer.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/signal_generator.h"
#include "plant/trend_recorder.h"
#include "plantmaker/lint.h"
#include "project/frame.h"
#include "project/simulation_records.h"
#include "project/workspace_refresh.h"

namespace vork::plantmaker {

namespace {

// The settle run is reproducible, so the file it leaves is too.
constexpr uint64_t kSettleSeed = 1;
constexpr double kSettleStep = 0.1;  // seconds

void Append(std::vector<std::string>& to, const std::vector<std::string>& from,
            const std::string& prefix = "") {
    for (const std::string& s : from)
        to.push_back(prefix + s);
}

}  // namespace

void Example::Gallery(const std::string& key, const std::string& folder, const std::string& file) {
    identity_.galleryKey = key;
    identity_.folder = folder;
    identity_.file = file;
    identity_.picture = file.substr(0, file.rfind('.')) + ".png";
    project_.workspace.pictureName = identity_.picture;
}

void Example::Title(const std::string& pt, const std::string& en) {
    identity_.title = {pt, en};
    project_.workspace.Titulo = Bilingual(pt, en);
}

void Example::Summary(const std::string& en) {
    identity_.summary = en;
}

void Example::Comments(std::vector<std::string> pt, std::vector<std::string> en) {
    project_.workspace.commentsPortuguese = std::move(pt);
    project_.workspace.commentsEnglish = std::move(en);
    project_.workspace.showComments = true;
}

VarBuilder Example::Var(int address) {
    declared_.insert(address);
    return VarBuilder(project_.sim.vars, address);
}

ControllerBuilder Example::Controller(int slot, const std::string& tag) {
    vork::Controller& c = project_.sim.controllers.Fill(slot);
    c.fields.TagText = tag;
    return ControllerBuilder(*this, c);
}

ProcessBuilder Example::Process(int slot, const std::string& tag) {
    ProcessBlock& p = project_.sim.processes.Fill(slot);
    p.fields.TagText = tag;
    return ProcessBuilder(*this, p);
}

CalcBuilder Example::Calc(int slot, const std::string& tag) {
    CalcBlock& c = project_.sim.calcs.Fill(slot);
    c.fields.TagText = tag;
    return CalcBuilder(*this, c);
}

RecorderBuilder Example::Recorder(int slot, const std::string& tag) {
    TrendRecorder& r = project_.sim.recorders.Fill(slot);
    r.fields.TagText = tag;
    return RecorderBuilder(*this, r);
}

TextBuilder Example::Text(int slot) {
    return TextBuilder(*this, project_.sim.texts.Fill(slot));
}

ChannelBuilder Example::Channel(int k) {
    return ChannelBuilder(project_.sim.generator().channel(k).fields);
}

TrackBuilder Example::Track(int k) {
    return TrackBuilder(*this, k, project_.workspace.tracks[static_cast<size_t>(k - 1)]);
}

SwitchBuilder Example::Switch(int k) {
    return SwitchBuilder(*this, k, project_.workspace.switches[static_cast<size_t>(k - 1)]);
}

ButtonBuilder Example::Button(int k) {
    return ButtonBuilder(*this, k,
                         project_.workspace.commandPanel.buttons[static_cast<size_t>(k - 1)]);
}

void Example::ButtonPanel(Pt topLeft) {
    CommandPanel& panel = project_.workspace.commandPanel;
    panel.PainelComando.top = topLeft.y;
    panel.PainelComando.left = topLeft.x;
}

ShapeBuilder Example::Shape(int k) {
    return ShapeBuilder(*this, k, project_.workspace.shapes[static_cast<size_t>(k - 1)]);
}

void Example::Characterizer(int input, const std::array<std::string, 6>& mv,
                            const std::array<std::string, 6>& pv) {
    CharacterizerFields& f = project_.sim.characterizer().fields;
    std::string address = input < 10 ? "0" + std::to_string(input) : std::to_string(input);
    f.Lin1EndEnt = address + " " + project_.sim.vars.Description(input);
    f.Lin1Ativar = true;
    f.Lin1MV = mv;
    f.Lin1PV = pv;
}

std::vector<std::string> Example::Finish() {
    std::vector<std::string> problems = Validate();
    Start();
    if (settleSeconds_ > 0) RunSettle();
    RefreshWorkspace(project_.workspace, project_.sim);
    CollectFootprints(problems);
    CheckEncoding(problems);
    CheckLoad(problems);
    Append(problems, CheckPlacement(footprints_));
    Append(problems, CheckDeclared(project_.sim, declared_));
    return problems;
}

// As the file reader does after each record: the objects latch their texts and check them.
std::vector<std::string> Example::Validate() {
    Simulation& sim = project_.sim;
    std::vector<std::string> problems;
    sim.controllers.ForEach([&](vork::Controller& c) {
        int setpoint = SetpointAddress(c.slot()), pv = c.fields.VariavelSelect + 1;
        if (declared_.count(setpoint) || !declared_.count(pv)) return;
        for (AttributeField field :
             {AttributeField::Unit, AttributeField::UeMin, AttributeField::UeMax,
              AttributeField::Lie, AttributeField::Lse})
            sim.vars.SetAttribute(setpoint, field, sim.vars.Attribute(pv, field));
        declared_.insert(setpoint);
    });
    sim.generator().Apply(sim);
    sim.processes.ForEach([&](ProcessBlock& p) { Append(problems, p.Validate(sim)); });
    sim.calcs.ForEach([&](CalcBlock& c) { Append(problems, c.Apply(sim)); });
    sim.controllers.ForEach([&](vork::Controller& c) { Append(problems, c.Validate(sim)); });
    sim.texts.ForEach([&](AnimatedText& t) {
        t.ChooseVariable(sim, t.fields.ComboBox1);
        if (!t.Apply(sim)) problems.push_back("Texto " + std::to_string(t.number()) + " refused");
    });
    sim.recorders.ForEach([&](TrendRecorder& r) { r.Rescale(sim); });
    return problems;
}

// Modes, setpoints and outputs, or the states the description gave.
void Example::Start() {
    Simulation& sim = project_.sim;
    sim.controllers.ForEach([&](vork::Controller& c) {
        const ControllerStart& s = starts_[c.slot()];
        ControllerState& state = c.state;
        state.AutoMode = s.automatic;
        state.LocalMode = !s.remote;
        state.SP = sim.vars.ToPercent(c.fields.VariavelSelect + 1, s.setpoint);
        state.CO = s.output;
        if (s.saved) {
            state.Iant = s.saved->Iant;
            state.Erroant = s.saved->Erroant;
            state.PVant = s.saved->PVant;
            state.SP = s.saved->SP;
            state.CO = s.saved->CO;
        }
    });
    for (const auto& [slot, saved] : processSaved_) {
        ProcessState& s = sim.processes.Get(slot)->state;
        s.X0 = saved.X0;
        s.Y2 = saved.Y2;
        s.transfer.Y0old = saved.Y0old;
        s.transfer.Y1old = saved.Y1old;
        s.transfer.Y1old2 = saved.Y1old2;
        s.actuator.x5old = saved.x5old;
        s.transfer.IntAc1 = saved.IntAc1;
        s.transfer.IntAc2 = saved.IntAc2;
    }
}

void Example::RunSettle() {
    Simulation& sim = project_.sim;
    sim.random.Seed(kSettleSeed);
    sim.batch = true;
    sim.dt = kSettleStep;
    long passes = std::lround(settleSeconds_ / kSettleStep);
    for (long n = 0; n < passes; ++n)
        sim.EvaluationPass();
    sim.batch = false;
}

void Example::CollectFootprints(std::vector<std::string>& problems) {
    Simulation& sim = project_.sim;
    footprints_.clear();
    auto add = [&](FootprintKind kind, int slot, std::string tag, std::string symbol = "",
                   bool automatic = false) {
        auto found = placements_.find({kind, slot});
        Footprint f{kind, slot, {}, {}, std::move(tag), std::move(symbol), automatic};
        if (found == placements_.end()) {
            problems.push_back(Describe(f) + " has no place on the picture (At)");
            return;
        }
        f.instrument = instruments_.count({kind, slot}) > 0;
        f.marker = found->second;
        f.reserved = ReservedArea(kind, f.marker, f.instrument);
        footprints_.push_back(f);
    };
    sim.controllers.ForEach([&](vork::Controller& c) {
        add(FootprintKind::Controller, c.slot(), c.fields.TagText, "", c.state.AutoMode);
    });
    sim.processes.ForEach(
        [&](ProcessBlock& p) { add(FootprintKind::Process, p.slot(), p.fields.TagText); });
    sim.calcs.ForEach([&](CalcBlock& c) {
        add(FootprintKind::Calc, c.slot(), c.fields.TagText, calcSymbols_[c.slot()]);
    });
    sim.recorders.ForEach(
        [&](TrendRecorder& r) { add(FootprintKind::Recorder, r.slot(), r.fields.TagText); });
    sim.texts.ForEach([&](AnimatedText& t) {
        std::string desc = t.fields.DescricaoText.substr(0, t.fields.DescricaoText.find('|'));
        add(FootprintKind::Text, t.slot(), desc);
    });
    for (int k = 1; k <= Workspace::kTracks; ++k)
        if (project_.workspace.tracks[k - 1].EntCheck)
            add(FootprintKind::Track, k, sliderLabels_[k]);
    for (int k = 1; k <= Workspace::kSwitches; ++k)
        if (project_.workspace.switches[k - 1].ChaveCheck) add(FootprintKind::Switch, k, "");
    for (int k = 1; k <= Workspace::kShapes; ++k)
        if (project_.workspace.shapes[k - 1].ImagemCheck) add(FootprintKind::Shape, k, "");
    CommandPanel& panel = project_.workspace.commandPanel;
    panel.FitToButtons();
    if (panel.PainelComando.visible) {
        Place(FootprintKind::ButtonPanel, 1,
              Rect{panel.PainelComando.left, panel.PainelComando.top, 160, panel.height});
        add(FootprintKind::ButtonPanel, 1, "");
    }
}

// The file is Windows-1252: a letter the code page lacks would be saved as "?".
void Example::CheckEncoding(std::vector<std::string>& problems) {
    SimulationRecords records(project_.sim);
    ProjectFrame frame{project_.workspace,
                       project_.sim.vars,
                       project_.sim.characterizer().fields,
                       records,
                       Language::Portuguese,
                       nullptr,
                       nullptr};
    LineWriter out;
    WriteFrame(frame, out);
    size_t start = 0;
    const std::string& text = out.Text();
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        std::string line = text.substr(start, end - start);
        if (FromWindows1252(ToWindows1252(line)) != line)
            problems.push_back("not in Windows-1252: " + line);
        start = end == std::string::npos ? text.size() : end + 2;
    }
}

// The file must load without a message, as the gallery opens it; the loaded plant also gives
// the animated texts the values they show on opening.
void Example::CheckLoad(std::vector<std::string>& problems) {
    Project loaded;
    FileResult result = loaded.LoadBytes(FileBytes(), identity_.file);
    if (!result.ok()) problems.push_back("the file does not load: " + result.error);
    Append(problems, result.messages, "loading: ");
    loaded.sim.batch = true;
    loaded.sim.EvaluationPass();
    for (Footprint& f : footprints_) {
        AnimatedText* text = f.kind == FootprintKind::Text ? loaded.sim.texts.Get(f.slot) : nullptr;
        if (!text) continue;
        // A text with nothing to show keeps its label's first caption.
        std::optional<AnimatedTextResult> shown = text->Evaluate(loaded.sim);
        f.symbol = shown ? shown->text : "=";
    }
}

}  // namespace vork::plantmaker
