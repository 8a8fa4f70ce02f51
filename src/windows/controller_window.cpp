#include "windows/controller_window.h"

#include <optional>

#include "engine/equation.h"
#include "engine/numbers.h"
#include "project/project.h"

namespace vork {

namespace {

// A bar position: round(2 * percent) on the bar's 0..200 scale.
int Bar(double percent) {
    double b = RoundHalfEven(2.0 * percent);
    if (!(b >= 0.0)) return 0;
    return b > 200.0 ? 200 : static_cast<int>(b);
}

std::optional<double> TypedNumber(const std::string& text) {
    return ParseWholeNumber(CommaToPoint(text));
}

TrendAccess LoopTrend(Project& project, ObjectRef ref) {
    return {[&project, ref]() -> const Trend& { return project.Object<Controller>(ref).trend; },
            [&project, ref](const std::function<void(Trend&)>& edit) {
                project.Edit<Controller>(
                    ref, [&](Controller& c) { edit(c.trend); }, Modifies::No);
            },
            [&project, ref] { return project.Object<Controller>(ref).range(); }};
}

}  // namespace

ControllerWindow::ControllerWindow(Project& project, int slot)
    : trend(CursorStyle::Points, 0, LoopTrend(project, {ObjectKind::Controller, slot})),
      project_(project),
      ref_{ObjectKind::Controller, slot} {
    const Controller& c = controller();
    caption = c.tuning.tag;
    remoteSelectEnabled = c.fields.CheckSPR;
    VariavelSelectItems = SPRSelectItems = BackMVItems = project.sim.vars.ShortPickList();
    ShowSetpoint();
    ShowOutput();
    trend.ShowRescale();
    Refresh();
}

const Controller& ControllerWindow::controller() const {
    return project_.Object<Controller>(ref_);
}

void ControllerWindow::Operate(const std::function<void(Controller&)>& action) {
    project_.Edit<Controller>(ref_, action, Modifies::No);
}

std::string ControllerWindow::EngineeringText(double percent) const {
    const Controller& c = controller();
    return Fixed(c.range().ToEngineering(percent), c.state.Decimals, c.state.Decimals);
}

void ControllerWindow::ShowSetpoint() {
    shownSetpoint_ = controller().state.SP;
    SPText = EngineeringText(shownSetpoint_);
}

void ControllerWindow::ShowOutput() {
    MVText = Fixed(controller().state.CO, 2);
}

void ControllerWindow::Refresh() {
    const Controller& c = controller();
    const ControllerState& s = c.state;
    remoteSetpointBar = Bar(s.SPR);
    setpointBar = Bar(s.SP);
    pvBar = Bar(s.PV);
    outputBar = Bar(s.CO);
    if (!s.LocalMode || s.SP != shownSetpoint_) ShowSetpoint();
    if (s.AutoMode) ShowOutput();
    PVText = EngineeringText(s.PV);
    title = c.tuning.description;
    unit = c.fields.UnidEng;

    localRemoteLetter = s.LocalMode ? "L" : "R";
    autoManualLetter = s.AutoMode ? "A" : "M";
    localRemoteEnabled = c.tuning.remoteAvailable;
    setpointButtonsEnabled = s.LocalMode;
    outputButtonsEnabled = !s.AutoMode;
    // The remote setpoint bar takes room beside the setpoint bar.
    setpointBarLeft = c.tuning.remoteAvailable ? 20 : 14;
    setpointBarWidth = c.tuning.remoteAvailable ? 15 : 22;
    trend.Refresh(!c.tuning.tag.empty());
}

void ControllerWindow::IncrementaSPClick() {
    if (!controller().state.LocalMode) return;
    Operate([](Controller& c) { c.StepSetpoint(1.0); });
    ShowSetpoint();
    Refresh();
}

void ControllerWindow::DecrementaSPClick() {
    if (!controller().state.LocalMode) return;
    Operate([](Controller& c) { c.StepSetpoint(-1.0); });
    ShowSetpoint();
    Refresh();
}

void ControllerWindow::SPTextEnter() {
    if (!controller().state.LocalMode) return;
    if (std::optional<double> v = TypedNumber(SPText))
        Operate([v](Controller& c) { c.EnterSetpoint(*v); });
    ShowSetpoint();
    Refresh();
}

void ControllerWindow::SPTextEscape() {
    ShowSetpoint();
}

void ControllerWindow::LocalRemotoBTNClick() {
    Operate([](Controller& c) { c.ToggleLocalRemote(); });
    Refresh();
}

void ControllerWindow::AutoManualBTNClick() {
    Operate([](Controller& c) { c.ToggleAutoManual(); });
    bool automatic = controller().state.AutoMode;
    sendEnabled = !automatic;
    showSP = automatic;
    Refresh();
}

void ControllerWindow::IncrementaSaidaClick() {
    if (controller().state.AutoMode) return;
    Operate([](Controller& c) { c.StepOutput(1.0); });
    ShowOutput();
    sendEnabled = false;
    Refresh();
}

void ControllerWindow::DecrementaSaidaClick() {
    if (controller().state.AutoMode) return;
    Operate([](Controller& c) { c.StepOutput(-1.0); });
    ShowOutput();
    sendEnabled = false;
    Refresh();
}

void ControllerWindow::MVTextChange() {
    if (!controller().state.AutoMode) sendEnabled = true;
}

void ControllerWindow::MVTextEnter() {
    if (controller().state.AutoMode) return;
    if (std::optional<double> v = TypedNumber(MVText))
        Operate([v](Controller& c) { c.EnterOutput(*v); });
    ShowOutput();
    sendEnabled = false;
    Refresh();
}

void ControllerWindow::MVTextEscape() {
    ShowOutput();
}

void ControllerWindow::Edit(const std::function<void(ControllerFields&)>& edit) {
    Operate([&edit](Controller& c) { edit(c.fields); });
    ConfigEdited();
}

void ControllerWindow::ConfigEdited() {
    applyPending = true;
    configButtonEnabled = false;
}

void ControllerWindow::CheckSPRChange(bool checked) {
    Operate([checked](Controller& c) { c.SetCheckSPR(checked); });
    remoteSelectEnabled = checked;
    ConfigEdited();
}

void ControllerWindow::VariavelSelectEnter() {
    VariavelSelectItems = project_.sim.vars.ShortPickList();
}

void ControllerWindow::SPRSelectEnter() {
    SPRSelectItems = project_.sim.vars.ShortPickList();
}

std::vector<std::string> ControllerWindow::Apply() {
    std::vector<std::string> messages = project_.Apply(ref_);
    // The typed description stays: the description of M(60+k) is rebuilt from the tag by every
    // validation, so loading it back would replace what the user wrote.
    applyPending = false;
    configButtonEnabled = true;
    ShowValidation();
    return messages;
}

// What every validation shows: caption, setpoint text, scale, axis labels and the archive
// indicator's sampling.
void ControllerWindow::ShowValidation() {
    caption = controller().tuning.tag;
    ShowSetpoint();
    trend.ShowRescale();
    Refresh();
}

void ControllerWindow::ShowWindow() {
    const ControllerFields& f = controller().fields;
    wide = true;
    configShowing = f.TagText.empty() || f.VariavelSelect < 0;
}

void ControllerWindow::Activate(Language language) {
    // The typed description is kept here too (see Apply).
    if (autoManualLetter == "M") sendEnabled = true;
    if (language != Language::English || englishApplied) return;
    englishApplied = true;
    caption = kControllerWindowTexts[0].english;
    trend.ApplyEnglish();
}

void ControllerWindow::ConfigBTNClick() {
    if (!configButtonEnabled) return;
    if (!wide) {
        wide = true;
        configShowing = true;
    } else if (configShowing) {
        configShowing = false;
        wide = false;
    } else {
        configShowing = true;
    }
}

void ControllerWindow::TrendButtonClick() {
    if (!wide) {
        wide = true;
        configShowing = false;
        trend.cursorCounter = 1;
        trend.ResetCursorLabels("Coordenadas ", "");
    } else if (configShowing) {
        configShowing = false;
    } else {
        wide = false;
    }
}

void ControllerWindow::CloseWindow() {
    trend.Close();
}

void ControllerWindow::EscalaAutoClick(bool checked) {
    // A validation without report sets the scale, and applies what the configuration holds.
    Simulation& sim = project_.sim;
    Operate([checked, &sim](Controller& c) {
        c.trend.settings.EscalaAuto = checked;
        c.Validate(sim);
    });
    ShowValidation();
}

void ControllerWindow::ImageDoubleClick() {
    Simulation& sim = project_.sim;
    Operate([&sim](Controller& c) { c.Validate(sim); });
    ShowValidation();
}

ArchiveStart ControllerWindow::StartArchive(TrendFileSystem& files) {
    Simulation& sim = project_.sim;
    ArchiveStart result = ArchiveStart::Refused;
    Operate([&](Controller& c) { result = c.StartArchive(sim, files); });
    Refresh();
    return result;
}

void ControllerWindow::ChooseArchiveFolder(const std::string& folder) {
    // One folder for the whole run, shared by every controller.
    project_.sim.trendArchiveFolder = folder;
}

std::string ControllerWindow::StopArchive() {
    trend.StopArchive();
    return "Data saved: " + controller().trend.archive.path();
}

const std::array<WindowText, 52> kControllerWindowTexts = {{
    {"caption", "Controlador", "Controller"},
    {"OpenDialog1", "Selecione uma pasta", "Select a folder"},
    {"Button2", "Enviar", "Send"},
    {"GroupBox1", "Identificação", "Identification"},
    {"GroupBox4", "Limites de Saída", "Output Limits"},
    {"GroupBox3", "Saída", "Output"},
    {"ParametrosGroup", "Parâmetros", "Parameters"},
    {"Label35", "Fator SP (a):", "SP Factor(a):"},
    {"Label41", "Banda Morta(%):", "Dead Band(%):"},
    {"Acaogroup", "Tipo Processo", "Process Direction"},
    {"Acaogroup/0", "Resposta Reversa", "Reverse response"},
    {"Acaogroup/1", "Resposta Direta", "Direct response"},
    {"EstruturaGroup", "Estrutura", "Structure"},
    {"EstruturaGroup/0", "Paralela", "Parallel"},
    {"EstruturaGroup/1", "ISA (mista)", "ISA (Ideal)"},
    {"DerivadaGroup", "Derivada", "Derivative Action"},
    {"DerivadaGroup/0", "Sobre o Erro", "on error"},
    {"DerivadaGroup/1", "Sobre a PV", "on PV"},
    {"btnatualiza", "Atualizar", "Refresh"},
    {"EscalaGroup", "Escala", "Scale"},
    {"StaticText1", "Escala", "Scale"},
    {"Label37", "Início", "Begin:"},
    {"Label38", "Final", "End:"},
    {"Label39", "Unid.", "Unit:"},
    {"BackMVCheck", "End. p/ Realim.de MV:", "Slave MV Adress:"},
    {"Label17", "Tempo: 1 divisão =", "1 division time="},
    {"CheckBox1", "Arquivar", "Archive"},
    {"Label21", "Arquivando: TA=0.1 seg", "Saving 0.1 seg"},
    {"CheckBox2", "Linha Grossa", "Strong Line"},
    {"UsarVirgula", "Utilizar ',' como separador decimal", "Uses , as decimal separator"},
    {"UsarUE", "Salvar valores em Unid. de Eng.", "Uses Engineering Units"},
    {"hint:PVText", "Process Variable (Variável Controlada)",
     "Process Variable (Controlled Variable)"},
    {"hint:MVText", "Controller Output (Saída do Controlador)",
     "Controller Output (Manipulated Variable)"},
    {"hint:LocalRemotoBTN", "Seleciona Origem do SP: L-> Local; R-> Remoto (copia de SPR)",
     "Select SP source: L-> Local; R-> Remote (copy from SPR)"},
    {"hint:AutoManualBTN",
     "Seleciona Modo de Operação do Controlador: A->Modo Automático; M->Modo Manual",
     "Select Controller Operation Mode: A->Automatic Mode; M->Manual Mode"},
    {"hint:ConfigBTN", "Exibe/Oculta Configuração do Controlador",
     "Show/Hide Controller Configuration Area"},
    {"hint:TrendButton", "Exibe/Oculta Gráficos de Tendência", "Show/Hide Trends"},
    {"hint:KpText", "Ganho Proporcional (adimensional)", "Proporcional Gain (dimensionless)"},
    {"hint:KiText", "Tempo Integral (segundos)", "Reset Time(seconds)"},
    {"hint:KdText", "Tempo Derivativo (segundos)", "Rate Time(seconds)"},
    {"hint:aText", "Influencia do SP na ação Proporcinal (0 a 1)",
     "SP weight on proportional action(0 to 1)"},
    {"hint:tfText", "Contante de Tempo do Filtro da ação Derivativa", "Controller error dead band"},
    {"hint:BiasText", "Valor Constante a ser Somado na Saída do Controlador",
     "Constant value added to controller output"},
    {"hint:Acaogroup",
     "Resposta Direta: Aumento na MV causa aumento na PV; Resposta  Reversa: Aumento  na MV causa "
     "Diminuição da PV",
     "Direct response: A MV increase causes a PV increase; Reverse response: A MV increase causes "
     "a PV decrease"},
    {"hint:EstruturaGroup", "Estrutura ISA: Ganho Kc em Evidência",
     "ISA structure: Kc multiply all actions"},
    {"hint:COminText", "Limite Inferior da CO", "CO low limit"},
    {"hint:COmaxText", "Limite Superior da CO", "CO high limit"},
    {"hint:VariavelSelect", "Seleciona Variável de Processo", "Select Process Variabel"},
    {"hint:SPRSelect", "Endereço para Setpoint Remoto", "Remote Setpoint Address"},
    {"hint:FFwEquation", "Adiciona Expressão para Cálculo do Bias Dinâmico (ação FeedForward)",
     "Math expression to calc dynamic bias(FeedForward action)"},
    {"hint:CheckBox1", "Salvar novos dados em arquivo TXT", "Save data into TXT file"},
    {"hint:SpeedButton2", "Pausar", "Pause Trend"},
}};

std::string ControllerEnglishText(std::string_view component) {
    return EnglishTextIn(kControllerWindowTexts, component);
}

}  // namespace vork
