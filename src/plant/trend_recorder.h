#pragma once

#include <array>
#include <string>
#include <vector>

#include "plant/trend_cursor.h"
#include "plant/trend_export.h"
#include "plant/trend_ring.h"

namespace vork {

class Simulation;
class VariableTable;

// The recorder's configuration column and trend controls. Pen lists are positions in the long
// pick list (address = position + 1); -1 is no selection.
struct TrendRecorderFields {
    std::string TagText;
    std::string DescricaoText;
    int Variavel1Select = -1;
    int Variavel2Select = -1;
    int Variavel3Select = -1;
    std::string Edit1 = "PV";  // pen labels, also the archive's column titles
    std::string Edit2 = "SP";
    std::string Edit3 = "MV";
    int BaseTempoBox = 0;
    bool CheckBox2 = false;  // "Linha Grossa"
    bool EscalaAuto = false;
    bool CheckBox1 = false;  // "Arquivar"
    bool UsarVirgula = false;
    bool UsarUE = false;
    std::string eSupText = "100";
    std::string eInfText = "0";
};

// What the recorder window shows besides the plot.
struct TrendRecorderDisplay {
    std::string Caption = "Registrador";
    std::string VermelhoLabel, AzulLabel, VerdeLabel;  // current values of pens 1, 2 and 3
    std::string Label1;                                // unit of pen 1
    std::array<std::string, 9> axisLabels{"90", "80", "70", "60", "50",
                                          "40", "30", "20", "10"};  // Label2..Label10
    std::string Label21 = "Arquivando: TA=0.1 seg";
    bool Label21Visible = false;
    bool Timer1 = false;
    bool CheckBox1Enabled = false;
    // eSupText, eInfText, SpeedButton1, TagText and BaseTempoBox, disabled while archiving.
    bool archiveLockedControlsEnabled = true;
    // Window layout: 792 wide with the configuration column, 597 with the trend only.
    bool configColumn = true;
    bool SairBTN = true, ConfBTN = true;  // enabled
    bool englishApplied = false;          // the English window texts were applied on an activation
};

// A strip chart of up to three variables. Pens 1 and 2 share pen 1's engineering range and the
// trend scale; pen 3 is drawn on the fixed 0..100 % axis.
class TrendRecorder {
  public:
    static constexpr int kLongListEntries = 124;
    // Position of "Nenhum", the last entry of the lists of pens 2 and 3.
    static constexpr int kNenhum = kLongListEntries;

    explicit TrendRecorder(int slot);

    int slot() const { return slot_; }

    TrendRecorderFields fields;
    TrendRecorderDisplay display;
    TrendRing trend;
    TrendCursor cursor;
    TrendExport archive;

    // Engineering range and unit of pen 1, taken by Refresh.
    double ueMin = 0.0, ueMax = 100.0;
    std::string unit = "%";

    // The three pick lists, built from the descriptions when the recorder is created.
    std::vector<std::string> Variavel1Items, Variavel2Items, Variavel3Items;
    void BuildLists(const VariableTable& vars);

    // One sample step of the real-time scan.
    void Compute(Simulation& sim);
    // Range, scale, labels and caption again.
    void Refresh(const Simulation& sim);
    // A new pen 3: picking a controller output links pens 1 and 2 to that loop, then Refresh.
    void Variavel3SelectChange(const Simulation& sim);
    void ApplyManualScale();  // Enter in eSupText or eInfText
    void BaseTempoBoxChange();
    void SpeedButton1Click();  // pause and cursor mode
    void ImageClick(int x, int y);
    void CloseWindow();
    // A named recorder opens on its trend; in English mode the first activation translates.
    void Activate(const Simulation& sim);
    void ConfBTNClick();
    // Ticking "Arquivar": the file goes to `workingFolder`. Failed leaves the reason in
    // `archive.error`; Refused means the box is disabled or the archive already runs.
    enum class Start { Started, Refused, Failed };
    Start StartArchive(TrendFileSystem& files, const std::string& workingFolder);
    // Clearing "Arquivar"; returns the closing message.
    std::string StopArchive();
    void Timer1Tick();

  private:
    double PenValue(const Simulation& sim, int position, bool& selected) const;
    std::string EngineeringText(double percent) const;
    double ToEngineering(double percent) const;
    void WriteArchiveRow(const std::array<double, 3>& values, const std::array<bool, 3>& selected);
    void EndArchive();
    void WriteScaleTexts();
    void WriteAxisLabels();

    int slot_;
};

}  // namespace vork
