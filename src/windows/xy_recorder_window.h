#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/xy_recorder.h"

namespace vork {

class Project;

// The texts that switch to English with the interface language; the caption, the other labels
// and the preset items stay Portuguese.
extern const std::array<WindowText, 10> kXYRecorderWindowTexts;

enum class XYAxis { X, Y };

// The model of the XY recorder window (TRegXY): the axis variables, the presets, the sweep's
// window and progress, and the plot's scale.
class XYRecorderWindow {
  public:
    explicit XYRecorderWindow(Project& project) : project_(project) {}

    // The items of Presets and of JanelaComboBox in list order.
    static std::vector<std::string> PresetItems();
    static std::vector<std::string> WindowItems();

    const XYFields& fields() const;
    const std::vector<XYPoint>& points() const;
    // The entries of ComboX and ComboY, rebuilt from the current descriptions on drop-down.
    std::vector<std::string> variableList() const;
    bool registerEnabled() const { return registerEnabled_; }  // Button1 "Registra"
    int gauge() const { return gauge_; }                       // Gauge1, percent of the sweep
    bool fixedScale() const { return fixedScale_; }            // both axes 0..100, else automatic
    bool zoomEnabled() const { return zoomEnabled_; }
    Language textLanguage() const;

    // A preset pair; pairs naming a controller that does not exist change nothing.
    void ChoosePreset(int position);
    // A change of either axis enables "Registra" when the other axis has a selection.
    void ChooseAxis(XYAxis axis, int position);
    // Dropping down an axis list rebuilds it, selects its first entry and sets the presets back
    // to "Seleção Individual".
    void DropDownAxis(XYAxis axis);
    void ChooseWindow(int position);
    // "Registra": sweeps the plant offline over the chosen window and adds its points.
    void Register();
    // "Limpar".
    void Clear();
    // "Aplicar Escala 0-100%".
    void ApplyFixedScale() { fixedScale_ = true; }
    // The zoom button: dragging a rectangle zooms.
    void EnableZoom() { zoomEnabled_ = true; }
    // "Desfazer Zoom": the axes are automatic again.
    void UndoZoom() { fixedScale_ = false; }

  private:
    XYRecorder& recorder() const;

    Project& project_;
    bool registerEnabled_ = true;
    int gauge_ = 0;
    bool fixedScale_ = false;
    bool zoomEnabled_ = false;
};

}  // namespace vork
