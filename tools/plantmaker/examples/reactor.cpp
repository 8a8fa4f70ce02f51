// Reactor: a continuous stirred reactor with an exothermic reaction and a cooling jacket. FIC-101
// sets the feed, LIC-102 holds the level on the product valve, and the temperature master
// TIC-103 sets the cooling water flow slave FIC-104, with a feed-forward of the feed flow that
// switch 1 turns on and off.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Cooling water through the valve follows the square root of the supply pressure, which wanders
// by about ±20 % (generator M81).
constexpr const char* kSupplyGain = "(0.5+M81/100)^0.5";
// Reactor temperature at steady state, in percent of 0..150 °C: the reaction heat grows with the
// feed and its concentration (slider), the jacket takes heat away with the cooling water.
constexpr const char* kHeatBalance = "45+0.8*M21*M15/50-0.8*M24";

void DrawReactor(Sheet& s) {
    s.Vessel({420, 220, 200, 270}, 0.62, true, true);
    s.Text({590, 530}, "R-101", Align::Left, 12, true);
    // Feed in at the top.
    s.Pipe({{20, 150}, {460, 150}, {460, 226}});
    s.Text({20, 176}, {"Carga", "Feed"}, Align::Left, 11);
    s.ControlValve({150, 150});
    s.Orifice({260, 150});
    // Product from the bottom through the pump and the level valve.
    s.Pipe({{520, 488}, {520, 570}, {462, 570}}, Fluid::Process, false);
    s.Pump({440, 570}, Facing::Left);
    s.Pipe({{419, 554}, {20, 554}});
    s.ControlValve({300, 554});
    s.Text({20, 580}, {"Produto", "Product"}, Align::Left, 11);
    // Cooling water through the jacket, in at the bottom, out at the top.
    s.Pipe({{1010, 470}, {631, 470}}, Fluid::Water);
    s.Pipe({{631, 320}, {1010, 320}}, Fluid::Water);
    s.Text({1010, 496}, {"Água de resfriamento", "Cooling water"}, Align::Right, 11);
    s.Text({1010, 346}, {"Retorno", "Return"}, Align::Right, 11);
    s.ControlValve({880, 470});
    s.Orifice({760, 470});
}

void DrawLoops(Sheet& s) {
    // Feed flow.
    s.Signal({{260, 150}, {260, 118}});
    s.Signal({{232, 90}, {150, 90}, {150, 116}}, true);
    // Level: the transmitter's taps, the controller, the product valve.
    s.Signal({{368, 330}, {411, 330}});
    s.Signal({{368, 390}, {411, 390}});
    s.Signal({{340, 388}, {340, 420}, {300, 420}, {300, 442}}, true);
    s.Signal({{300, 498}, {300, 518}}, true);
    // Temperature master on the cooling water slave, and the feed-forward of the feed flow.
    s.Bubble({600, 140}, "TT-103");
    s.Signal({{600, 168}, {600, 236}});
    s.Signal({{628, 140}, {732, 140}}, true);
    s.Signal({{760, 168}, {760, 372}}, true);
    s.Signal({{760, 470}, {760, 428}});
    s.Signal({{788, 400}, {880, 400}, {880, 436}}, true);
    s.Signal({{260, 62}, {260, 40}, {560, 40}});
    s.Signal({{608, 40}, {760, 40}, {760, 112}}, true);
}

}  // namespace

void reactor(Example& ex) {
    ex.Gallery("sim10", "reactor", "reactor.smp");
    ex.Title("Reator", "Reactor");
    ex.Summary(
        "A jacketed exothermic reactor: feed flow, level on the product valve, and temperature "
        "as master of the cooling water flow with a feed-forward of the feed.");

    ex.Var(15).Unit("kmol/m3").Range(0, 4).Limits(1, 3);
    for (int address : {21, 22})
        ex.Var(address).Unit("m3/h").Range(0, 20).Limits(4, 18);
    ex.Var(23).Unit("m").Range(0, 2.5).Limits(0.5, 2.2);
    ex.Var(24).Unit("m3/h").Range(0, 60).Limits(5, 55);
    for (int address : {25, 42})
        ex.Var(address).Unit("°C").Range(0, 150).Limits(60, 100);
    ex.Var(41).Unit("m3/h").Range(0, 20).Limits(-20, 20);
    ex.Var(81);

    ex.Channel(1).MediumRandom(60, 0, 100, 50);
    ex.Track(1).Label("Conc. da carga", "Feed conc.").Value(50).At({40, 410});
    ex.Switch(1).Type(2).On().At({560, 16});

    ex.Process(1, "FV-101")
        .Desc("Vazão de carga", "Feed flow")
        .Input(1)
        .ActuatorLag(2)
        .Lag(1)
        .At({150, 182});
    ex.Process(2, "LV-102")
        .Desc("Vazão de produto", "Product flow")
        .Input(2)
        .ActuatorLag(2)
        .Lag(1)
        .At({300, 588});
    ex.Calc(1, "FY-102")
        .Desc("Vazão líquida para o reator", "Net flow into the reactor")
        .Function("M21-M22")
        .Symbol("Σ")
        .At({340, 280});
    ex.Process(3, "LT-102")
        .Desc("Nível do reator", "Reactor level")
        .Input(41)
        .Integrator()
        .Gain(0.0011)
        .AsInstrument()
        .At({340, 360});
    ex.Process(4, "TV-104")
        .Desc("Vazão de água de resfriamento", "Cooling water flow")
        .Input(4)
        .ActuatorLag(3)
        .Lag(1)
        .Gain(kSupplyGain)
        .At({820, 502});
    ex.Calc(2, "TY-103")
        .Desc("Balanço térmico do reator", "Reactor heat balance")
        .Function(kHeatBalance)
        .Symbol("Σ")
        .At({690, 230});
    ex.Process(5, "R-101")
        .Desc("Temperatura do reator", "Reactor temperature")
        .Input(42)
        .Lag(240, 30)
        .At({520, 320});

    ex.Controller(1, "FIC-101")
        .Desc("Vazão de carga", "Feed flow")
        .Pv(21)
        .Pid(0.5, 3)
        .Auto(12)
        .At({260, 90});
    ex.Controller(2, "LIC-102")
        .Desc("Nível do reator", "Reactor level")
        .Pv(23)
        .Pid(5, 750)
        .ReverseProcess()
        .Auto(1.5)
        .At({300, 470});
    ex.Controller(3, "TIC-103")
        .Desc("Temperatura do reator (mestre)", "Reactor temperature (master)")
        .Pv(25)
        .Pid(3, 255)
        .ReverseProcess()
        .FeedForward("50+M11*(M21-60)")
        .SlaveOutput(4)
        .Auto(80)
        .At({760, 140});
    ex.Controller(4, "FIC-104")
        .Desc("Água de resfriamento (escravo)", "Cooling water (slave)")
        .Pv(24)
        .Pid(0.5, 3)
        .Remote(3)
        .Auto(30)
        .At({760, 400});

    ex.Text(1).Desc("FT-101").Scalar(21, 1).At({312, 96}, 100);
    ex.Text(2).Desc("LT-102").Scalar(23, 2).At({180, 300}, 100);
    ex.Text(3).Desc("TT-103").Scalar(25, 1).At({820, 190}, 100);
    ex.Text(4).Desc("FT-104").Scalar(24, 1).At({820, 540}, 100);
    ex.Text(5)
        .Desc("Compensação", "Feed-forward")
        .Binary(11, {"desligada", "off"}, {"ligada", "on"})
        .At({620, 82}, 100);
    ex.Recorder(1, "TR-103")
        .Desc("Carga, temperatura e resfriamento", "Feed, temperature and cooling")
        .Pen(1, 25, "TT-103")
        .Pen(2, 42, "TY-103")
        .Pen(3, 24, "FT-104")
        .TimeBase(2)
        .At({900, 600});

    DrawReactor(ex.sheet());
    DrawLoops(ex.sheet());
    ex.Settle(5400);

    ex.Comments(
        {"Reator: um reator contínuo agitado R-101 com reação exotérmica e camisa de "
         "resfriamento. A carga (12 m3/h, 2 kmol/m3, controle \"Conc. da carga\") entra pelo "
         "topo; o produto sai pelo fundo, bombeado através da válvula de nível. Com 1,5 m de "
         "nível o reator guarda 3 m3, um tempo de residência de 15 minutos. O calor da reação "
         "cresce com a vazão e a concentração da carga; a água de resfriamento da camisa o "
         "retira. A temperatura responde com 240 s (massa do reator) e 30 s (camisa e poço do "
         "sensor).",
         "Malhas: FIC-101, vazão de carga (PI Kc 0,5, Ti 3 s). LIC-102, nível, atua na "
         "válvula de produto LV-102 (PI Kc 5, Ti 750 s, pelo SIMC para um integrador, cerca "
         "de 3 minutos em malha fechada). TIC-103, temperatura, é o mestre (PI Kc 3, Ti 255 s) "
         "do FIC-104, vazão de água de resfriamento (escravo, PI Kc 0,5, Ti 3 s): a pressão "
         "da água varia ao acaso em cerca de ±20 % (gerador M81) e o elo interno corrige a "
         "vazão antes que a variação chegue ao reator.",
         "Compensação direta (chave 1): a polarização do TIC-103 é 50 + (FT-101 - 60) %, "
         "porque cada 1 % de carga traz tanto calor de reação quanto 1 % de água de "
         "resfriamento retira, na concentração nominal.",
         "",
         "O que fazer: mude o SP do FIC-101 de 12 para 14 m3/h, com a compensação ligada e "
         "desligada: com ela a água de resfriamento acompanha a carga e a temperatura quase não "
         "se move; sem ela a temperatura sobe vários graus antes que o TIC-103 corrija. Mude a "
         "\"Conc. da carga\": este distúrbio não é medido e só a realimentação o corrige. Passe "
         "o FIC-104 para manual: a válvula fica parada, cada mudança de pressão muda a água de "
         "resfriamento e a temperatura deriva sem que o TIC-103 possa agir. Na "
         "Simulação Rápida, um degrau de 10 % no SP move as três malhas ao mesmo tempo.",
         "",
         "O que observar: no registrador TR-103, a temperatura, a temperatura de equilíbrio "
         "TY-103 que o balanço térmico pede e a água de resfriamento; o nível, integrador, não "
         "se acomoda sozinho e responde devagar, como deve um nível de reator."},
        {"Reactor: a continuous stirred reactor R-101 with an exothermic reaction and a "
         "cooling jacket. The feed (12 m3/h, 2 kmol/m3, \"Feed conc.\" slider) enters at the "
         "top; the product leaves at the bottom, pumped through the level valve. At 1.5 m of "
         "level the reactor holds 3 m3, a residence time of 15 minutes. The reaction heat grows "
         "with the flow and the concentration of the feed; the jacket's cooling water takes it "
         "away. The temperature answers with 240 s (the reactor's mass) and 30 s (jacket and "
         "sensor well).",
         "Loops: FIC-101, feed flow (PI Kc 0.5, Ti 3 s). LIC-102, level, acts on product valve "
         "LV-102 (PI Kc 5, Ti 750 s, by the SIMC rules for an integrator, about 3 minutes in "
         "closed loop). TIC-103, temperature, is the master (PI Kc 3, Ti 255 s) of FIC-104, the "
         "cooling water flow (slave, PI Kc 0.5, Ti 3 s): the water's pressure wanders by about "
         "±20 % (generator M81) and the inner loop corrects the flow before the change reaches "
         "the reactor.",
         "Feed-forward (switch 1): TIC-103's bias is 50 + (FT-101 - 60) %, because each 1 % of "
         "feed brings as much reaction heat as 1 % of cooling water takes away, at the nominal "
         "concentration.",
         "",
         "What to try: change FIC-101's SP from 12 to 14 m3/h, with the feed-forward on and "
         "off: with it the cooling water follows the feed and the temperature hardly moves; "
         "without it the temperature climbs several degrees before TIC-103 corrects it. Change "
         "the \"Feed conc.\": this disturbance is not measured and only the feedback corrects "
         "it. Put FIC-104 in manual: the valve stays put, each pressure change moves the cooling "
         "water and the temperature drifts, out of TIC-103's reach. In the "
         "Fast Simulation, a 10 % SP step moves the three loops at once.",
         "",
         "What to watch: on recorder TR-103, the temperature, the equilibrium temperature TY-103 "
         "that the heat balance asks for and the cooling water; the level, an integrator, does "
         "not settle by itself and answers slowly, as a reactor level should."});
}

}  // namespace vork::plantmaker
