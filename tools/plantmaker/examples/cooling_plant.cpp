// Cooling plant: hot wet gas from a compressor is cooled with water in E-501; the condensed water
// collects in separator V-502. TIC-501 holds the gas temperature on the cooling water valve,
// LIC-502 the separator level on the drain and PIC-503 its pressure on the gas outlet valve. The
// three interact: a colder gas condenses more water and takes up less volume, and the separator
// pressure pushes the drain.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Gas temperature after the cooler at steady state, °C: 40 °C at half gas flow, half cooling
// water and water at 25 °C (slider 2: 15 + 0.2*M16 °C).
constexpr const char* kTemperature = "30+0.4*(M82-50)-0.5*(M21-50)+0.2*M16";
// Water condensing minus water drained, percent of 10 m3/h: the gas brings its water in
// proportion to its flow, and less of it stays vapour the colder the gas leaves.
constexpr const char* kNetCondensate = "M82*(80-M22)/80-M23";
// Separator pressure at steady state, percent of 10 bar: gas in against gas out, and a hotter
// gas takes more room.
constexpr const char* kPressure = "60+0.9*(M82-50)-0.9*(M25-50)+0.2*(M22-40)";

void DrawCooler(Sheet& s) {
    s.Drum({220, 170, 240, 90});
    s.Box({254, 180, 6, 70});
    s.Box({420, 180, 6, 70});
    s.Box({260, 198, 160, 34}, false);
    s.Text({340, 158}, "E-501", Align::Centre, 12, true);
    s.Pipe({{20, 215}, {222, 215}}, Fluid::Gas);
    s.Text({20, 190}, {"Gás do compressor (120 °C)", "Gas from the compressor (120 °C)"},
           Align::Left, 11);
    s.Pipe({{458, 215}, {562, 215}}, Fluid::Gas);
    // Cooling water in at the bottom, out at the top through the valve.
    s.Pipe({{20, 320}, {400, 320}, {400, 262}}, Fluid::Water);
    s.Text({20, 346}, {"Água de resfriamento", "Cooling water"}, Align::Left, 11);
    s.Pipe({{280, 172}, {280, 110}, {20, 110}}, Fluid::Water);
    s.Text({20, 136}, {"Retorno", "Return"}, Align::Left, 11);
    s.ControlValve({140, 110});
}

void DrawSeparator(Sheet& s) {
    s.Vessel({560, 120, 130, 300}, 0.3);
    s.Text({700, 440}, "V-502", Align::Left, 12, true);
    s.Pipe({{625, 122}, {625, 80}, {1010, 80}}, Fluid::Gas);
    s.Text({1010, 52}, {"Para o gasoduto", "To the pipeline"}, Align::Right, 11);
    s.ControlValve({840, 80});
    s.Pipe({{625, 418}, {625, 500}, {1010, 500}}, Fluid::Water);
    s.Text({1010, 526}, {"Condensado", "Condensate"}, Align::Right, 11);
    s.ControlValve({860, 500});
}

void DrawLoops(Sheet& s) {
    s.Bubble({60, 262}, "FI-500");
    s.Signal({{60, 215}, {60, 234}});
    // Temperature on the cooling water.
    s.Bubble({500, 150}, "TT-501");
    s.Signal({{500, 215}, {500, 178}});
    s.Signal({{500, 122}, {500, 60}, {388, 60}}, true);
    s.Signal({{332, 60}, {140, 60}, {140, 74}}, true);
    // Pressure on the gas outlet.
    s.Bubble({720, 170}, "PT-503");
    s.Signal({{720, 80}, {720, 142}});
    s.Signal({{748, 170}, {812, 170}}, true);
    s.Signal({{868, 170}, {900, 170}, {900, 30}, {840, 30}, {840, 44}}, true);
    // Level on the drain.
    s.Signal({{690, 300}, {712, 300}});
    s.Signal({{690, 380}, {712, 380}});
    s.Signal({{768, 340}, {832, 340}}, true);
    s.Signal({{860, 368}, {860, 464}}, true);
}

void DrawModelFrame(Sheet& s) {
    s.Box({40, 400, 440, 120}, false, true);
    s.Text({50, 418}, {"Balanços do processo (modelo)", "Process balances (model)"}, Align::Left,
           11);
}

}  // namespace

void cooling_plant(Example& ex) {
    ex.Gallery("sim15", "coolingplant", "coolingplant.smp");
    ex.Title("Planta de resfriamento", "Cooling plant");
    ex.Summary(
        "Hot wet gas cooled with water, its condensate separated: gas temperature, separator "
        "level and separator pressure, three loops that interact.");

    ex.Var(15).Unit("kNm3/h").Range(0, 40).Limits(0, 40);
    ex.Var(16).Unit("°C").Range(15, 35).Limits(15, 35);
    ex.Var(81);
    ex.Var(82).Unit("kNm3/h").Range(0, 40).Limits(4, 36);
    ex.Var(21).Unit("m3/h").Range(0, 200).Limits(10, 190);
    for (int address : {22, 41})
        ex.Var(address).Unit("°C").Range(0, 100).Limits(30, 55);
    ex.Var(23).Unit("m3/h").Range(0, 10).Limits(0, 10);
    ex.Var(42).Unit("m3/h").Range(0, 10).Limits(-10, 10);
    for (int address : {24, 43})
        ex.Var(address).Unit("bar").Range(0, 10).Limits(4, 8);
    ex.Var(25).Unit("kNm3/h").Range(0, 40).Limits(0, 40);
    ex.Var(26).Unit("m").Range(0, 1).Limits(0.2, 0.8);

    ex.Channel(1).MediumRandom(60, 0, 100, 50);
    ex.Channel(2).Equation("M15+(M81-50)*0.3", "Vazão de gás", "Gas flow");
    ex.Track(1).Label("Vazão de gás", "Gas flow").Value(50).At({40, 560});
    ex.Track(2).Label("Temp. da água", "Water temp.").Value(50).At({240, 560});

    ex.Process(1, "TV-501")
        .Desc("Vazão de água de resfriamento", "Cooling water flow")
        .Input(1)
        .ActuatorLag(4)
        .Lag(2)
        .At({140, 142});
    ex.Process(2, "E-501")
        .Desc("Temperatura do gás resfriado", "Cooled gas temperature")
        .Input(41)
        .DeadTime(5)
        .Lag(40, 15)
        .At({340, 290});
    ex.Process(3, "LV-502")
        .Desc("Vazão de condensado drenado", "Drained condensate flow")
        .Input(2)
        .ActuatorLag(3)
        .Lag(1)
        .Gain("0.5*(M24/60)^0.5")
        .At({860, 532});
    ex.Process(4, "V-502")
        .Desc("Pressão do separador", "Separator pressure")
        .Input(43)
        .Lag(12)
        .At({625, 180});
    ex.Process(5, "PV-503")
        .Desc("Vazão de gás para o gasoduto", "Gas flow to the pipeline")
        .Input(3)
        .ActuatorLag(3)
        .Lag(1)
        .At({840, 108});
    ex.Process(6, "LT-502")
        .Desc("Nível do separador", "Separator level")
        .Input(42)
        .Integrator()
        .Gain(0.01)
        .AsInstrument()
        .At({740, 340});
    ex.Calc(1, "TY-501")
        .Desc("Temperatura de equilíbrio", "Equilibrium temperature")
        .Function(kTemperature)
        .Symbol("Σ")
        .At({110, 470});
    ex.Calc(2, "FY-502")
        .Desc("Condensado líquido", "Net condensate")
        .Function(kNetCondensate)
        .Symbol("Σ")
        .At({250, 470});
    ex.Calc(3, "PY-503")
        .Desc("Pressão de equilíbrio", "Equilibrium pressure")
        .Function(kPressure)
        .Symbol("Σ")
        .At({390, 470});

    ex.Controller(1, "TIC-501")
        .Desc("Temperatura do gás resfriado", "Cooled gas temperature")
        .Pv(22)
        .Pid(2.5, 48)
        .ReverseProcess()
        .Auto(40)
        .At({360, 60});
    ex.Controller(2, "LIC-502")
        .Desc("Nível do separador", "Separator level")
        .Pv(26)
        .Pid(4, 200)
        .ReverseProcess()
        .Auto(0.5)
        .At({860, 340});
    ex.Controller(3, "PIC-503")
        .Desc("Pressão do separador", "Separator pressure")
        .Pv(24)
        .Pid(1.5, 12)
        .ReverseProcess()
        .Auto(6)
        .At({840, 170});

    ex.Text(1).Desc("FI-500").Scalar(82, 1).At({96, 262}, 100);
    ex.Text(2).Desc("TT-501").Scalar(22, 1).At({456, 280}, 100);
    ex.Text(3).Desc("PT-503").Scalar(24, 2).At({910, 200}, 100);
    ex.Text(4).Desc("LT-502").Scalar(26, 2).At({910, 270}, 100);
    ex.Recorder(1, "TR-501")
        .Desc("Temperatura, nível e pressão", "Temperature, level and pressure")
        .Pen(1, 22, "TT-501")
        .Pen(2, 26, "LT-502")
        .Pen(3, 24, "PT-503")
        .TimeBase(2)
        .At({900, 590});

    DrawModelFrame(ex.sheet());
    DrawCooler(ex.sheet());
    DrawSeparator(ex.sheet());
    DrawLoops(ex.sheet());
    ex.Settle(1800);

    ex.Comments(
        {"Planta de resfriamento: o gás úmido que sai de um compressor (20 mil Nm3/h a 120 °C, "
         "controle \"Vazão de gás\", variando ao acaso com o gerador M81) é resfriado com água "
         "no trocador E-501. O vapor d'água condensa (cerca de 2,5 m3/h) e se separa no vaso "
         "V-502; o gás segue para o gasoduto a 6 bar e o condensado é drenado pelo fundo.",
         "Malhas: TIC-501, temperatura do gás resfriado, atua na válvula de água TV-501 (PI Kc "
         "2,5, Ti 48 s; o trocador tem 5 s de tempo morto e constantes de 40 s e 15 s). "
         "LIC-502, nível do separador, atua na drenagem LV-502 (PI Kc 4, Ti 200 s, pelo SIMC "
         "para um integrador). PIC-503, pressão do separador, atua na válvula de gás PV-503 "
         "(PI Kc 1,5, Ti 12 s; o volume do vaso responde em 12 s). Os três blocos de cálculo "
         "fazem os balanços de energia, de condensado e de gás do modelo.",
         "As malhas interagem: gás mais frio condensa mais água (o nível sobe) e ocupa menos "
         "volume (a pressão cai); pressão mais alta empurra mais condensado pela drenagem.",
         "",
         "O que fazer: mude a \"Vazão de gás\" e veja as três malhas reagirem; mude a "
         "\"Temp. da água\" (água de 35 °C no verão) e veja o TIC-501 abrir a água; com água "
         "quente e muito gás a válvula satura e a temperatura sobe. Na Simulação Rápida, o "
         "degrau de 10 % no SP move os três SPs juntos: compare com um degrau só no SP do "
         "TIC-501 em tempo real e veja o nível e a pressão se moverem sem que seus SPs mudem.",
         "",
         "O que observar: no registrador TR-501, a temperatura, o nível e a pressão juntos; a "
         "malha de pressão é rápida, a de temperatura lenta, e o nível sente as duas."},
        {"Cooling plant: the wet gas leaving a compressor (20 thousand Nm3/h at 120 °C, \"Gas "
         "flow\" slider, wandering at random with generator M81) is cooled with water in "
         "exchanger E-501. The water vapour condenses (about 2.5 m3/h) and separates in vessel "
         "V-502; the gas goes on to the pipeline at 6 bar and the condensate is drained from "
         "the bottom.",
         "Loops: TIC-501, the cooled gas temperature, acts on cooling water valve TV-501 (PI Kc "
         "2.5, Ti 48 s; the exchanger has 5 s of dead time and time constants of 40 s and "
         "15 s). LIC-502, the separator level, acts on drain LV-502 (PI Kc 4, Ti 200 s, by the "
         "SIMC rules for an integrator). PIC-503, the separator pressure, acts on gas valve "
         "PV-503 (PI Kc 1.5, Ti 12 s; the vessel's volume answers in 12 s). The three "
         "calculation blocks make the model's energy, condensate and gas balances.",
         "The loops interact: a colder gas condenses more water (the level rises) and takes up "
         "less room (the pressure falls); a higher pressure pushes more condensate through the "
         "drain.",
         "",
         "What to try: change the \"Gas flow\" and watch the three loops react; change the "
         "\"Water temp.\" (35 °C water in summer) and watch TIC-501 open the water; with warm "
         "water and much gas the valve saturates and the temperature climbs. In the Fast "
         "Simulation the 10 % SP step moves the three SPs together: compare with a step of "
         "TIC-501's SP alone in real time and watch the level and the pressure move though "
         "their SPs do not.",
         "",
         "What to watch: on recorder TR-501, temperature, level and pressure together; the "
         "pressure loop is fast, the temperature loop slow, and the level feels both."});
}

}  // namespace vork::plantmaker
