#pragma once

#include <functional>

namespace vork {

// How long-running work reports its progress and learns that it should stop. Both are optional; a
// window may poll an atomic flag in `cancelled` and move a progress bar in `progress`, from any
// thread the work runs on.
struct WorkMonitor {
    std::function<void(int percent)> progress;  // 0..100, whenever the value changes
    std::function<bool()> cancelled;            // polled between chunks of simulated time

    bool Cancelled() const { return cancelled && cancelled(); }
};

// Turns `done` of `total` into the monitor's percent, reporting only changes.
class ProgressCounter {
  public:
    explicit ProgressCounter(const WorkMonitor& owner) : owner_(owner) {}

    void Report(double done, double total) {
        if (!owner_.progress || total <= 0) return;
        double share = done / total;
        int percent = static_cast<int>(100 * (share < 0 ? 0 : share > 1 ? 1 : share));
        if (percent == last_) return;
        last_ = percent;
        owner_.progress(percent);
    }
    bool Cancelled() const { return owner_.Cancelled(); }

  private:
    const WorkMonitor& owner_;
    int last_ = -1;
};

}  // namespace vork
