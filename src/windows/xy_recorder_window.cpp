#include "windows/xy_recorder_window.h"

#include "plant/controller.h"
#include "project/project.h"

namespace vork {

namespace {
constexpr ObjectRef kRef{ObjectKind::XYRecorder};
}

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

XYRecorderWindow::XYRecorderWindow(Project& project) : project_(project) {
    project_.AddObserver(this);
}

XYRecorderWindow::~XYRecorderWindow() {
    project_.RemoveObserver(this);
}

const XYRecorder& XYRecorderWindow::recorder() const {
    return project_.Object<XYRecorder>(kRef);
}

void XYRecorderWindow::Operate(const std::function<void(XYRecorder&)>& action) {
    project_.Edit<XYRecorder>(kRef, action, Modifies::No);
}

std::vector<std::string> XYRecorderWindow::variableList() const {
    return project_.sim.vars.LongPickList();
}

Language XYRecorderWindow::textLanguage() const {
    return project_.sim.language;
}

void XYRecorderWindow::ChoosePreset(int position) {
    const Controller* controller = nullptr;
    int k = (position + 1) / 2;
    if (position >= 1 && position <= 2 * SlotCount(SlotKind::Controller))
        controller = project_.sim.controllers.Get(k);
    Operate([&](XYRecorder& xy) {
        xy.fields.Presets = position;
        if (!controller) return;
        xy.fields.ComboX = ControllerOutputAddress(k) - 1;
        // COxPV: the measured variable; COxMV: the actuator position of process block k.
        xy.fields.ComboY =
            position % 2 ? controller->fields.VariavelSelect : ActuatorAddress(k) - 1;
    });
    if (controller) registerEnabled = fields().ComboX >= 0 && fields().ComboY >= 0;
}

void XYRecorderWindow::ChooseAxis(XYAxis axis, int position) {
    Operate([&](XYRecorder& xy) {
        (axis == XYAxis::X ? xy.fields.ComboX : xy.fields.ComboY) = position;
    });
    int other = axis == XYAxis::X ? fields().ComboY : fields().ComboX;
    if (other >= 0) registerEnabled = true;
}

void XYRecorderWindow::DropDownAxis(XYAxis axis) {
    Operate([&](XYRecorder& xy) {
        (axis == XYAxis::X ? xy.fields.ComboX : xy.fields.ComboY) = 0;
        xy.fields.Presets = 0;
    });
}

void XYRecorderWindow::ChooseWindow(int position) {
    Operate([&](XYRecorder& xy) { xy.fields.JanelaComboBox = position; });
}

void XYRecorderWindow::Register() {
    project_.RunXYSweep();
}

void XYRecorderWindow::Clear() {
    Operate([](XYRecorder& xy) { xy.Clear(); });
}

void XYRecorderWindow::Progress(ProgressKind kind, int percent) {
    if (kind == ProgressKind::XYSweep) gauge = percent;
}

}  // namespace vork
