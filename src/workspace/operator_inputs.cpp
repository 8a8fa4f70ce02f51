#include "workspace/operator_inputs.h"

#include "engine/numbers.h"
#include "plant/addresses.h"

namespace vork {

namespace {

SwitchInput& SwitchAt(Workspace& ws, int k) {
    return ws.switches.at(k - 1);
}

Track& TrackAt(Workspace& ws, int k) {
    return ws.tracks.at(k - 1);
}

void ShowSwitch(SwitchInput& input, const VariableTable& vars, int k) {
    input.visiblePicture = 0;
    if (input.ChaveCheck) input.ShowPictureFor(vars.Read(SwitchAddress(k)));
}

// Field text of a slider for an engineering value: two decimals, at least 4 characters.
std::string TrackFieldText(double engineering) {
    return Fixed(engineering, 2, 4);
}

}  // namespace

void SetSwitchInUse(Workspace& ws, const VariableTable& vars, int k, bool inUse) {
    SwitchInput& input = SwitchAt(ws, k);
    input.ChaveCheck = inUse;
    ShowSwitch(input, vars, k);
}

void SetSwitchType(Workspace& ws, const VariableTable& vars, int k, int type) {
    SwitchInput& input = SwitchAt(ws, k);
    input.ChaveTipo = type;
    ShowSwitch(input, vars, k);
}

void ClickSwitch(Workspace& ws, VariableTable& vars, int k) {
    SwitchInput& input = SwitchAt(ws, k);
    if (input.visiblePicture == 0) return;
    int address = SwitchAddress(k);
    vars.Write(address, 1.0 - vars.Read(address));
    // The two pictures of a set are neighbours: odd shows state 0, the next one state 1.
    input.visiblePicture += input.visiblePicture % 2 == 1 ? 1 : -1;
}

void ClickButton(Workspace& ws, VariableTable& vars, int k) {
    PushButton& button = ws.commandPanel.buttons.at(k - 1);
    if (!button.BotaoCheck) return;
    double value = button.releasedVisible ? 1.0 : 0.0;
    vars.Write(ButtonAddress(k), value);
    button.ShowPictureFor(value);
}

bool ButtonAvailable(const Workspace& ws, int k) {
    return k == 1 || ws.commandPanel.buttons.at(k - 2).BotaoCheck;
}

void SetButtonInUse(Workspace& ws, VariableTable& vars, int k, bool inUse) {
    CommandPanel& panel = ws.commandPanel;
    if (inUse) {
        if (!ButtonAvailable(ws, k)) return;
        PushButton& button = panel.buttons.at(k - 1);
        button.BotaoCheck = true;
        button.ShowPictureFor(vars.Read(ButtonAddress(k)));
    } else {
        for (int j = k; j <= CommandPanel::kButtons; ++j) {
            PushButton& button = panel.buttons.at(j - 1);
            button.BotaoCheck = false;
            button.releasedVisible = button.pressedVisible = false;
            vars.Write(ButtonAddress(j), 0.0);
        }
    }
    panel.FitToButtons();
}

const std::string& ButtonStateText(const PushButton& button, double value) {
    return value == 0.0 ? button.textOff : button.textOn;
}

std::string TrackBarText(const VariableTable& vars, int k, int position) {
    return TrackFieldText(vars.ToEngineering(TrackAddress(k), position / 100.0));
}

void MoveTrackBar(Workspace& ws, VariableTable& vars, int k, int position) {
    Track& track = TrackAt(ws, k);
    track.barPosition = position;
    vars.Write(TrackAddress(k), position / 100.0);
    track.valueText = TrackBarText(vars, k, position);
}

bool EnterTrackText(Workspace& ws, VariableTable& vars, int k, std::string_view text) {
    Track& track = TrackAt(ws, k);
    int address = TrackAddress(k);
    const VariableAttributes& range = vars.Attributes(address);
    double lo = ParseLenient(range.ueMin), hi = ParseLenient(range.ueMax);
    std::optional<double> v = ParseWholeNumber(text);
    // An empty range has no percent scale, so nothing typed can be placed on it.
    if (!v || *v < lo || *v > hi || lo == hi) {
        EscapeTrackText(ws, vars, k);
        return false;
    }
    track.valueText = TrackFieldText(*v);
    double percent = (*v - lo) * 100.0 / (hi - lo);
    vars.Write(address, percent);
    int position = Track::BarPosition(percent);
    if (position != track.barPosition) MoveTrackBar(ws, vars, k, position);
    return true;
}

void EscapeTrackText(Workspace& ws, const VariableTable& vars, int k) {
    Track& track = TrackAt(ws, k);
    track.valueText = TrackBarText(vars, k, track.barPosition);
}

void SetTrackInUse(Workspace& ws, int k, bool inUse) {
    Track& track = TrackAt(ws, k);
    track.EntCheck = inUse;
    if (inUse) {
        track.Show();
        return;
    }
    track.TrackBack.visible = track.TrackLabel.visible = false;
    track.TrackText.visible = track.TrackBar.visible = false;
}

void SetTrackBarShown(Workspace& ws, int k, bool shown) {
    Track& track = TrackAt(ws, k);
    track.EntTrack = shown;
    track.TrackBar.visible = shown && track.EntCheck;
    track.backHeight = shown ? 60 : 28;
}

void SetTrackCaption(Workspace& ws, VariableTable& vars, int k, const std::string& caption) {
    Track& track = TrackAt(ws, k);
    track.EntLabel = caption;
    vars.SetDescription(TrackAddress(k), caption);
    track.FitCaption();
}

}  // namespace vork
