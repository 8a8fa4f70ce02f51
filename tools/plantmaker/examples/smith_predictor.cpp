// Smith predictor: two identical mill feed lines, each a belt feeder under an ore stockpile and a
// long conveyor to its mill, weighed by a belt scale at the conveyor's end a minute after the
// feeder. Line A is held by a PI tuned for the dead time; line B by a fast PI that sees the
// measurement corrected by a model of the line (a Smith predictor of process and calculation
// blocks), which a switch takes out.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Feeder gain: ore from the stockpile flows more or less freely (± 4 %).
constexpr const char* kFeederGain = "1+(M81-50)/250";
// Real transport delay, 40 to 80 s, set by the slider.
constexpr const char* kBeltDelay = "40+M15*0.4";

// One feed line `dy` pixels below line A's place.
void DrawLine(Sheet& s, int dy, const char* mill) {
    s.Pile({30, 60 + dy, 150, 85});
    s.Conveyor({60, 160 + dy}, {190, 160 + dy});
    s.Motor({110, 195 + dy});
    s.Conveyor({205, 185 + dy}, {760, 105 + dy});
    s.Pipe({{772, 105 + dy}, {826, 105 + dy}}, Fluid::Solids);
    s.Mill({880, 110 + dy}, 55);
    s.Text({880, 205 + dy}, mill, Align::Centre, 12, true);
    s.Signal({{660, 129 + dy}, {660, 162 + dy}});
}

void DrawLineA(Sheet& s) {
    s.Text({20, 28},
           {"Linha A: PI sintonizado para o tempo morto", "Line A: PI tuned for the dead time"},
           Align::Left, 13, true);
    DrawLine(s, 0, "Moinho A");
    s.Signal({{660, 218}, {660, 240}, {448, 240}}, true);
    s.Signal({{392, 240}, {110, 240}, {110, 207}}, true);
}

void DrawLineB(Sheet& s) {
    s.Text({20, 318},
           {"Linha B: PI rápido com preditor de Smith", "Line B: fast PI with a Smith predictor"},
           Align::Left, 13, true);
    DrawLine(s, 290, "Moinho B");
    // The predictor: controller output through the model without and with the delay.
    s.Signal({{110, 567}, {110, 497}}, true);
    s.Signal({{138, 595}, {250, 595}}, true);
    s.Block({250, 573, 130, 44}, "1 / (4s+1)(3s+1)");
    s.Signal({{380, 595}, {440, 595}}, true);
    s.Block({440, 573, 110, 44}, "e^(-60s)");
    s.Signal({{550, 595}, {656, 595}}, true);
    s.Signal({{410, 595}, {410, 565}, {680, 565}, {680, 573}}, true);
    s.Signal({{688, 480}, {720, 480}, {720, 573}}, true);
    s.Signal({{744, 595}, {770, 595}, {770, 630}, {110, 630}, {110, 623}}, true);
    s.Text({644, 590}, "-", Align::Centre, 14, true);
    s.Text({671, 560}, "+", Align::Centre, 12, true);
    s.Text({729, 560}, "+", Align::Centre, 12, true);
    s.Text({564, 532}, {"Preditor", "Predictor"}, Align::Centre, 11);
}

}  // namespace

void smith_predictor(Example& ex) {
    ex.Gallery("sim7", "smith predictor", "smithpredictor.smp");
    ex.Title("Preditor de Smith", "Smith predictor");
    ex.Summary(
        "Two mill feed lines with a one-minute conveyor delay: a PI tuned for the delay against "
        "a fast PI with a Smith predictor built from process and calculation blocks.");

    ex.Var(15).Unit("s").Range(40, 80).Limits(40, 80);
    ex.Var(81);
    for (int address : {21, 22, 23, 24, 41})
        ex.Var(address).Unit("t/h").Range(0, 1200).Limits(300, 1000);
    for (int address : {25, 26})
        ex.Var(address).Unit("t/h").Range(0, 1200).Limits(0, 1200);

    ex.Channel(1).MediumRandom(60, 40, 60, 50);
    ex.Track(1).Label("Atraso real", "Real delay").Value(50).At({855, 255});
    ex.Switch(1).Type(2).On().At({540, 470});

    // Line A.
    ex.Process(1, "SY-101")
        .Desc("Minério do alimentador A", "Ore from feeder A")
        .Input(1)
        .Lag(4)
        .Gain(kFeederGain)
        .At({260, 215});
    ex.Process(2, "WT-101")
        .Desc("Vazão na balança WT-101", "Flow at belt scale WT-101")
        .Input(21)
        .DeadTime(kBeltDelay)
        .Lag(3)
        .AsInstrument()
        .At({660, 190});
    ex.Controller(1, "WIC-101")
        .Desc("Alimentação do moinho A", "Mill A feed")
        .Pv(22)
        .Pid(0.25, 25)
        .Auto(720)
        .At({420, 240});
    ex.Text(1).Desc("WT-101").Scalar(22, 0).At({745, 246});

    // Line B and its predictor.
    ex.Process(3, "SY-201")
        .Desc("Minério do alimentador B", "Ore from feeder B")
        .Input(2)
        .Lag(4)
        .Gain(kFeederGain)
        .At({260, 505});
    ex.Process(4, "WT-201")
        .Desc("Vazão na balança WT-201", "Flow at belt scale WT-201")
        .Input(23)
        .DeadTime(kBeltDelay)
        .Lag(3)
        .AsInstrument()
        .At({660, 480});
    ex.Process(5, "WY-201A")
        .Desc("Modelo sem atraso", "Model without delay")
        .Input(2)
        .Lag(4, 3)
        .At({315, 545});
    ex.Process(6, "WY-201B")
        .Desc("Modelo com atraso", "Model with delay")
        .Input(25)
        .DeadTime(60)
        .Lag(0)
        .At({495, 545});
    ex.Calc(1, "WY-201")
        .Desc("Vazão prevista", "Predicted flow")
        .Function("M24+M11*(M25-M26)")
        .Symbol("Σ")
        .At({700, 595});
    ex.Controller(2, "WIC-201")
        .Desc("Alimentação do moinho B", "Mill B feed")
        .Pv(41)
        .Pid(0.6, 5)
        .Auto(720)
        .At({110, 595});
    ex.Text(2).Desc("WT-201").Scalar(24, 0).At({745, 536});
    ex.Text(3)
        .Desc("Preditor", "Predictor")
        .Binary(11, {"desligado", "off"}, {"ligado", "on"})
        .At({800, 600}, 100);
    ex.Recorder(1, "TR-201")
        .Desc("Linha B: medida e prevista", "Line B: measured and predicted")
        .Pen(1, 24, "WT-201")
        .Pen(2, 41, "WY-201")
        .Pen(3, 2, "MV")
        .TimeBase(2)
        .At({960, 520});

    DrawLineA(ex.sheet());
    DrawLineB(ex.sheet());
    ex.Settle(1800);

    ex.Comments(
        {"Preditor de Smith: duas linhas iguais alimentam dois moinhos com minério de uma "
         "pilha. Em cada linha, um alimentador de correia com inversor (SY-101, SY-201) retira "
         "o minério da pilha e uma correia transportadora longa o leva ao moinho. A balança "
         "(WT-101, WT-201) fica no fim da correia: a vazão medida chega 60 s depois de uma "
         "mudança no alimentador, além das constantes de tempo de 4 s do alimentador e 3 s da "
         "balança. A fluidez do minério na pilha varia (gerador M81) e muda a vazão dos "
         "alimentadores em até 4 %.",
         "",
         "Linha A: o WIC-101 é um PI sintonizado para conviver com o tempo morto: ganho baixo "
         "e integral lenta.",
         "Linha B: o WIC-201 é um PI rápido, sintonizado para o processo sem atraso. Ele não "
         "vê a balança, mas a vazão prevista WY-201 = WT-201 + (modelo sem atraso - modelo "
         "com atraso): os blocos de processo WY-201A e WY-201B são o modelo da linha e o "
         "bloco de cálculo WY-201 faz a soma. Com o modelo certo, a malha responde como se não "
         "houvesse tempo morto, apenas 60 s mais tarde.",
         "",
         "O que fazer: na Simulação Rápida, dê um degrau de 10 % no SP e compare as duas "
         "linhas (IEMA, variabilidade). No registrador TR-201, veja a vazão prevista antecipar "
         "a medida. Desligue o preditor com a chave (M11): com sua sintonia rápida, o WIC-201 "
         "passa a oscilar. Leve o \"Atraso real\" a 50 ou 70 s: com o modelo errado, a linha B "
         "também oscila, enquanto a linha A quase não muda.",
         "",
         "O que observar: o preditor tira o tempo morto da resposta ao SP, mas não da "
         "rejeição de perturbações, que ainda levam 60 s para chegar à balança; o preço do "
         "desempenho é depender de um modelo correto."},
        {"Smith predictor: two identical lines feed two mills with ore from a stockpile. In "
         "each line a belt feeder on a variable-speed drive (SY-101, SY-201) draws the ore "
         "from the pile and a long conveyor carries it to the mill. The belt scale (WT-101, "
         "WT-201) sits at the end of the conveyor: the measured flow arrives 60 s after a "
         "change at the feeder, besides the 4 s time constant of the feeder and the 3 s of "
         "the scale. How freely the ore flows from the pile varies (generator M81) and moves "
         "the feeders' flow by up to 4 %.",
         "", "Line A: WIC-101 is a PI tuned to live with the dead time: low gain, slow reset.",
         "Line B: WIC-201 is a fast PI, tuned for the process without the delay. It does not "
         "see the scale but the predicted flow WY-201 = WT-201 + (model without delay - model "
         "with delay): process blocks WY-201A and WY-201B are the model of the line and "
         "calculation block WY-201 adds them up. With a right model the loop answers as if "
         "there were no dead time, only 60 s later.",
         "",
         "What to try: in the Fast Simulation, step the SP by 10 % and compare the two lines "
         "(IEMA, variability). On recorder TR-201, watch the predicted flow lead the measured "
         "one. Switch the predictor off (M11): with its fast tuning WIC-201 starts to cycle. "
         "Set the \"Real delay\" to 50 or 70 s: with a wrong "
         "model line B cycles too, while line A hardly changes.",
         "",
         "What to watch: the predictor takes the dead time out of the SP response but not out "
         "of disturbance rejection, which still takes 60 s to reach the scale; the price of "
         "the performance is relying on a right model."});
}

}  // namespace vork::plantmaker
