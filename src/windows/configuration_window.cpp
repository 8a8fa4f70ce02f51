#include "windows/configuration_window.h"

#include <filesystem>

#include "plant/animated_text.h"
#include "plant/calc_block.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/trend_recorder.h"
#include "project/project.h"
#include "windows/main_window.h"
#include "windows/slot_boxes.h"
#include "workspace/operator_inputs.h"

namespace vork {

const std::array<WindowText, 53> kConfigurationWindowTexts = {{
    {"caption", "Configuração Geral", "General Configuration"},
    {"Label1", "Arquivo de Imagem:", "Image File:"},
    {"Label3", "Título da Simulação:", "Simulation Title:"},
    {"Label29", "Ciclo Execução: ", "Execution Cycle"},
    {"SairButton", "Sair", "Exit"},
    {"NoteBook1/0", "Controladores", "Controllers"},
    {"NoteBook1/1", "Processos", "Processes"},
    {"NoteBook1/2", "Blocos de Cálculo", "Calc Blocks"},
    {"NoteBook1/3", "Registradores", "Registers"},
    {"NoteBook1/4", "Textos Animados", "Animated Texts"},
    {"NoteBook1/5", "Imagens Animadas", "Animated Shapes"},
    {"NoteBook1/6", "Comandos", "Commands"},
    {"GroupBox1", "PID", "PID"},
    {"Label34", "Linearizador", "Characterizer"},
    {"Lin1Ativar", "Ativar", "Enable"},
    {"Label30", "End. Entrada:", "Input Ad.:"},
    {"Label31", "End.Saída:", "Output Ad.:"},
    {"MVLabel", "MV", "MV"},
    {"PVLabel", "PV", "PV"},
    {"VariavelLabel", "Variável:", "Variable"},
    {"DimensoesLabel", "Dimensões:", "Dimensions:"},
    {"CoresLabel", "Cores:", "Colors:"},
    {"Imagem1Tipo/0", "Círculo de Cor Variável", "Cilcle with variable color"},
    {"Imagem1Tipo/1", "Retângulo Tamanho Variável", "Square with variable size"},
    {"Imagem2Tipo/0", "Círculo de Cor Variável", "Cilcle with variable color"},
    {"Imagem2Tipo/1", "Retângulo Tamanho Variável", "Square with variable size"},
    {"Imagem3Tipo/0", "Círculo de Cor Variável", "Cilcle with variable color"},
    {"Imagem3Tipo/1", "Retângulo Tamanho Variável", "Square with variable size"},
    {"Imagem4Tipo/0", "Círculo de Cor Variável", "Cilcle with variable color"},
    {"Imagem4Tipo/1", "Retângulo Tamanho Variável", "Square with variable size"},
    {"Imagem5Tipo/0", "Círculo de Cor Variável", "Cilcle with variable color"},
    {"Imagem5Tipo/1", "Retângulo Tamanho Variável", "Square with variable size"},
    {"Chave1Check", "Chave 1     Tipo:", "Switch 1    Type:"},
    {"Chave2Check", "Chave 2     Tipo:", "Switch 2    Type:"},
    // The English entries were written in another order; the position still selects the set.
    {"Chave1Tipo/0", "para esquerda", "to left"},
    {"Chave1Tipo/1", "para cima", "to right"},
    {"Chave1Tipo/2", "para direita", "to up"},
    {"Chave1Tipo/3", "para baixo", "to down"},
    {"Chave2Tipo/0", "para esquerda", "to left"},
    {"Chave2Tipo/1", "para cima", "to right"},
    {"Chave2Tipo/2", "para direita", "to up"},
    {"Chave2Tipo/3", "para baixo", "to down"},
    {"Label22", "Saída em M11", "Output M11"},
    {"Label23", "Saída em M12", "Output M12"},
    {"Botao1_check", "Botão 1 (saída em M97)", "Button 1(output M97)"},
    {"Botao2_check", "Botão 2 (Saída em M98)", "Button 2(output M98)"},
    {"Botao3_check", "Botão 3 (saída em M99)", "Button 3(output M99)"},
    {"Ent1check", "Ent1:", "Ent1:"},
    {"Ent2Check", "Ent2:", "Ent2:"},
    {"Ent3Check", "Ent3:", "Ent3:"},
    {"Ent4Check", "Ent4:", "Ent4:"},
    {"Ent5Check", "Ent5:", "Ent5:"},
    {"Ent6Check", "Ent6:", "Ent6:"},
}};

const std::array<const char*, 3> kCycleEntries = {"100 ms", "333 ms", "1 segundo"};
const std::array<int, 3> kCycleIntervals = {100, 333, 1000};

namespace {

constexpr ObjectRef kWorkspaceRef{ObjectKind::Workspace};
constexpr ObjectRef kCharacterizerRef{ObjectKind::Characterizer};

std::string TagAndDescription(const std::string& tag, const std::string& description) {
    return tag + " " + description;
}

// What the caption refresh shows for a filled slot; nothing for an empty one.
std::optional<std::string> FilledCaption(const Simulation& sim, ObjectRef ref) {
    switch (ref.kind) {
        case ObjectKind::Controller:
            if (const Controller* c = sim.controllers.Get(ref.slot))
                return TagAndDescription(c->fields.TagText, c->fields.Descricao);
            break;
        case ObjectKind::Process:
            if (const ProcessBlock* p = sim.processes.Get(ref.slot))
                return TagAndDescription(p->fields.TagText, p->fields.DescricaoText);
            break;
        case ObjectKind::Calc:
            if (const CalcBlock* c = sim.calcs.Get(ref.slot))
                return TagAndDescription(c->fields.TagText, c->fields.DescricaoText);
            break;
        case ObjectKind::Recorder:
            if (const TrendRecorder* r = sim.recorders.Get(ref.slot))
                return TagAndDescription(r->fields.TagText, r->fields.DescricaoText);
            break;
        case ObjectKind::Text:
            if (const AnimatedText* t = sim.texts.Get(ref.slot)) return t->fields.DescricaoText;
            break;
        default:
            break;
    }
    return std::nullopt;
}

bool MarkerChecked(const Workspace& ws, ObjectRef ref) {
    if (ref.kind == ObjectKind::Text) return ws.texts.at(ref.slot - 1).checked;
    return ws.Marker(SlotKindOf(ref.kind), ref.slot).checked;
}

}  // namespace

ConfigurationWindow::ConfigurationWindow(Project& project, MainWindow& main)
    : project_(project), main_(main) {
    ProjectReplaced();
}

Language ConfigurationWindow::language() const {
    return project_.sim.language;
}

std::string& ConfigurationWindow::Caption(ObjectRef ref) {
    return captions_.at(static_cast<size_t>(ref.kind)).at(ref.slot - 1);
}

const std::string& ConfigurationWindow::boxCaption(ObjectRef ref) const {
    return captions_.at(static_cast<size_t>(ref.kind)).at(ref.slot - 1);
}

bool ConfigurationWindow::boxChecked(ObjectRef ref) const {
    return MarkerChecked(project_.workspace, ref);
}

void ConfigurationWindow::CheckBoxClick(ObjectRef ref, bool checked) {
    if (checked) project_.Fill(ref);
    EditWorkspace([&](Workspace& ws) {
        if (ref.kind == ObjectKind::Text)
            ws.texts.at(ref.slot - 1).checked = checked;
        else
            ws.Marker(SlotKindOf(ref.kind), ref.slot).checked = checked;
    });
}

void ConfigurationWindow::RefreshCaptions() {
    for (const SlotBox& box : SlotBoxes()) {
        ObjectRef ref{KindOf(box.kind), box.slot};
        if (std::optional<std::string> caption = FilledCaption(project_.sim, ref))
            Caption(ref) = *caption;
    }
}

void ConfigurationWindow::SlotEmptied(ObjectRef ref) {
    Caption(ref) = DeletedSlotCaption(SlotKindOf(ref.kind), ref.slot, language());
    RefreshCaptions();
}

void ConfigurationWindow::ProjectReplaced() {
    for (SlotKind kind : {SlotKind::Controller, SlotKind::Process, SlotKind::Calc,
                          SlotKind::Recorder, SlotKind::Text}) {
        std::vector<std::string>& row = captions_.at(static_cast<size_t>(kind));
        row.clear();
        for (int slot = 1; slot <= SlotCount(kind); ++slot)
            row.push_back(EmptySlotCaption(kind, slot, language()));
    }
    page_ = 0;
    for (int k = 1; k <= Workspace::kShapes; ++k)
        shapeSettings_[k - 1] = project_.workspace.shapes[k - 1].ImagemCheck;
}

void ConfigurationWindow::LanguageChanged() {
    Language other = language() == Language::English ? Language::Portuguese : Language::English;
    for (const SlotBox& box : SlotBoxes()) {
        ObjectRef ref{KindOf(box.kind), box.slot};
        std::string& caption = Caption(ref);
        if (caption == EmptySlotCaption(box.kind, box.slot, other))
            caption = EmptySlotCaption(box.kind, box.slot, language());
        else if (caption == DeletedSlotCaption(box.kind, box.slot, other))
            caption = DeletedSlotCaption(box.kind, box.slot, language());
    }
}

void ConfigurationWindow::Show() {
    RefreshCaptions();
    page_ = 0;
}

void ConfigurationWindow::PageClick(int page) {
    page_ = page;
    project_.MarkModified();
}

void ConfigurationWindow::SetTitle(const std::string& title) {
    main_.SetCaption(title);
    project_.Edit<Workspace>(
        kWorkspaceRef, [&](Workspace& ws) { ws.Titulo = title; }, Modifies::Yes);
}

const std::string& ConfigurationWindow::cycleText() const {
    return project_.sim.scan.cycleText;
}

int ConfigurationWindow::cyclePosition() const {
    for (size_t i = 0; i < kCycleIntervals.size(); ++i)
        if (kCycleIntervals[i] == project_.sim.scan.cycleMs) return static_cast<int>(i);
    return -1;
}

void ConfigurationWindow::ChooseCycle(int position) {
    if (position < 0 || position >= static_cast<int>(kCycleIntervals.size())) return;
    project_.sim.scan.cycleMs = kCycleIntervals[position];
}

void ConfigurationWindow::PictureChosen(const std::string& path) {
    std::string name = std::filesystem::path(path).filename().string();
    EditWorkspace([&](Workspace& ws) { ws.pictureName = name; });
}

void ConfigurationWindow::Exit() {
    main_.WorkspaceRefreshed();
    project_.WorkspaceRefresh();
}

const CharacterizerFields& ConfigurationWindow::characterizer() const {
    return project_.Object<Characterizer>(kCharacterizerRef).fields;
}

void ConfigurationWindow::EditCharacterizer(const std::function<void(CharacterizerFields&)>& edit) {
    project_.Edit<Characterizer>(
        kCharacterizerRef, [&](Characterizer& c) { edit(c.fields); }, Modifies::No);
}

std::vector<std::string> ConfigurationWindow::characterizerInputList() const {
    return project_.sim.vars.ShortPickList();
}

std::string ConfigurationWindow::characterizerOutputText() const {
    return "M" + std::to_string(Characterizer::kOutput);
}

void ConfigurationWindow::EditWorkspace(const std::function<void(Workspace&)>& edit) {
    project_.Edit<Workspace>(kWorkspaceRef, edit, Modifies::No);
}

void ConfigurationWindow::ShapeCheckClick(int k, bool checked) {
    shapeSettings_.at(k - 1) = true;
    EditWorkspace([&](Workspace& ws) {
        Shape& shape = ws.shapes.at(k - 1);
        shape.ImagemCheck = checked;
        shape.shape.visible = checked;
        main_.ShapeSettingsChanged(k);
    });
}

void ConfigurationWindow::SetShapeType(int k, int type) {
    EditWorkspace([&](Workspace& ws) {
        ws.shapes.at(k - 1).ImagemTipo = type;
        main_.ShapeSettingsChanged(k);
    });
    RefreshCaptions();
}

void ConfigurationWindow::SetShapeVariable(int k, const std::string& text) {
    EditWorkspace([&](Workspace& ws) { ws.shapes.at(k - 1).ImagemVar = text; });
}

void ConfigurationWindow::SetShapeColour(int k, int which, Colour colour) {
    EditWorkspace([&](Workspace& ws) {
        Shape& shape = ws.shapes.at(k - 1);
        (which == 1 ? shape.ImagemCor1 : shape.ImagemCor2) = colour;
        if (which == 1) main_.ShapeSettingsChanged(k);
    });
}

void ConfigurationWindow::SetShapeHeight(int k, int pixels) {
    EditWorkspace([&](Workspace& ws) {
        ws.shapes.at(k - 1).ImagemTam = pixels;
        main_.ShapeSettingsChanged(k);
    });
    project_.WorkspaceRefresh();
}

void ConfigurationWindow::SetShapeWidth(int k, int pixels) {
    EditWorkspace([&](Workspace& ws) {
        ws.shapes.at(k - 1).ImagemTamW = pixels;
        main_.ShapeSettingsChanged(k);
    });
    project_.WorkspaceRefresh();
}

bool ConfigurationWindow::switchTypeEnabled(int k) const {
    return project_.workspace.switches.at(k - 1).ChaveCheck;
}

void ConfigurationWindow::SetSwitchInUse(int k, bool inUse) {
    EditWorkspace([&](Workspace& ws) { vork::SetSwitchInUse(ws, project_.sim.vars, k, inUse); });
}

void ConfigurationWindow::SetSwitchType(int k, int type) {
    EditWorkspace([&](Workspace& ws) { vork::SetSwitchType(ws, project_.sim.vars, k, type); });
}

bool ConfigurationWindow::buttonBoxEnabled(int k) const {
    return ButtonAvailable(project_.workspace, k);
}

bool ConfigurationWindow::buttonFieldsEnabled(int k) const {
    return project_.workspace.commandPanel.buttons.at(k - 1).BotaoCheck;
}

void ConfigurationWindow::SetButtonInUse(int k, bool inUse) {
    EditWorkspace([&](Workspace& ws) {
        vork::SetButtonInUse(ws, project_.sim.vars, k, inUse);
        main_.RefreshButtonTexts();
    });
}

void ConfigurationWindow::SetButtonText(int k, ButtonField field, const std::string& text) {
    EditWorkspace([&](Workspace& ws) {
        PushButton& button = ws.commandPanel.buttons.at(k - 1);
        switch (field) {
            case ButtonField::TextOff:
                button.textOff = text;
                break;
            case ButtonField::TextOn:
                button.textOn = text;
                break;
            case ButtonField::Description:
                button.description = text;
                break;
        }
    });
}

bool ConfigurationWindow::trackFieldsEnabled(int k) const {
    return project_.workspace.tracks.at(k - 1).EntCheck;
}

void ConfigurationWindow::SetTrackInUse(int k, bool inUse) {
    EditWorkspace([&](Workspace& ws) { vork::SetTrackInUse(ws, k, inUse); });
}

void ConfigurationWindow::SetTrackCaption(int k, const std::string& caption) {
    EditWorkspace([&](Workspace& ws) { vork::SetTrackCaption(ws, project_.sim.vars, k, caption); });
}

void ConfigurationWindow::SetTrackBarShown(int k, bool shown) {
    EditWorkspace([&](Workspace& ws) { vork::SetTrackBarShown(ws, k, shown); });
}

}  // namespace vork
