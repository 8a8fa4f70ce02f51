// Builds the benchmark plant: every controller, process block and calculation block slot filled,
// every block reading variables through expressions, every marker of the synoptic shown, and
// saves it as a simulation file.
//
//   make_full_plant OUT.smp

#include <cstdio>
#include <string>
#include <vector>

#include "full_plant_synoptic.h"
#include "plant/calc_block.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/signal_generator.h"
#include "project/project.h"

namespace {

using namespace vork;

struct Unit {
    int address;
    const char* unit;
    const char* ueMax;
    const char* lie;
    const char* lse;
};

// Engineering ranges of the measured variables; limits refer to other variables.
constexpr Unit kUnits[] = {
    {21, "m3/h", "150", "0.00", "M61*1.5+20"}, {22, "t/h", "40", "0.00", "38"},
    {23, "°C", "200", "M62*2-20", "M62*2+20"}, {26, "%", "100.00", "10", "90"},
    {29, "°C", "400", "0.00", "M67*4+40"},     {41, "bar", "16", "0.00", "12"},
};

void SetChannel(SignalGenerator& g, int k, SignalType type, const char* desc, const char* min,
                const char* max, const char* valor) {
    GeneratorChannelFields& f = g.channel(k).fields;
    f.Tipo = static_cast<int>(type);
    f.Desc = desc;
    f.Min = min;
    f.Max = max;
    f.Valor = valor;
}

// Disturbances and derived signals that the plant reads through its expressions.
void BuildGenerator(Simulation& sim) {
    SignalGenerator& g = sim.generator();
    SetChannel(g, 1, SignalType::MediumRandom, "20", "40", "60", "50");
    SetChannel(g, 2, SignalType::Sine, "300+M83*6", "45", "55", "");
    SetChannel(g, 3, SignalType::Constant100, "Vazão de saída", "", "", "50");
    SetChannel(g, 4, SignalType::RandomWalk, "5", "50", "0.05", "50");
    SetChannel(g, 5, SignalType::Equation, "Média das cargas", "", "", "M81*0.5+M82*0.5");
    SetChannel(g, 6, SignalType::SlowRandom, "Carga lenta", "45", "55", "50");
    SetChannel(g, 7, SignalType::Equation, "Vazão média", "", "", "(M21+M22)/2");
    SetChannel(g, 8, SignalType::Ln, "Log da vazão", "", "", "M21+1");
    for (int k = 11; k <= SignalGenerator::kChannels; ++k)
        SetChannel(g, k, SignalType::Constant100, "Reserva", "", "", "0");
    g.Apply(sim);
}

// What the plant types into one process block's window.
struct ProcessBlockSettings {
    const char* tag;
    int input;  // address
    int type;
    const char* gain;
    const char* deadTime;
    const char* t1;  // T1, or the lead for a lead-lag, or NC for an underdamped block
    const char* t2;  // T2, or the lag, or the period
    const char* rate = "0";
    const char* hysteresis = "0";
    const char* stiction = "0";
    const char* actuatorLag = "0";
    int curve = kCurveLinear;
};

// Slots 1..24 in order: outputs M21..M40, then M71..M74.
const std::vector<ProcessBlockSettings> kProcesses = {
    {"FV-101", 1, kOverdamped, "1.2", "0.5", "4", "1", "25", "0", "0", "0.5"},
    {"FV-202", 3, kOverdamped, "1", "0.3", "2", "0.5", "M83*0.4"},
    {"TT-201", 22, kOverdamped, "0.8+M84/500", "3+M83/25", "30", "8"},
    {"PV-401", 4, kOverdamped, "1", "1", "6", "2", "0", "0", "0", "0", kCurveEqualPercentage},
    {"DIST-401", 81, kOverdamped, "1", "2", "10", "3"},
    {"LT-501", 42, kIntegrator, "0.02", "0.5", "0", "0"},
    {"AT-601", 6, kUnderdamped, "1", "1", "2", "40"},
    {"LL-701", 7, kLeadLag, "1", "0", "5", "15"},
    {"TT-701", 28, kOverdamped, "0.9", "4", "20", "5"},
    {"FV-801", 8, kOverdamped, "1", "0.2", "3", "1", "0", "0.5", "0.3"},
    {"TT-901A", 9, kOverdamped, "1", "2", "12", "4"},
    {"TT-901B", 31, kOverdamped, "0.95+M86/1000", "1", "8", "0"},
    {"HV-1001", 10, kOverdamped, "1.1", "M83/50", "5", "2", "0", "0", "0", "0", kCurveS1},
    {"FT-102", 21, kOverdamped, "1", "1", "15", "5"},
    {"TT-202", 23, kOverdamped, "1", "2", "25", "0"},
    {"PT-402", 41, kOverdamped, "0.5", "0", "10", "10"},
    {"LT-502", 26, kLeadLag, "1", "0", "2", "8"},
    {"AT-602", 27, kUnderdamped, "1", "0", "3", "60"},
    {"FT-802", 30, kOverdamped, "1", "M86/10", "6", "0"},
    {"TT-902", 44, kOverdamped, "1", "1", "9", "3"},
    {"HT-1002", 33, kOverdamped, "1", "0", "4", "0"},
    {"LIM-1003", 45, kOverdamped, "1", "0", "7", "0"},
    {"ALM-203", 46, kOverdamped, "1", "0", "11", "0", "M83/5"},
    {"ALM-503", 47, kOverdamped, "M83/50", "0.5", "13", "0"},
};

void BuildProcess(Simulation& sim, int slot, const ProcessBlockSettings& s) {
    ProcessBlock& p = sim.processes.Fill(slot);
    ProcessFields& f = p.fields;
    f.TagText = s.tag;
    f.DescricaoText = std::string("Seção ") + s.tag;
    f.EntradaSelect = s.input - 1;
    f.transferType = s.type;
    f.GanhoText = s.gain;
    f.TempoMorto = s.deadTime;
    if (s.type == kOverdamped) {
        f.LText = s.t1;
        f.Ctext = s.t2;
    } else if (s.type == kLeadLag) {
        f.LEAD = s.t1;
        f.LAG = s.t2;
    } else if (s.type == kUnderdamped) {
        f.NCText = s.t1;
        f.PeriodoText = s.t2;
    }
    f.ratetext = s.rate;
    f.Histerese = s.hysteresis;
    f.valveStext = s.stiction;
    f.tal = s.actuatorLag;
    f.gainCurve = s.curve;
    std::vector<std::string> messages = p.Validate(sim);
    for (const std::string& m : messages)
        std::fprintf(stderr, "%s\n", m.c_str());
}

// What the plant types into one calculation block's window.
struct CalcBlockSettings {
    const char* tag;
    const char* function;
    const char* upper = nullptr;  // enabled limits only
    const char* lower = nullptr;
};

// Slots 1..24 in order: outputs M41..M60, then M75..M78.
const std::vector<CalcBlockSettings> kCalcs = {
    {"PY-401", "M24-0.6*(M25-50)", "100", "0"},
    {"LY-501", "M05-M83"},
    {"FY-801", "M21*0.8+(M86-50)/10", "M87+40", "5"},
    {"TY-901", "M31>M32"},
    {"HY-1001", "100-M21*0.3", nullptr, "M83"},
    {"TAH-201", "M23>>M62+5"},
    {"LAL-501", "M26<<20"},
    {"FY-AVG", "(M21+M22+M24)/3"},
    {"AY-601", "M27<M28"},
    {"TY-701", "M29*1.8+32"},
    {"FY-802", "(M30-M68)^2/100", "50"},
    {"HY-1002", "M33*M34/100"},
    {"TY-202", "M35-M36+50", "100", "0"},
    {"LAH-502", "M37>>M38"},
    {"FAL-802", "M39<<M40"},
    {"PY-MIX", "M41*0.5+M42*0.25+M43*0.25"},
    {"HY-AVG", "M71/2+M72/2"},
    {"AY-HS", "M73>M74"},
    {"UY-SUM", "M01+M02+M03-M04", "M83*2", "M83-50"},
    {"UY-LOAD", "M85*1,5-25"},
    {"FY-RATIO", "M22/(M21+1)*50", "M83+50"},
    {"TY-DEV", "M50-M10"},
    {"FY-LS", "M48<M52"},
    {"HY-BLEND", "M57*0.9+M58*0.1", "M83*2", "M83/10"},
};

void BuildCalc(Simulation& sim, int slot, const CalcBlockSettings& s) {
    CalcBlock& c = sim.calcs.Fill(slot);
    CalcBlockFields& f = c.fields;
    f.TagText = s.tag;
    f.DescricaoText = std::string("Cálculo ") + s.tag;
    f.FuncaoTr = s.function;
    f.LimSupCheck = s.upper != nullptr;
    f.LimInfCheck = s.lower != nullptr;
    if (s.upper) f.LimSupText = s.upper;
    if (s.lower) f.LimInfText = s.lower;
    for (const std::string& m : c.Apply(sim))
        std::fprintf(stderr, "%s\n", m.c_str());
}

// What the plant types into one controller's configuration area.
struct ControllerSettings {
    const char* tag;
    int pv;  // address
    const char* kp;
    const char* ti;
    const char* td;
    double sp;
    int remote = 0;  // remote setpoint address, 0 for local
    const char* coMin = "0";
    const char* coMax = "100";
    const char* feedForward = nullptr;
    int slaveOutput = 0;  // back-calculation from a cascade slave
};

const std::vector<ControllerSettings> kControllers = {
    {"FIC-101", 21, "0.5", "5", "0", 50.0},
    {"TIC-201", 23, "1.2", "60", "5", 55.0, 0, "0", "100", nullptr, 3},
    {"FIC-202", 22, "0.4", "3", "0", 50.0, 2},
    {"PIC-401", 41, "0.8", "10", "0", 50.0, 0, "M83/10", "100-M83/10", "0.6*(M25-50)+50"},
    {"LIC-501", 26, "2", "100", "0", 50.0},
    {"AIC-601", 27, "0.3", "20", "0", 40.0},
    {"TIC-701", 29, "0.6", "30", "4", 45.0},
    {"FIC-801", 30, "0.4", "4", "0", 40.0, 43},
    {"TIC-901", 44, "0.5", "20", "0", 50.0},
    {"HIC-1001", 33, "0.5", "6", "0", 50.0, 0, "M83/10", "M45"},
};

void BuildController(Simulation& sim, int slot, const ControllerSettings& s) {
    Controller& c = sim.controllers.Fill(slot);
    ControllerFields& f = c.fields;
    f.TagText = s.tag;
    f.Descricao = std::string("Malha ") + s.tag;
    f.VariavelSelect = s.pv - 1;
    f.KpText = s.kp;
    f.KiText = s.ti;
    f.KdText = s.td;
    f.COminText = s.coMin;
    f.COmaxText = s.coMax;
    f.CheckSPR = s.remote != 0;
    if (s.remote) f.SPRSelect = s.remote - 1;
    f.FFwSelect = s.feedForward != nullptr;
    if (s.feedForward) f.FFwEquation = s.feedForward;
    f.BackMVCheck = s.slaveOutput != 0;
    if (s.slaveOutput) f.BackMV = s.slaveOutput - 1;
    c.state.SP = s.sp;
    c.state.AutoMode = true;
    for (const std::string& m : c.Validate(sim))
        std::fprintf(stderr, "%s\n", m.c_str());
    c.state.LocalMode = s.remote == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_full_plant OUT.smp\n");
        return 2;
    }
    Project project;
    Simulation& sim = project.sim;
    for (const Unit& u : kUnits) {
        sim.vars.SetAttribute(u.address, AttributeField::Unit, u.unit);
        sim.vars.SetAttribute(u.address, AttributeField::UeMax, u.ueMax);
        sim.vars.SetAttribute(u.address, AttributeField::Lie, u.lie);
        sim.vars.SetAttribute(u.address, AttributeField::Lse, u.lse);
    }
    BuildGenerator(sim);
    for (size_t i = 0; i < kProcesses.size(); ++i)
        BuildProcess(sim, static_cast<int>(i) + 1, kProcesses[i]);
    for (size_t i = 0; i < kCalcs.size(); ++i)
        BuildCalc(sim, static_cast<int>(i) + 1, kCalcs[i]);
    for (size_t i = 0; i < kControllers.size(); ++i)
        BuildController(sim, static_cast<int>(i) + 1, kControllers[i]);
    BuildFullSynoptic(project);
    FileResult saved = project.Save(argv[1]);
    if (!saved.ok()) {
        std::fprintf(stderr, "make_full_plant: %s\n", saved.error.c_str());
        return 1;
    }
    return 0;
}
