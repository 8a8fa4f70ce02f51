// Basic flow loop: FIC-101 holds the flow of a water transfer line with an equal-percentage
// valve. The plant and its saved state are those the example has always had, so its runs and
// archives stay the same; only the picture and the positions are drawn here.

#include "plant/valve_curves.h"
#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

constexpr int kLine = 438;  // the transfer line's height on the picture

void DrawPlant(Sheet& s) {
    s.Tank({50, 230, 130, 260}, 0.62);
    s.Text({115, 220}, "TQ-100", Align::Centre, 12, true);
    s.Pump({270, 450});
    s.Text({270, 500}, "P-100", Align::Centre, 12, true);
    s.Pipe({{180, 450}, {254, 450}}, Fluid::Water, false);
    s.Pipe({{290, kLine}, {860, kLine}}, Fluid::Water);
    s.Tank({860, 230, 140, 280}, 0.35);
    s.Text({930, 220}, "TQ-101", Align::Centre, 12, true);
    s.Orifice({420, kLine});
    s.ControlValve({690, kLine});
    s.Text({545, 466}, {"Água de processo", "Process water"}, Align::Centre);
    s.Text({800, 466}, {"Para TQ-101", "To TQ-101"}, Align::Centre);

    // Impulse line, measurement to the controller, controller to the valve.
    s.Signal({{420, kLine - 12}, {420, 328}});
    s.Signal({{448, 300}, {600, 300}, {600, 180}, {662, 180}}, true);
    s.Signal({{690, 208}, {690, kLine - 34}}, true);

    s.Source({250, 300});
    s.Signal({{266, 300}, {392, 300}}, true);
    s.Text({250, 342}, {"Perturbação de carga", "Load disturbance"}, Align::Centre, 11);
    s.Text({250, 370}, {"(gerador M81)", "(generator M81)"}, Align::Centre, 11);
}

}  // namespace

void basic_flow_loop(Example& ex) {
    ex.Gallery("sim18", "basic flow loop", "basic flow loop.smp");
    ex.Title("Malha de vazão básica", "Basic flow loop");
    ex.Summary(
        "FIC-101 on an equal-percentage valve with a 1 s dead time, a slow load disturbance "
        "from the signal generator.");

    ex.Var(21).Unit("m3/h").Range(0, 200).Limits(40, 160);
    ex.Var(41).Unit("m3/h").Range(0, 200).Limits(40, 160);
    ex.Var(81);

    ex.Channel(1).MediumRandom(20, -3, 3, "1.24");

    ex.Process(1, "FV-101")
        .Desc("Vazão pela válvula FV-101")
        .Input(1)
        .Lag(3, 1)
        .DeadTime(1)
        .Curve(kCurveEqualPercentage)
        .ActuatorLag(0.5)
        .Saved({74.65, 48.84, 48.76, 0, 0, 74.70, 48.82, 48.84})
        .At({690, 484});
    ex.Calc(1, "FT-101")
        .Desc("Vazão medida FT-101")
        .Function("M21+M81")
        .Upper(100)
        .Lower(0)
        .AsInstrument()
        .At({420, 300});
    ex.Controller(1, "FIC-101")
        .Desc("Controle de vazão", "Flow control")
        .Pv(41)
        .Pid(0.5, 4)
        .Auto(100)
        .Saved({24.70, -0.08, 50.08, 50.00, 74.66})
        .At({690, 180});
    ex.Text(1).Desc("Vazão FT-101", "Flow FT-101").Scalar(41, 1).At({374, 204});

    DrawPlant(ex.sheet());

    ex.Comments(
        {"Malha de vazão básica: a bomba P-100 transfere água do tanque TQ-100 para o TQ-101. "
         "O controlador FIC-101 mede a vazão na placa de orifício FT-101 e ajusta a válvula "
         "FV-101 (igual porcentagem, atuador de 0,5 s, tempo morto de 1 s) para mantê-la no "
         "setpoint.",
         "",
         "O gerador de sinais (M81, aleatório médio de ±3 %) soma à vazão medida uma "
         "perturbação de carga lenta, como a variação de pressão da bomba.",
         "",
         "O que fazer: abra o FIC-101 e dê degraus de 10 % no SP, em automático; depois "
         "passe para manual e dê um degrau na saída para ver a resposta do processo.",
         "",
         "O que observar: a ação proporcional pequena (Kc 0,5) e a integral rápida (Ti 4 s) "
         "típicas de malhas de vazão; compare sintonias na Simulação Rápida (degrau no SP e "
         "distúrbio em degrau) pela variabilidade e pelo IEMA."},
        {"Basic flow loop: pump P-100 transfers water from tank TQ-100 to TQ-101. Controller "
         "FIC-101 measures the flow at orifice FT-101 and moves valve FV-101 (equal "
         "percentage, 0.5 s actuator, 1 s dead time) to hold it at the setpoint.",
         "",
         "The signal generator (M81, medium random of ±3 %) adds a slow load disturbance to "
         "the measured flow, such as a varying pump pressure.",
         "",
         "What to try: open FIC-101 and step the SP by 10 % in automatic; then switch to "
         "manual and step the output to see the process response.",
         "",
         "What to watch: the low gain (Kc 0.5) and fast reset (Ti 4 s) typical of flow loops; "
         "compare tunings in the Fast Simulation (SP step and step disturbance) by their "
         "variability and IEMA."});
}

}  // namespace vork::plantmaker
