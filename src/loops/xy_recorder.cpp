#include "loops/xy_recorder.h"

#include "engine/numbers.h"
#include "engine/simulation.h"
#include "loops/controller.h"

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
    fields.ComboX = k - 1;  // Mk, the controller's output
    // COxPV: the measured variable; COxMV: the actuator position M(100+k).
    fields.ComboY = position % 2 ? controller->fields.VariavelSelect : 100 + k - 1;
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

void XYRecorder::Sweep(Simulation& sim, const std::function<void(int)>& progress) {
    sim.batch = true;
    sim.dt = 0.1;
    const int n =
        static_cast<int>(RoundDecimalQuotient(WindowSeconds(fields.JanelaComboBox) / 0.1));
    const int x = fields.ComboX + 1, y = fields.ComboY + 1;
    points.reserve(points.size() + static_cast<size_t>(n));
    for (int b = 0; b < n; ++b) {
        int gauge = static_cast<int>(RoundHalfEven(b * 100.0 / n));
        if (gauge != Gauge1 || b == 0) {
            Gauge1 = gauge;
            if (progress) progress(gauge);
        }
        sim.EvaluationPass();
        points.push_back({sim.vars.Read(x), sim.vars.Read(y)});
    }
    sim.batch = false;
}

}  // namespace vork
