#include "windows/xy_recorder_window.h"

#include "fastsim/xy_sweep.h"
#include "plant/controller.h"
#include "project/project.h"

namespace vork {

const std::array<WindowText, 10> kXYRecorderWindowTexts = {{
    {"Label36", "Janela:", "Window"},
    {"SairButton", "Sair", "Exit"},
    {"Button1", "Registra", "Register"},
    {"hint:SpeedButton4", "Limpar", "Clean Graphic"},
    {"hint:Presets", "Pares de variáveis pré-selecionadas", "Preselected variable pairs"},
    {"hint:ComboX", "Variável do eixo X", "Horizontal axis variable"},
    {"hint:ComboY", "Variável do eixo vertical", "Vertical axis variable"},
    {"hint:SpeedButton3", "Aplicar Escala 0-100%", "Apply 0-100% scale"},
    {"hint:SpeedButton1", "Zoom Window: Clicar e arrastar para baixo e para a direita",
     "Zoom window: Click and drag to select zoom area"},
    {"hint:SpeedButton2", "Desfazer Zoom", "Undo zoom"},
}};

std::vector<std::string> XYRecorderWindow::PresetItems() {
    std::vector<std::string> items{"Seleção Individual"};
    for (int k = 1; k <= SlotCount(SlotKind::Controller); ++k) {
        items.push_back("COxPV [Malha " + std::to_string(k) + "]");
        items.push_back("COxMV [Malha " + std::to_string(k) + "]");
    }
    return items;
}

std::vector<std::string> XYRecorderWindow::WindowItems() {
    return {"10 min", "30 min", "1 hora"};
}

XYRecorder& XYRecorderWindow::recorder() const {
    return project_.sim.xy();
}

const XYFields& XYRecorderWindow::fields() const {
    return recorder().fields;
}

const std::vector<XYPoint>& XYRecorderWindow::points() const {
    return recorder().points;
}

std::vector<std::string> XYRecorderWindow::variableList() const {
    return project_.sim.vars.LongPickList();
}

Language XYRecorderWindow::textLanguage() const {
    return project_.sim.language;
}

void XYRecorderWindow::ChoosePreset(int position) {
    XYFields& f = recorder().fields;
    f.Presets = position;
    if (position < 1 || position > 2 * SlotCount(SlotKind::Controller)) return;
    int k = (position + 1) / 2;
    const Controller* controller = project_.sim.controllers.Get(k);
    if (!controller) return;
    f.ComboX = ControllerOutputAddress(k) - 1;
    // COxPV: the measured variable; COxMV: the actuator position of process block k.
    f.ComboY = position % 2 ? controller->fields.VariavelSelect : ActuatorAddress(k) - 1;
    registerEnabled = f.ComboX >= 0 && f.ComboY >= 0;
}

void XYRecorderWindow::ChooseAxis(XYAxis axis, int position) {
    XYFields& f = recorder().fields;
    (axis == XYAxis::X ? f.ComboX : f.ComboY) = position;
    int other = axis == XYAxis::X ? f.ComboY : f.ComboX;
    if (other >= 0) registerEnabled = true;
}

void XYRecorderWindow::DropDownAxis(XYAxis axis) {
    XYFields& f = recorder().fields;
    (axis == XYAxis::X ? f.ComboX : f.ComboY) = 0;
    f.Presets = 0;
}

void XYRecorderWindow::ChooseWindow(int position) {
    recorder().fields.JanelaComboBox = position;
}

void XYRecorderWindow::Register() {
    RunXYSweep(project_.sim, [this](int percent) { gauge = percent; });
}

void XYRecorderWindow::Clear() {
    recorder().Clear();
}

}  // namespace vork
