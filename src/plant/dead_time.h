#pragma once

#include <cstdint>
#include <vector>

namespace vork {

// Transport delay as a ring of actuator positions, one entry per tick.
struct DeadTimeState {
    static constexpr int kLength = 10000;

    // Ring position k (1..kLength) is DelayLine[k - 1]. Allocated once with the block.
    std::vector<double> DelayLine = std::vector<double>(kLength, 0.0);
    int DelayIndex = 0;       // position last written; 0 before the first tick
    int DelaySamples = 0;     // dead time in ticks, 0..kLength - 1
    double DelayedValue = 0;  // the delayed actuator position of this tick, percent
    // The last count with the dead time and time step it was made from: both rarely change,
    // and the count rounds a quotient to 15 digits.
    uint64_t countedDeadTimeBits = 0;
    uint64_t countedDtBits = 0;
    int countedSamples = 0;
    bool counted = false;
};

// Dead time in seconds to whole ticks, rounding the decimal quotient half to even. A negative or
// undefined quotient (a latched expression gone negative at run time, dt = 0) gives no delay;
// beyond the ring the delay is capped at its longest, kLength - 1 ticks.
int DelaySampleCount(double deadTime, double dt);

// Writes p into the ring and returns the entry N ticks back (N = 0: p itself).
double StepDeadTime(DeadTimeState& state, double p, double deadTime, double dt);

}  // namespace vork
