#pragma once

#include <functional>

#include "engine/numbers.h"

namespace vork {

// The progress of a run of `total` steps, in whole percent rounded half to even, reported once
// per new value: 0 at the first step, then at every change.
class ProgressGauge {
  public:
    ProgressGauge(std::function<void(int)> report, long long total)
        : report_(std::move(report)), total_(static_cast<double>(total)) {}

    // Step `step` (0-based) is about to run.
    void At(long long step) {
        if (!report_) return;
        int percent = static_cast<int>(RoundHalfEven(100.0 * static_cast<double>(step) / total_));
        if (percent != last_) report_(last_ = percent);
    }

  private:
    std::function<void(int)> report_;
    double total_;
    int last_ = -1;
};

}  // namespace vork
