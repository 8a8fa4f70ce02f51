#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plant/trend.h"

namespace vork {

// A cursor marker and its number label, placed where the plot was clicked.
struct CursorMarker {
    bool visible = false;
    int x = 0, y = 0;            // marker shape (Shape1..Shape6)
    int labelX = 0, labelY = 0;  // number label, at (x + 5, y - 12)
};

// How a paused trend reads a click: the faceplate writes "Ponto n:  Y=...  X=..." and places a
// marker, and closes its cursor panel back to "Ponto 1:" .. "Ponto 6:"; the recorder writes
// "Y: ... %  T: ... s" without a marker.
enum class CursorStyle { Points, Coordinates };

// How a trend panel reaches the trend it shows: reading it, changing it through the project
// (never marking the project modified), and the engineering range of its scaled traces.
struct TrendAccess {
    std::function<const Trend&()> trend;
    std::function<void(const std::function<void(Trend&)>&)> edit;
    std::function<EngineeringRange()> range;
};

// The trend area of the controller faceplate and of the trend recorder: scale texts and axis
// labels, the time base and archive options, the archive box with its blinking indicator, the
// pause with six cursor readings, and the grid. What differs between the two windows (how a
// rescale runs, how an archive is named) stays with them.
class TrendPanel {
  public:
    static constexpr int kCursorPoints = 6;
    static constexpr int kAxisLabels = 9;

    // `scaleTextWidth`: the least width of the scale texts (0 on the faceplate, 4 on the
    // recorder).
    TrendPanel(CursorStyle style, int scaleTextWidth, TrendAccess access);

    // Typed by the user and applied with Enter; rewritten from the scale after each rescale.
    std::string eSupText = "100";
    std::string eInfText = "0";
    // Label3..Label11 on the faceplate, Label2..Label10 on the recorder: 90 % down to 10 % of
    // the scale in engineering units.
    std::array<std::string, kAxisLabels> axisLabels{"90", "80", "70", "60", "50",
                                                    "40", "30", "20", "10"};
    bool thickLines = false;  // CheckBox2 "Linha Grossa": pen width 2

    // The archive: CheckBox1 "Arquivar" and its indicator Label21, which Timer1 blinks every
    // 500 ms while the archive runs.
    bool archiveChecked = false;
    bool archiveEnabled = false;
    std::string archiveIndicator = "Arquivando: TA=0.1 seg";
    bool archiveIndicatorVisible = false;
    bool blinking = false;  // Timer1
    // eSupText, eInfText, SpeedButton1, TagText and BaseTempoBox: disabled while archiving.
    bool archiveLockedControlsEnabled = true;

    // Panel3 and its readings CoodsText1..CoodsText6, shown while the trend is paused.
    bool cursorPanelVisible = false;
    int cursorCounter = 1;  // the point the next click fills, 1..6
    std::array<std::string, kCursorPoints> cursorLabels;
    std::array<CursorMarker, kCursorPoints> cursorMarkers;

    // The trend shown: the ring the plot is painted from.
    const Trend& data() const { return access_.trend(); }
    // The engineering range of the scaled traces.
    EngineeringRange range() const { return access_.range(); }
    // Seconds between two samples as the plot's time axis counts them: 0.1, 0.3 or 2.
    static double SecondsPerSample(TimeBase base);

    // After each tick: the axis labels from the scale in force and the archive box from the
    // archive's state (an archive that failed to write shows as stopped). `archiveAvailable`
    // says whether the owner has a tag to name an archive file.
    void Refresh(bool archiveAvailable);
    // After a rescale: the scale texts, the axis labels and the indicator's sampling.
    void ShowRescale();

    // Enter in eSupText or eInfText: EscalaAuto is cleared and the typed scale applied when it
    // reads as numbers with the bottom below the top; the axis labels follow the scale in force.
    void ApplyManualScale();
    void BaseTempoBoxChange(int position);
    void UsarVirgulaClick(bool checked);
    void UsarUEClick(bool checked);

    // The pause button: toggles the pause and the cursor panel.
    void PauseClick();
    // A click in the plot at (x, y), measured from its top left corner: while paused, the
    // reading goes into the current point's label and the counter advances 1..6.
    void ImageClick(int x, int y);
    // Closing the window ends the pause.
    void Close();
    // Labels become `prefix` + n + `suffix` ("Ponto 1:", "Coordenadas 1").
    void ResetCursorLabels(const std::string& prefix, const std::string& suffix);

    // Clearing "Arquivar": the file is closed.
    void StopArchive();
    // One tick of Timer1.
    void Timer1Tick();
    // The English indicator text, applied on activation.
    void ApplyEnglish();

    // X of the 15 vertical grid lines, 30 samples apart, shifted left by the grid phase.
    static std::vector<int> VerticalGridX(const TrendRing& ring);
    // Y of the 11 horizontal grid lines, one every 10 % of the scale.
    static std::vector<int> HorizontalGridY();

  private:
    void ShowAxisLabels();
    void ShowPaused(bool paused);

    CursorStyle style_;
    int scaleTextWidth_;
    TrendAccess access_;
};

}  // namespace vork
