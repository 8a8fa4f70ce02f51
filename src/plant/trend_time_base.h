#pragma once

#include <string>

namespace vork {

// The three time bases of a trend: time per division of 30 samples at the 0.1 s scan.
enum class TimeBase { ThreeSeconds = 0, NineSeconds = 1, OneMinute = 2 };

// The base at list position `index` of `BaseTempoBox`; an unknown position means the first.
TimeBase TimeBaseAt(int index);

// Scan ticks per sample: 1, 3 or 20.
int TicksPerSample(TimeBase base);

// Row time step of the text export: 0.1, 0.334 or 2.
double ArchiveTimeStep(TimeBase base);

// First cell of the export header: "Tempo (0.100 seg);", "Tempo (0.334 seg);", "Tempo (2 seg);".
std::string ArchiveTimeHeader(TimeBase base);

}  // namespace vork
