#pragma once

namespace vork {

class Simulation;

class ProcessBlock {
  public:
    explicit ProcessBlock(int slot) : slot_(slot) {}
    int slot_;
    void Compute(Simulation&) {}
};

}  // namespace vork
