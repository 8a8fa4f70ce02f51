#include "windows/fast_simulation_window.h"

#include <algorithm>
#include <cctype>

#include "plant/controller.h"
#include "project/project.h"

namespace vork {

const std::array<WindowText, 48> kFastSimulationTexts = {{
    {"caption", "Simulação Rápida", "Fast Simulation"},
    {"JanelaLabel", "Janela Simulação:", "Data Window:"},
    {"TALabel", "Tempo Amostragem:", "Sample Time:"},
    {"SinalTesteCombo/0", "Selecione um sinal de teste:", "Select a test signal:"},
    {"SinalTesteCombo/1", "Nenhum", "None"},
    {"SinalTesteCombo/2", "Degrau no SP", "SP step change"},
    {"SinalTesteCombo/3", "Distúrbio degrau no processo", "Step process disturbance"},
    {"SinalTesteTxt", "Amplitude do Degrau(%):", "Step size:"},
    {"hint:SinalTesteTxt", "For SP change, the controller L/R switch must be in Local position",
     "For SP change, the controller L/R switch must be in Local position"},
    {"hint:SinalTesteValor", "For SP change, the controller L/R switch must be in Local position",
     "For SP change, the controller L/R switch must be in Local position"},
    {"BTNSimular", "Simular", "Simulate"},
    {"CheckArquivar", "Armazenar Dados", "Archive"},
    {"Label3", "Arquivo:", "File Name:"},
    {"Normaliza", "Normalizar", "Normalize"},
    {"Label2", "Nome Arquivo:", "File Name:"},
    {"Button1", "Carregar Histórico", "Load Archive"},
    {"Label10", "Nome Arquivo:", "File Name:"},
    {"BTNCarregar", "Carregar Histórico", "Load Archive"},
    {"hint:SpeedButton1", "Zoom Window: Clicar e arrastar para baixo e para a direita",
     "Zoom Window: Drag and drop cursor at right/down directions"},
    {"hint:SpeedButton2", "Desfazer Zoom", "Undo Zoom"},
    {"hint:SpeedButton3", "Aplicar Escala 0-100%", "Apply 0-100% scale"},
    {"CheckBox1", "Ocultar COs", "Hide COs"},
    {"hint:CheckBox1", "Esconde Sinal de Saída do Controlador", "Hide control output signal"},
    {"replicarzoom", "Replicar Zoom", "Zoom replicate"},
    {"hint:replicarzoom", "Reproduzir Zoom na Janela Inferior", "Uses same zoom in both graphics"},
    {"PaginaLabel", "Pontos/Página:", "Points/Page:"},
    {"hint:SelPage", "Página anterior / seguinte", "Previous / next page"},
    {"ExportarBTN", "Exportar", "Export"},
    {"hint:ExportarBTN", "Exportar o gráfico da malha mostrada",
     "Export the chart of the loop shown"},
    {"export:upper", "Gráfico superior", "Upper chart"},
    {"export:lower", "Gráfico inferior", "Lower chart"},
    {"export:png", "Exportar imagem PNG...", "Export PNG image..."},
    {"export:svg", "Exportar imagem SVG...", "Export SVG image..."},
    {"export:csv", "Exportar curvas CSV...", "Export curves as CSV..."},
    {"Label9", "Índices de Desempenho", "Performance Indices"},
    {"Label17", "Gráfico       Gráfico", " Upper         Lower"},
    {"Label18", "Superior     Inferior", "Graphic       Graphic"},
    {"Label16", "Variabilidade:", "Variability"},
    {"StaticText1", "PV média/min/max:", "PV média/min/max:"},
    {"Label15", "Integral Erro Médio(IEM):", "Int Average Error"},
    {"Label14", "Int. Erro Médio Abs(IEMA):", "Int Absolute Average Error"},
    {"Label13", "Excursão CO:", "CO Travel"},
    {"Label12", "Desvio Pad. CO:", "CO Standard Deviation"},
    {"Label11", "Saturação CO:", "CO Saturation Index"},
    {"hint:varPVmalha", "Variabilidade da PV (3*Desvio padrão)",
     "Variabilidade da PV (3*Desvio padrão)"},
    {"hint:IEMmalha", "Integral do Erro Médio", "Integral do Erro Médio"},
    {"hint:IEMAmalha", "Integral do Erro Médio Absoluto", "Integral do Erro Médio Absoluto"},
    {"hint:ExcMVmalha", "Somatório de variações do sinal CO ",
     "Somatório de variações do sinal CO "},
}};

const std::array<const char*, 4> kWindowEntries = {"30 min", "1 hora", "2 horas", "4 horas"};
const std::array<const char*, 4> kStepEntries = {"100 ms", "200 ms", "500 ms", "1 seg"};
const std::array<const char*, 5> kPageEntries = {"15 min", "30 min", "1 hora", "2 horas",
                                                 "4 horas"};

const std::array<ExportEntry, 3> kExportEntries = {{
    {"export:png", ExportFormat::Png},
    {"export:svg", ExportFormat::Svg},
    {"export:csv", ExportFormat::Csv},
}};

const std::array<IndexField, 7> kIndexFields = {{
    {"varPVmalha", "varPVhist", kVariability},
    {"PVminmaxMalha", "PVminmaxHist", kPvMeanMinMax},
    {"IEMmalha", "IEMhist", kIem},
    {"IEMAmalha", "IEMAhist", kIema},
    {"ExcMVmalha", "ExcMVhist", kCoTravel},
    {"DevMVmalha", "DevMVhist", kCoDeviation},
    {"satMVmalha", "SatMVhist", kCoSaturation},
}};

namespace {

constexpr const char* kDefaultBase = "DadosDesempenho";

// A name a file system takes: letters, digits and a few marks kept, anything else an underscore.
std::string FileSafe(const std::string& text) {
    std::string safe;
    for (unsigned char c : text)
        safe += std::isalnum(c) || c == '-' || c == '_' || c == '(' || c == ')' || c >= 0x80
                    ? static_cast<char>(c)
                    : '_';
    return safe.empty() ? "chart" : safe;
}

}  // namespace

FastSimulationWindow::FastSimulationWindow(Project& project, ResultsTables& tables)
    : project_(project), tables_(tables) {
    bool english = language() == Language::English;
    for (int i = 1; i <= 10; ++i) {
        const Controller* c = project.sim.controllers.Get(i);
        upperCaptions_[i - 1] =
            c ? c->fields.TagText : (english ? "Loop " : "Malha ") + std::to_string(i);
        lowerCaptions_[i - 1] = c ? c->fields.TagText + "(hist)" : "Hist " + std::to_string(i);
    }
    const std::string& title = project.workspace.Titulo;
    baseName = title.empty() ? kDefaultBase : title;
}

Language FastSimulationWindow::language() const {
    return project_.sim.language;
}

std::string FastSimulationWindow::caption() const {
    return Text("caption");
}

std::string FastSimulationWindow::Text(std::string_view component) const {
    for (const WindowText& entry : kFastSimulationTexts)
        if (component == entry.component)
            return language() == Language::English ? entry.english : entry.portuguese;
    return {};
}

const std::string& FastSimulationWindow::tabCaption(ChartRow row, int loop) const {
    return (row == ChartRow::Upper ? upperCaptions_ : lowerCaptions_).at(loop - 1);
}

void FastSimulationWindow::ChooseWindow(int position) {
    windowPosition_ = position;
    stepPosition_ = position;
}

void FastSimulationWindow::ChooseSignal(int item) {
    signal_ = static_cast<TestSignal>(std::clamp(item, 0, 3));
}

bool FastSimulationWindow::amplitudeVisible() const {
    return signal_ == TestSignal::SetpointStep || signal_ == TestSignal::LoadStep;
}

std::string FastSimulationWindow::Simulate() {
    RunInputs in;
    in.windowSeconds = WindowSeconds(windowPosition_);
    in.dt = TimeStep(stepPosition_);
    in.signal = signal_;
    in.amplitudeText = amplitude;
    in.normalize = normalize;
    in.archive = archive;
    in.archiveBase = baseName;
    in.folder = folder();
    running_ = true;
    RunOutcome out = project_.RunFastSimulation(in, upper_, tables_);
    running_ = false;
    if (!out.archiveName.empty()) archiveName_ = out.archiveName;
    if (!out.error.empty()) return out.error;
    if (!out.message.empty()) completion_ = out.message;
    upperPage_ = 0;
    upperColumn_ = Shown(ChartRow::Upper, 1);
    return {};
}

std::vector<std::string> FastSimulationWindow::ArchiveList() const {
    return ListArchives(folder());
}

std::string FastSimulationWindow::Load(ChartRow row, const std::string& selected,
                                       const std::function<void(int)>& progress) {
    if (selected.empty()) return {};
    std::string error =
        LoadArchiveIntoRow(folder(), selected, row, ReadLoopConfigs(project_.sim),
                           project_.sim.vars, normalize, curveSet(row), tables_, progress);
    if (!error.empty()) return error;
    if (row == ChartRow::Upper) {
        upperPage_ = 0;
        upperColumn_ = Shown(row, 1);
    } else {
        lowerPage_ = 0;
        lowerColumn_ = Shown(row, 1);
    }
    return {};
}

IndexRow FastSimulationWindow::Shown(ChartRow row, int loop) const {
    bool upper = row == ChartRow::Upper;
    const IndexRow& stored = (upper ? tables_.upper : tables_.lower).at(loop - 1);
    const std::string& unit = (upper ? tables_.upperUnits : tables_.lowerUnits).at(loop - 1);
    return DisplayRow(stored, UnitSuffix(normalize, unit));
}

void FastSimulationWindow::UpperPageClick(int page) {
    upperPage_ = page;
    if (tables_.resultsAvailable) upperColumn_ = Shown(ChartRow::Upper, page + 1);
    lowerPage_ = page;
    if (tables_.historyLoaded) lowerColumn_ = Shown(ChartRow::Lower, page + 1);
}

void FastSimulationWindow::LowerPageClick(int page) {
    lowerPage_ = page;
    if (tables_.historyLoaded) lowerColumn_ = Shown(ChartRow::Lower, page + 1);
}

const LoopCurves& FastSimulationWindow::curves(ChartRow row, int loop) const {
    return curveSet(row).at(loop - 1);
}

int FastSimulationWindow::chartPage(ChartRow row, int loop) const {
    const LoopPages& p = pages_.at(loop - 1);
    return row == ChartRow::Upper ? p.upper : p.lower;
}

ChartAxes& FastSimulationWindow::axesOf(ChartRow row, int loop) {
    return (row == ChartRow::Upper ? upperAxes_ : lowerAxes_).at(loop - 1);
}

const ChartAxes& FastSimulationWindow::axes(ChartRow row, int loop) const {
    return (row == ChartRow::Upper ? upperAxes_ : lowerAxes_).at(loop - 1);
}

ChartRange FastSimulationWindow::range(ChartRow row, int loop) const {
    return VisibleRange(curves(row, loop), chartPage(row, loop), PointsPerPage(pointsPosition_),
                        axes(row, loop));
}

void FastSimulationWindow::ChoosePointsPerPage(int position) {
    pointsPosition_ = std::clamp(position, 0, static_cast<int>(kPageEntries.size()) - 1);
    ResetPages();
}

void FastSimulationWindow::ResetPages() {
    for (int loop = 1; loop <= 10; ++loop) {
        pages_[loop - 1] = LoopPages{};
        axesOf(ChartRow::Upper, loop).x.reset();
        axesOf(ChartRow::Lower, loop).x.reset();
    }
}

void FastSimulationWindow::NextPage() {
    int loop = upperPage_ + 1;
    auto count = [&](ChartRow row) {
        const LoopCurves& c = curves(row, loop);
        int points = static_cast<int>(std::max({c.pv.size(), c.sp.size(), c.co.size()}));
        return PageCount(points, PointsPerPage(pointsPosition_));
    };
    pages_[loop - 1].Next(loop, count(ChartRow::Upper), count(ChartRow::Lower));
    // A new page is shown across in full, whatever zoom was on the old one.
    axesOf(ChartRow::Upper, loop).x.reset();
    axesOf(ChartRow::Lower, loop).x.reset();
}

void FastSimulationWindow::PreviousPage() {
    int loop = upperPage_ + 1;
    pages_[loop - 1].Previous();
    axesOf(ChartRow::Upper, loop).x.reset();
    axesOf(ChartRow::Lower, loop).x.reset();
}

bool FastSimulationWindow::mouseZoomAllowed(ChartRow, int loop) const {
    return armedLoop_ == loop;
}

void FastSimulationWindow::ArmZoom() {
    armedLoop_ = upperPage_ + 1;
}

void FastSimulationWindow::MouseZoom(ChartRow row, int loop, const ChartRange& rectangle) {
    if (!mouseZoomAllowed(row, loop)) return;
    axesOf(row, loop) = {rectangle.x, rectangle.y};
    ChartRow other = row == ChartRow::Upper ? ChartRow::Lower : ChartRow::Upper;
    if (replicateZoom) axesOf(other, loop) = {rectangle.x, rectangle.y};
    armedLoop_.reset();
}

void FastSimulationWindow::MouseUndoZoom(ChartRow row, int loop) {
    if (!mouseZoomAllowed(row, loop)) return;
    axesOf(row, loop) = {};
    ChartRow other = row == ChartRow::Upper ? ChartRow::Lower : ChartRow::Upper;
    if (replicateZoom) axesOf(other, loop) = {};
}

void FastSimulationWindow::UndoZoom() {
    upperAxes_.fill({});
    lowerAxes_.fill({});
}

void FastSimulationWindow::FixedScale() {
    int loop = upperPage_ + 1;
    axesOf(ChartRow::Upper, loop).y = AxisRange{0, 100};
    if (replicateZoom) axesOf(ChartRow::Lower, loop).y = AxisRange{0, 100};
}

void FastSimulationWindow::HideCOs() {
    for (LoopCurveSet* set : {&upper_, &lower_})
        for (LoopCurves& c : *set)
            c.co.clear();
}

std::string FastSimulationWindow::ExportTitle(ChartRow row, int loop) const {
    return tabCaption(row, loop) + " - " + caption();
}

std::string FastSimulationWindow::ExportFileName(ChartRow row, int loop,
                                                 ExportFormat format) const {
    const char* extension = format == ExportFormat::Png   ? ".png"
                            : format == ExportFormat::Svg ? ".svg"
                                                          : ".csv";
    return FileSafe(tabCaption(row, loop)) + extension;
}

}  // namespace vork
