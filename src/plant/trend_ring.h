#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "plant/trend_time_base.h"

namespace vork {

// One ring position: the raw values of the two scaled traces (percent of their range) and four
// plot points, 0 to 200, two per percent. Points 0 and 1 are drawn against the trend scale,
// points 2 and 3 against the fixed 0 to 100 % axis.
struct TrendSample {
    std::array<double, 2> raw{};
    std::array<std::uint8_t, 4> points{};
};

// The values of one sample. A point whose `store` flag is off keeps what the position held.
struct TrendValues {
    std::array<double, 2> raw{};
    std::array<double, 2> fixed{};
    std::array<bool, 4> store{true, true, true, true};
};

// The last 450 samples of a trend with its scale, sample divider, grid phase and pause.
class TrendRing {
  public:
    static constexpr int kSize = 450;
    static constexpr int kHeight = 200;
    static constexpr int kGridPeriod = 30;

    // Counts one tick; true when a sample is to be taken now (never while paused).
    bool SampleDue(TimeBase base);
    // Advances the grid phase and the position and stores the sample there.
    void Push(const TrendValues& values);

    // Sets the scale (percent of range) and redraws points 0 and 1 of every position against it.
    void SetScale(double top, double bottom);
    // Top 1.1 times the largest stored raw value of trace 0, bottom 0.9 times the smallest. A
    // range that would be empty or inverted (every value 0 in a new trend) leaves the scale
    // unchanged; returns whether it changed.
    bool AutoScale();

    double top() const { return top_; }
    double bottom() const { return bottom_; }
    int position() const { return position_; }  // last written, 1..450; 0 before any sample
    int filled() const { return filled_; }      // positions written so far, at most 450
    int gridPhase() const { return gridPhase_; }
    int divider() const { return divider_; }
    bool paused = false;

    // Position p (1..450).
    const TrendSample& At(int p) const { return samples_[static_cast<size_t>(p - 1)]; }
    // Positions from the oldest sample (the one after the last written) to the newest.
    std::vector<int> OldestToNewest() const;

    // A value limited to 0..100 % as a plot point, round(2 * value).
    static std::uint8_t Point(double percent);
    // A raw value relative to the trend scale, in percent of the scale.
    double OnScale(double raw) const;

  private:
    void Replot();

    std::array<TrendSample, kSize> samples_{};
    int position_ = 0;
    int filled_ = 0;
    int divider_ = 0;
    int gridPhase_ = 0;
    double top_ = 100.0;
    double bottom_ = 0.0;
};

}  // namespace vork
