#pragma once

namespace vork {

class Simulation;

class Controller {
  public:
    explicit Controller(int slot) : slot_(slot) {}
    int slot_;
    void Compute(Simulation&) {}
};

}  // namespace vork
