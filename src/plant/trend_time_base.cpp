#include "plant/trend_time_base.h"

#include <array>

namespace vork {

namespace {

struct BaseInfo {
    int ticks;
    double cursorSeconds;
    double archiveStep;
    const char* header;
    const char* sampling;
};

constexpr std::array<BaseInfo, 3> kBases = {{
    {1, 0.1, 0.1, "Tempo (0.100 seg);", "Saving 0.1s sampling"},
    {3, 0.3, 0.334, "Tempo (0.334 seg);", "Saving 0.334s sampling"},
    {20, 2.0, 2.0, "Tempo (2 seg);", "Saving 2s sampling"},
}};

const BaseInfo& Info(TimeBase base) {
    return kBases[static_cast<size_t>(base)];
}

}  // namespace

TimeBase TimeBaseAt(int index) {
    return index >= 0 && index < 3 ? static_cast<TimeBase>(index) : TimeBase::ThreeSeconds;
}

int TicksPerSample(TimeBase base) {
    return Info(base).ticks;
}

double CursorSecondsPerSample(TimeBase base) {
    return Info(base).cursorSeconds;
}

double ArchiveTimeStep(TimeBase base) {
    return Info(base).archiveStep;
}

std::string ArchiveTimeHeader(TimeBase base) {
    return Info(base).header;
}

std::string SamplingText(TimeBase base) {
    return Info(base).sampling;
}

}  // namespace vork
