#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "fastsim/archive_row.h"
#include "fastsim/chart_range.h"
#include "fastsim/fast_run.h"
#include "fastsim/indices.h"
#include "fastsim/loop_curves.h"
#include "fastsim/paging.h"
#include "fastsim/txd_archive.h"

namespace vork {

class Project;

// The fast-simulation window's texts in both languages: caption, input panel, archive rows,
// chart tools, the indices panel and the export entries.
extern const std::array<WindowText, 48> kFastSimulationTexts;

// The fixed lists of the window (not translated).
extern const std::array<const char*, 4> kWindowEntries;  // `JanelaComboBox`
extern const std::array<const char*, 4> kStepEntries;    // `TACombo`
extern const std::array<const char*, 5> kPageEntries;    // `PtsPag`

// A row of the indices panel: its upper and lower field and the results-table column it shows.
struct IndexField {
    const char* upper;
    const char* lower;
    IndexColumn column;
};
extern const std::array<IndexField, 7> kIndexFields;

// What can be exported of one chart, and the menu entries that do it (text table components).
enum class ExportFormat { Png, Svg, Csv };
struct ExportEntry {
    const char* component;
    ExportFormat format;
};
extern const std::array<ExportEntry, 3> kExportEntries;

// The model of the fast-simulation window `TAboutBox`: the run inputs, the run and the archive
// loads, the two rows of ten loop charts with their pages and zoom, and the indices panel. The
// results tables belong to the program and outlive the window.
class FastSimulationWindow {
  public:
    FastSimulationWindow(Project& project, ResultsTables& tables);

    Language language() const;
    std::string caption() const;
    // A text of the table in the interface language; empty for a component it does not name.
    std::string Text(std::string_view component) const;
    // Page `loop` of a notebook: the controller's tag (upper) or tag + "(hist)" (lower) for a
    // slot filled when the window opened, "Malha n" / "Loop n" and "Hist n" otherwise.
    const std::string& tabCaption(ChartRow row, int loop) const;

    // Run inputs. A new window length brings the time step of the same list position.
    int windowPosition() const { return windowPosition_; }
    int stepPosition() const { return stepPosition_; }
    void ChooseWindow(int position);
    void ChooseStep(int position) { stepPosition_ = position; }
    int signalItem() const { return static_cast<int>(signal_); }
    void ChooseSignal(int item);
    // The step size field and its label: only for the two step signals.
    bool amplitudeVisible() const;
    std::string amplitude = "10";
    bool archive = false;
    std::string baseName;  // `Edit2`: the simulation title, else "DadosDesempenho"
    bool normalize = true;

    // `BTNSimular`. Returns the message to show when the run was refused or stopped; otherwise
    // the upper charts hold the run and the indices panel shows loop 1. Progress reaches the
    // project's observers.
    std::string Simulate();
    bool running() const { return running_; }
    // `Label5`: "." until an archived run completes.
    const std::string& completion() const { return completion_; }
    // The text `ComboBox2` shows after a run: the archive written, with its extension.
    const std::string& archiveName() const { return archiveName_; }

    // The archives of the current folder for either list, without ".txd", sorted.
    std::vector<std::string> ArchiveList() const;
    // `Button1` (upper) and `BTNCarregar` (lower) with the list entry selected (empty: none).
    // Returns the message to show when the load stopped.
    std::string Load(ChartRow row, const std::string& selected,
                     const std::function<void(int)>& progress = {});
    // Where archives are written and looked for: the working folder unless told otherwise.
    std::function<std::filesystem::path()> folder = [] { return std::filesystem::current_path(); };

    // The indices panel: the notebooks' pages (0-based) and what each column shows.
    int upperPage() const { return upperPage_; }
    int lowerPage() const { return lowerPage_; }
    const IndexRow& upperColumn() const { return upperColumn_; }
    const IndexRow& lowerColumn() const { return lowerColumn_; }
    void UpperPageClick(int page);
    void LowerPageClick(int page);

    // The charts, loops 1..10.
    const LoopCurves& curves(ChartRow row, int loop) const;
    int chartPage(ChartRow row, int loop) const;
    ChartRange range(ChartRow row, int loop) const;
    const ChartAxes& axes(ChartRow row, int loop) const;

    // Paging (`PtsPag`, `SelPage`) of the loop the upper notebook shows.
    int pointsPosition() const { return pointsPosition_; }
    void ChoosePointsPerPage(int position);
    void NextPage();
    void PreviousPage();

    // Zoom. `SpeedButton1` arms the mouse zoom on both charts of the loop shown; a zoom or its
    // undo by mouse acts on one chart and, with `replicarzoom`, on its partner.
    bool zoomButtonEnabled() const { return !armedLoop_; }
    bool mouseZoomAllowed(ChartRow row, int loop) const;
    void ArmZoom();
    void MouseZoom(ChartRow row, int loop, const ChartRange& rectangle);
    void MouseUndoZoom(ChartRow row, int loop);
    void UndoZoom();    // `SpeedButton2`: every chart back to automatic axes
    void FixedScale();  // `SpeedButton3`: 0..100 up on the loop shown
    bool replicateZoom = true;

    // `CheckBox1` checked: the MV points of every chart are gone until the next run or load.
    void HideCOs();

    // Export of one chart: its title in the picture, and the file name offered.
    std::string ExportTitle(ChartRow row, int loop) const;
    std::string ExportFileName(ChartRow row, int loop, ExportFormat format) const;

  private:
    ChartAxes& axesOf(ChartRow row, int loop);
    LoopCurveSet& curveSet(ChartRow row) { return row == ChartRow::Upper ? upper_ : lower_; }
    const LoopCurveSet& curveSet(ChartRow row) const {
        return row == ChartRow::Upper ? upper_ : lower_;
    }
    IndexRow Shown(ChartRow row, int loop) const;
    void ResetPages();

    Project& project_;
    ResultsTables& tables_;
    std::array<std::string, 10> upperCaptions_, lowerCaptions_;
    int windowPosition_ = 0;
    int stepPosition_ = 2;
    TestSignal signal_ = TestSignal::Prompt;
    bool running_ = false;
    std::string completion_ = ".";
    std::string archiveName_;
    int upperPage_ = 0, lowerPage_ = 0;
    IndexRow upperColumn_{}, lowerColumn_{};
    LoopCurveSet upper_, lower_;
    std::array<ChartAxes, 10> upperAxes_, lowerAxes_;
    std::array<LoopPages, 10> pages_;
    int pointsPosition_ = 1;
    std::optional<int> armedLoop_;
};

}  // namespace vork
