// Header pressure with three consumers: a fuel gas header fed from the 10 bar gas network
// through PV-101 and drawn by three gas-fired consumers, each with its own flow loop. Every
// flow depends on the header pressure (flow through a valve grows with the root of its pressure
// drop), so a consumer that changes its draw disturbs the others through the header. PIC-101
// holds the header pressure tightly and so decouples the consumers.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Flow through the supply valve, in percent of 3000 Nm3/h: its opening times the root of the
// drop from the network (10 bar plus its wandering) to the header, 4 bar at the design point.
constexpr const char* kSupplyFlow = "M21*((100+M81-M25)/40)^0.5";
// Header pressure rise per second, in percent of its 10 bar span, for 1 % (30 Nm3/h) of net
// inflow into 0.7 m3 of header and branch lines at about 6 bar.
constexpr double kHeaderGain = 0.12;
// Net inflow: supply less the three consumers (1000 Nm3/h each) and the vent (450 Nm3/h while
// the button is pressed).
constexpr const char* kNetFlow = "M41-(M42+M43+M44)/3-M97*15";

constexpr int kHeader = 170;
constexpr int kConsumerX[] = {330, 560, 790};

void DrawSupply(Sheet& s) {
    s.Pipe({{40, kHeader}, {940, kHeader}, {940, 100}, {1010, 100}}, Fluid::Gas);
    s.Text({40, 196}, {"Gás natural, 10 bar", "Natural gas, 10 bar"}, Align::Left, 11);
    s.ControlValve({140, kHeader});
    s.Orifice({230, kHeader});
    s.Text({610, kHeader - 58}, {"Header de gás combustível", "Fuel gas header"}, Align::Centre, 12,
           true);
    // Pressure to PIC-101, PIC-101 to the supply valve; supply flow transmitter.
    s.Signal({{280, kHeader - 10}, {280, 123}});
    s.Signal({{252, 95}, {168, 95}}, true);
    s.Signal({{140, 123}, {140, kHeader - 34}}, true);
    s.Signal({{230, kHeader + 10}, {230, 232}});
    // The vent at the end of the header, opened from the push button.
    s.ControlValve({975, 100});
    s.Text({1010, 126}, {"Alívio", "Vent"}, Align::Right, 11);
    s.Signal({{900, 60}, {975, 60}, {975, 66}}, true);
}

void DrawConsumer(Sheet& s, int x0, const Label& name, const char* flow) {
    s.Pipe({{x0, kHeader}, {x0, 600}, {x0 + 56, 600}, {x0 + 56, 586}}, Fluid::Gas);
    s.Orifice({x0, 240});
    s.Bubble({x0 + 60, 240}, flow);
    s.Signal({{x0 + 10, 240}, {x0 + 32, 240}});
    s.ControlValve({x0, 380}, true);
    s.Box({x0 + 20, 470, 120, 110});
    s.Flame({x0 + 56, 560}, 30);
    s.Flame({x0 + 96, 560}, 30);
    s.Text({x0 + 80, 446}, name, Align::Centre, 11, true);
    // Flow to its controller, controller to the valve.
    s.Signal({{x0 + 60, 268}, {x0 + 60, 302}}, true);
    s.Signal({{x0 + 60, 358}, {x0 + 60, 380}, {x0 + 34, 380}}, true);
}

}  // namespace

void header_pressure(Example& ex) {
    ex.Gallery("sim8", "header pressure with 3 consumers", "header pressure with 3 consumers.smp");
    ex.Title("Pressão Header e 3 Consumidores", "Header pressure with 3 consumers");
    ex.Summary(
        "A fuel gas header feeding three consumers with their own flow loops: tight header "
        "pressure control keeps one consumer's change from upsetting the others.");

    ex.Var(81).Unit("bar").Range(0, 10).Limits(-0.5, 0.5);
    ex.Var(25).Unit("bar").Range(0, 10).Limits(5, 7);
    ex.Var(41).Unit("Nm3/h").Range(0, 3000).Limits(300, 2700);
    for (int address : {42, 43, 44})
        ex.Var(address).Unit("Nm3/h").Range(0, 1000).Limits(100, 900);
    ex.Var(45).Unit("Nm3/h").Range(0, 3000).Limits(-300, 300);
    for (int address : {21, 22, 23, 24})
        ex.Var(address).Unit("%").Range(0, 100).Limits(5, 95);

    ex.Channel(1).MediumRandom(30, -3, 3);
    ex.Button(1)
        .Caption({"Alívio", "Vent"})
        .Texts({"XV-104 fechada", "XV-104 closed"}, {"XV-104 aberta", "XV-104 open"});
    ex.ButtonPanel({740, 40});

    // Supply and header.
    ex.Process(1, "PV-101")
        .Desc("Abertura da PV-101", "PV-101 opening")
        .Input(1)
        .Lag(1)
        .At({120, 236});
    ex.Calc(1, "FT-101")
        .Desc("Vazão de suprimento FT-101", "Supply flow FT-101")
        .Function(kSupplyFlow)
        .AsInstrument()
        .At({230, 260});
    ex.Calc(5, "FY-100")
        .Desc("Balanço do header", "Header balance")
        .Function(kNetFlow)
        .Symbol("Σ")
        .At({120, 420});
    ex.Process(5, "PT-101")
        .Desc("Pressão do header PT-101", "Header pressure PT-101")
        .Input(45)
        .Integrator()
        .Gain(kHeaderGain)
        .Saved({0, 60, 0, 60, 0, 0, 0, 0})
        .AsInstrument()
        .At({280, 95});
    ex.Controller(1, "PIC-101")
        .Desc("Pressão do header", "Header pressure")
        .Pv(25)
        .Pid(2.5, 6)
        .Auto(6)
        .At({140, 95});

    // The consumers.
    const char* valves[] = {"FV-201", "FV-202", "FV-203"};
    const char* flows[] = {"FT-201", "FT-202", "FT-203"};
    const char* loops[] = {"FIC-201", "FIC-202", "FIC-203"};
    const Label names[] = {{"Forno", "Furnace"}, {"Caldeira", "Boiler"}, {"Secador", "Dryer"}};
    for (int k = 0; k < 3; ++k) {
        int x0 = kConsumerX[k];
        ex.Process(2 + k, valves[k])
            .Desc(std::string("Abertura da ") + valves[k], std::string(valves[k]) + " opening")
            .Input(2 + k)
            .Lag(3)
            .At({x0 - 50, 380});
        // Through the consumer's valve to its burners at 3 bar: 3 bar of drop at the design point.
        std::string flow = "M" + std::to_string(22 + k) + "*((M25-30)/30)^0.5";
        ex.Calc(2 + k, flows[k])
            .Desc(std::string("Vazão para ") + names[k].pt, names[k].en + " gas flow")
            .Function(flow)
            .Lower(0)
            .AsInstrument()
            .At({x0 + 60, 240});
        ex.Controller(2 + k, loops[k])
            .Desc(std::string("Gás para ") + names[k].pt, names[k].en + " fuel gas")
            .Pv(42 + k)
            .Pid(0.4, 3)
            .Auto(500)
            .At({x0 + 60, 330});
    }

    for (int k = 0; k < 3; ++k)
        ex.Text(3 + k).Desc(flows[k]).Scalar(42 + k, 0).At({kConsumerX[k] + 104, 236});
    ex.Text(1).Desc("PT-101").Scalar(25, 2).At({330, 60});
    ex.Text(2).Desc("FT-101").Scalar(41, 0).At({40, 320});
    ex.Recorder(1, "TR-101")
        .Desc("Pressão do header e consumos", "Header pressure and consumers")
        .Pen(1, 42, "FT-201")
        .Pen(2, 43, "FT-202")
        .Pen(3, 25, "PT-101")
        .TimeBase(1)
        .At({960, 620});

    DrawSupply(ex.sheet());
    ex.sheet().Text({120, 462}, {"Balanço do header", "Header balance"}, Align::Centre, 11);
    for (int k = 0; k < 3; ++k)
        DrawConsumer(ex.sheet(), kConsumerX[k], names[k], flows[k]);
    ex.Settle(1800);
    ex.Comments(
        {"Pressão de header com 3 consumidores: um header de gás combustível recebe gás da "
         "rede de 10 bar pela válvula PV-101 e alimenta três consumidores (forno, caldeira e "
         "secador), cada um com sua malha de vazão (FIC-201 a FIC-203). A vazão por uma "
         "válvula cresce com a raiz da sua queda de pressão, e os queimadores trabalham a "
         "3 bar: quando um consumidor aumenta o consumo, a pressão do header cai e todos os "
         "outros perdem vazão, até que suas malhas corrijam. O PIC-101 mantém a pressão do "
         "header em 6 bar e assim desacopla os consumidores. A pressão da rede varia (gerador "
         "M81) e o botão \"Alívio\" abre a válvula XV-104, que tira 450 Nm3/h do header.",
         "",
         "Sintonia: o header (0,7 m3) responde à PV-101 com ganho 0,7 e constante de tempo de "
         "6 s; o PIC-101 é um PI rígido (SIMC, 2 s de constante de tempo em malha fechada): "
         "Kc 2,5, Ti 6 s. As malhas de vazão têm válvulas de 3 s: Kc 0,4, Ti 3 s.",
         "",
         "O que fazer: aumente o SP do FIC-201 de 500 para 700 Nm3/h e veja FT-202 e FT-203 "
         "quase não se moverem. Passe o PIC-101 para manual e repita: a pressão cai 1 bar, as "
         "vazões da caldeira e do secador caem até que suas malhas reajam, e o próprio "
         "FIC-201 fica mais lento, porque seu consumo derruba a pressão que o alimenta. "
         "Pressione \"Alívio\" com o PIC-101 em automático e em manual.",
         "",
         "O que observar: no registrador TR-101, as vazões de dois consumidores e a pressão do "
         "header. Sem o controle de pressão, as válvulas dos consumidores precisam abrir mais "
         "para a mesma vazão e podem chegar ao limite; com ele, cada malha de vazão trabalha "
         "como se estivesse sozinha."},
        {"Header pressure with 3 consumers: a fuel gas header takes gas from the 10 bar "
         "network through valve PV-101 and feeds three consumers (furnace, boiler and dryer), "
         "each with its own flow loop (FIC-201 to FIC-203). The flow through a valve grows "
         "with the root of its pressure drop, and the burners work at 3 bar: when one consumer "
         "draws more, the header pressure falls and all the others lose flow until their "
         "loops correct it. PIC-101 holds the header at 6 bar and so decouples the consumers. "
         "The network pressure wanders (generator M81) and the \"Vent\" button opens valve "
         "XV-104, which takes 450 Nm3/h out of the header.",
         "",
         "Tuning: the header (0.7 m3) answers PV-101 with a gain of 0.7 and a 6 s time "
         "constant; PIC-101 is a tight PI (SIMC, 2 s closed-loop time constant): Kc 2.5, Ti "
         "6 s. The flow loops have 3 s valves: Kc 0.4, Ti 3 s.",
         "",
         "What to try: raise the SP of FIC-201 from 500 to 700 Nm3/h and watch FT-202 and "
         "FT-203 hardly move. Put PIC-101 in manual and do it again: the pressure falls by "
         "1 bar, the boiler's and dryer's flows dip until their loops react, and FIC-201 "
         "itself gets slower, because its draw pulls down the pressure that feeds it. Press "
         "\"Vent\" with PIC-101 in automatic and in manual.",
         "",
         "What to watch: on recorder TR-101, the flows of two consumers and the header "
         "pressure. Without pressure control the consumers' valves must open further for the "
         "same flow and may reach their limit; with it, each flow loop works as if it were "
         "alone."});
}

}  // namespace vork::plantmaker
