#pragma once

namespace vork {

class Simulation;

class XYRecorder {
  public:
    XYRecorder() = default;
    void Sweep(Simulation&) {}
};

}  // namespace vork
