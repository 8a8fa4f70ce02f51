#include <algorithm>

#include "plant/controller.h"

// The operator's actions on setpoint, output and modes.
namespace vork {

namespace {

double Limit0To100(double v) {
    return std::clamp(v, 0.0, 100.0);
}

}  // namespace

void Controller::StepSetpoint(double delta) {
    if (state.LocalMode) state.SP = Limit0To100(state.SP + delta);
}

void Controller::EnterSetpoint(double engineering) {
    if (!state.LocalMode || range().empty()) return;
    double s = range().ToPercent(engineering);
    if (s >= 0.0 && s <= 100.0) state.SP = s;
}

void Controller::ToggleLocalRemote() {
    if (tuning.remoteAvailable) state.LocalMode = !state.LocalMode;
}

void Controller::ToggleAutoManual() {
    state.AutoMode = !state.AutoMode;
}

void Controller::StepOutput(double delta) {
    if (!state.AutoMode) state.CO = Limit0To100(state.CO + delta);
}

void Controller::EnterOutput(double percent) {
    if (!state.AutoMode && percent >= 0.0 && percent <= 100.0) state.CO = percent;
}

void Controller::SetCheckSPR(bool checked) {
    fields.CheckSPR = checked;
    if (!checked) return;
    fields.SPRSelect = 0;
    tuning.sprAddress = 1;
}

}  // namespace vork
