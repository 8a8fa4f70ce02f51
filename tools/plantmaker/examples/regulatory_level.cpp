// Regulatory level: clear-water tank TQ-101 of a water treatment plant, between the clarifier
// overflow and the sand filters. LIC-101 holds the level by the speed of outlet pump P-101, whose
// drive SY-101 accelerates at a limited rate (the drive's ramp, set by a slider). The clarifier
// overflow wanders (generator) and the filters' backwash water comes back in batches (a push
// button).

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Level rise per second, in percent of the 3 m span, for 1 % (0.6 m3/h) of net inflow into a
// tank of 2 m diameter: 0.6 / 3600 / 3.1416 / 3 * 100.
constexpr double kTankGain = 0.00177;
// Clarifier overflow: the slider and its wandering.
constexpr const char* kInflow = "M15+M81";
// Net inflow: clarifier overflow and backwash return (18 m3/h while the button is pressed) less
// the pump's flow.
constexpr const char* kBalance = "M22+M97*30-M21";
// The drive's ramp in %/s from the slider (0 to 5 %/s; 0 takes the limit off).
constexpr const char* kRamp = "M16*0.05";

constexpr int kInflowLine = 120;
constexpr int kOutflowLine = 580;
constexpr int kBatchLine = 260;

void DrawInflow(Sheet& s) {
    s.Source({62, kInflowLine});
    s.Pipe({{78, kInflowLine}, {455, kInflowLine}, {455, 178}}, Fluid::Water);
    s.Text({100, 100}, {"Do clarificador", "From the clarifier"}, Align::Left, 11);
    s.Orifice({300, kInflowLine});
    s.Signal({{300, kInflowLine - 10}, {300, 98}});
    s.Pipe({{40, kBatchLine}, {400, kBatchLine}}, Fluid::Water);
    s.Text({40, kBatchLine - 22}, {"Retorno da retrolavagem", "Backwash return"}, Align::Left, 11);
    s.ControlValve({300, kBatchLine});
    s.Text({300, kBatchLine + 26}, "XV-102", Align::Centre, 11, true);
    s.Signal({{220, 335}, {340, 335}, {340, 214}, {300, 214}, {300, kBatchLine - 34}}, true);
    s.Text({260, 545}, {"Balanço de massa", "Mass balance"}, Align::Centre, 11);
}

void DrawTank(Sheet& s) {
    s.Tank({400, 170, 180, 320}, 0.5);
    s.Text({490, 160}, "TQ-101", Align::Centre, 12, true);
    // The sight glass: the live level is the animated bar inside it.
    s.Pipe({{580, 184}, {596, 184}}, Fluid::Water, false);
    s.Pipe({{580, 478}, {596, 478}}, Fluid::Water, false);
    s.Box({589, 176, 22, 310}, false);
    s.Text({600, 504}, {"Visor", "Sight glass"}, Align::Centre, 10);
    s.Bubble({680, 250}, "LT-101");
    s.Signal({{611, 250}, {652, 250}});
}

void DrawOutflow(Sheet& s) {
    s.Pipe({{490, 490}, {490, 592}, {589, 592}}, Fluid::Water, false);
    s.Pump({605, kOutflowLine + 12});
    s.Text({605, 628}, "P-101", Align::Centre, 11, true);
    s.Motor({605, 532});
    s.Signal({{605, 544}, {605, 564}});
    s.Pipe({{626, kOutflowLine}, {1010, kOutflowLine}}, Fluid::Water);
    s.Text({1010, 606}, {"Para os filtros", "To the filters"}, Align::Right, 11);
    s.Orifice({820, kOutflowLine});
    s.Bubble({820, 520}, "FT-101");
    s.Signal({{820, kOutflowLine - 10}, {820, 542}});
    // Level to the controller, controller to the drive.
    s.Signal({{680, 278}, {680, 372}}, true);
    s.Signal({{680, 428}, {680, 532}, {617, 532}}, true);
}

}  // namespace

void regulatory_level(Example& ex) {
    ex.Gallery("sim5", "regulatory level", "regulatory level.smp");
    ex.Title("Tanque com Regulação de Nível", "Regulatory level");
    ex.Summary(
        "LIC-101 holds a tank level by the speed of its outlet pump, whose drive ramps at a "
        "limited rate, against a wandering inflow and batches of backwash water.");

    ex.Var(15).Unit("m3/h").Range(0, 60).Limits(10, 50);
    ex.Var(16).Unit("%/s").Range(0, 5).Limits(0.5, 5);
    ex.Var(81).Unit("m3/h").Range(0, 60).Limits(-6, 6);
    for (int address : {82, 21, 22})
        ex.Var(address).Unit("m3/h").Range(0, 60).Limits(5, 55);
    ex.Var(41).Unit("m3/h").Range(0, 60).Limits(-10, 10);
    ex.Var(23).Unit("m").Range(0, 3).Limits(0.6, 2.4);

    ex.Channel(1).MediumRandom(20, -5, 5);
    ex.Channel(2).Equation(kInflow, "Vazão do clarificador", "Clarifier overflow");
    ex.Track(1).Label("Vazão de entrada", "Inflow").Value(50).At({40, 145});
    ex.Track(2).Label("Rampa do inversor", "Drive ramp").Value(20).At({800, 330});
    ex.Button(1)
        .Caption({"Retrolavagem", "Backwash"})
        .Texts({"XV-102 fechada", "XV-102 closed"}, {"XV-102 aberta", "XV-102 open"});
    ex.ButtonPanel({60, 300});
    ex.Shape(1).Bar(23, 14, 300, 0x2E86C1).At({593, 181});

    ex.Process(1, "SY-101")
        .Desc("Vazão da bomba P-101", "Pump P-101 flow")
        .Input(1)
        .Rate(kRamp)
        .Lag(3)
        .At({700, 610});
    ex.Process(2, "FT-102")
        .Desc("Vazão de entrada FT-102", "Inflow FT-102")
        .Input(82)
        .Lag(15)
        .AsInstrument()
        .At({300, 70});
    ex.Calc(1, "FY-101")
        .Desc("Balanço do tanque", "Tank balance")
        .Function(kBalance)
        .Symbol("Σ")
        .At({260, 505});
    ex.Process(3, "TQ-101")
        .Desc("Nível do TQ-101", "TQ-101 level")
        .Input(41)
        .Integrator()
        .Gain(kTankGain)
        .Saved({0, 50, 0, 50, 0, 0, 0, 0})
        .At({490, 420});
    ex.Controller(1, "LIC-101")
        .Desc("Nível do TQ-101", "TQ-101 level")
        .Pv(23)
        .Pid(4, 500)
        .ReverseProcess()
        .Auto(1.5)
        .At({680, 400});

    ex.Text(1).Desc("LT-101").Scalar(23, 2).At({720, 236});
    ex.Text(2).Desc("FT-102").Scalar(22, 1).At({330, 136});
    ex.Text(3).Desc("FT-101").Scalar(21, 1).At({860, 470});
    ex.Text(4).Desc("SY-101", "SY-101 speed").Scalar(101, 0).At({720, 470});
    ex.Recorder(1, "TR-101")
        .Desc("Nível e vazões do TQ-101", "TQ-101 level and flows")
        .Pen(1, 23, "LT-101")
        .Pen(2, 22, "FT-102")
        .Pen(3, 21, "FT-101")
        .TimeBase(2)
        .At({960, 60});

    ex.sheet().Text({20, 28}, {"Regulação de nível", "Regulatory level control"}, Align::Left, 13,
                    true);
    DrawInflow(ex.sheet());
    DrawTank(ex.sheet());
    DrawOutflow(ex.sheet());
    ex.Settle(1800);

    ex.Comments(
        {"Tanque com regulação de nível: o TQ-101 (2 m de diâmetro, 3 m de altura) é o tanque "
         "de água clarificada de uma estação de tratamento. O transbordo do clarificador chega "
         "por gravidade (FT-102; controle \"Vazão de entrada\", com a variação aleatória do "
         "gerador M81) e a bomba P-101 envia a água aos filtros de areia. O LIC-101 controla o "
         "nível pela velocidade da bomba, através do inversor SY-101, cuja rampa de aceleração "
         "é limitada (controle \"Rampa do inversor\": 1 %/s, ou 100 s de 0 a 100 %). A água de "
         "retrolavagem dos filtros volta ao tanque em lotes de 18 m3/h (botão \"Retrolavagem\", "
         "válvula XV-102).",
         "",
         "O nível é um processo integrador: cada 1 m3/h de diferença entre entrada e saída muda "
         "o nível em 5,3 mm por minuto (FY-101 faz o balanço de massa e o bloco TQ-101 o "
         "integra). O LIC-101 é um PI sintonizado pelo método SIMC para integradores, com 2 "
         "minutos de constante de tempo em malha fechada: Kc 4, Ti 500 s.",
         "",
         "O que fazer: na Simulação Rápida, dê um degrau de 10 % no SP e veja a sobrelevação "
         "típica de um PI em processo integrador. Pressione \"Retrolavagem\": o nível sobe "
         "cerca de 17 cm e volta ao SP em poucos minutos. Reduza a \"Rampa do inversor\" para "
         "0,2 %/s e repita o degrau: a bomba não acompanha o controlador e a sobrelevação "
         "cresce. Depois aumente o ganho (Kc 12, Ti 150 s): com a rampa de 1 %/s a malha fica "
         "mais rápida e ainda estável; com 0,2 %/s a velocidade da bomba vira um triângulo e o "
         "nível oscila.",
         "",
         "O que observar: no registrador TR-101, a vazão de saída FT-101 segue a velocidade "
         "limitada da bomba. A limitação de rampa é uma não-linearidade: não muda nada em "
         "pequenas variações, mas em grandes variações atrasa a ação do controlador e faz "
         "oscilar uma sintonia agressiva. O visor ao lado do tanque mostra o nível ao vivo."},
        {"Regulatory level: TQ-101 (2 m across, 3 m high) is the clear-water tank of a water "
         "treatment plant. The clarifier overflow flows in by gravity (FT-102; the \"Inflow\" "
         "slider, with the random wandering of generator M81) and pump P-101 sends the water on "
         "to the sand filters. LIC-101 holds the level by the pump's speed through drive "
         "SY-101, whose acceleration ramp is limited (the \"Drive ramp\" slider: 1 %/s, or "
         "100 s from 0 to 100 %). The filters' backwash water comes back to the tank in batches "
         "of 18 m3/h (the \"Backwash\" button, valve XV-102).",
         "",
         "The level is an integrating process: every 1 m3/h between inflow and outflow moves it "
         "by 5.3 mm a minute (FY-101 makes the mass balance and block TQ-101 integrates it). "
         "LIC-101 is a PI tuned by the SIMC rule for integrating processes with a closed-loop "
         "time constant of 2 minutes: Kc 4, Ti 500 s.",
         "",
         "What to try: in the Fast Simulation, step the SP by 10 % and watch the overshoot "
         "typical of a PI on an integrating process. Press \"Backwash\": the level rises by "
         "about 17 cm and comes back to the SP within a few minutes. Lower the \"Drive ramp\" "
         "to 0.2 %/s and repeat the step: the pump cannot follow the controller and the "
         "overshoot grows. Then raise the gain (Kc 12, Ti 150 s): with the 1 %/s ramp the loop "
         "gets faster and stays stable; with 0.2 %/s the pump speed turns into a triangle and "
         "the level cycles.",
         "",
         "What to watch: on recorder TR-101 the outflow FT-101 follows the pump's limited "
         "speed. The ramp limit is a nonlinearity: it changes nothing for small moves, but for "
         "large ones it delays the controller's action and makes an aggressive tuning cycle. "
         "The sight glass beside the tank shows the live level."});
}

}  // namespace vork::plantmaker
