#include "plant/dead_time.h"

#include <bit>

#include "engine/numbers.h"

namespace vork {

int DelaySampleCount(double deadTime, double dt) {
    constexpr int kLongest = DeadTimeState::kLength - 1;
    double quotient = deadTime / dt;
    if (!(quotient >= 0.0)) return 0;
    if (quotient >= kLongest) return kLongest;
    long long samples = RoundDecimalQuotient(quotient);
    return samples > kLongest ? kLongest : static_cast<int>(samples);
}

double StepDeadTime(DeadTimeState& s, double p, double deadTime, double dt) {
    uint64_t deadTimeBits = std::bit_cast<uint64_t>(deadTime);
    uint64_t dtBits = std::bit_cast<uint64_t>(dt);
    if (!s.counted || deadTimeBits != s.countedDeadTimeBits || dtBits != s.countedDtBits) {
        s.countedSamples = DelaySampleCount(deadTime, dt);
        s.countedDeadTimeBits = deadTimeBits;
        s.countedDtBits = dtBits;
        s.counted = true;
    }
    s.DelaySamples = s.countedSamples;
    bool inRing = s.DelayIndex >= 0 && s.DelayIndex < DeadTimeState::kLength;
    s.DelayIndex = inRing ? s.DelayIndex + 1 : 1;
    s.DelayLine[s.DelayIndex - 1] = p;
    int read = s.DelayIndex - s.DelaySamples;
    if (read < 1) read += DeadTimeState::kLength;
    s.DelayedValue = s.DelayLine[read - 1];
    return s.DelayedValue;
}

}  // namespace vork
