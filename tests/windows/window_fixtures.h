#pragma once

#include "plant/process_block.h"
#include "project/project.h"
#include "windows/process_window.h"

namespace vork::test {

// A new process block in `slot` with its window open.
struct BlockWindow {
    explicit BlockWindow(int slot) : b(project.sim.processes.Fill(slot)), w(project, slot) {}

    Project project;
    Simulation& sim = project.sim;
    ProcessBlock& b;
    ProcessWindow w;
};

}  // namespace vork::test
