#pragma once

namespace vork {

class Simulation;

class CalcBlock {
  public:
    explicit CalcBlock(int slot) : slot_(slot) {}
    int slot_;
    void Compute(Simulation&) {}
};

}  // namespace vork
