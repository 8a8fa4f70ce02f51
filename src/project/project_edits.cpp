#include <stdexcept>

#include "fastsim/xy_sweep.h"
#include "plant/animated_text.h"
#include "plant/calc_block.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/signal_generator.h"
#include "plant/trend_recorder.h"
#include "project/project.h"
#include "project/workspace_refresh.h"

namespace vork {

namespace {

SlotKind RequireSlot(ObjectRef ref) {
    if (!InSlots(ref.kind)) throw std::logic_error("this object always exists");
    return SlotKindOf(ref.kind);
}

void EmptySlot(Simulation& sim, SlotKind kind, int slot) {
    switch (kind) {
        case SlotKind::Controller:
            return sim.controllers.Empty(slot);
        case SlotKind::Process:
            return sim.processes.Empty(slot);
        case SlotKind::Calc:
            return sim.calcs.Empty(slot);
        case SlotKind::Recorder:
            return sim.recorders.Empty(slot);
        case SlotKind::Text:
            return sim.texts.Empty(slot);
    }
}

void HideMarker(Workspace& ws, SlotKind kind, int slot) {
    if (kind == SlotKind::Text) {
        TextMarker& marker = ws.texts[slot - 1];
        marker.visible = marker.labelVisible = marker.checked = false;
        marker.labelCaption.clear();
        return;
    }
    ObjectMarker& marker = ws.Marker(kind, slot);
    marker.visible = marker.checked = false;
    marker.caption.clear();
}

}  // namespace

void Project::Fill(ObjectRef ref) {
    SlotKind kind = RequireSlot(ref);
    sim.stepping.Refuse("slot filled");
    if (records_.Filled(kind, ref.slot)) return;
    records_.Fill(kind, ref.slot);
    Notify([ref](ProjectObserver& o) { o.SlotFilled(ref); });
}

void Project::Empty(ObjectRef ref) {
    SlotKind kind = RequireSlot(ref);
    sim.stepping.Refuse("slot emptied");
    if (!records_.Filled(kind, ref.slot)) return;
    EmptySlot(sim, kind, ref.slot);
    HideMarker(workspace, kind, ref.slot);
    Notify([ref](ProjectObserver& o) { o.SlotEmptied(ref); });
}

std::vector<std::string> Project::Apply(ObjectRef ref) {
    std::vector<std::string> messages;
    bool applied = false;
    switch (ref.kind) {
        case ObjectKind::Controller:
            messages = Found(Find<Controller>(*this, ref)).Validate(sim);
            applied = true;
            break;
        case ObjectKind::Process:
            messages = Found(Find<ProcessBlock>(*this, ref)).Apply(sim);
            applied = messages.empty();
            break;
        case ObjectKind::Calc: {
            CalcBlock& block = Found(Find<CalcBlock>(*this, ref));
            messages = block.Apply(sim);
            applied = messages.empty();
            // The field takes back the description as the variable holds it (255 characters).
            if (applied) block.fields.DescricaoText = sim.vars.Description(block.outputAddress());
            break;
        }
        case ObjectKind::Text:
            if (Found(Find<AnimatedText>(*this, ref)).Apply(sim)) RefreshWorkspace(workspace, sim);
            break;
        case ObjectKind::Generator:
            Found(Find<SignalGenerator>(*this, ref)).Apply(sim);
            MarkModified();
            break;
        default:
            throw std::logic_error("this object has no apply");
    }
    if (applied) {
        RefreshWorkspace(workspace, sim);
        MarkModified();
    }
    Notify([ref](ProjectObserver& o) { o.ObjectChanged(ref); });
    return messages;
}

void Project::WorkspaceRefresh() {
    RefreshWorkspace(workspace, sim);
    Notify([](ProjectObserver& o) { o.ObjectChanged({ObjectKind::Workspace}); });
}

bool Project::Tick(double nowMs) {
    if (!sim.scan.timerEnabled) return false;
    StepLock::Hold hold(sim.stepping);
    bool refreshed = sim.Tick(nowMs);
    Notify([refreshed](ProjectObserver& o) { o.Ticked(refreshed); });
    return refreshed;
}

RunOutcome Project::RunFastSimulation(const RunInputs& inputs, LoopCurveSet& charts,
                                      ResultsTables& tables) {
    return vork::RunFastSimulation(sim, inputs, charts, tables, [this](int percent) {
        ReportProgress(ProgressKind::FastSimulation, percent);
    });
}

void Project::RunXYSweep() {
    vork::RunXYSweep(sim, [this](int percent) { ReportProgress(ProgressKind::XYSweep, percent); });
}

}  // namespace vork
