// Surge tank: two identical surge tanks take the same unsteady discharge of a bank of batch
// centrifuges and feed two flotation lines. Each level controller sets the flow controller of
// its outlet valve (cascade). Tank A is held tightly and passes every swing of the inflow on to
// its flotation line; tank B has averaging level control: the level swings inside its limits
// and the outflow changes slowly.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Level rise per second, in percent of the 3 m span, for 1 % (1 m3/h) of net inflow into a tank
// of 2 m diameter: 1 / 3600 / 3.1416 / 3 * 100.
constexpr double kTankGain = 0.00295;
// The centrifuges' discharge: the slider, slow steps as the machines load and unload, and a
// quicker wandering.
constexpr const char* kInflow = "M15+M81+M82";

constexpr int kRowB = 320;  // line B is drawn this far below line A

// The centrifuges' discharge and the header that sends it to both tanks.
void DrawHeader(Sheet& s) {
    s.Source({46, 290});
    s.Pipe({{62, 290}, {150, 290}}, Fluid::Process, false);
    s.Orifice({100, 290});
    s.Signal({{100, 280}, {100, 268}});
    s.Pipe({{150, 290}, {150, 130}, {330, 130}, {330, 168}}, Fluid::Process);
    s.Pipe({{150, 290}, {150, 130 + kRowB}, {330, 130 + kRowB}, {330, 168 + kRowB}},
           Fluid::Process);
    s.Text({20, 330}, {"Das centrífugas", "From the centrifuges"}, Align::Left, 11);
}

// One line `dy` pixels below line A's place.
void DrawLine(Sheet& s, int dy, const Label& title, const char* tank, const char* flow,
              const char* level) {
    s.Text({1010, 28 + dy}, title, Align::Right, 13, true);
    s.Tank({250, 160 + dy, 160, 140}, 0.5);
    s.Text({378, 150 + dy}, tank, Align::Centre, 12, true);
    // The sight glass beside the tank: the live level is the animated bar inside it.
    s.Pipe({{236, 170 + dy}, {250, 170 + dy}}, Fluid::Process, false);
    s.Pipe({{236, 290 + dy}, {250, 290 + dy}}, Fluid::Process, false);
    s.Box({222, 163 + dy, 16, 134}, false);
    s.Text({575, 46 + dy}, {"Balanço", "Balance"}, Align::Left, 11);
    s.Pipe({{410, 280 + dy}, {1010, 280 + dy}}, Fluid::Process);
    s.Text({1010, 306 + dy}, {"Para a flotação", "To flotation"}, Align::Right, 11);
    s.ControlValve({600, 280 + dy});
    s.Orifice({760, 280 + dy});
    s.Bubble({760, 220 + dy}, flow);
    s.Signal({{760, 270 + dy}, {760, 248 + dy}});
    s.Bubble({470, 210 + dy}, level);
    s.Signal({{410, 210 + dy}, {442, 210 + dy}});
    // Level to its controller, level controller to the flow controller's remote setpoint, flow
    // to its controller, flow controller to the valve.
    s.Signal({{470, 182 + dy}, {470, 128 + dy}}, true);
    s.Signal({{498, 100 + dy}, {600, 100 + dy}, {600, 122 + dy}}, true);
    s.Signal({{760, 192 + dy}, {760, 150 + dy}, {628, 150 + dy}}, true);
    s.Signal({{600, 178 + dy}, {600, 246 + dy}}, true);
}

}  // namespace

void surge_tank(Example& ex) {
    ex.Gallery("sim6", "surge tank", "surge tank.smp");
    ex.Title("Tanque Pulmão", "Surge Tank");
    ex.Summary(
        "Two surge tanks under the same unsteady inflow: tight level control passes every swing "
        "on to the outflow, averaging level control lets the level swing and keeps the outflow "
        "smooth.");

    ex.Var(15).Unit("m3/h").Range(0, 100).Limits(20, 80);
    ex.Var(81).Unit("m3/h").Range(0, 100).Limits(-15, 15);
    ex.Var(82).Unit("m3/h").Range(0, 100).Limits(-4, 4);
    for (int address : {83, 25, 21, 23})
        ex.Var(address).Unit("m3/h").Range(0, 100).Limits(20, 80);
    for (int address : {41, 42})
        ex.Var(address).Unit("m3/h").Range(0, 100).Limits(-20, 20);
    for (int address : {22, 24})
        ex.Var(address).Unit("m").Range(0, 3).Limits(0.6, 2.4);

    ex.Channel(1).SlowRandom(-15, 15, "Carga das centrífugas", "Centrifuge loading");
    ex.Channel(2).MediumRandom(15, -4, 4);
    ex.Channel(3).Equation(kInflow, "Descarga das centrífugas", "Centrifuge discharge");
    ex.Track(1).Label("Vazão média", "Mean inflow").Value(50).At({40, 568});

    ex.Process(5, "FT-100")
        .Desc("Vazão de entrada", "Inflow")
        .Input(83)
        .Lag(5)
        .AsInstrument()
        .At({100, 240});

    // Line A: tight level control.
    ex.Process(1, "FV-101")
        .Desc("Vazão de saída A", "Outflow A")
        .Input(2)
        .Lag(2, 0.5)
        .At({665, 248});
    ex.Calc(1, "FY-101")
        .Desc("Balanço do TQ-101", "TQ-101 balance")
        .Function("M25-M21")
        .Symbol("Σ")
        .At({520, 50});
    ex.Process(2, "TQ-101")
        .Desc("Nível do TQ-101", "TQ-101 level")
        .Input(41)
        .Integrator()
        .Gain(kTankGain)
        .Saved({0, 50, 0, 50, 0, 0, 0, 0})
        .At({330, 260});
    ex.Controller(1, "LIC-101")
        .Desc("Nível do TQ-101 (rígido)", "TQ-101 level (tight)")
        .Pv(22)
        .Pid(4, 300)
        .ReverseProcess()
        .SlaveOutput(2)
        .Auto(1.5)
        .At({470, 100});
    ex.Controller(2, "FIC-101")
        .Desc("Vazão de saída A", "Outflow A")
        .Pv(21)
        .Pid(0.5, 2.5)
        .Remote(1)
        .Auto(50)
        .At({600, 150});

    // Line B: averaging level control.
    ex.Process(3, "FV-201")
        .Desc("Vazão de saída B", "Outflow B")
        .Input(4)
        .Lag(2, 0.5)
        .At({665, 248 + kRowB});
    ex.Calc(2, "FY-201")
        .Desc("Balanço do TQ-201", "TQ-201 balance")
        .Function("M25-M23")
        .Symbol("Σ")
        .At({520, 50 + kRowB});
    ex.Process(4, "TQ-201")
        .Desc("Nível do TQ-201", "TQ-201 level")
        .Input(42)
        .Integrator()
        .Gain(kTankGain)
        .Saved({0, 50, 0, 50, 0, 0, 0, 0})
        .At({330, 260 + kRowB});
    ex.Controller(3, "LIC-201")
        .Desc("Nível do TQ-201 (médio)", "TQ-201 level (averaging)")
        .Pv(24)
        .Pid(0.44, 3000)
        .ReverseProcess()
        .SlaveOutput(4)
        .Auto(1.5)
        .At({470, 100 + kRowB});
    ex.Controller(4, "FIC-201")
        .Desc("Vazão de saída B", "Outflow B")
        .Pv(23)
        .Pid(0.5, 2.5)
        .Remote(3)
        .Auto(50)
        .At({600, 150 + kRowB});

    ex.Shape(1).Bar(22, 10, 130, 0x2E86C1).At({225, 165});
    ex.Shape(2).Bar(24, 10, 130, 0x2E86C1).At({225, 165 + kRowB});
    ex.Text(1).Desc("LT-101").Scalar(22, 2).At({268, 190});
    ex.Text(2).Desc("FT-101").Scalar(21, 1).At({800, 205});
    ex.Text(3).Desc("LT-201").Scalar(24, 2).At({268, 190 + kRowB});
    ex.Text(4).Desc("FT-201").Scalar(23, 1).At({800, 205 + kRowB});
    ex.Text(5).Desc("FT-100").Scalar(25, 1).At({40, 365});
    ex.Recorder(1, "TR-100")
        .Desc("Vazões de entrada e de saída", "Inflow and outflows")
        .Pen(1, 25, "FT-100")
        .Pen(2, 21, "FT-101")
        .Pen(3, 23, "FT-201")
        .TimeBase(2)
        .At({940, 150});

    DrawHeader(ex.sheet());
    DrawLine(ex.sheet(), 0, {"Linha A: nível rígido", "Line A: tight level"}, "TQ-101", "FT-101",
             "LT-101");
    DrawLine(ex.sheet(), kRowB, {"Linha B: nível médio", "Line B: averaging level"}, "TQ-201",
             "FT-201", "LT-201");
    ex.Settle(1800);
    ex.Comments(
        {"Tanque pulmão: duas linhas iguais recebem a descarga irregular de um banco de "
         "centrífugas em batelada (gerador: degraus lentos M81 quando as máquinas carregam e "
         "descarregam, e uma variação mais rápida M82; controle \"Vazão média\") e alimentam "
         "duas linhas de flotação, que precisam de vazão estável. Cada tanque pulmão (2 m de "
         "diâmetro, 3 m de altura) tem o controle de nível em cascata com o de vazão da saída: "
         "o LIC ajusta o SP remoto do FIC, que move a válvula.",
         "",
         "Linha A: o LIC-101 é sintonizado para nível rígido (Kc 4, Ti 300 s; constante de "
         "tempo de malha de 1,5 min): o nível quase não se move e toda variação da entrada "
         "passa para a flotação.",
         "Linha B: o LIC-201 faz controle médio de nível (Kc 0,44, Ti 3000 s; constante de "
         "tempo de malha de 13 min): o nível usa a capacidade do tanque e a vazão de saída muda "
         "devagar. O tanque absorve as variações de carga, que é a função de um tanque pulmão.",
         "",
         "O que fazer: na Simulação Rápida, janela de 2 horas e nenhum sinal de teste, compare "
         "a variabilidade de FIC-101 e FIC-201 (a vazão enviada à flotação) e a de LIC-101 e "
         "LIC-201 (o nível). Mude a \"Vazão média\" e veja como cada linha acompanha. "
         "Experimente outras sintonias no LIC-201: um ganho menor deixa a saída ainda mais "
         "lisa, mas o nível pode chegar aos limites de alarme (0,6 e 2,4 m).",
         "",
         "O que observar: no registrador TR-100, a entrada FT-100 e as duas saídas. No controle "
         "médio o nível não precisa ficar no SP, só dentro dos limites: o TQ-201 oscila "
         "devagar sem problema algum, e um degrau no SP do LIC-201 leva quase uma hora. Os LIC "
         "param de integrar enquanto a saída do seu FIC está saturada (realimentação da MV, "
         "anti-windup de cascata)."},
        {"Surge tank: two identical lines take the unsteady discharge of a bank of batch "
         "centrifuges (generator: slow steps M81 as the machines load and unload, and a quicker "
         "wandering M82; the \"Mean inflow\" slider) and feed two flotation lines, which need "
         "a steady flow. Each surge tank (2 m across, 3 m high) has its level control in "
         "cascade with the outlet flow control: the LIC sets the remote SP of the FIC, which "
         "moves the valve.",
         "",
         "Line A: LIC-101 is tuned for a tight level (Kc 4, Ti 300 s; closed-loop time constant "
         "1.5 min): the level hardly moves and every swing of the inflow passes on to flotation.",
         "Line B: LIC-201 does averaging level control (Kc 0.44, Ti 3000 s; closed-loop time "
         "constant 13 min): the level uses the tank's capacity and the outflow changes slowly. "
         "The tank absorbs the load swings, which is what a surge tank is for.",
         "",
         "What to try: in the Fast Simulation, with a 2-hour window and no test signal, compare "
         "the variability of FIC-101 and FIC-201 (the flow sent to flotation) and that of "
         "LIC-101 and LIC-201 (the level). Move the \"Mean inflow\" and watch each line follow. "
         "Try other tunings on LIC-201: a lower gain makes the outflow smoother still, but the "
         "level may reach its alarm limits (0.6 and 2.4 m).",
         "",
         "What to watch: on recorder TR-100, the inflow FT-100 and both outflows. With averaging "
         "control the level need not sit on its SP, only inside its limits: TQ-201 swings "
         "slowly and that is fine, and an SP step on LIC-201 takes nearly an hour. The LICs "
         "stop integrating while their FIC's output is saturated (MV feedback, cascade "
         "anti-windup)."});
}

}  // namespace vork::plantmaker
