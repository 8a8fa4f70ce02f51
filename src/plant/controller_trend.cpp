#include "plant/addresses.h"
#include "plant/controller.h"
#include "plant/simulation.h"

// The loop trend of a controller: its samples and their archive rows.
namespace vork {

namespace {

// The actuator position of the process block whose output is `pv`; 1 for any other variable.
double ActuatorOf(const VariableTable& vars, int pv) {
    int block = ProcessSlotOfOutput(pv);
    return block ? vars.Read(ActuatorAddress(block)) : 1.0;
}

}  // namespace

void Controller::SampleTrend(Simulation& sim) {
    if (!trend.SampleDue()) return;
    TrendValues v;
    v.raw = {state.PV, state.SP};
    v.fixed = {state.CO, ActuatorOf(sim.vars, tuning.pvAddress)};
    trend.ring.Push(v);
    if (!trend.archive.on()) return;
    double pv = state.PV, sp = state.SP;
    if (trend.settings.UsarUE) {
        pv = range().ToEngineering(pv);
        sp = range().ToEngineering(sp);
    }
    trend.WriteArchiveRow({pv, sp, state.CO});
}

ArchiveStart Controller::StartArchive(Simulation& sim, TrendFileSystem& files) {
    if (tuning.tag.empty() || trend.archive.on()) return ArchiveStart::Refused;
    if (sim.trendArchiveFolder.empty()) return ArchiveStart::NeedsFolder;
    return trend.StartArchive(files, sim.trendArchiveFolder, fields.TagText, {"PV", "SP", "MV"});
}

}  // namespace vork
