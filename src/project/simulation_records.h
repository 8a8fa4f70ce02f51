#pragma once

#include "plant/simulation.h"
#include "project/object_records.h"

namespace vork {

// The object records of a simulation's slots and its signal generator, for the file frame.
class SimulationRecords : public ObjectRecords {
  public:
    explicit SimulationRecords(Simulation& sim) : sim_(sim) {}

    bool Filled(SlotKind kind, int slot) const override;
    void WriteRecord(SlotKind kind, int slot, LineWriter& out) const override;
    void WriteGenerator(LineWriter& out) const override;

    // Creates the slot's object as filling it in the configuration window does.
    void Fill(SlotKind kind, int slot) override;
    std::vector<std::string> ReadRecord(SlotKind kind, int slot, LineReader& in) override;
    void ReadGenerator(LineReader& in) override;

  private:
    Simulation& sim_;
};

}  // namespace vork
