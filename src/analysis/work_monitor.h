#pragma once

#include <functional>

namespace vork {

// How long work reports its progress and learns that it should stop. Both are optional; a
// window may poll an atomic flag in `cancelled` and move a progress bar in `progress`, from any
// thread the work runs on.
struct WorkMonitor {
    std::function<void(int percent)> progress;  // 0..100, whenever the value changes
    std::function<bool()> cancelled;            // polled between chunks of simulated time

    bool Cancelled() const { return cancelled && cancelled(); }
};

// The share [from, to] of a whole that one stage of work covers: the stage reports 0..100 and
// the owner's monitor sees the matching part of its own range.
class ProgressSpan {
  public:
    ProgressSpan(const WorkMonitor& owner, int from, int to)
        : owner_(owner), from_(from), to_(to) {}

    // `done` of `total`, clamped to the span.
    void Report(double done, double total) {
        if (!owner_.progress || total <= 0) return;
        double share = done / total;
        share = share < 0 ? 0 : share > 1 ? 1 : share;
        int percent = from_ + static_cast<int>(share * (to_ - from_));
        if (percent == last_) return;
        last_ = percent;
        owner_.progress(percent);
    }
    bool Cancelled() const { return owner_.Cancelled(); }

  private:
    const WorkMonitor& owner_;
    int from_, to_;
    int last_ = -1;
};

}  // namespace vork
