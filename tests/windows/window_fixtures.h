#pragma once

#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/trend_recorder.h"
#include "project/project.h"
#include "windows/controller_window.h"
#include "windows/process_window.h"
#include "windows/trend_recorder_window.h"

namespace vork::test {

// Controller 1 on M21 with the default tuning, automatic, local SP 50 and PV 40.
inline Controller& LoopOnM21(Simulation& sim) {
    Controller& c = sim.controllers.Fill(1);
    c.fields.VariavelSelect = 20;  // M21
    c.Validate(sim);
    c.state.SP = 50.0;
    c.state.AutoMode = true;
    sim.vars.Write(21, 40.0);
    return c;
}

// That loop with its window open.
struct LoopWindow {
    Project project;
    Simulation& sim = project.sim;
    Controller& c = LoopOnM21(sim);
    ControllerWindow w{project, 1};

    // One real-time tick of the loop, then the window's refresh.
    double Step() {
        c.Compute(sim);
        w.Refresh();
        return c.state.CO;
    }
};

// Recorder 1, tagged "TR", with its window open.
struct RecorderWindow {
    Project project;
    Simulation& sim = project.sim;
    TrendRecorder& r = Tagged(sim.recorders.Fill(1));
    TrendRecorderWindow w{project, 1};

    TrendRecorder& Tagged(TrendRecorder& recorder) {
        recorder.fields.TagText = "TR";
        recorder.Rescale(sim);
        return recorder;
    }
    void Tick() {
        r.Compute(sim);
        w.Refresh();
    }
};

// A new process block in `slot` with its window open.
struct BlockWindow {
    explicit BlockWindow(int slot) : b(project.sim.processes.Fill(slot)), w(project, slot) {}

    Project project;
    Simulation& sim = project.sim;
    ProcessBlock& b;
    ProcessWindow w;
};

}  // namespace vork::test
