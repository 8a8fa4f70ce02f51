#include "windows/main_window.h"

#include <optional>

#include "plant/controller.h"
#include "project/life_cycle_texts.h"
#include "project/project.h"
#include "workspace/operator_inputs.h"

namespace vork {

const std::array<WindowText, 27> kMainWindowTexts = {{
    {"Arquivo1", "Arquivo", "File"},
    {"Novo1", "Novo", "New"},
    {"Abrir1", "Abrir", "Open"},
    {"SalvarComo1", "Salvar Como...", "Save as..."},
    {"Sair1", "Sair", "Exit"},
    {"SelectLanguage1", "Select Language", "Select Language"},
    {"Portuguese1", "Portuguese", "Portuguese"},
    {"English1", "English", "English"},
    {"Pastacorrente1", "Pasta corrente...", "Pasta corrente..."},
    {"Exemplos1", "Exemplos", "Examples"},
    {"Configurao2", "Configuração", "Configuration"},
    {"Configurao1", "Gerador de Sinais", "Signals Generator"},
    {"Dese1", "Simulação Rápida", "Fast Simulation"},
    {"Variveis1", "Lista de Variáveis", "Variables List"},
    {"RegistradorXY1", "Registrador XY", "XY Register"},
    {"Opes1", "Opções", "Options"},
    {"PausarSimulao2", "Pausar Simulação", "Stop Simulation"},
    {"MoverObjetos2", "Mover Objetos", "Move Objects"},
    {"ExcluirObjetos", "Excluir Objetos", "Exclude Objects"},
    {"Sobre1", "Ajuda", "Help"},
    {"Comentrios1", "Exibir comentários", "Show comments"},
    {"utorial1", "Visitar website", "Online help..."},
    {"VdeoAulas1", "Vídeo Aulas", "Vídeo Aulas"},
    {"IntroduoControledeProcessos1", "Fundamentos de controle", "Fundamentos de controle"},
    {"Sobre3", "Sobre", "About"},
    {"PainelComando", " Painel de Comando ", "Command Panel"},
    {"Label21", "Clique aqui para informações adicionais", "Click here for aditional informations"},
}};

const std::array<const char*, 8> kProjectMenuEntries = {
    "SalvarComo1", "Exemplos1", "Configurao2",    "Configurao1",
    "Dese1",       "Variveis1", "RegistradorXY1", "Opes1"};

namespace {

constexpr ObjectRef kWorkspace{ObjectKind::Workspace};

}  // namespace

MainWindow::MainWindow(Project& project) : project_(project) {
    project_.sim.onDisplayRefresh = [this] { DisplayRefresh(); };
    for (int k = 1; k <= static_cast<int>(trackHints_.size()); ++k)
        trackHints_[k - 1] = MarkerHint({MarkerFamily::Track, k});
    WorkspaceRefreshed();
}

MainWindow::~MainWindow() {
    project_.sim.onDisplayRefresh = nullptr;
}

Language MainWindow::language() const {
    return project_.sim.language;
}

std::string_view MainWindow::savedCaption() const {
    return SavedIndicatorCaption(project_.saved(), language());
}

int MainWindow::savedImage() const {
    return SavedIndicatorImage(project_.saved());
}

void MainWindow::MoverObjetos2Click() {
    moveMode_ = !moveMode_;
    crossCursor_ = moveMode_;
}

void MainWindow::ExcluirObjetosClick() {
    deleteMode_ = !deleteMode_;
    crossCursor_ = deleteMode_;
}

void MainWindow::PausarSimulao2Click() {
    project_.sim.scan.TogglePause();
}

bool MainWindow::paused() const {
    return project_.sim.scan.pauseChecked;
}

MarkerOutcome MainWindow::Click(MarkerId id) {
    if (moveMode_) {
        selectedCode_ = MoveCode(id);
        moving_ = !moving_;
        return MarkerOutcome::Selected;
    }
    std::optional<ObjectRef> object = ObjectOfMarker(id);
    if (object && deleteMode_) {
        project_.Empty(*object);
        return MarkerOutcome::Deleted;
    }
    if (object)
        return object->kind == ObjectKind::Recorder ? MarkerOutcome::ToggleWindow
                                                    : MarkerOutcome::ShowWindow;
    if (id.family != MarkerFamily::Switch) return MarkerOutcome::Nothing;
    project_.Edit<Workspace>(
        kWorkspace, [&](Workspace& ws) { ClickSwitch(ws, project_.sim.vars, id.n); }, Modifies::No);
    return MarkerOutcome::Operated;
}

MarkerOutcome MainWindow::ButtonClick(int k) {
    if (moveMode_) return Click({MarkerFamily::Panel, 1});
    project_.Edit<Workspace>(
        kWorkspace, [&](Workspace& ws) { ClickButton(ws, project_.sim.vars, k); }, Modifies::No);
    return MarkerOutcome::Operated;
}

void MainWindow::TrackBarMoved(int k, int position) {
    project_.Edit<Workspace>(
        kWorkspace, [&](Workspace& ws) { MoveTrackBar(ws, project_.sim.vars, k, position); },
        Modifies::No);
}

void MainWindow::TrackTextEntered(int k, const std::string& text) {
    project_.Edit<Workspace>(
        kWorkspace, [&](Workspace& ws) { EnterTrackText(ws, project_.sim.vars, k, text); },
        Modifies::No);
}

void MainWindow::TrackTextEscaped(int k) {
    project_.Edit<Workspace>(
        kWorkspace, [&](Workspace& ws) { EscapeTrackText(ws, project_.sim.vars, k); },
        Modifies::No);
}

void MainWindow::MouseMove(Point at, Size marker, Size area) {
    if (!moveMode_ || !moving_) return;
    Point inside = KeepInside(at, marker, area);
    std::optional<MarkerId> id = MarkerOfMoveCode(selectedCode_);
    project_.Edit<Workspace>(
        kWorkspace,
        [&](Workspace& ws) {
            PlaceMarker(ws, project_.sim.vars, selectedCode_, inside);
            if (!id || id->family != MarkerFamily::Shape) return;
            ShapeView& view = shapes_.at(id->n - 1);
            view.left = ws.shapes.at(id->n - 1).shape.left;
            view.top = ws.shapes.at(id->n - 1).shape.top;
        },
        Modifies::Yes);
}

void MainWindow::WindowClick() {
    if (moveMode_ || deleteMode_) project_.MarkModified();
    moveMode_ = deleteMode_ = moving_ = crossCursor_ = false;
}

void MainWindow::WorkspaceRefreshed() {
    RefreshControllerColours();
    for (int k = 1; k <= static_cast<int>(shapes_.size()); ++k)
        ShapeSettingsChanged(k);
    RefreshButtonTexts();
}

void MainWindow::RefreshButtonTexts() {
    const CommandPanel& panel = project_.workspace.commandPanel;
    for (int k = 1; k <= CommandPanel::kButtons; ++k)
        buttonTexts_[k - 1] =
            ButtonStateText(panel.buttons[k - 1], project_.sim.vars.Read(ButtonAddress(k)));
}

void MainWindow::RefreshControllerColours() {
    for (int n = 1; n <= static_cast<int>(automatic_.size()); ++n) {
        const Controller* c = project_.sim.controllers.Get(n);
        automatic_[n - 1] = c && c->state.AutoMode;
    }
}

void MainWindow::ShapeSettingsChanged(int k) {
    const Shape& shape = project_.workspace.shapes.at(k - 1);
    shapes_.at(k - 1).Apply(shape, ShapeValue(shape, project_.sim.vars));
}

void MainWindow::RefreshTrackHints() {
    for (int k = 1; k <= static_cast<int>(trackHints_.size()); ++k) {
        const VariableAttributes& range = project_.sim.vars.Attributes(TrackAddress(k));
        trackHints_[k - 1] = "Faixa: de " + range.ueMin + " a " + range.ueMax + " " + range.unit;
    }
}

void MainWindow::ProjectReplaced() {
    const std::string& title = project_.workspace.Titulo;
    caption_ = title.empty() ? std::string(kNewProjectCaption) : title;
    menus.projectEntries = true;
    menus.gallery = false;
    texts_.fill({});
    RefreshTrackHints();
    WorkspaceRefreshed();
}

void MainWindow::SlotEmptied(ObjectRef ref) {
    if (ref.kind == ObjectKind::Text) texts_.at(ref.slot - 1) = {};
}

void MainWindow::DisplayRefresh() {
    RefreshTexts();
    const Workspace& ws = project_.workspace;
    for (int k = 1; k <= Workspace::kShapes; ++k) {
        const Shape& shape = ws.shapes[k - 1];
        if (shape.shape.visible) shapes_[k - 1].Show(shape, ShapeValue(shape, project_.sim.vars));
    }
    for (int k = 1; k <= CommandPanel::kButtons; ++k) {
        const PushButton& button = ws.commandPanel.buttons[k - 1];
        if (button.BotaoCheck)
            buttonTexts_[k - 1] = ButtonStateText(button, project_.sim.vars.Read(ButtonAddress(k)));
    }
}

void MainWindow::RefreshTexts() {
    Simulation& sim = project_.sim;
    sim.texts.ForEach([&](AnimatedText& t) {
        if (std::optional<AnimatedTextResult> shown = t.Evaluate(sim))
            texts_.at(t.slot() - 1) = {shown->text, shown->colour};
    });
}

}  // namespace vork
