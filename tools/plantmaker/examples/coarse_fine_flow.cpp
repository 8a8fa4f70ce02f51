// Coarse-fine flow: two identical feed lines of 200 m3/h, each with a large control valve that
// sticks by 1.5 % of its travel. Line A controls the flow with the large valve alone. Line B adds
// a small valve (20 m3/h) on a bypass: FIC-201 drives the small, precise valve, and ZIC-202, a
// valve position controller, moves the large one slowly so that the small valve stays in the
// middle of its range.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// The supply pressure wanders and moves every valve's flow with it (about ± 2 %).
constexpr const char* kSupplyGain = "1+M81/100";
// Line B's flow, measured upstream of the bypass, in percent of 200 m3/h: the large valve passes
// 180 m3/h, the small one 20.
constexpr const char* kTotalFlow = "0.9*M22+0.1*M23";

constexpr int kRowB = 330;  // line B is drawn this far below line A
constexpr int kLineA = 190;
constexpr int kLineB = kLineA + kRowB;
constexpr int kBypass = kLineB - 90;

void DrawLineA(Sheet& s) {
    s.Text({20, 28}, {"Linha A: válvula única", "Line A: single valve"}, Align::Left, 13, true);
    s.Pipe({{40, kLineA}, {1010, kLineA}}, Fluid::Process);
    s.Text({40, kLineA - 22}, {"Do tanque de carga", "From the feed tank"}, Align::Left, 11);
    s.Text({1010, kLineA + 26}, {"Para o reator", "To the reactor"}, Align::Right, 11);
    s.Orifice({260, kLineA});
    s.Bubble({260, kLineA - 70}, "FT-101");
    s.Signal({{260, kLineA - 10}, {260, kLineA - 42}});
    s.ControlValve({620, kLineA});
    s.Signal({{288, kLineA - 70}, {452, kLineA - 70}}, true);
    s.Signal({{508, kLineA - 70}, {620, kLineA - 70}, {620, kLineA - 34}}, true);
}

void DrawLineB(Sheet& s) {
    s.Text({20, 28 + kRowB}, {"Linha B: controle grosso-fino", "Line B: coarse-fine control"},
           Align::Left, 13, true);
    s.Pipe({{40, kLineB}, {1010, kLineB}}, Fluid::Process);
    s.Text({40, kLineB - 22}, {"Do tanque de carga", "From the feed tank"}, Align::Left, 11);
    s.Text({1010, kLineB + 26}, {"Para o reator", "To the reactor"}, Align::Right, 11);
    s.Orifice({260, kLineB});
    s.Signal({{260, kLineB + 10}, {260, kLineB + 32}});
    // The large valve on the main line, the small one on the bypass around it.
    s.ControlValve({620, kLineB});
    s.Pipe({{480, kLineB}, {480, kBypass}, {760, kBypass}, {760, kLineB}}, Fluid::Process, false);
    s.ControlValve({620, kBypass});
    s.Text({770, kBypass - 8}, {"By-pass", "Bypass"}, Align::Left, 11);
    // Flow to FIC-201, FIC-201 to the small valve and to ZIC-202, ZIC-202 to the large valve.
    s.Signal({{288, kLineB + 60}, {372, kLineB + 60}}, true);
    s.Signal({{400, kLineB + 32}, {400, kBypass - 60}, {620, kBypass - 60}, {620, kBypass - 34}},
             true);
    s.Signal({{400, kLineB + 88}, {400, 620}, {820, 620}, {820, kLineB + 88}}, true);
    s.Signal({{792, kLineB + 60},
              {700, kLineB + 60},
              {700, kLineB - 50},
              {620, kLineB - 50},
              {620, kLineB - 34}},
             true);
}

}  // namespace

void coarse_fine_flow(Example& ex) {
    ex.Gallery("sim17", "course-fine flow loop", "course-fine flow loop.smp");
    ex.Title("Tubulação com By-pass", "Pipeline with Bypass");
    ex.Summary(
        "A large sticking valve alone against coarse-fine control: a small bypass valve holds "
        "the flow while a valve position controller moves the large one.");

    ex.Var(81).Unit("%").Range(0, 100).Limits(-2, 2);
    ex.Var(21).Unit("m3/h").Range(0, 200).Limits(20, 180);
    ex.Var(41).Unit("m3/h").Range(0, 200).Limits(20, 180);
    ex.Var(22).Unit("m3/h").Range(0, 180).Limits(0, 180);
    ex.Var(23).Unit("m3/h").Range(0, 20).Limits(2, 18);
    ex.Var(63).Unit("%").Range(0, 100).Limits(35, 65);

    ex.Channel(1).MediumRandom(15, -2, 2);

    // Line A.
    ex.Process(1, "FV-101")
        .Desc("Vazão pela FV-101", "Flow through FV-101")
        .Input(1)
        .Stiction(1.5)
        .ActuatorLag(2)
        .Gain(kSupplyGain)
        .DeadTime(0.5)
        .Lag(2)
        .At({700, kLineA + 30});
    ex.Controller(1, "FIC-101")
        .Desc("Vazão da linha A", "Line A flow")
        .Pv(21)
        .Pid(0.5, 4)
        .Auto(100)
        .At({480, kLineA - 70});

    // Line B.
    ex.Process(2, "FV-201")
        .Desc("Vazão pela válvula grossa FV-201", "Flow through coarse valve FV-201")
        .Input(3)
        .Stiction(1.5)
        .ActuatorLag(2)
        .Gain(kSupplyGain)
        .DeadTime(0.5)
        .Lag(2)
        .At({560, kLineB + 30});
    ex.Process(3, "FV-202")
        .Desc("Vazão pela válvula fina FV-202", "Flow through fine valve FV-202")
        .Input(2)
        .ActuatorLag(0.5)
        .Gain(kSupplyGain)
        .DeadTime(0.5)
        .Lag(2)
        .At({560, kBypass + 28});
    ex.Calc(1, "FT-201")
        .Desc("Vazão total da linha B", "Line B total flow")
        .Function(kTotalFlow)
        .AsInstrument()
        .At({260, kLineB + 60});
    ex.Controller(2, "FIC-201")
        .Desc("Vazão da linha B (válvula fina)", "Line B flow (fine valve)")
        .Pv(41)
        .Pid(4, 4)
        .Auto(100)
        .At({400, kLineB + 60});
    ex.Controller(3, "ZIC-202")
        .Desc("Posição da válvula fina", "Fine valve position")
        .Pv(2)
        .Pid(0.15, 15)
        .DeadBand(15)
        .ReverseProcess()
        .Auto(50)
        .At({820, kLineB + 60});

    ex.Text(1).Desc("FT-101").Scalar(21, 1).At({300, kLineA + 30});
    ex.Text(2).Desc("FT-201").Scalar(41, 1).At({110, kLineB + 60});
    ex.Text(3).Desc("FV-202", "FV-202 opening").Scalar(103, 0).At({760, kBypass - 70});
    ex.Text(4).Desc("FV-101", "FV-101 opening").Scalar(101, 1).At({760, kLineA - 80});
    ex.Text(5).Desc("FV-201", "FV-201 opening").Scalar(102, 1).At({880, kLineB - 30});
    ex.Recorder(1, "TR-201")
        .Desc("Linha B: vazões", "Line B: flows")
        .Pen(1, 41, "FT-201")
        .Pen(2, 22, "Grossa", "Coarse")
        .Pen(3, 23, "Fina", "Fine")
        .TimeBase(1)
        .At({960, 600});

    DrawLineA(ex.sheet());
    DrawLineB(ex.sheet());
    ex.Settle(1800);
    ex.Comments(
        {"Controle grosso-fino: duas linhas iguais alimentam um reator com até 200 m3/h. A "
         "válvula grande de cada linha agarra 1,5 % do curso, ou seja, só se move em saltos de "
         "3 m3/h. A pressão de alimentação varia (gerador M81) e muda as vazões em até 2 %.",
         "",
         "Linha A: o FIC-101 (Kc 0,5, Ti 4 s) age apenas sobre a válvula grande FV-101. A "
         "válvula agarra e salta, e a vazão oscila cerca de 2 m3/h em torno do SP, com "
         "período de 35 s: é a falta de resolução que este exemplo mostra.",
         "Linha B: uma válvula pequena FV-202 (20 m3/h, sem agarramento) fica num by-pass da "
         "válvula grande FV-201. O FIC-201 age sobre a válvula fina (ganho 0,1: Kc 4, Ti 4 s, o "
         "mesmo ganho de malha da linha A). O ZIC-202 é um controlador de posição de válvula: "
         "mede a saída do FIC-201 e move devagar a válvula grossa (Kc 0,15, Ti 15 s) para "
         "manter a fina no meio da faixa; sua banda morta de 15 % deixa a válvula grossa parada "
         "enquanto a fina estiver entre 35 e 65 %. As duas válvulas trabalham ao mesmo tempo: "
         "a fina corrige depressa cada salto da grossa.",
         "",
         "O que fazer: na Simulação Rápida, compare a variabilidade do FIC-101 e do FIC-201. "
         "Leve os dois SPs a 15 m3/h: a linha A oscila 8 % da vazão, a B continua precisa "
         "(a rangeabilidade melhora). Passe o ZIC-202 para manual e mude o SP do FIC-201 em "
         "mais de 10 m3/h: a válvula fina satura e a linha B perde o controle. Tire a banda "
         "morta do ZIC-202 e veja a válvula grossa passar a se mover o tempo todo.",
         "",
         "O que observar: no registrador TR-201, a vazão total e as vazões das válvulas grossa "
         "e fina; nos textos animados, a posição real das válvulas (FV-101 e FV-201 em "
         "degraus, FV-202 contínua)."},
        {"Coarse-fine control: two identical lines feed a reactor with up to 200 m3/h. The "
         "large valve of each line sticks by 1.5 % of its travel, so it only moves in jumps "
         "of 3 m3/h. The supply pressure wanders (generator M81) and moves the flows by up to "
         "2 %.",
         "",
         "Line A: FIC-101 (Kc 0.5, Ti 4 s) acts on the large valve FV-101 alone. The valve "
         "sticks and jumps, and the flow cycles by about 2 m3/h around the SP with a period "
         "of 35 s: the lack of resolution this example shows.",
         "Line B: a small valve FV-202 (20 m3/h, no stiction) sits on a bypass around the "
         "large valve FV-201. FIC-201 acts on the fine valve (gain 0.1: Kc 4, Ti 4 s, the same "
         "loop gain as line A). ZIC-202 is a valve position controller: it measures FIC-201's "
         "output and slowly moves the coarse valve (Kc 0.15, Ti 15 s) to keep the fine one in "
         "mid-range; its 15 % dead band leaves the coarse valve alone while the fine one is "
         "between 35 and 65 %. Both valves work at once: the fine one quickly corrects every "
         "jump of the coarse one.",
         "",
         "What to try: in the Fast Simulation, compare the variability of FIC-101 and FIC-201. "
         "Take both SPs to 15 m3/h: line A cycles by 8 % of the flow, line B stays precise (the "
         "rangeability improves). Put ZIC-202 in manual and move FIC-201's SP by more than "
         "10 m3/h: the fine valve saturates and line B loses control. Take ZIC-202's dead band "
         "away and watch the coarse valve move all the time.",
         "",
         "What to watch: on recorder TR-201, the total flow and the flows of the coarse and "
         "fine valves; in the animated texts, the valves' real positions (FV-101 and FV-201 in "
         "steps, FV-202 smoothly)."});
}

}  // namespace vork::plantmaker
