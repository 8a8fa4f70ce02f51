#pragma once

#include "plant/controller.h"
#include "plant/simulation.h"

namespace vork::test {

// Controller 1 on M21 with the default tuning, automatic, local SP 50 and PV 40.
struct ControllerLoop {
    Simulation sim;
    Controller& c = sim.controllers.Fill(1);

    ControllerLoop() {
        c.fields.VariavelSelect = 20;  // M21
        c.Validate(sim);
        c.state.SP = 50.0;
        c.state.AutoMode = true;
        sim.vars.Write(21, 40.0);
    }
    void Revalidate() { c.Validate(sim); }
    double Step() {
        c.Compute(sim);
        return c.state.CO;
    }
};

}  // namespace vork::test
