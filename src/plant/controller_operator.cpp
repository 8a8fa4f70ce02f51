#include <algorithm>

#include "engine/equation.h"
#include "engine/numbers.h"
#include "plant/controller.h"

// The faceplate's operator actions on setpoint, output and modes.
namespace vork {

namespace {

double Limit0To100(double v) {
    return std::clamp(v, 0.0, 100.0);
}

}  // namespace

void Controller::RefreshSetpoint() {
    faceplate.SetPointBar = FaceplateBar(state.SP);
    faceplate.SPText = EngineeringText(state.SP);
}

void Controller::RefreshOutput() {
    faceplate.SaidaBar = FaceplateBar(state.CO);
    faceplate.MVText = Fixed(state.CO, 2);
}

void Controller::ApplyModeButtons() {
    faceplate.IncrementaSP = faceplate.DecrementaSP = state.LocalMode;
    faceplate.Label1 = state.LocalMode ? "L" : "R";
    faceplate.IncrementaSaida = faceplate.DecrementaSaida = !state.AutoMode;
    faceplate.Label2 = state.AutoMode ? "A" : "M";
}

void Controller::IncrementaSPClick() {
    if (!state.LocalMode) return;
    state.SP = Limit0To100(state.SP + 1.0);
    RefreshSetpoint();
}

void Controller::DecrementaSPClick() {
    if (!state.LocalMode) return;
    state.SP = Limit0To100(state.SP - 1.0);
    RefreshSetpoint();
}

void Controller::SPTextEnter() {
    if (!state.LocalMode) return;
    std::optional<double> v = ParseWholeNumber(CommaToPoint(faceplate.SPText));
    if (v && tuning.PVmax != tuning.PVmin) {
        double s = ToPercent(*v);
        if (s >= 0.0 && s <= 100.0) state.SP = s;
    }
    faceplate.SPText = EngineeringText(state.SP);
}

void Controller::SPTextEscape() {
    faceplate.SPText = EngineeringText(state.SP);
}

void Controller::LocalRemotoBTNClick() {
    if (!faceplate.LocalRemotoBTN) return;
    state.LocalMode = !state.LocalMode;
    ApplyModeButtons();
}

void Controller::AutoManualBTNClick() {
    state.AutoMode = !state.AutoMode;
    ApplyModeButtons();
    faceplate.Button2 = !state.AutoMode;
    trendFields.MostrarSP = state.AutoMode;
}

void Controller::IncrementaSaidaClick() {
    if (state.AutoMode) return;
    state.CO = Limit0To100(state.CO + 1.0);
    RefreshOutput();
    faceplate.Button2 = false;
}

void Controller::DecrementaSaidaClick() {
    if (state.AutoMode) return;
    state.CO = Limit0To100(state.CO - 1.0);
    RefreshOutput();
    faceplate.Button2 = false;
}

void Controller::MVTextChange() {
    if (!state.AutoMode) faceplate.Button2 = true;
}

void Controller::MVTextEnter() {
    if (state.AutoMode) return;
    std::optional<double> v = ParseWholeNumber(CommaToPoint(faceplate.MVText));
    if (v && *v >= 0.0 && *v <= 100.0) state.CO = *v;
    faceplate.MVText = Fixed(state.CO, 2);
    faceplate.Button2 = false;
}

void Controller::MVTextEscape() {
    faceplate.MVText = Fixed(state.CO, 2);
}

}  // namespace vork
