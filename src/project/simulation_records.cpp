#include "project/simulation_records.h"

#include "plant/animated_text.h"
#include "plant/calc_block.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/signal_generator.h"
#include "plant/trend_recorder.h"
#include "project/records.h"

namespace vork {

bool SimulationRecords::Filled(SlotKind kind, int slot) const {
    switch (kind) {
        case SlotKind::Controller:
            return sim_.controllers.Exists(slot);
        case SlotKind::Process:
            return sim_.processes.Exists(slot);
        case SlotKind::Calc:
            return sim_.calcs.Exists(slot);
        case SlotKind::Recorder:
            return sim_.recorders.Exists(slot);
        case SlotKind::Text:
            return sim_.texts.Exists(slot);
    }
    return false;
}

void SimulationRecords::WriteRecord(SlotKind kind, int slot, LineWriter& out) const {
    switch (kind) {
        case SlotKind::Controller:
            WriteControllerRecord(*sim_.controllers.Get(slot), out);
            break;
        case SlotKind::Process:
            WriteProcessRecord(*sim_.processes.Get(slot), out);
            break;
        case SlotKind::Calc:
            WriteCalcRecord(*sim_.calcs.Get(slot), out);
            break;
        case SlotKind::Recorder:
            WriteRecorderRecord(*sim_.recorders.Get(slot), out);
            break;
        case SlotKind::Text:
            WriteTextRecord(*sim_.texts.Get(slot), out);
            break;
    }
}

void SimulationRecords::WriteGenerator(LineWriter& out) const {
    WriteGeneratorSection(sim_.generator(), out);
}

void SimulationRecords::Fill(SlotKind kind, int slot) {
    switch (kind) {
        case SlotKind::Controller:
            sim_.controllers.Fill(slot);
            break;
        case SlotKind::Process:
            sim_.processes.Fill(slot);
            break;
        case SlotKind::Calc:
            sim_.calcs.Fill(slot);
            break;
        case SlotKind::Recorder:
            sim_.recorders.Fill(slot);
            break;
        case SlotKind::Text:
            sim_.texts.Fill(slot);
            break;
    }
}

std::vector<std::string> SimulationRecords::ReadRecord(SlotKind kind, int slot, LineReader& in) {
    switch (kind) {
        case SlotKind::Controller:
            return ReadControllerRecord(*sim_.controllers.Get(slot), sim_, in);
        case SlotKind::Process:
            return ReadProcessRecord(*sim_.processes.Get(slot), sim_, in);
        case SlotKind::Calc:
            return ReadCalcRecord(*sim_.calcs.Get(slot), sim_, in);
        case SlotKind::Recorder:
            ReadRecorderRecord(*sim_.recorders.Get(slot), sim_, in);
            return {};
        case SlotKind::Text:
            ReadTextRecord(*sim_.texts.Get(slot), sim_, in);
            return {};
    }
    return {};
}

void SimulationRecords::ReadGenerator(LineReader& in) {
    ReadGeneratorSection(sim_.generator(), sim_, in);
}

}  // namespace vork
