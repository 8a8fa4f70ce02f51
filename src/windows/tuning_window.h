#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/tuning_assistant.h"
#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/object_ref.h"

namespace vork {

class Project;
struct ControllerFields;

// Where the data to identify comes from: the controller's recorded trend (a step of the output
// the student made in manual) or an automatic step test on a copy of the plant.
enum class TuningSource { Trend = 0, StepTest = 1 };

// The long part of the work, taken from the open project when it starts: it runs on another
// thread and reads nothing but itself.
struct TuningJob {
    std::string projectBytes;
    int loop = 1;
    TuningSource source = TuningSource::Trend;
    double amplitude = 10;  // percent: the automatic test's step and the trial runs' SP step
    std::optional<double> lambda;
    int structure = 1;  // the controller's structure at its last validation
    Response response;  // from the trend: the samples from the cursor on
};

// The model, the suggestions and their trial runs, as Tune reports them; for the trend the
// report's test response is the data fitted.
TuneReport RunTuningJob(const TuningJob& job, const WorkMonitor& monitor = {});

// One line of the table of suggested settings.
struct SuggestionRow {
    std::string method, kind, kc, ti, td, iema;
    bool settled = true;  // the loop settled in the trial run
};

// The tuning page of a controller (TSintonia): the data of a step with the fitted model over it,
// the model's parameters and the ranked suggestions, and the copy of the chosen set into the
// controller's configuration fields. It reads the project, and changes it only by that copy.
class TuningWindow {
  public:
    static constexpr int kColumns = 6;

    TuningWindow(Project& project, int slot);
    TuningWindow(const TuningWindow&) = delete;
    TuningWindow& operator=(const TuningWindow&) = delete;

    ObjectRef ref() const { return ref_; }
    Language language = Language::Portuguese;

    TuningSource source = TuningSource::Trend;  // FonteBox
    std::string amplitudeText = "10";           // AmplitudeText, percent
    std::string lambdaText;                     // LambdaText, seconds; empty: max(T, theta)

    // The data shown, t in seconds: the captured trend, or the automatic test's record from a
    // minute before its step.
    const Response& data() const { return data_; }
    // The first sample fitted; the trend's cursor.
    size_t cursor() const { return cursor_; }
    // Takes the controller's trend as it stands and puts the cursor before its last step of the
    // output, leaving the earlier steady part out.
    void CaptureTrend();
    // A click on the plot at `seconds`: the fit starts at the sample there.
    void PlaceCursor(double seconds);

    // The job for the chosen source, or nothing with the reason in `status`. The trend is
    // captured first when nothing was captured.
    std::optional<TuningJob> Start();
    bool busy() const { return busy_; }
    // The job's report arrives.
    void Finish(TuneReport report);

    // What the last report says. `curve` is the fitted model at the data's times from
    // `fitStart` on.
    std::string status;
    std::string Greeting() const;  // the status before anything is done
    size_t fitStart = 0;
    std::vector<double> curve;
    // "Tipo", "Ganho" or "Taxa", "Const. de tempo", "Tempo morto", "Erro RMS": name, value.
    std::vector<std::pair<std::string, std::string>> modelRows;
    std::vector<SuggestionRow> rows;  // best first
    int chosen = -1;                  // row; -1 when there is none

    std::array<std::string, kColumns> ColumnTitles() const;
    void Choose(int row);
    // The chosen set written into the fields as a user would type them: Kc, Ti, Td, the action,
    // the structure, and P, I and D as the set uses them. Empty when no row is chosen.
    std::function<void(ControllerFields&)> ChosenEdit() const;
    // How an open controller window applies an edit of its fields (and shows them); by default
    // the edit goes through the project.
    using FieldEditor = std::function<void(const std::function<void(ControllerFields&)>&)>;
    // Copies the chosen set into the controller's fields without marking the project modified:
    // "Atualizar" latches them. False when nothing is chosen, a job runs or the slot is empty.
    bool CopyChosen(const FieldEditor& editor = {});
    // A new project: nothing captured or identified.
    void Reset();

  private:
    std::string Text(const char* portuguese, const char* english) const;
    void ShowModel(const ModelFit& fit);
    void Clear();

    Project& project_;
    ObjectRef ref_;
    Response data_;
    size_t cursor_ = 0;
    bool busy_ = false;
    TuningSource running_ = TuningSource::Trend;  // the source of the job under way
    std::vector<Suggestion> sets_;                // in the rows' order
};

// The window's fixed texts in both languages; the caption first.
extern const std::array<WindowText, 18> kTuningWindowTexts;

}  // namespace vork
