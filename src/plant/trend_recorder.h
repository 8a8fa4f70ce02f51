#pragma once

#include <array>
#include <string>

#include "plant/trend.h"

namespace vork {

class Simulation;

// The recorder's configuration column as typed. Pen lists are positions in the long pick list
// (address = position + 1); -1 is no selection.
struct TrendRecorderFields {
    std::string TagText;
    std::string DescricaoText;
    int Variavel1Select = -1;
    int Variavel2Select = -1;
    int Variavel3Select = -1;
    std::string penText1 = "PV";  // Edit1..Edit3: pen labels, also the archive's column titles
    std::string penText2 = "SP";
    std::string penText3 = "MV";
};

// A strip chart of up to three variables. Pens 1 and 2 share pen 1's engineering range and the
// trend scale; pen 3 is drawn on the fixed 0..100 % axis.
class TrendRecorder {
  public:
    static constexpr int kLongListEntries = 124;
    // Position of "Nenhum", the last entry of the lists of pens 2 and 3.
    static constexpr int kNenhum = kLongListEntries;
    static constexpr int kPens = 3;

    explicit TrendRecorder(int slot) : slot_(slot) {}

    int slot() const { return slot_; }

    TrendRecorderFields fields;
    Trend trend;

    // Engineering range and unit of pen 1, taken by Rescale.
    EngineeringRange range;
    std::string unit = "%";

    // The last sample: each pen's value in percent, and whether the pen had a variable.
    std::array<double, kPens> penValues{};
    std::array<bool, kPens> penSelected{};

    // One sample step of the real-time scan.
    void Compute(Simulation& sim);
    // Pen 1's range and unit again, then the trend scale: fitted to the samples with
    // EscalaAuto, otherwise the whole range.
    void Rescale(const Simulation& sim);
    // A new pen 3: picking a controller output links pens 1 and 2 to that loop, then Rescale.
    void Variavel3SelectChange(const Simulation& sim);
    // Ticking "Arquivar": the file goes to `workingFolder`. Refused without a tag.
    ArchiveStart StartArchive(TrendFileSystem& files, const std::string& workingFolder);

  private:
    double PenValue(const Simulation& sim, int position, bool& selected) const;
    void WriteArchiveRow();

    int slot_;
};

}  // namespace vork
