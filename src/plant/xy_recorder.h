#pragma once

#include <vector>

namespace vork {

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
    XYFields fields;
    std::vector<XYPoint> points;  // Series1

    // Window of the sweep in seconds for a JanelaComboBox position.
    static int WindowSeconds(int position);

    void Clear() { points.clear(); }
};

}  // namespace vork
