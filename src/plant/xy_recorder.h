#pragma once

#include <string>
#include <vector>

namespace vork {

class Simulation;

struct XYPoint {
    double x, y;
};

// The XY recorder's controls. List positions count from 0; -1 is no selection.
struct XYFields {
    int Presets = -1;  // 0 "Seleção Individual", 2k-1 "COxPV [Malha k]", 2k "COxMV [Malha k]"
    int ComboX = 0;    // long pick-list position: address = position + 1
    int ComboY = 0;
    int JanelaComboBox = 0;  // "10 min", "30 min", "1 hora"
};

// The XY recorder's settings and plot: one variable against another, from sweeps that step the
// whole plant offline (RunXYSweep). Points accumulate over sweeps until cleared; nothing of it is
// saved with the project.
class XYRecorder {
  public:
    XYRecorder() = default;

    XYFields fields;
    std::vector<XYPoint> points;  // Series1
    int Gauge1 = 0;               // sweep progress, 0..100
    bool Button1 = true;          // "Registra" enabled
    bool fixedScale = false;      // "Aplicar Escala 0-100%": both axes 0..100, else automatic

    // The preset items in list order.
    static std::vector<std::string> PresetItems();
    // Window of the sweep in seconds for a JanelaComboBox position.
    static int WindowSeconds(int position);

    // Applies a preset; pairs naming an absent controller change nothing.
    void PresetsChange(const Simulation& sim, int position);
    // A change of either axis enables "Registra" when the other axis has a selection.
    void ComboChange(int axis, int position);
    // Dropping down an axis list: the list is rebuilt (the caller shows LongPickList), its first
    // entry selected and the presets set back to "Seleção Individual".
    void ComboDropDown(int axis);
    void Clear() { points.clear(); }
    void ApplyFixedScale() { fixedScale = true; }
    void UndoZoom() { fixedScale = false; }
};

}  // namespace vork
