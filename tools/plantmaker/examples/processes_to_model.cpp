// Four processes for modelling: a first order (electric water heater), an underdamped second
// order (pump discharge pressure with an accumulator on a long line), a fourth order (four
// stirred tanks in series) and an integrator (a tank level with a fixed outflow). Each has its
// loop, tuned and in automatic; a step of the output in manual identifies the process.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

void DrawFrames(Sheet& s) {
    s.Box({8, 8, 508, 306}, false, true);
    s.Box({524, 8, 508, 306}, false, true);
    s.Box({8, 326, 508, 306}, false, true);
    s.Box({524, 326, 508, 306}, false, true);
    s.Text({22, 32}, {"1 · Primeira ordem", "First order"}, Align::Left, 13, true);
    s.Text({538, 32}, {"2 · Segunda ordem subamortecida", "Underdamped second order"}, Align::Left,
           13, true);
    s.Text({22, 350}, {"3 · Quarta ordem", "Fourth order"}, Align::Left, 13, true);
    s.Text({538, 350}, {"4 · Integrador", "Integrator"}, Align::Left, 13, true);
}

// Electric water heater: a stirred tank, its element driven by a thyristor power controller.
void DrawHeater(Sheet& s) {
    s.Vessel({70, 90, 120, 170}, 0.72);
    s.Heater({85, 212, 90, 24});
    s.Pipe({{20, 120}, {70, 120}}, Fluid::Water);
    s.Text({20, 96}, {"Água fria", "Cold water"}, Align::Left, 11);
    s.Pipe({{190, 238}, {480, 238}}, Fluid::Water);
    s.Text({480, 264}, {"Água quente", "Hot water"}, Align::Right, 11);
    s.Bubble({300, 190}, "TT-101");
    s.Signal({{300, 238}, {300, 212}});
    s.Signal({{300, 168}, {300, 123}}, true);
    s.Signal({{272, 95}, {232, 95}, {232, 224}, {175, 224}}, true);
}

// Pump on a speed drive feeding a long line; the accumulator and the water in the line make
// the discharge pressure ring.
void DrawPressure(Sheet& s) {
    s.Pipe({{540, 235}, {584, 235}}, Fluid::Water, false);
    s.Text({540, 262}, {"Da cisterna", "From the cistern"}, Align::Left, 11);
    s.Pump({600, 235});
    s.Motor({600, 185});
    s.Signal({{600, 197}, {600, 219}});
    s.Pipe({{620, 224}, {1010, 224}}, Fluid::Water);
    s.Text({1010, 250}, {"Para a rede", "To the network"}, Align::Right, 11);
    s.Text({700, 250}, {"Linha longa (800 m)", "Long line (800 m)"}, Align::Left, 11);
    s.Vessel({900, 120, 40, 80});
    s.Pipe({{920, 200}, {920, 224}}, Fluid::Water, false);
    s.Text({920, 98}, {"Acumulador", "Accumulator"}, Align::Centre, 11);
    s.Bubble({780, 160}, "PT-201");
    s.Signal({{780, 224}, {780, 182}});
    s.Signal({{758, 160}, {700, 160}, {700, 95}, {668, 95}}, true);
    s.Signal({{640, 123}, {640, 185}, {612, 185}}, true);
}

// Four stirred tanks in series, brine dosed into the first.
void DrawTanks(Sheet& s) {
    for (int k = 0; k < 4; ++k)
        s.Vessel({75 + 95 * k, 440, 70, 96}, 0.7, false, true);
    s.Pipe({{20, 470}, {75, 470}}, Fluid::Water);
    s.Text({20, 446}, {"Água", "Water"}, Align::Left, 11);
    for (int k = 0; k < 3; ++k)
        s.Pipe({{145 + 95 * k, 470}, {170 + 95 * k, 470}});
    s.Pipe({{430, 470}, {505, 470}});
    s.Pump({38, 522});
    s.Pipe({{59, 510}, {75, 510}}, Fluid::Process, false);
    s.Text({38, 566}, {"Salmoura", "Brine"}, Align::Centre, 11);
    s.Bubble({470, 520}, "AT-301");
    s.Signal({{470, 470}, {470, 498}});
    s.Signal({{470, 542}, {470, 552}}, true);
    s.Signal({{442, 580}, {420, 580}, {420, 620}, {38, 620}, {38, 544}}, true);
}

// A tank filled through a valve and emptied by a pump whose flow the operator sets.
void DrawLevel(Sheet& s) {
    s.Tank({690, 400, 130, 150}, 0.5);
    s.Pipe({{540, 425}, {690, 425}}, Fluid::Water);
    s.Text({540, 400}, {"Água", "Water"}, Align::Left, 11);
    s.ControlValve({600, 425});
    s.Pipe({{755, 550}, {755, 592}, {789, 592}}, Fluid::Water, false);
    s.Pump({805, 592});
    s.Pipe({{826, 580}, {1010, 580}}, Fluid::Water);
    s.Text({1010, 606}, {"Saída", "Outflow"}, Align::Right, 11);
    s.Bubble({930, 528}, "LT-401");
    s.Signal({{820, 528}, {908, 528}});
    s.Signal({{930, 506}, {930, 478}}, true);
    s.Signal({{902, 450}, {845, 450}, {845, 375}, {600, 375}, {600, 391}}, true);
    s.Text({620, 592}, {"Balanço de vazões", "Flow balance"}, Align::Centre, 11);
}

}  // namespace

void processes_to_model(Example& ex) {
    ex.Gallery("sim2", "processes to model", "4processes.smp");
    ex.Title("4 processos para modelagem", "4 processes for modelling");
    ex.Summary(
        "A first order, an underdamped second order, a fourth order and an integrator, each "
        "with its loop, to identify from output steps in manual.");

    ex.Var(21).Unit("°C").Range(20, 80).Limits(20, 75);
    ex.Var(22).Unit("bar").Range(0, 10).Limits(2, 8);
    ex.Var(23).Unit("g/L").Range(0, 20).Limits(0, 20);
    ex.Var(24).Unit("g/L").Range(0, 20).Limits(4, 16);
    ex.Var(25).Unit("m3/h").Range(0, 20).Limits(0, 20);
    ex.Var(26).Unit("m").Range(0, 2.5).Limits(0.25, 2.25);
    ex.Var(41).Unit("m3/h").Range(0, 20).Limits(-20, 20);
    ex.Var(15).Unit("m3/h").Range(0, 20).Limits(0, 20);

    // 1: water heater, 45 s time constant and 4 s to the sensor.
    ex.Process(1, "E-101")
        .Desc("Temperatura da água quente", "Hot water temperature")
        .Input(1)
        .Lag(45)
        .DeadTime(4)
        .Gain(0.9)
        .At({130, 290});
    ex.Controller(1, "TIC-101")
        .Desc("Temperatura do aquecedor", "Heater temperature")
        .Pv(21)
        .Pid(2.5, 40)
        .Auto(50)
        .At({300, 95});
    ex.Text(1).Desc("TT-101").Scalar(21, 1).At({344, 178});

    // 2: pressure, period 12 s with damping 0.3.
    ex.Process(2, "P-201")
        .Desc("Pressão de recalque", "Discharge pressure")
        .Input(2)
        .Underdamped(2, 12)
        .DeadTime(0.5)
        .At({600, 290});
    ex.Controller(2, "PIC-201")
        .Desc("Pressão da rede", "Network pressure")
        .Pv(22)
        .Pid(0.3, 2)
        .Auto(5)
        .At({640, 95});
    ex.Text(2).Desc("PT-201").Scalar(22, 2).At({824, 148});

    // 3: four tanks of 25 s each, two per block.
    ex.Process(3, "TQ-301")
        .Desc("Concentração no TQ-302", "Concentration in TQ-302")
        .Input(3)
        .Lag(25, 25)
        .At({157, 584});
    ex.Process(4, "TQ-303")
        .Desc("Concentração de saída", "Outlet concentration")
        .Input(23)
        .Lag(25, 25)
        .At({347, 584});
    ex.Controller(3, "AIC-301")
        .Desc("Concentração de saída", "Outlet concentration")
        .Pv(24)
        .Pid(1, 100)
        .Auto(10)
        .At({470, 580});
    ex.Text(3).Desc("AT-301").Scalar(24, 2).At({330, 378});

    // 4: level, 0.75 m across and 2.5 m high: 2 m3/h more in than out raises it 7.5 cm a minute.
    ex.Process(5, "LV-401").Desc("Vazão de entrada", "Inflow").Input(4).Lag(2).At({600, 467});
    ex.Calc(1, "FY-401")
        .Desc("Vazão líquida", "Net inflow")
        .Function("M25-M15")
        .Symbol("Σ")
        .At({620, 540});
    ex.Process(6, "TQ-401")
        .Desc("Nível do TQ-401", "TQ-401 level")
        .Input(41)
        .Integrator()
        .Gain(0.005)
        .At({755, 526});
    ex.Controller(4, "LIC-401")
        .Desc("Nível do TQ-401", "TQ-401 level")
        .Pv(26)
        .Pid(3, 300)
        .Auto(1.25)
        .At({930, 450});
    ex.Text(4).Desc("LT-401").Scalar(26, 2).At({704, 472});
    ex.Track(1).Label("Vazão de saída", "Outflow").Value(50).At({835, 338});

    DrawFrames(ex.sheet());
    DrawHeater(ex.sheet());
    DrawPressure(ex.sheet());
    DrawTanks(ex.sheet());
    DrawLevel(ex.sheet());
    ex.Settle(1800);

    ex.Comments(
        {"Quatro processos com dinâmicas diferentes, cada um com sua malha sintonizada e em "
         "automático, para exercícios de modelagem.",
         "",
         "1 · Primeira ordem: o aquecedor elétrico E-101 aquece a água de um tanque agitado "
         "com a potência que o TIC-101 pede ao tiristor; a temperatura TT-101 segue a potência "
         "como uma primeira ordem, com um pequeno tempo morto até o sensor.",
         "2 · Segunda ordem subamortecida: a bomba P-201, com inversor de frequência, alimenta "
         "uma linha longa com um acumulador; a água da linha e a mola de gás do acumulador "
         "fazem a pressão PT-201 oscilar depois de cada mudança de velocidade.",
         "3 · Quarta ordem: a salmoura dosada no primeiro de quatro tanques agitados em série "
         "chega ao analisador AT-301, na saída do quarto, através de quatro atrasos iguais.",
         "4 · Integrador: a válvula LV-401 enche o TQ-401 e a bomba P-401 o esvazia com a "
         "vazão do controle \"Vazão de saída\"; qualquer diferença entre as duas faz o nível "
         "subir ou descer em rampa.",
         "",
         "O que fazer: passe um controlador para manual, espere a variável estabilizar e dê um "
         "degrau de 5 a 10 % na saída (digite o valor e clique em Enviar). Ajuste um modelo à "
         "resposta: ganho, constantes de tempo e tempo morto (método dos dois pontos, 28,3 % e "
         "63,2 %); sobre-sinal e período para a segunda ordem (amortecimento e frequência "
         "natural); inclinação da rampa "
         "para o integrador. Confira o modelo com os parâmetros dos blocos de processo.",
         "Depois sintonize a malha a partir do modelo (IMC, SIMC) e compare com a sintonia "
         "original na Simulação Rápida, com degrau no SP.",
         "",
         "O que observar: o atraso aparente que quatro capacidades em série criam sem nenhum "
         "tempo morto; o sobre-sinal e o período fixo da segunda ordem; o integrador em "
         "manual não se estabiliza: volte-o a automático antes que o tanque transborde ou "
         "esvazie."},
        {"Four processes with different dynamics, each with its loop tuned and in automatic, "
         "for modelling exercises.",
         "",
         "1 · First order: electric heater E-101 heats the water of a stirred tank with the "
         "power TIC-101 asks of the thyristor; temperature TT-101 follows the power as a first "
         "order, with a small dead time to the sensor.",
         "2 · Underdamped second order: pump P-201, on a variable-speed drive, feeds a long "
         "line with an accumulator; the water in the line and the gas spring of the "
         "accumulator make pressure PT-201 ring after every change of speed.",
         "3 · Fourth order: brine dosed into the first of four stirred tanks in series reaches "
         "analyser AT-301, at the outlet of the fourth, through four equal lags.",
         "4 · Integrator: valve LV-401 fills TQ-401 and pump P-401 empties it at the flow of "
         "the \"Outflow\" slider; any difference between the two ramps the level up or down.",
         "",
         "What to try: switch a controller to manual, let the variable settle and step the "
         "output by 5 to 10 % (type the value and send it). Fit a model to the response: gain, "
         "time constants and dead time (two-point method, 28.3 % and 63.2 %); overshoot and "
         "period for the second order (damping ratio and natural frequency); the ramp's slope for "
         "the integrator. Check "
         "the model against the parameters of the process blocks.",
         "Then tune the loop from the model (IMC, SIMC) and compare with the original tuning "
         "in the Fast Simulation with an SP step.",
         "",
         "What to watch: the apparent delay that four capacities in series create without any "
         "dead time; the overshoot and fixed period of the second order; the integrator in "
         "manual never settles: put it back in automatic before the tank overflows or runs "
         "dry."});
}

}  // namespace vork::plantmaker
