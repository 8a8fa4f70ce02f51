#pragma once

namespace vork {

class Simulation;

class AnimatedText {
  public:
    explicit AnimatedText(int slot) : slot_(slot) {}
    int slot_;
    void Evaluate(Simulation&) {}
};

}  // namespace vork
