#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/xy_recorder.h"
#include "project/project_observer.h"

namespace vork {

class Project;

// The texts that switch to English with the interface language; the caption, the other labels
// and the preset items stay Portuguese.
extern const std::array<WindowText, 10> kXYRecorderWindowTexts;

enum class XYAxis { X, Y };

// The XY recorder's window (TRegXY): the axis variables, the presets, the sweep's window and
// progress, and the plot's scale.
class XYRecorderWindow : public ProjectObserver {
  public:
    explicit XYRecorderWindow(Project& project);
    ~XYRecorderWindow() override;
    XYRecorderWindow(const XYRecorderWindow&) = delete;
    XYRecorderWindow& operator=(const XYRecorderWindow&) = delete;

    // The items of Presets and of JanelaComboBox in list order.
    static std::vector<std::string> PresetItems();
    static std::vector<std::string> WindowItems();

    const XYRecorder& recorder() const;
    const XYFields& fields() const { return recorder().fields; }
    const std::vector<XYPoint>& points() const { return recorder().points; }
    // The entries of ComboX and ComboY, rebuilt from the current descriptions on drop-down.
    std::vector<std::string> variableList() const;
    // The language of the texts of kXYRecorderWindowTexts: the English switch sets them once, at
    // start-up.
    Language textLanguage() const;

    bool registerEnabled = true;  // Button1 "Registra"
    int gauge = 0;                // Gauge1: percent of the sweep done, as the project reports it
    bool fixedScale = false;      // both axes 0..100, otherwise automatic
    bool zoomEnabled = false;     // dragging a rectangle zooms

    // A preset pair; pairs naming a controller that does not exist change nothing.
    void ChoosePreset(int position);
    // A change of either axis enables "Registra" when the other axis has a selection.
    void ChooseAxis(XYAxis axis, int position);
    // Dropping down an axis list rebuilds it, selects its first entry and sets the presets back
    // to "Seleção Individual".
    void DropDownAxis(XYAxis axis);
    void ChooseWindow(int position);
    // "Registra": the project sweeps the plant offline over the chosen window and adds the
    // points; the gauge follows its progress.
    void Register();
    // "Limpar".
    void Clear();
    // "Aplicar Escala 0-100%".
    void ApplyFixedScale() { fixedScale = true; }
    // The zoom button.
    void EnableZoom() { zoomEnabled = true; }
    // "Desfazer Zoom": the axes are automatic again.
    void UndoZoom() { fixedScale = false; }

    void Progress(ProgressKind kind, int percent) override;

  private:
    // Changes the recorder through the project; nothing of it is saved, so nothing is marked.
    void Operate(const std::function<void(XYRecorder&)>& action);

    Project& project_;
};

}  // namespace vork
