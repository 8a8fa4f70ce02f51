#include "full_plant_synoptic.h"

#include <string>

#include "plant/animated_text.h"
#include "plant/trend_recorder.h"
#include "project/workspace_refresh.h"
#include "workspace/operator_inputs.h"

namespace {

using namespace vork;

constexpr int kColumn = 84;  // pixels from one object marker to the next
constexpr int kRow = 26;

void PlaceMarkers(Workspace& ws, SlotKind kind, int firstTop) {
    for (int n = 1; n <= SlotCount(kind); ++n) {
        ObjectMarker& marker = ws.Marker(kind, n);
        marker.left = 3 + kColumn * ((n - 1) % 10);
        marker.top = firstTop + kRow * ((n - 1) / 10);
        marker.checked = true;
    }
}

// Recorder k watches the measured variable, the setpoint and the output of controller k.
void BuildRecorders(Simulation& sim) {
    constexpr int kMeasured[] = {21, 23, 22, 41, 26, 27, 29, 30, 44, 33};
    for (int k = 1; k <= SlotCount(SlotKind::Recorder); ++k) {
        TrendRecorder& r = sim.recorders.Fill(k);
        r.fields.TagText = "TR-" + std::to_string(100 + k);
        r.fields.DescricaoText = "Registro da malha " + std::to_string(k);
        r.fields.Variavel1Select = kMeasured[k - 1] - 1;
        r.fields.Variavel2Select = 60 + k - 1;
        r.fields.Variavel3Select = k - 1;
    }
}

// Texts 1 to 10 show the controllers' measured variables, 11 to 20 the calculation blocks.
void BuildTexts(Simulation& sim, Workspace& ws) {
    for (int n = 1; n <= SlotCount(SlotKind::Text); ++n) {
        AnimatedText& t = sim.texts.Fill(n);
        int address = n <= 10 ? 20 + n : 30 + n;
        t.ChooseVariable(sim, address - 1);
        t.fields.DescricaoText = "Valor de " + AddressName(address);
        t.Apply(sim);
        TextMarker& marker = ws.texts[n - 1];
        marker.left = marker.labelLeft = 10 + 170 * ((n - 1) % 5);
        marker.labelTop = 222 + 40 * ((n - 1) / 5);
        marker.top = marker.labelTop + 13;
        marker.checked = true;
    }
}

void BuildShapes(Workspace& ws) {
    for (int k = 1; k <= Workspace::kShapes; ++k) {
        Shape& shape = ws.shapes[k - 1];
        shape.ImagemCheck = shape.shape.visible = true;
        shape.ImagemTipo = k % 2 == 0 ? 1 : 0;
        shape.ImagemVar = std::to_string(20 + k);
        shape.ImagemCor1 = k % 2 == 0 ? Rgb(0, 0, 255) : kRed;
        shape.shape.left = 20 + 70 * (k - 1);
        shape.referenceTop = shape.shape.top = 410;
    }
}

void BuildInputs(Workspace& ws, VariableTable& vars) {
    for (int k = 1; k <= Workspace::kSwitches; ++k) {
        ws.switches[k - 1].left = 380 + 60 * (k - 1);
        ws.switches[k - 1].top = 420;
        SetSwitchType(ws, vars, k, k == 1 ? 0 : 1);
        SetSwitchInUse(ws, vars, k, true);
    }
    ws.commandPanel.PainelComando.left = 520;
    ws.commandPanel.PainelComando.top = 410;
    constexpr const char* kButtons[] = {"Bomba", "Agitador", "Alarme"};
    for (int k = 1; k <= CommandPanel::kButtons; ++k) {
        ws.commandPanel.buttons[k - 1].description = kButtons[k - 1];
        SetButtonInUse(ws, vars, k, true);
    }
    constexpr const char* kTracks[] = {"Carga", "Nível", "Temp.", "Press.", "Vazão", "pH"};
    for (int k = 1; k <= Workspace::kTracks; ++k) {
        ws.tracks[k - 1].PlaceGroup(222 + 64 * ((k - 1) % 3), 870 + 130 * ((k - 1) / 3));
        SetTrackCaption(ws, vars, k, kTracks[k - 1]);
        SetTrackInUse(ws, k, true);
        MoveTrackBar(ws, vars, k, 5000);
    }
}

}  // namespace

void BuildFullSynoptic(Project& project) {
    Simulation& sim = project.sim;
    Workspace& ws = project.workspace;
    ws.Titulo = "Planta completa";
    BuildRecorders(sim);
    BuildTexts(sim, ws);
    PlaceMarkers(ws, SlotKind::Controller, 3);
    PlaceMarkers(ws, SlotKind::Recorder, 3 + kRow);
    PlaceMarkers(ws, SlotKind::Process, 3 + 2 * kRow);
    PlaceMarkers(ws, SlotKind::Calc, 3 + 5 * kRow);
    BuildShapes(ws);
    BuildInputs(ws, sim.vars);
    RefreshWorkspace(ws, sim);
}
