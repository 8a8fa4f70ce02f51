// Combustion with two fuels: the hot-water boiler of a wastewater plant burns the biogas of its
// digesters first (free, but only what the gasholder can spare) and makes up the rest of the
// firing demand with purchased natural gas. The air follows the heat of both fuels.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Heat per percent of flow, in percent of the 5 MW boiler: biogas (0..600 Nm3/h, 21.5 MJ/Nm3)
// gives 0.717, natural gas (0..500 Nm3/h, 36 MJ/Nm3) 1. The air range (0..5500 Nm3/h) makes the
// air in percent equal the heat in percent at 15 % excess air, whatever the fuel: both need about
// 0.265 Nm3 of air per MJ.
constexpr const char* kFuelHeat = "(0.717*M21+M22)";

// The gasholder on the digesters' biogas, with its contents controller.
void DrawGasholder(Sheet& s) {
    s.Ellipse({40, 80, 160, 110});
    s.Box({40, 135, 160, 65});
    s.Text({120, 170}, "TQ-201", Align::Centre, 11, true);
    s.Text({120, 185}, {"Gasômetro", "Gasholder"}, Align::Centre, 10);
    s.Pipe({{20, 110}, {40, 110}}, Fluid::Fuel);
    s.Text({20, 60}, {"Biogás dos digestores", "Biogas from the digesters"}, Align::Left, 10);
    s.Signal({{200, 120}, {212, 120}});
    s.Signal({{240, 148}, {240, 202}}, true);
    s.Signal({{212, 230}, {120, 230}, {120, 350}, {146, 350}}, true);
}

// The hot-water boiler: the burner at its floor, the stack on its roof, the water to and from
// the digesters' heat exchangers.
void DrawBoiler(Sheet& s) {
    s.Box({540, 200, 200, 220});
    s.Box({548, 208, 184, 204}, false);
    s.Box({690, 70, 40, 130});
    s.Pipe({{710, 68}, {710, 50}}, Fluid::Process);
    s.Box({560, 420, 100, 24});
    s.Flame({610, 414}, 110);
    s.Text({640, 240}, "B-101", Align::Centre, 12, true);
    s.Text({668, 460}, {"Queimador duplo", "Dual-fuel burner"}, Align::Left, 10);
    s.Pipe({{600, 200}, {600, 40}, {1010, 40}}, Fluid::Water);
    s.Pipe({{1010, 380}, {740, 380}}, Fluid::Water);
    s.Text({1005, 16}, {"Água quente para os digestores", "Hot water to the digesters"},
           Align::Right, 10);
    s.Text({1005, 356}, {"Retorno dos digestores", "Return from the digesters"}, Align::Right, 10);
    s.Signal({{583, 110}, {600, 110}});
    s.Signal({{527, 115}, {498, 115}}, true);
}

// Biogas, natural gas and air to the burner, each with its flow loop.
void DrawTrains(Sheet& s) {
    s.Pipe({{60, 200}, {60, 500}, {580, 500}, {580, 444}}, Fluid::Fuel);
    s.Pipe({{30, 550}, {610, 550}, {610, 444}}, Fluid::Gas);
    s.Compressor({60, 605});
    s.Pipe({{86, 605}, {640, 605}, {640, 444}}, Fluid::Air);
    s.Text({30, 572}, {"Gás natural", "Natural gas"}, Align::Left, 10);
    s.Text({90, 632}, "B-102", Align::Left, 10);
    s.Orifice({110, 500});
    s.Orifice({250, 550});
    s.Orifice({370, 605});
    s.ControlValve({190, 500});
    s.ControlValve({310, 550});
    s.ControlValve({430, 605});
    s.Bubble({110, 455}, "FT-101");
    s.Signal({{110, 488}, {110, 477}});
    s.Signal({{132, 455}, {162, 443}}, true);
    s.Bubble({250, 525}, "FT-102");
    s.Signal({{250, 503}, {250, 480}, {282, 450}}, true);
    s.Bubble({370, 578}, "FT-103");
    s.Signal({{370, 556}, {370, 480}, {402, 450}}, true);
    // The firing demand to the three setpoint blocks, each to its flow loop.
    s.Signal({{470, 148}, {470, 300}, {190, 300}, {190, 328}}, true);
    s.Signal({{310, 300}, {310, 328}}, true);
    s.Signal({{430, 300}, {430, 328}}, true);
    for (int x : {190, 310, 430})
        s.Signal({{x, 372}, {x, 408}}, true);
    s.Signal({{190, 464}, {190, 466}});
    s.Signal({{310, 464}, {310, 516}});
    s.Signal({{430, 464}, {430, 571}});
    // What the fuels deliver, to the blocks that share the demand between them.
    s.Signal({{110, 433}, {110, 395}, {288, 395}, {288, 372}}, true);
    s.Signal({{288, 395}, {400, 395}, {400, 372}}, true);
    s.Signal({{250, 480}, {250, 387}, {418, 387}, {418, 372}}, true);
    s.Signal({{370, 480}, {370, 350}, {354, 350}}, true);
}

void Draw(Sheet& s) {
    s.Text({20, 28},
           {"Caldeira de água quente a biogás e gás natural",
            "Hot-water boiler on biogas and natural gas"},
           Align::Left, 13, true);
    DrawGasholder(s);
    DrawBoiler(s);
    DrawTrains(s);
    s.Box({770, 440, 240, 160}, false, true);
    s.Text({776, 596}, {"Modelo do processo", "Process model"}, Align::Left, 10);
}

}  // namespace

void combustion_two_fuels(Example& ex) {
    ex.Gallery("sim3d", "combustion2fuels", "combustion2fuels.smp");
    ex.Title("Queima com 2 combustíveis", "Combustion with two fuels");
    ex.Summary(
        "Hot-water boiler burning the digesters' biogas first, as far as the gasholder allows, "
        "and natural gas for the rest of the demand; the air follows the heat of both.");

    ex.Var(15).Unit("Nm3/h").Range(0, 600).Limits(120, 600);
    ex.Var(16).Unit("°C").Range(50, 80).Limits(50, 75);
    ex.Var(21).Unit("Nm3/h").Range(0, 600).Limits(0, 600);
    ex.Var(22).Unit("Nm3/h").Range(0, 500).Limits(0, 450);
    ex.Var(23).Unit("Nm3/h").Range(0, 5500).Limits(500, 5300);
    ex.Var(24).Unit("°C").Range(60, 110).Limits(80, 100);
    ex.Var(25).Unit("%").Range(0, 100).Limits(10, 95);
    ex.Var(41).Unit("Nm3/h").Range(0, 600).Limits(0, 600);
    ex.Var(42).Unit("Nm3/h").Range(0, 500).Limits(0, 500);
    ex.Var(43).Unit("Nm3/h").Range(0, 5500).Limits(0, 5500);
    ex.Var(44).Unit("MW").Range(0, 5).Limits(0, 5);
    ex.Var(45).Unit("°C").Range(60, 110).Limits(80, 100);
    ex.Var(46).Unit("Nm3/h").Range(0, 600).Limits(-600, 600);
    ex.Var(81).Unit("%").Range(0, 100).Limits(0, 100);

    ex.Channel(1).MediumRandom(30, 40, 60, 50);
    ex.Track(1).Label("Produção de biogás", "Biogas production").Value(40).At({790, 70});
    ex.Track(2).Label("Retorno de água", "Water return").Value(66.67).At({790, 280});

    ex.Process(1, "FV-101")
        .Desc("Vazão de biogás FT-101", "Biogas flow FT-101")
        .Input(2)
        .ActuatorLag(1)
        .Lag(1.5)
        .DeadTime(0.3)
        .At({185, 522});
    ex.Process(2, "FV-102")
        .Desc("Vazão de gás natural FT-102", "Natural gas flow FT-102")
        .Input(3)
        .ActuatorLag(0.8)
        .Lag(1)
        .DeadTime(0.2)
        .At({300, 578});
    ex.Process(3, "FV-103")
        .Desc("Vazão de ar FT-103", "Air flow FT-103")
        .Input(4)
        .Rate(2)
        .ActuatorLag(1)
        .Lag(5)
        .DeadTime(0.5)
        .At({500, 580});
    ex.Process(4, "TT-101")
        .Desc("Temperatura da água quente", "Hot water temperature")
        .Input(45)
        .Lag(120, 15)
        .DeadTime(5)
        .AsInstrument()
        .At({555, 110});
    ex.Process(5, "LT-201")
        .Desc("Volume no gasômetro", "Gasholder contents")
        .Input(46)
        .Integrator()
        .Gain(0.0011)
        .Saved({0, 50, 0, 50, 0, 0, 0, 0})
        .AsInstrument()
        .At({240, 120});

    ex.Calc(1, "FY-101")
        .Desc("SP de biogás: demanda ou disponível", "Biogas SP: demand or available")
        .Function("1.3947*M01<M05")
        .Symbol("<")
        .At({190, 350});
    ex.Calc(2, "FY-102")
        .Desc("SP de gás natural: o que falta", "Natural gas SP: what is missing")
        .Function("M01-0.717*M21<M23-0.717*M21")
        .Lower(0)
        .Symbol("<")
        .At({310, 350});
    ex.Calc(3, "FY-103")
        .Desc("SP de ar: demanda ou calor medido", "Air SP: demand or measured heat")
        .Function(std::string("M01>") + kFuelHeat)
        .Symbol(">")
        .At({430, 350});
    ex.Calc(4, "QY-101")
        .Desc("Calor transferido à água", "Heat to the water")
        .Function(std::string(kFuelHeat) + "*(1.05-0.15*M23/" + kFuelHeat +
                  ")<1.153*M23*(1.05-0.15*M23/" + kFuelHeat + ")")
        .Lower(0)
        .Symbol("<")
        .At({820, 480});
    ex.Calc(5, "TY-101")
        .Desc("Temperatura de equilíbrio", "Steady water temperature")
        .Function("2*(0.3*M16-10+0.3333*M44)")
        .Upper(100)
        .Lower(0)
        .At({930, 480});
    ex.Calc(6, "LY-201")
        .Desc("Saldo do gasômetro", "Gasholder balance")
        .Function("M15+(M81-50)/5-M21")
        .At({820, 560});

    ex.Controller(1, "TIC-101")
        .Desc("Temperatura da água quente", "Hot water temperature")
        .Pv(24)
        .Pid(1.8, 120)
        .Auto(90)
        .At({470, 120});
    ex.Controller(2, "FIC-101")
        .Desc("Vazão de biogás", "Biogas flow")
        .Pv(21)
        .Pid(0.4, 3)
        .Remote(41)
        .Auto(240)
        .At({190, 436});
    ex.Controller(3, "FIC-102")
        .Desc("Vazão de gás natural", "Natural gas flow")
        .Pv(22)
        .Pid(0.5, 2)
        .Remote(42)
        .Auto(200)
        .At({310, 436});
    ex.Controller(4, "FIC-103")
        .Desc("Vazão de ar de combustão", "Combustion air flow")
        .Pv(23)
        .Pid(0.8, 5)
        .Remote(43)
        .Auto(3500)
        .At({430, 436});
    ex.Controller(5, "LIC-201")
        .Desc("Volume no gasômetro", "Gasholder contents")
        .Pv(25)
        .Pid(2, 1800)
        .ReverseProcess()
        .OutputLimits(0, "1.3947*M01+2")
        .Auto(50)
        .At({240, 230});

    ex.Text(1).Desc("TT-101").Scalar(24, 1).At({610, 150}, 76);
    ex.Text(2).Desc("LT-201").Scalar(25, 0).At({300, 180});
    ex.Text(3).Desc("FT-101").Scalar(21, 0).At({790, 160});
    ex.Text(4).Desc("FT-102").Scalar(22, 0).At({900, 160});
    ex.Text(5)
        .Desc("Biogás no calor", "Biogas share of heat")
        .Equation("71.7*M21/(0.717*M21+M22)", 0, 100, "%", 0)
        .At({790, 210});
    ex.Text(6)
        .Desc("Excesso de ar", "Excess air")
        .Equation("115.3*M23/(0.717*M21+M22)-100", 0, 100, "%", 1)
        .At({900, 210});
    ex.Recorder(1, "TR-101")
        .Desc("Biogás, gás natural e ar", "Biogas, natural gas and air")
        .Pen(1, 21, "Biogás", "Biogas")
        .Pen(2, 22, "GN", "NG")
        .Pen(3, 23, "Ar", "Air")
        .TimeBase(2)
        .At({940, 620});
    Draw(ex.sheet());
    ex.Settle(7200);
    ex.Comments(
        {"Queima com dois combustíveis: a caldeira de água quente B-101 (5 MW) de uma estação "
         "de tratamento de esgoto aquece os digestores de lodo. Ela queima primeiro o biogás dos "
         "digestores, que é de graça mas limitado ao que o gasômetro TQ-201 (150 m3) pode "
         "ceder, e completa a demanda com gás natural comprado. O TIC-101 mede a água quente "
         "(TT-101, SP 90 °C) e calcula a demanda de queima em % dos 5 MW.",
         "O biogás (60 % de metano, 21,5 MJ/Nm3) entrega 0,717 % de calor por % de vazão; o gás "
         "natural (36 MJ/Nm3), 1 %. O FY-101 dá ao FIC-101 a demanda convertida em biogás ou o "
         "que o LIC-201 permite, o menor dos dois. O FY-102 dá ao FIC-102 o que falta: a "
         "demanda menos o calor do biogás medido (FT-101), limitado também pelo ar medido "
         "(FT-103). O FY-103 dá ao FIC-103 a demanda ou o calor medido dos dois combustíveis, o "
         "maior: os dois precisam de 0,265 Nm3 de ar por MJ, então o ar segue o calor, seja qual "
         "for a mistura.",
         "O LIC-201 controla o volume no gasômetro com sintonia de nível médio (Kc 2, Ti 1800 "
         "s): deixa o volume variar para o consumo de biogás mudar devagar. Seu limite "
         "superior de saída é uma expressão, a demanda em biogás mais 2 %, para que a integral "
         "não cresça quando sobra biogás. A produção dos digestores varia ±12 Nm3/h em torno do "
         "controle deslizante (gerador M81).",
         "",
         "O que fazer: suba o SP do TIC-101 para 95 °C: só o gás natural sobe, o biogás "
         "continua no que o gasômetro permite. Reduza a produção de biogás para 120 Nm3/h: o "
         "volume no gasômetro cai, o LIC-201 corta o biogás aos poucos e o gás natural cobre a "
         "diferença sem que a temperatura note. Depois leve a produção a 420 Nm3/h e o retorno "
         "de água a 80 °C: a demanda cabe toda no biogás, o gás natural vai a zero e o gasômetro "
         "enche (acima de 95 % o excesso iria para a tocha).",
         "",
         "O que observar: a fração de biogás no calor e a vazão de gás natural comprado; o "
         "excesso de ar constante enquanto a mistura de combustíveis muda; o LIC-201 preso no "
         "limite superior, sem acumular integral, quando o biogás sobra."},
        {"Combustion with two fuels: hot-water boiler B-101 (5 MW) at a wastewater treatment "
         "plant heats the sludge digesters. It burns first the digesters' biogas, which is free "
         "but limited to what gasholder TQ-201 (150 m3) can spare, and makes up the demand with "
         "purchased natural gas. TIC-101 measures the hot water (TT-101, SP 90 °C) and computes "
         "the firing demand in % of the 5 MW.",
         "Biogas (60 % methane, 21.5 MJ/Nm3) gives 0.717 % of heat per % of flow; natural gas "
         "(36 MJ/Nm3) gives 1 %. FY-101 gives FIC-101 the demand turned into biogas or what "
         "LIC-201 allows, whichever is lower. FY-102 gives FIC-102 what is missing: the demand "
         "less the heat of the measured biogas (FT-101), also limited by the measured air "
         "(FT-103). FY-103 gives FIC-103 the demand or the measured heat of both fuels, "
         "whichever is higher: both need 0.265 Nm3 of air per MJ, so the air follows the heat "
         "whatever the fuel mix.",
         "LIC-201 controls the gasholder contents with averaging level tuning (Kc 2, Ti 1800 s): "
         "it lets the contents swing so that the biogas consumption changes slowly. Its upper "
         "output limit is an expression, the demand as biogas plus 2 %, so that its integral "
         "does not wind up when biogas is left over. The digesters' production varies by "
         "±12 Nm3/h around the slider (generator M81).",
         "",
         "What to try: raise the TIC-101 SP to 95 °C: only the natural gas rises, the biogas "
         "stays at what the gasholder allows. Lower the biogas production to 120 Nm3/h: the "
         "gasholder contents fall, LIC-201 cuts the biogas gradually and natural gas covers the "
         "difference without the temperature noticing. Then set the production to 420 Nm3/h and "
         "the water return to 80 °C: the whole demand fits in the biogas, natural gas goes to "
         "zero and the gasholder fills (above 95 % the surplus would go to the flare).",
         "",
         "What to watch: the biogas share of the heat and the flow of purchased natural gas; "
         "the steady excess air while the fuel mix changes; LIC-201 held at its upper limit, "
         "without winding up, when biogas is left over."});
}

}  // namespace vork::plantmaker
