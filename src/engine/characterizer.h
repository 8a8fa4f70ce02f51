#pragma once

namespace vork {

class Simulation;

class Characterizer {
  public:
    bool Lin1Ativar = false;
    void Compute(Simulation&) {}
};

}  // namespace vork
