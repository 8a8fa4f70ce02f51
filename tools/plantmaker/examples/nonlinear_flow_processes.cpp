// Nonlinear flow processes: five cooling-water lines from one header, each flow loop held by the
// same kind of PI but each final element with one classic fault or nonlinearity: a sticking
// valve, a valve with backlash, an equal-percentage valve, a quick-opening valve, and a pump on
// a speed drive with a limited acceleration ramp.

#include <cmath>
#include <vector>

#include "plant/valve_curves.h"
#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// The header pressure wanders and moves every line's flow with it (about ± 2 %).
constexpr const char* kHeaderGain = "1+M81/100";
// The drive's ramp in %/s from the slider (0 to 5 %/s; 0 takes the limit off).
constexpr const char* kRamp = "M15*0.05";

constexpr int kFirstRow = 96;
constexpr int kRowStep = 112;
constexpr int kHeaderX = 170;

int RowY(int k) {
    return kFirstRow + kRowStep * k;
}

// A small picture of a line's nonlinearity: input across, output up, in a 64 x 44 box.
void DrawInset(Sheet& s, int y, const std::vector<Pt>& unit) {
    const Rect box{700, y - 58, 64, 44};
    s.Box(box, false);
    std::vector<Pt> curve;
    for (Pt p : unit)
        curve.push_back(
            {box.x + 4 + p.x * (box.w - 8) / 100, box.Bottom() - 4 - p.y * (box.h - 8) / 100});
    std::vector<Pt> there = curve;
    there.insert(there.end(), curve.rbegin(), curve.rend());
    s.Polygon(there, false);
}

std::vector<Pt> CurvePoints(int code) {
    std::vector<Pt> points;
    for (int x = 0; x <= 100; x += 5)
        points.push_back({x, static_cast<int>(std::lround(ApplyValveCurve(code, x)))});
    return points;
}

void DrawRow(Sheet& s, int k, const Label& title, const char* flow, int start = kHeaderX) {
    int y = RowY(k);
    s.Pipe({{start, y}, {1010, y}}, Fluid::Water);
    s.Orifice({250, y});
    s.Bubble({250, y - 42}, flow);
    s.Signal({{250, y - 10}, {250, y - 20}});
    s.Signal({{278, y - 42}, {372, y - 42}}, true);
    s.Text({1010, y - 38}, title, Align::Right, 12, true);
}

void DrawValveRow(Sheet& s, int k, const Label& title, const char* flow) {
    int y = RowY(k);
    DrawRow(s, k, title, flow);
    s.ControlValve({560, y});
    s.Signal({{428, y - 42}, {560, y - 42}, {560, y - 34}}, true);
}

void DrawHeader(Sheet& s) {
    s.Source({46, RowY(2)});
    s.Pipe({{62, RowY(2)}, {kHeaderX, RowY(2)}}, Fluid::Water, false);
    s.Pipe({{kHeaderX, RowY(0)}, {kHeaderX, RowY(3)}}, Fluid::Water, false);
    s.Text({30, RowY(2) + 30}, {"Água de resfriamento", "Cooling water"}, Align::Left, 11);
}

// The fifth line has its own pump on a speed drive.
void DrawPumpRow(Sheet& s, const Label& title) {
    int y = RowY(4);
    DrawRow(s, 4, title, "FT-105", 171);
    s.Pipe({{40, y + 12}, {134, y + 12}}, Fluid::Water, false);
    s.Pump({150, y + 12});
    s.Text({150, y + 52}, "P-105", Align::Centre, 11, true);
    s.Motor({150, y - 34});
    s.Signal({{150, y - 22}, {150, y - 4}});
    s.Signal({{400, y - 70}, {400, y - 80}, {150, y - 80}, {150, y - 46}}, true);
}

}  // namespace

void nonlinear_flow_processes(Example& ex) {
    ex.Gallery("sim9", "nonlinear flow processes", "nonlinear flow processes.smp");
    ex.Title("Processos Não Lineares", "Nonlinear processes");
    ex.Summary(
        "Five flow loops, each with one nonlinear final element: stiction, backlash, "
        "equal-percentage and quick-opening valves, a ramp-limited speed drive.");

    ex.Var(15).Unit("%/s").Range(0, 5).Limits(0.5, 5);
    ex.Var(81).Unit("%").Range(0, 100).Limits(-2, 2);
    for (int address = 21; address <= 25; ++address)
        ex.Var(address).Unit("m3/h").Range(0, 50).Limits(5, 45);

    ex.Channel(1).MediumRandom(10, -2, 2);
    ex.Track(1).Label("Rampa SY-105", "SY-105 ramp").Value(40).At({300, 570});

    const char* valves[] = {"FV-101", "FV-102", "FV-103", "FV-104", "SY-105"};
    const char* flows[] = {"FT-101", "FT-102", "FT-103", "FT-104", "FT-105"};
    const char* loops[] = {"FIC-101", "FIC-102", "FIC-103", "FIC-104", "FIC-105"};
    const Label titles[] = {{"Agarramento 2 %", "Stiction 2 %"},
                            {"Histerese 3 %", "Backlash 3 %"},
                            {"Igual porcentagem", "Equal percentage"},
                            {"Abertura rápida", "Quick opening"},
                            {"Rampa do inversor", "Drive ramp"}};
    for (int k = 0; k < 5; ++k) {
        int y = RowY(k);
        ProcessBuilder p = ex.Process(1 + k, valves[k]);
        p.Desc(std::string("Vazão pela ") + valves[k], std::string("Flow through ") + valves[k])
            .Input(1 + k)
            .Gain(kHeaderGain)
            .DeadTime(0.5)
            .Lag(2)
            .At({k < 4 ? 640 : 240, y + 30});
        switch (k) {
            case 0:
                p.Stiction(2).ActuatorLag(1);
                break;
            case 1:
                p.Hysteresis(3).ActuatorLag(1);
                break;
            case 2:
                p.Curve(kCurveEqualPercentage).ActuatorLag(1);
                break;
            case 3:
                p.Curve(kCurveQuickOpen).ActuatorLag(1);
                break;
            default:
                p.Rate(kRamp);
        }
        ex.Controller(1 + k, loops[k])
            .Desc(std::string("Vazão ") + flows[k], std::string("Flow ") + flows[k])
            .Pv(21 + k)
            .Pid(0.5, 3)
            .Auto(25)
            .At({400, y - 42});
        ex.Text(1 + k).Desc(flows[k]).Scalar(21 + k, 1).At({710, y + 30}, 100);
    }

    DrawHeader(ex.sheet());
    for (int k = 0; k < 4; ++k)
        DrawValveRow(ex.sheet(), k, titles[k], flows[k]);
    DrawPumpRow(ex.sheet(), titles[4]);
    DrawInset(ex.sheet(), RowY(0),
              {{0, 0},
               {20, 0},
               {20, 20},
               {40, 20},
               {40, 40},
               {60, 40},
               {60, 60},
               {80, 60},
               {80, 80},
               {100, 80},
               {100, 100}});
    DrawInset(ex.sheet(), RowY(1), {{0, 0}, {30, 0}, {100, 70}, {100, 100}, {70, 100}, {0, 30}});
    DrawInset(ex.sheet(), RowY(2), CurvePoints(kCurveEqualPercentage));
    DrawInset(ex.sheet(), RowY(3), CurvePoints(kCurveQuickOpen));
    DrawInset(ex.sheet(), RowY(4), {{0, 0}, {30, 0}, {70, 100}, {100, 100}});
    ex.Settle(1800);
    ex.Comments(
        {"Processos não lineares: cinco linhas de água de resfriamento, todas com a mesma "
         "malha de vazão (PI com Kc 0,5 e Ti 3 s, a sintonia típica de vazão) e a mesma "
         "perturbação: a pressão do header varia (gerador M81) e muda as vazões em até 2 %. "
         "Cada elemento final tem um defeito ou uma não-linearidade diferente:",
         "1 · FV-101 com agarramento de 2 %: a válvula fica parada enquanto a integral do "
         "controlador cresce, depois salta. A malha oscila sempre (ciclo de agarra-escorrega, "
         "período de cerca de 25 s): é o que este exemplo mostra.",
         "2 · FV-102 com histerese (folga) de 3 %: a cada inversão, a saída precisa percorrer a "
         "folga antes que a válvula se mova. Com a variação da pressão, a malha caça em torno "
         "do SP e a saída se move muito mais que nas outras linhas.",
         "3 · FV-103 de igual porcentagem e 4 · FV-104 de abertura rápida: o ganho da válvula "
         "muda com a abertura, de 0,7 a 2,2 entre 10 e 40 m3/h, em sentidos opostos. A mesma "
         "sintonia fica rápida numa ponta e lenta na outra.",
         "5 · Bomba P-105 com inversor SY-105: a rampa de aceleração é limitada (controle "
         "\"Rampa SY-105\", 2 %/s).",
         "",
         "O que fazer: passe o FIC-101 para manual: a oscilação para, sinal de que a causa é a "
         "válvula e não a sintonia. Aumente o Ti do FIC-101: o ciclo fica mais lento, mas não "
         "some. Dê degraus de SP de 5 % em 10 e em 40 m3/h no FIC-103 e no FIC-104 e compare. "
         "Baixe a rampa do SY-105 para 0,5 %/s e dê um degrau de 10 % no FIC-105: a bomba não "
         "acompanha o controlador e a vazão passa muito do SP. No Registrador XY, os pares "
         "COxMV [Malha 1] e [Malha 2] desenham o agarramento e a folga.",
         "",
         "O que observar: na Simulação Rápida, a excursão da CO (o desgaste da válvula) e a "
         "variabilidade de cada linha; nos faceplates, a posição real de cada válvula ao lado "
         "da saída do controlador."},
        {"Nonlinear processes: five cooling-water lines, all with the same flow loop (a PI with "
         "Kc 0.5 and Ti 3 s, the usual flow tuning) and the same disturbance: the header "
         "pressure wanders (generator M81) and moves the flows by up to 2 %. Each final element "
         "has a different fault or nonlinearity:",
         "1 · FV-101 with 2 % stiction: the valve stays put while the controller's integral "
         "grows, then jumps. The loop cycles all the time (a stick-slip cycle, period about "
         "25 s): this is what the example shows.",
         "2 · FV-102 with 3 % backlash: at every reversal the output must cross the play before "
         "the valve moves. Under the wandering pressure the loop hunts around its SP and the "
         "output travels much more than on the other lines.",
         "3 · Equal-percentage FV-103 and 4 · quick-opening FV-104: the valve's gain changes "
         "with its opening, from 0.7 to 2.2 between 10 and 40 m3/h, in opposite directions. "
         "The same tuning is fast at one end and sluggish at the other.",
         "5 · Pump P-105 on drive SY-105: its acceleration ramp is limited (the \"SY-105 "
         "ramp\" slider, 2 %/s).",
         "",
         "What to try: put FIC-101 in manual: the cycle stops, a sign that the valve, not the "
         "tuning, causes it. Raise FIC-101's Ti: the cycle slows down but does not go away. "
         "Make 5 % SP steps at 10 and at 40 m3/h on FIC-103 and FIC-104 and compare. Lower "
         "SY-105's ramp to 0.5 %/s and step FIC-105's SP by 10 %: the pump cannot follow the "
         "controller and the flow overshoots far. In the XY Recorder, the pairs COxMV [Malha "
         "1] and [Malha 2] draw the stiction and the backlash.",
         "",
         "What to watch: in the Fast Simulation, the CO travel (the valve's wear) and the "
         "variability of each line; on the faceplates, each valve's real position beside the "
         "controller's output."});
}

}  // namespace vork::plantmaker
