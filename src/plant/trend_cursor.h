#pragma once

#include <array>
#include <string>

#include "plant/trend_time_base.h"

namespace vork {

// A cursor marker and its number label, placed where the plot was clicked.
struct CursorMarker {
    bool visible = false;
    int x = 0, y = 0;            // marker shape
    int labelX = 0, labelY = 0;  // number label, at (x + 5, y - 12)
};

// The six cursor readings of a paused trend. `counter` is the point the next click fills (1..6).
struct TrendCursor {
    static constexpr int kPoints = 6;

    int counter = 1;
    bool panelVisible = false;  // Panel3
    std::array<std::string, kPoints> labels;
    std::array<CursorMarker, kPoints> markers;

    // Labels become `prefix` + n + `suffix` ("Ponto 1:", "Coordenadas 1").
    void ResetLabels(const std::string& prefix, const std::string& suffix);
    // Writes `text` into the current point's label, places its marker, advances the counter.
    void Record(const std::string& text, int x, int y, bool withMarker);

    // The engineering value at plot height `y`, between the axis texts `inf` and `sup`.
    static double ReadY(const std::string& sup, const std::string& inf, int y);
    // Seconds from the left edge of the plot at `x`.
    static double ReadX(TimeBase base, int x);
};

}  // namespace vork
