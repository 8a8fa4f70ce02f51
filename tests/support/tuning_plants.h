#pragma once

#include <string>

#include "plant/calc_block.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/signal_generator.h"
#include "project/project.h"

// Small plants for the tuning assistant, as the file bytes a window would hand it. Controller 1
// measures calculation block 1 (M41), which adds the generator's channel 1 around 50 as
// measurement noise to process block 1 (M21); the process reads the controller's output M01,
// or calculation block 2 built on it.
namespace vork::test {

struct PlantSpec {
    int type = kOverdamped;
    std::string gain = "2";
    std::string T1 = "20", T2 = "0";  // seconds
    std::string deadTime = "5";       // seconds
    std::string input = "M01";        // what the process block reads: M01 or a calculation
    int curve = kCurveLinear;
    std::string actuatorLag = "0";
    double noise = 0;  // half-width of the uniform measurement noise, percent
    int noiseType = static_cast<int>(SignalType::FastRandom);
    std::string measured = "M21";  // the measurement before the noise is added
    double co = 30;                // the output the controller holds in manual
    std::string kc = "0.5", ti = "10";
    int structure = kIsa;
};

inline void AddNoise(Simulation& sim, const PlantSpec& s) {
    GeneratorChannelFields& g = sim.generator().channel(1).fields;
    g.Tipo = s.noiseType;
    g.Desc = "2";  // the medium random channel's time constant, seconds
    g.Min = std::to_string(50 - s.noise);
    g.Max = std::to_string(50 + s.noise);
    g.Valor = "50";
    sim.generator().Apply(sim);
}

// Process block 1 reads M(input): block 2's calculation when the plant description names one.
inline void AddProcess(Simulation& sim, const PlantSpec& s) {
    ProcessBlock& p = sim.processes.Fill(1);
    p.fields.TagText = "P-1";
    p.fields.transferType = s.type;
    p.fields.GanhoText = s.gain;
    p.fields.LText = s.T1;
    p.fields.Ctext = s.T2;
    p.fields.TempoMorto = s.deadTime;
    p.fields.gainCurve = s.curve;
    p.fields.tal = s.actuatorLag;
    p.fields.ValorInicialText = "50";
    p.state.InitPending = true;
    if (s.input == "M01") {
        p.fields.EntradaSelect = 0;
    } else {
        CalcBlock& input = sim.calcs.Fill(2);
        input.fields.TagText = "IN";
        input.fields.FuncaoTr = s.input;
        input.Apply(sim);
        p.fields.EntradaSelect = 41;  // M42
    }
    p.Validate(sim);
}

inline std::string PlantBytes(const PlantSpec& s) {
    Project project;
    Simulation& sim = project.sim;
    AddNoise(sim, s);
    AddProcess(sim, s);
    CalcBlock& measured = sim.calcs.Fill(1);
    measured.fields.TagText = "PT-1";
    measured.fields.FuncaoTr = s.measured + (s.noise > 0 ? "+M81-50" : "");
    measured.Apply(sim);
    Controller& c = sim.controllers.Fill(1);
    c.fields.TagText = "PIC-1";
    c.fields.VariavelSelect = 40;  // M41
    c.fields.KpText = s.kc;
    c.fields.KiText = s.ti;
    c.fields.KdText = "0";
    c.fields.EstruturaGroup = s.structure;
    c.Validate(sim);
    c.state.CO = s.co;
    c.state.SP = 50;
    // Saved at rest, as a project usually is: five minutes in manual.
    sim.batch = true;
    for (int pass = 0; pass < 3000; ++pass)
        sim.EvaluationPass();
    return project.FileBytes();
}

}  // namespace vork::test
