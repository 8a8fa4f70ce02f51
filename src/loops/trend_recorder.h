#pragma once

namespace vork {

class Simulation;

class TrendRecorder {
  public:
    explicit TrendRecorder(int slot) : slot_(slot) {}
    int slot_;
    void Compute(Simulation&) {}
};

}  // namespace vork
