#include "plant/process_block.h"

#include "plant/simulation.h"

namespace vork {

TransferParams ProcessBlock::LiveTransferParams(Simulation& sim, double gain) {
    TransferParams p;
    p.type = latched.type;
    p.cycles = latched.cycles;
    p.period = latched.period;
    p.gain = gain;
    p.clampDisabled = fields.clampDisabled;
    if (p.type == kOverdamped) {
        p.T1 = sim.Eval(fields.LText, compiled_.T1);
        p.T2 = sim.Eval(fields.Ctext, compiled_.T2);
    } else if (p.type == kLeadLag) {
        p.lead = sim.Eval(fields.LEAD, compiled_.lead);
        p.lag = sim.Eval(fields.LAG, compiled_.lag);
    }
    return p;
}

void ProcessBlock::Compute(Simulation& sim) {
    double u = sim.vars.Read(latched.input);
    state.X0 = u;
    double gain = sim.Eval(latched.gainExpression, compiled_.gain);
    double rate = sim.Eval(fields.ratetext, compiled_.rate);
    double p = StepActuator(state.actuator, latched.actuator, u, rate, sim.dt);
    double deadTime = sim.Eval(latched.deadTimeExpression, compiled_.deadTime);
    double d = StepDeadTime(state.delay, p, deadTime, sim.dt);
    double s = StepTransfer(state.transfer, LiveTransferParams(sim, gain), d, sim.dt);
    // The gain comes after the clamp, so with K > 1 the output may exceed 100.
    double output = latched.type == kIntegrator ? s : s * gain;
    state.Y2 = output;
    sim.vars.Write(OutputAddress(), output);
    sim.vars.WriteActuator(slot_, p);
}

}  // namespace vork
