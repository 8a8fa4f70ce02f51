#include "windows/tuning_window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/equation.h"
#include "engine/numbers.h"
#include "plant/controller.h"
#include "project/project.h"

namespace vork {

namespace {

constexpr size_t kFewestFitted = 10;
constexpr double kLeastStep = 0.25;  // percent: half a plot point of the CO trace

// Four significant digits, as `vork-sim tune` prints the model.
std::string Figure(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", x);
    return text;
}

std::optional<double> TypedNumber(const std::string& text) {
    return ParseWholeNumber(CommaToPoint(text));
}

bool Moved(const Response& r, size_t i) {
    return std::abs(r.co[i] - r.co[i - 1]) >= kLeastStep;
}

// The sample of the last step of the output, 0 when there is none.
size_t LastStep(const Response& r, size_t before) {
    for (size_t i = before; i-- > 1;)
        if (Moved(r, i)) return i;
    return 0;
}

Response From(const Response& r, size_t first) {
    Response part;
    for (size_t i = first; i < r.size(); ++i)
        part.Add(r.t[i], r.pv[i], r.co[i]);
    return part;
}

bool OutputStepped(const Response& r) {
    for (size_t i = 1; i < r.size(); ++i)
        if (Moved(r, i)) return true;
    return false;
}

TuneReport FitTrend(const TuningJob& job, const WorkMonitor& monitor) {
    TuneReport report;
    report.test.response = job.response;
    FitResult fit = FitModel(job.response);
    if (!fit.fit) {
        report.error = fit.error;
        return report;
    }
    report.fit = fit.fit;
    report.target = {job.structure, job.lambda};
    std::vector<Suggestion> sets = SuggestSettings(fit.fit->model, report.target);
    report.scoreOptions.amplitude = job.amplitude;
    report.scoreOptions.windowSeconds = ScoreWindowFor(fit.fit->model, sets);
    report.ranked =
        ScoreSuggestions(job.projectBytes, job.loop, sets, report.scoreOptions, monitor);
    report.cancelled = monitor.Cancelled();
    return report;
}

}  // namespace

TuneReport RunTuningJob(const TuningJob& job, const WorkMonitor& monitor) {
    if (job.source == TuningSource::Trend) return FitTrend(job, monitor);
    TuneRequest request;
    request.loop = job.loop;
    request.amplitude = job.amplitude;
    request.lambda = job.lambda;
    return Tune(job.projectBytes, request, monitor);
}

TuningWindow::TuningWindow(Project& project, int slot)
    : project_(project), ref_{ObjectKind::Controller, slot} {
    status = Greeting();
}

std::string TuningWindow::Text(const char* portuguese, const char* english) const {
    return language == Language::English ? english : portuguese;
}

void TuningWindow::CaptureTrend() {
    Clear();
    data_ = {};
    cursor_ = 0;
    const Controller* c = project_.sim.controllers.Get(ref_.slot);
    if (!c) return;
    const TrendRing& ring = c->trend.ring;
    double seconds = TicksPerSample(c->trend.base()) * project_.sim.dt;
    std::vector<int> order = ring.OldestToNewest();
    order.erase(order.begin(), order.end() - ring.filled());
    for (size_t i = 0; i < order.size(); ++i) {
        const TrendSample& s = ring.At(order[i]);
        data_.Add(static_cast<double>(i) * seconds, s.raw[0], s.points[2] / 2.0);
    }
    size_t step = LastStep(data_, data_.size());
    if (step == 0) return;
    size_t after = data_.size() - step;
    size_t lead = std::max(kFewestFitted, after / 4);
    cursor_ = std::max(LastStep(data_, step), step > lead ? step - lead : 0);
}

void TuningWindow::PlaceCursor(double seconds) {
    if (busy_ || data_.size() < kFewestFitted) return;
    auto at = std::lower_bound(data_.t.begin(), data_.t.end(), seconds);
    size_t i = static_cast<size_t>(at - data_.t.begin());
    cursor_ = std::min(i, data_.size() - kFewestFitted);
}

std::optional<TuningJob> TuningWindow::Start() {
    if (busy_) return std::nullopt;
    const Controller* c = project_.sim.controllers.Get(ref_.slot);
    if (!c) {
        status = Text("A malha não tem controlador.", "The loop has no controller.");
        return std::nullopt;
    }
    TuningJob job;
    job.loop = ref_.slot;
    job.source = source;
    job.structure = c->tuning.Estrutura;
    std::optional<double> amplitude = TypedNumber(amplitudeText);
    if (!amplitude || *amplitude <= 0 || *amplitude >= 100) {
        status = Text("O degrau é um número acima de 0 e abaixo de 100 %.",
                      "The step is a number above 0 and below 100 %.");
        return std::nullopt;
    }
    job.amplitude = *amplitude;
    if (!lambdaText.empty()) {
        job.lambda = TypedNumber(lambdaText);
        if (!job.lambda || *job.lambda <= 0) {
            status = Text("Lambda é um tempo em segundos acima de 0, ou vazio.",
                          "Lambda is a time in seconds above 0, or empty.");
            return std::nullopt;
        }
    }
    if (source == TuningSource::Trend) {
        if (data_.size() == 0) CaptureTrend();
        job.response = From(data_, cursor_);
        if (!OutputStepped(job.response)) {
            status = Text("Não há degrau da saída (CO) depois do cursor.",
                          "There is no step of the output (CO) after the cursor.");
            return std::nullopt;
        }
    } else {
        data_ = {};
        cursor_ = 0;
    }
    job.projectBytes = project_.FileBytes();
    Clear();
    busy_ = true;
    running_ = source;
    status = Text("Identificando...", "Identifying...");
    return job;
}

void TuningWindow::Finish(TuneReport report) {
    busy_ = false;
    if (report.cancelled) {
        status = Text("Interrompido.", "Stopped.");
        return;
    }
    if (running_ == TuningSource::StepTest) data_ = report.test.response;
    fitStart = running_ == TuningSource::Trend ? cursor_ : 0;
    if (!report.fit || !report.error.empty()) {
        status = Text("Nenhum modelo: ", "No model: ") + report.error;
        return;
    }
    ShowModel(*report.fit);
    curve = ModelCurve(*report.fit, report.test.response);
    for (const ScoredSuggestion& s : report.ranked) {
        const PidSettings& p = s.suggestion.settings;
        rows.push_back({MethodName(s.suggestion.method), KindName(s.suggestion.kind),
                        SettingText(p.Kc), SettingText(p.Ti), SettingText(p.Td),
                        Fixed(s.score.indices.iema, 3), s.score.settled});
        sets_.push_back(s.suggestion);
    }
    chosen = rows.empty() ? -1 : 0;
    status = Text("Melhor IEMA primeiro; ", "Best IEMA first; ") +
             Text("simulação de teste de ", "trial runs of ") +
             std::to_string(report.scoreOptions.windowSeconds / 60) +
             Text(" min com degrau de SP de ", " min with an SP step of ") +
             Figure(report.scoreOptions.amplitude) + " %.";
    if (std::any_of(rows.begin(), rows.end(), [](const SuggestionRow& r) { return !r.settled; }))
        status +=
            Text(" Em vermelho: a malha não estabilizou.", " In red: the loop did not settle.");
}

void TuningWindow::ShowModel(const ModelFit& fit) {
    const ProcessModel& m = fit.model;
    bool integrating = m.kind == ModelKind::Integrating;
    modelRows = {
        {Text("Tipo", "Kind"), integrating ? Text("Integrador", "Integrating")
                                           : Text("1ª ordem + t. morto", "1st order + dead time")},
        {integrating ? Text("Taxa (%/s por %)", "Rate (%/s per %)")
                     : Text("Ganho (%/%)", "Gain (%/%)"),
         Figure(m.gain)},
        {Text("Const. de tempo (s)", "Time constant (s)"),
         integrating ? "-" : Figure(m.timeConstant)},
        {Text("Tempo morto (s)", "Dead time (s)"), Figure(m.deadTime)},
        {Text("Erro RMS (%)", "RMS fit error (%)"), Figure(fit.rmsError)},
    };
}

void TuningWindow::Clear() {
    curve.clear();
    modelRows.clear();
    rows.clear();
    sets_.clear();
    chosen = -1;
    fitStart = 0;
}

std::array<std::string, TuningWindow::kColumns> TuningWindow::ColumnTitles() const {
    return {Text("Método", "Method"), Text("Tipo", "Kind"), "Kc", "Ti (s)", "Td (s)", "IEMA (%)"};
}

void TuningWindow::Choose(int row) {
    if (row >= 0 && row < static_cast<int>(rows.size())) chosen = row;
}

std::function<void(ControllerFields&)> TuningWindow::ChosenEdit() const {
    if (chosen < 0) return {};
    Suggestion set = sets_[static_cast<size_t>(chosen)];
    return [set](ControllerFields& fields) { CopyIntoFields(set, fields); };
}

bool TuningWindow::CopyChosen(const FieldEditor& editor) {
    std::function<void(ControllerFields&)> edit = ChosenEdit();
    if (busy_ || !edit || !project_.sim.controllers.Get(ref_.slot)) return false;
    if (editor)
        editor(edit);
    else
        project_.Edit<Controller>(
            ref_, [&edit](Controller& c) { edit(c.fields); }, Modifies::No);
    status = rows[static_cast<size_t>(chosen)].method + " " +
             rows[static_cast<size_t>(chosen)].kind +
             Text(" copiado para a configuração: pressione Atualizar para aplicar.",
                  " copied into the configuration: press Refresh to apply it.");
    return true;
}

void TuningWindow::Reset() {
    Clear();
    data_ = {};
    cursor_ = 0;
    status = Greeting();
}

std::string TuningWindow::Greeting() const {
    return Text(
        "Faça um degrau na saída em manual e pressione Capturar, ou escolha o teste "
        "automático.",
        "Step the output in manual and press Capture, or choose the automatic test.");
}

const std::array<WindowText, 18> kTuningWindowTexts = {{
    {"caption", "Sintonia", "Tuning"},
    {"FonteLabel", "Dados:", "Data:"},
    {"FonteBox/0", "Tendência do controlador", "Controller trend"},
    {"FonteBox/1", "Teste de degrau automático", "Automatic step test"},
    {"AmplitudeLabel", "Degrau (%):", "Step (%):"},
    {"LambdaLabel", "Lambda (s):", "Lambda (s):"},
    {"CapturarBTN", "Capturar", "Capture"},
    {"IdentificarBTN", "Identificar", "Identify"},
    {"CancelarBTN", "Cancelar", "Cancel"},
    {"ModeloGroup", "Modelo", "Model"},
    {"CopiarBTN", "Copiar para a configuração", "Copy into the configuration"},
    {"hint:CapturarBTN",
     "Lê a tendência do controlador; clique no gráfico para marcar onde o ajuste começa",
     "Reads the controller's trend; click the plot to mark where the fit starts"},
    {"hint:IdentificarBTN", "Ajusta o modelo e testa cada sugestão numa cópia da planta",
     "Fits the model and tries each suggestion on a copy of the plant"},
    {"hint:AmplitudeText", "Degrau da saída no teste automático e do SP nas simulações de teste",
     "Output step of the automatic test and SP step of the trial runs"},
    {"hint:LambdaText",
     "Constante de tempo de malha fechada do IMC; vazio: a maior entre T e o tempo morto",
     "IMC closed-loop time constant; empty: the larger of T and the dead time"},
    {"hint:TuningPlot",
     "PV em vermelho, saída (CO) em verde, modelo tracejado; clique para marcar onde o ajuste "
     "começa",
     "PV in red, output (CO) in green, the model dashed; click to mark where the fit starts"},
    {"hint:MalhaBox", "Malha a sintonizar", "Loop to tune"},
    {"hint:CopiarBTN",
     "Copia a sugestão escolhida para os campos do controlador; pressione Atualizar para aplicá-la",
     "Copies the chosen set into the controller's fields; press Refresh to apply it"},
}};

}  // namespace vork
