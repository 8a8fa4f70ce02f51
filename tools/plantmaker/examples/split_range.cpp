// Split range: a jacketed reactor whose reaction heat may need heating or cooling. TIC-301's
// output is split by two calculation blocks: below 50 % it opens the cooling water valve, above
// 50 % the steam valve, each over its whole stroke.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Reactor temperature at steady state, °C: the reaction heat (slider, wandering with generator
// M81) against the jacket, where a percent of steam adds 0.4 °C and a percent of cooling water
// takes 0.3 °C away.
constexpr const char* kHeatBalance = "35+0.6*(M15+(M81-50)/3)+0.4*M21-0.3*M22";

void DrawReactor(Sheet& s) {
    s.Vessel({430, 200, 190, 260}, 0.6, true, true);
    s.Text({640, 500}, "R-301", Align::Left, 12, true);
    s.Pipe({{1010, 140}, {480, 140}, {480, 206}});
    s.Text({1010, 112}, {"Carga", "Feed"}, Align::Right, 11);
    s.Pipe({{525, 458}, {525, 590}, {1010, 590}});
    s.Text({1010, 616}, {"Produto", "Product"}, Align::Right, 11);
    // Steam and cooling water into the jacket, the return on the other side.
    s.Pipe({{20, 300}, {423, 300}}, Fluid::Steam);
    s.Text({20, 286}, {"Vapor", "Steam"}, Align::Left, 11);
    s.ControlValve({200, 300});
    s.Pipe({{20, 440}, {423, 440}}, Fluid::Water);
    s.Text({20, 466}, {"Água de resfriamento", "Cooling water"}, Align::Left, 11);
    s.ControlValve({200, 440});
    s.Pipe({{627, 290}, {690, 290}}, Fluid::Water);
    s.Text({700, 286}, {"Retorno e condensado", "Return and condensate"}, Align::Left, 11);
}

void DrawLoop(Sheet& s) {
    s.Bubble({560, 120}, "TT-301");
    s.Signal({{560, 148}, {560, 214}});
    s.Signal({{532, 120}, {80, 120}, {80, 342}}, true);
    s.Signal({{108, 370}, {130, 370}, {130, 230}, {156, 230}}, true);
    s.Signal({{130, 370}, {156, 370}}, true);
    s.Signal({{200, 252}, {200, 264}}, true);
    s.Signal({{200, 392}, {200, 404}}, true);
}

// The split: valve openings against the controller output.
void DrawSplitChart(Sheet& s) {
    Rect r{730, 360, 160, 100};
    s.Box(r, false);
    s.Pipe({{r.x, r.y}, {r.x + r.w / 2, r.Bottom()}}, Fluid::Water, false);
    s.Pipe({{r.x + r.w / 2, r.Bottom()}, {r.Right(), r.y}}, Fluid::Steam, false);
    s.Text({r.x, r.Bottom() + 14}, "0", Align::Centre, 10);
    s.Text({r.x + r.w / 2, r.Bottom() + 14}, "50", Align::Centre, 10);
    s.Text({r.Right(), r.Bottom() + 14}, "100 %", Align::Centre, 10);
    s.Text({r.x + r.w / 2, r.Bottom() + 30}, {"Saída do TIC-301", "TIC-301 output"}, Align::Centre,
           10);
    s.Text({r.x - 6, r.y + 4}, "100 %", Align::Right, 10);
    s.Text({r.x + 30, r.y + 26}, {"Água", "Water"}, Align::Left, 10);
    s.Text({r.Right() - 30, r.y + 26}, {"Vapor", "Steam"}, Align::Right, 10);
    // Under the two bars of the valve openings.
    s.Text({952, 476}, {"Aberturas", "Openings"}, Align::Centre, 10);
}

}  // namespace

void split_range(Example& ex) {
    ex.Gallery("sim14", "splitrange control", "splitrange.smp");
    ex.Title("Reator com Jaqueta", "Split range control");
    ex.Summary(
        "A jacketed reactor heated by steam or cooled by water: one temperature controller whose "
        "output is split between the cooling valve (0-50 %) and the steam valve (50-100 %).");

    ex.Var(15).Unit("kW").Range(0, 100).Limits(0, 100);
    ex.Var(21).Unit("kg/h").Range(0, 400).Limits(0, 400);
    ex.Var(22).Unit("m3/h").Range(0, 20).Limits(0, 20);
    for (int address : {23, 43})
        ex.Var(address).Unit("°C").Range(0, 100).Limits(50, 75);
    for (int address : {41, 42})
        ex.Var(address).Unit("%").Range(0, 100).Limits(0, 100);

    ex.Var(81);
    ex.Channel(1).MediumRandom(60, 0, 100, 50);
    ex.Track(1).Label("Calor de reação", "Reaction heat").Value(50).At({800, 180});

    ex.Calc(1, "TY-301A")
        .Desc("Abertura do vapor", "Steam opening")
        .Function("(M01-50)*2")
        .Upper(100)
        .Lower(0)
        .Symbol("f(x)")
        .At({200, 230});
    ex.Calc(2, "TY-301B")
        .Desc("Abertura da água", "Water opening")
        .Function("(50-M01)*2")
        .Upper(100)
        .Lower(0)
        .Symbol("f(x)")
        .At({200, 370});
    ex.Process(1, "TV-301A")
        .Desc("Vapor na camisa", "Steam in the jacket")
        .Input(41)
        .ActuatorLag(4)
        .Lag(15)
        .At({300, 330});
    ex.Process(2, "TV-301B")
        .Desc("Água na camisa", "Water in the jacket")
        .Input(42)
        .ActuatorLag(4)
        .Lag(30)
        .At({300, 470});
    ex.Calc(3, "TY-301")
        .Desc("Balanço térmico do reator", "Reactor heat balance")
        .Function(kHeatBalance)
        .Symbol("Σ")
        .At({730, 240});
    ex.Process(3, "R-301")
        .Desc("Temperatura do reator", "Reactor temperature")
        .Input(43)
        .Lag(150, 8)
        .At({525, 340});
    ex.Controller(1, "TIC-301")
        .Desc("Temperatura do reator", "Reactor temperature")
        .Pv(23)
        .Pid(3.5, 160)
        .Auto(60)
        .At({80, 370});

    ex.Text(1).Desc("TT-301").Scalar(23, 1).At({600, 60}, 100);
    ex.Text(2).Desc("TV-301A").Scalar(41, 0).At({260, 200}, 90);
    ex.Text(3).Desc("TV-301B").Scalar(42, 0).At({260, 390}, 90);
    ex.Shape(1).Bar(42, 14, 100, 0x1F77B4).At({935, 360});
    ex.Shape(2).Bar(41, 14, 100, 0xC0392B).At({955, 360});
    ex.Recorder(1, "TR-301")
        .Desc("Temperatura e válvulas", "Temperature and valves")
        .Pen(1, 23, "TT-301")
        .Pen(2, 41, "TV-301A")
        .Pen(3, 42, "TV-301B")
        .TimeBase(2)
        .At({300, 580});

    DrawReactor(ex.sheet());
    DrawLoop(ex.sheet());
    DrawSplitChart(ex.sheet());
    ex.Settle(1800);

    ex.Comments(
        {"Reator com jaqueta e divisão de faixa: o reator contínuo R-301 tem uma reação "
         "exotérmica cujo calor (controle \"Calor de reação\", 50 kW, variando ao acaso com o "
         "gerador M81) às vezes passa do que o processo precisa e às vezes falta. A jaqueta "
         "recebe vapor (até 400 kg/h pela TV-301A) para aquecer ou água de resfriamento (até "
         "20 m3/h pela TV-301B) para esfriar. O vapor age em 15 s; a água em 30 s, porque "
         "precisa renovar a jaqueta. O reator responde com 150 s, e o poço do termopar com 8 s.",
         "O TIC-301 tem uma só saída, dividida pelos blocos de cálculo TY-301B = (50 - saída) "
         "x 2 e TY-301A = (saída - 50) x 2, limitados entre 0 e 100 %: de 0 a 50 % a saída "
         "fecha a água, de 50 a 100 % abre o vapor; em 50 % as duas estão fechadas. Cada 1 % "
         "de saída vale 0,8 °C do lado do vapor e 0,6 °C do lado da água. O TIC-301 é um PI "
         "(Kc 3,5, Ti 160 s) sintonizado pelo SIMC com o ganho médio dos dois lados.",
         "",
         "O que fazer: com 50 kW e SP de 60 °C o reator precisa de um pouco de água (saída em "
         "torno de 42 %). Na Simulação Rápida, o degrau de 10 % no SP (para 70 °C) leva a saída "
         "a atravessar os 50 % e passar ao vapor. Em tempo real, leve o \"Calor de reação\" a "
         "20 kW e depois a 80 kW e acompanhe as barras das válvulas e o gráfico da divisão.",
         "Experimente abrir uma folga entre as válvulas: mude as funções para (M01-52)*2.083 e "
         "(48-M01)*2.083 e veja a temperatura derivar enquanto a saída atravessa a folga; ou "
         "sobreponha as faixas e veja vapor e água abertos ao mesmo tempo.",
         "",
         "O que observar: os dois lados têm ganhos e velocidades diferentes, então uma sintonia "
         "boa para um fica lenta ou nervosa no outro; no registrador TR-301, a temperatura e as "
         "duas aberturas."},
        {"Jacketed reactor with split range: continuous reactor R-301 has an exothermic "
         "reaction whose heat (\"Reaction heat\" slider, 50 kW, wandering at random with "
         "generator M81) is sometimes more than the process needs and sometimes less. The "
         "jacket takes steam (up to 400 kg/h through TV-301A) to heat or cooling water (up to "
         "20 m3/h through TV-301B) to cool. Steam acts in 15 s; water in 30 s, since it must "
         "renew the jacket. The reactor answers with 150 s, and the thermocouple's well with "
         "8 s.",
         "TIC-301 has a single output, split by calculation blocks TY-301B = (50 - output) x 2 "
         "and TY-301A = (output - 50) x 2, limited to 0..100 %: from 0 to 50 % the output closes "
         "the water, from 50 to 100 % it opens the steam; at 50 % both are shut. Each 1 % of "
         "output is worth 0.8 °C on the steam side and 0.6 °C on the water side. TIC-301 is a PI "
         "(Kc 3.5, Ti 160 s) tuned by the SIMC rules with the mean gain of both sides.",
         "",
         "What to try: at 50 kW and an SP of 60 °C the reactor needs a little water (output "
         "around 42 %). In the Fast Simulation, the 10 % SP step (to 70 °C) takes the output "
         "across 50 % and over to steam. In real time, take the \"Reaction heat\" to 20 kW, "
         "then to 80 kW, and follow the valves' bars and the split chart.",
         "Try opening a gap between the valves: change the functions to (M01-52)*2.083 and "
         "(48-M01)*2.083 and watch the temperature drift while the output crosses the gap; or "
         "overlap the ranges and see steam and water open at once.",
         "",
         "What to watch: the two sides have different gains and speeds, so a tuning that suits "
         "one is slow or nervous on the other; on recorder TR-301, the temperature and both "
         "openings."});
}

}  // namespace vork::plantmaker
