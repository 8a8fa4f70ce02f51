#include "plant/trend_ring.h"

#include <algorithm>

#include "engine/numbers.h"

namespace vork {

bool TrendRing::SampleDue(TimeBase base) {
    ++divider_;
    if (paused || divider_ < TicksPerSample(base)) return false;
    divider_ = 0;
    return true;
}

void TrendRing::Push(const TrendValues& values) {
    gridPhase_ = gridPhase_ >= kGridPeriod - 1 ? 0 : gridPhase_ + 1;
    position_ = position_ >= kSize ? 1 : position_ + 1;
    filled_ = std::min(filled_ + 1, kSize);
    TrendSample& s = samples_[static_cast<size_t>(position_ - 1)];
    s.raw = values.raw;
    for (size_t i = 0; i < 2; ++i) {
        if (values.store[i]) s.points[i] = Point(OnScale(values.raw[i]));
        if (values.store[i + 2]) s.points[i + 2] = Point(values.fixed[i]);
    }
}

void TrendRing::SetScale(double top, double bottom) {
    top_ = top;
    bottom_ = bottom;
    Replot();
}

bool TrendRing::AutoScale() {
    auto [lo, hi] = std::minmax_element(
        samples_.begin(), samples_.end(),
        [](const TrendSample& a, const TrendSample& b) { return a.raw[0] < b.raw[0]; });
    double top = 1.1 * hi->raw[0];
    double bottom = 0.9 * lo->raw[0];
    if (!(bottom < top)) return false;
    SetScale(top, bottom);
    return true;
}

void TrendRing::Replot() {
    for (TrendSample& s : samples_)
        for (size_t i = 0; i < 2; ++i)
            s.points[i] = Point(OnScale(s.raw[i]));
}

std::vector<int> TrendRing::OldestToNewest() const {
    std::vector<int> order;
    order.reserve(kSize);
    for (int i = 1; i <= kSize; ++i)
        order.push_back((position_ + i - 1) % kSize + 1);
    return order;
}

std::uint8_t TrendRing::Point(double percent) {
    if (!(percent >= 0.0)) return 0;
    if (percent > 100.0) percent = 100.0;
    return static_cast<std::uint8_t>(RoundHalfEven(2.0 * percent));
}

double TrendRing::OnScale(double raw) const {
    return (raw - bottom_) * 100.0 / (top_ - bottom_);
}

}  // namespace vork
