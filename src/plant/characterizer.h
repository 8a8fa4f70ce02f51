#pragma once

#include <array>
#include <string>

#include "plant/addresses.h"

namespace vork {

class Simulation;

// The characterizer panel of the configuration window, read on every scan. Lin1MV[i] is the
// control Lin1MV(i+1), likewise Lin1PV.
struct CharacterizerFields {
    std::string Lin1EndEnt = "01 MV";  // input address: its first two characters count
    bool Lin1Ativar = false;
    std::array<std::string, 6> Lin1MV{"0", "20", "40", "60", "80", "100"};
    std::array<std::string, 6> Lin1PV{"0", "20", "40", "60", "80", "100"};
};

// Segment i runs from point i to point i + 1 (percent of range).
struct CharacterizerSegment {
    double slope = 0.0;
    double intercept = 0.0;
    double end = 0.0;       // PV at the right end
    bool vertical = false;  // both points at one MV
};

// What persists between scans: the points as last read (a point out of use keeps the PV it had
// when it was last in use) and the segments as last computed.
struct CharacterizerState {
    std::array<double, 6> mv{};
    std::array<double, 6> pv{};
    std::array<CharacterizerSegment, 5> segments{};
};

// Inverts a piecewise-linear MV -> PV curve of up to six points: reads a wanted PV and writes
// to M13 the MV at which the curve reaches it.
class Characterizer {
  public:
    static constexpr int kOutput = kCharacterizerOutputAddress;

    void Compute(Simulation& sim);
    // The variable that Lin1EndEnt names, or 0 when its first two characters are not 1..99.
    int InputAddress() const;

    CharacterizerFields fields;
    CharacterizerState state;

  private:
    // Reads the points; returns which segments exist on this scan.
    std::array<bool, 5> ReadSegments();
    // The MV at which segment i reaches x, if the segment can reach it.
    bool Invert(int i, double x, double& mv) const;
};

}  // namespace vork
