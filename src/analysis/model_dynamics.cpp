#include "analysis/model_dynamics.h"

#include <array>
#include <cmath>

namespace vork {

namespace {

// Walks the sample intervals and, within each, the stretches over which the delayed input is
// constant: `stretch(length, value)` for each, `sample(i)` once the state has reached t[i].
template <class Stretch, class Sample>
void WalkDelayedInput(const std::vector<double>& t, const std::vector<double>& u, double deadTime,
                      Stretch&& stretch, Sample&& sample) {
    const size_t n = t.size();
    // Index of the input sample in force plus one; 0 while the delayed time is before t[0].
    size_t next = deadTime <= 0 ? 1 : 0;
    auto value = [&] { return next == 0 ? 0.0 : u[next - 1]; };
    sample(0);
    for (size_t i = 0; i + 1 < n; ++i) {
        double from = t[i];
        while (next < n && t[next] + deadTime <= t[i + 1]) {
            double change = t[next] + deadTime;
            if (change > from) {
                stretch(change - from, value());
                from = change;
            }
            ++next;
        }
        if (t[i + 1] > from) stretch(t[i + 1] - from, value());
        sample(i + 1);
    }
}

// exp(-length / T) for the few stretch lengths a regular sampling produces.
class DecayCache {
  public:
    explicit DecayCache(double timeConstant) : timeConstant_(timeConstant) {}
    double operator()(double length) {
        for (Entry& e : entries_)
            if (e.length == length) return e.decay;
        Entry& e = entries_[slot_];
        slot_ = (slot_ + 1) % entries_.size();
        e = {length, std::exp(-length / timeConstant_)};
        return e.decay;
    }

  private:
    struct Entry {
        double length = -1, decay = 0;
    };
    double timeConstant_;
    std::array<Entry, 3> entries_{};
    size_t slot_ = 0;
};

}  // namespace

std::vector<double> FirstOrderResponse(const std::vector<double>& t, const std::vector<double>& u,
                                       double timeConstant, double deadTime) {
    std::vector<double> out(t.size());
    DecayCache decay(timeConstant);
    double x = 0;
    WalkDelayedInput(
        t, u, deadTime, [&](double length, double v) { x = v + (x - v) * decay(length); },
        [&](size_t i) { out[i] = x; });
    return out;
}

std::vector<double> IntegralResponse(const std::vector<double>& t, const std::vector<double>& u,
                                     double deadTime) {
    std::vector<double> out(t.size());
    double x = 0;
    WalkDelayedInput(
        t, u, deadTime, [&](double length, double v) { x += v * length; },
        [&](size_t i) { out[i] = x; });
    return out;
}

}  // namespace vork
