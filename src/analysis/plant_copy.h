#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "project/project.h"

namespace vork {

class Controller;

// A plant of its own, read from a project's file bytes (Project::FileBytes of the open project),
// so that tests and trial runs never touch the open project. Empty with the reason when the bytes
// do not load.
struct PlantCopy {
    std::unique_ptr<Project> project;
    std::string error;
};

PlantCopy LoadPlantCopy(std::string_view bytes);

// Loop `loop` (controller slot 1..10) of a plant: its controller and the address of its PV.
struct LoopAccess {
    Controller* controller = nullptr;
    int pvAddress = 0;
    std::string error;  // why the loop cannot be used
};

LoopAccess FindLoop(Simulation& sim, int loop);

// One pass of the plant in batch mode, as the scan's evaluation pass at the given time step.
void StepPlant(Simulation& sim, double dt);

// Puts the loop in automatic with a local setpoint. A loop coming from manual takes its present PV
// as setpoint, so the change is bumpless.
void SwitchToAutomatic(Simulation& sim, const LoopAccess& loop);

}  // namespace vork
