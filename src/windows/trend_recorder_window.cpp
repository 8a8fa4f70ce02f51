#include "windows/trend_recorder_window.h"

#include "engine/numbers.h"
#include "project/project.h"

namespace vork {

namespace {

TrendAccess RecorderTrend(Project& project, ObjectRef ref) {
    return {[&project, ref]() -> const Trend& { return project.Object<TrendRecorder>(ref).trend; },
            [&project, ref](const std::function<void(Trend&)>& edit) {
                project.Edit<TrendRecorder>(
                    ref, [&](TrendRecorder& r) { edit(r.trend); }, Modifies::No);
            },
            [&project, ref] { return project.Object<TrendRecorder>(ref).range; }};
}

}  // namespace

TrendRecorderWindow::TrendRecorderWindow(Project& project, int slot)
    : trend(CursorStyle::Coordinates, 4, RecorderTrend(project, {ObjectKind::Recorder, slot})),
      project_(project),
      ref_{ObjectKind::Recorder, slot} {
    Variavel1Items = project.sim.vars.LongPickList();
    Variavel2Items = Variavel1Items;
    Variavel2Items.push_back("Nenhum");
    Variavel3Items = Variavel2Items;
    const TrendRecorderFields& f = recorder().fields;
    if (!f.TagText.empty() || !f.DescricaoText.empty()) ShowRescale();
    Refresh();
}

const TrendRecorder& TrendRecorderWindow::recorder() const {
    return project_.Object<TrendRecorder>(ref_);
}

void TrendRecorderWindow::Operate(const std::function<void(TrendRecorder&)>& action,
                                  Modifies marks) {
    project_.Edit<TrendRecorder>(ref_, action, marks);
}

void TrendRecorderWindow::Refresh() {
    const TrendRecorder& r = recorder();
    const TrendRecorderFields& f = r.fields;
    auto engineering = [&r](double percent) {
        return Fixed(r.range.ToEngineering(percent), 2, 4) + " " + r.unit;
    };
    redLabel = r.penSelected[0] ? f.penText1 + ": " + engineering(r.penValues[0]) : "";
    blueLabel = r.penSelected[1] ? f.penText2 + ": " + engineering(r.penValues[1]) : "";
    greenLabel = r.penSelected[2] ? f.penText3 + ": " + Fixed(r.penValues[2], 2, 4) + "%" : "";
    trend.Refresh(!f.TagText.empty());
}

// What the recorder's refresh shows: the scale texts, axis labels, unit, caption and sampling.
void TrendRecorderWindow::ShowRescale() {
    const TrendRecorder& r = recorder();
    trend.ShowRescale();
    unit = r.unit;
    caption = r.fields.TagText + " - " + r.fields.DescricaoText;
    Refresh();
}

void TrendRecorderWindow::Edit(const std::function<void(TrendRecorderFields&)>& edit) {
    const Simulation& sim = project_.sim;
    Operate(
        [&](TrendRecorder& r) {
            edit(r.fields);
            r.Rescale(sim);
        },
        Modifies::Yes);
    ShowRescale();
}

void TrendRecorderWindow::Variavel3SelectChange(int position) {
    const Simulation& sim = project_.sim;
    Operate(
        [&](TrendRecorder& r) {
            r.fields.Variavel3Select = position;
            r.Variavel3SelectChange(sim);
        },
        Modifies::Yes);
    ShowRescale();
}

void TrendRecorderWindow::EscalaAutoClick(bool checked) {
    const Simulation& sim = project_.sim;
    Operate(
        [&](TrendRecorder& r) {
            r.trend.settings.EscalaAuto = checked;
            r.Rescale(sim);
        },
        Modifies::No);
    ShowRescale();
}

void TrendRecorderWindow::ImageDoubleClick() {
    VariablesChanged();
}

void TrendRecorderWindow::VariablesChanged() {
    const Simulation& sim = project_.sim;
    Operate([&](TrendRecorder& r) { r.Rescale(sim); }, Modifies::No);
    ShowRescale();
}

void TrendRecorderWindow::Activate(Language language) {
    if (!recorder().fields.TagText.empty()) configColumn = false;
    exitEnabled = confEnabled = true;
    if (language != Language::English || englishApplied) return;
    englishApplied = true;
    caption = kRecorderWindowTexts[0].english;
    trend.ApplyEnglish();
}

void TrendRecorderWindow::ConfBTNClick() {
    configColumn = !configColumn;
    // The configuration column is closed with ConfBTN, not by leaving the window.
    exitEnabled = !configColumn;
}

void TrendRecorderWindow::CloseWindow() {
    trend.Close();
}

ArchiveStart TrendRecorderWindow::StartArchive(TrendFileSystem& files,
                                               const std::string& workingFolder) {
    ArchiveStart result = ArchiveStart::Refused;
    Operate([&](TrendRecorder& r) { result = r.StartArchive(files, workingFolder); }, Modifies::No);
    Refresh();
    return result;
}

std::string TrendRecorderWindow::StopArchive() {
    trend.StopArchive();
    return "Data saved: " + recorder().trend.archive.fileName();
}

const std::array<WindowText, 19> kRecorderWindowTexts = {{
    {"caption", "Registrador", "Register"},
    {"Label17", "Tempo: 1 divisão =", "1 division time="},
    {"CheckBox1", "Arquivar", "Archive"},
    {"Label21", "Arquivando: TA=0.1 seg", "Saving 0.1 seg"},
    {"StaticText1", "Escala", "Scale"},
    {"Label13", "   Descrição", "Description:"},
    {"Label14", "Variável 1", "Variable 1"},
    {"Label15", "Variável 2", "Variable 2"},
    {"Label16", "Variável 3", "Variable 3"},
    {"Label18", "Texto 1", "Text 1"},
    {"Label19", "Texto 2", "Text 2"},
    {"Label20", "Texto 3", "Text 3"},
    {"CheckBox2", "Linha Grossa", "Strong Line"},
    {"UsarVirgula", "Utilizar ',' como separador decimal", "Uses , as decimal separator"},
    {"UsarUE", "Salvar valores em Unid. de Eng.", "Uses Engineering Units"},
    {"hint:CheckBox1", "Salvar novos dados em arquivo TXT", "Save data into TXT file"},
    {"hint:ConfBTN", "Abrir configuração", "Open configuration area"},
    {"hint:SpeedButton1", "Pausar", "Pause Trend"},
    {"hint:SairBTN", "Sair", "Exit"},
}};

std::string RecorderEnglishText(std::string_view component) {
    return EnglishTextIn(kRecorderWindowTexts, component);
}

}  // namespace vork
