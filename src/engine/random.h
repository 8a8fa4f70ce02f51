#pragma once

#include <cstdint>
#include <random>

namespace vork {

// The uniform generator of the random signal channels. The program seeds it from the clock,
// tests from a fixed seed, so runs are reproducible.
class Random {
  public:
    explicit Random(uint64_t seed = 1) : engine_(seed) {}
    void Seed(uint64_t seed) { engine_.seed(seed); }
    // Uniform in [0, 1).
    double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_;
};

}  // namespace vork
