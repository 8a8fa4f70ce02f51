#pragma once

#include "plant/simulation.h"
#include "workspace/workspace.h"

namespace vork {

// Brings the markers of the filled slots up to date with their objects: each marker is visible
// as its show option says and carries its object's tag; an animated text's description label
// shows the text's description and is visible with its value label; each visible slider's
// number field shows its variable in engineering units.
void RefreshWorkspace(Workspace& workspace, const Simulation& sim);

}  // namespace vork
