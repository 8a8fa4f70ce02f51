#pragma once

namespace vork {

class Simulation;

class SignalGenerator {
  public:
    SignalGenerator() = default;
    void Compute(Simulation&) {}
};

}  // namespace vork
