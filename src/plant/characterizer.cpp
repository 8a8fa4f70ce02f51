#include "plant/characterizer.h"

#include "engine/numbers.h"
#include "plant/simulation.h"

namespace vork {

int Characterizer::InputAddress() const {
    const std::string& text = fields.Lin1EndEnt;
    std::string firstTwo = text.size() < 2 ? "  " : text.substr(0, 2);
    std::optional<int> n = ParseStrictInt(firstTwo);
    return n && *n >= 1 && *n <= 99 ? *n : 0;
}

std::array<bool, 5> Characterizer::ReadSegments() {
    std::array<bool, 5> exists{};
    state.mv[0] = ParseLenient(fields.Lin1MV[0]);
    state.pv[0] = ParseLenient(fields.Lin1PV[0]);
    for (int i = 0; i < 5; ++i) {
        state.mv[i + 1] = ParseLenient(fields.Lin1MV[i + 1]);
        if (state.mv[i + 1] == 0.0) continue;
        exists[i] = true;
        state.pv[i + 1] = ParseLenient(fields.Lin1PV[i + 1]);
        CharacterizerSegment& s = state.segments[i];
        double dMV = state.mv[i + 1] - state.mv[i];
        s.vertical = dMV == 0.0;
        s.slope = s.vertical ? 0.0 : (state.pv[i + 1] - state.pv[i]) / dMV;
        s.intercept = s.vertical ? 0.0 : state.pv[i + 1] - s.slope * state.mv[i + 1];
        s.end = s.vertical ? state.pv[i + 1] : s.slope * state.mv[i + 1] + s.intercept;
    }
    return exists;
}

// A vertical segment reaches every PV at its one MV; a flat one reaches none but its own level,
// so it is passed over rather than divided by.
bool Characterizer::Invert(int i, double x, double& mv) const {
    const CharacterizerSegment& s = state.segments[i];
    if (s.vertical) {
        mv = state.mv[i + 1];
        return true;
    }
    if (s.slope == 0.0) return false;
    mv = x / s.slope - s.intercept / s.slope;
    return true;
}

void Characterizer::Compute(Simulation& sim) {
    double x = sim.vars.Read(InputAddress());
    std::array<bool, 5> exists = ReadSegments();
    for (int i = 0; i < 4; ++i) {
        double mv = 0.0;
        if (exists[i] && x < state.segments[i].end && Invert(i, x, mv)) {
            sim.vars.Write(kOutput, mv);
            return;
        }
    }
    double mv = 0.0;
    if (exists[4] && Invert(4, x, mv)) sim.vars.Write(kOutput, mv);
}

}  // namespace vork
