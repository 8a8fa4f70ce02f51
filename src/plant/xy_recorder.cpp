#include "plant/xy_recorder.h"

#include "plant/addresses.h"
#include "plant/controller.h"
#include "plant/simulation.h"

namespace vork {

std::vector<std::string> XYRecorder::PresetItems() {
    std::vector<std::string> items{"Seleção Individual"};
    for (int k = 1; k <= 10; ++k) {
        items.push_back("COxPV [Malha " + std::to_string(k) + "]");
        items.push_back("COxMV [Malha " + std::to_string(k) + "]");
    }
    return items;
}

int XYRecorder::WindowSeconds(int position) {
    switch (position) {
        case 1:
            return 1800;
        case 2:
            return 3600;
        default:
            return 600;
    }
}

void XYRecorder::PresetsChange(const Simulation& sim, int position) {
    fields.Presets = position;
    if (position < 1 || position > 20) return;
    int k = (position + 1) / 2;
    const Controller* controller = sim.controllers.Get(k);
    if (!controller) return;
    fields.ComboX = ControllerOutputAddress(k) - 1;
    // COxPV: the measured variable; COxMV: the actuator position of process block k.
    fields.ComboY = position % 2 ? controller->fields.VariavelSelect : ActuatorAddress(k) - 1;
    Button1 = fields.ComboX >= 0 && fields.ComboY >= 0;
}

void XYRecorder::ComboChange(int axis, int position) {
    (axis == 0 ? fields.ComboX : fields.ComboY) = position;
    int other = axis == 0 ? fields.ComboY : fields.ComboX;
    if (other >= 0) Button1 = true;
}

void XYRecorder::ComboDropDown(int axis) {
    (axis == 0 ? fields.ComboX : fields.ComboY) = 0;
    fields.Presets = 0;
}

}  // namespace vork
