#include "plant/trend_time_base.h"

#include <array>

namespace vork {

namespace {

struct BaseInfo {
    int ticks;
    double archiveStep;
    const char* header;
};

constexpr std::array<BaseInfo, 3> kBases = {{
    {1, 0.1, "Tempo (0.100 seg);"},
    {3, 0.334, "Tempo (0.334 seg);"},
    {20, 2.0, "Tempo (2 seg);"},
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

double ArchiveTimeStep(TimeBase base) {
    return Info(base).archiveStep;
}

std::string ArchiveTimeHeader(TimeBase base) {
    return Info(base).header;
}

}  // namespace vork
