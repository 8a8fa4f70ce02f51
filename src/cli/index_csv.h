#pragma once

#include <string>

#include "analysis/grading.h"

namespace vork::cli {

// The columns of one loop's indices as `run --csv` and `grade --csv` write them.
inline constexpr const char* kIndexCsvColumns =
    "loop,tag,variability,iem,iema,co_travel,co_deviation,co_saturation,pv_mean,pv_min,pv_max";

// One loop as plain numbers in the shortest text that reads back to the same value.
std::string IndexCsvLine(const LoopGrade& grade);

}  // namespace vork::cli
