#include "analysis/plant_copy.h"

#include <algorithm>

#include "plant/controller.h"

namespace vork {

PlantCopy LoadPlantCopy(std::string_view bytes) {
    PlantCopy copy;
    copy.project = std::make_unique<Project>();
    FileResult loaded = copy.project->LoadBytes(std::string(bytes), "copy");
    if (!loaded.ok()) {
        copy.error = loaded.error;
        copy.project.reset();
    }
    return copy;
}

LoopAccess FindLoop(Simulation& sim, int loop) {
    LoopAccess access;
    access.controller = sim.controllers.Get(loop);
    if (!access.controller) {
        access.error = "loop " + std::to_string(loop) + " has no controller";
        return access;
    }
    access.pvAddress = access.controller->fields.VariavelSelect + 1;
    if (access.pvAddress < 1) {
        access.controller = nullptr;
        access.error = "loop " + std::to_string(loop) + " has no process variable";
    }
    return access;
}

void StepPlant(Simulation& sim, double dt) {
    sim.batch = true;
    sim.dt = dt;
    sim.EvaluationPass();
}

void SwitchToAutomatic(Simulation& sim, const LoopAccess& loop) {
    ControllerState& s = loop.controller->state;
    if (!s.AutoMode) s.SP = std::clamp(sim.vars.Read(loop.pvAddress), 0.0, 100.0);
    s.AutoMode = true;
    s.LocalMode = true;
}

}  // namespace vork
