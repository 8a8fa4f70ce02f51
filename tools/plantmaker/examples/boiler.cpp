// Industrial boiler: a gas-fired water-tube boiler of 80 t/h raising steam at 42 bar and 400 °C.
// The steam pressure sets the firing through cross-limited gas and air with an O2 trim, the
// drum level is held by a three-element feedwater control, and the final steam temperature by
// a cascade onto the attemperator spray.

#include "plantmaker/examples/burner_train.h"

namespace vork::plantmaker {

namespace {

// The air/gas ratio factor: 1 at the nominal 10.5 Nm3/Nm3 with AIC-103 at 50 %, trimmed by it
// by up to ±15 %.
constexpr const char* kTrim = "(0.85+0.003*M04)";
// Excess air: 10.5 Nm3 of air per Nm3 of gas over the 9.52 the gas needs, times its heating
// value relative to the design gas (M82).
constexpr const char* kLambda = "1.1029*M22/(M82*M21)";

void Catalogue(Example& ex) {
    ex.Var(15).Unit("t/h").Range(0, 80).Limits(0, 80);
    ex.Var(21).Unit("Nm3/h").Range(0, 7200).Limits(700, 6800);
    ex.Var(22).Unit("Nm3/h").Range(0, 75600).Limits(7000, 72000);
    ex.Var(23).Unit("t/h").Range(0, 80).Limits(8, 76);
    ex.Var(24).Unit("bar").Range(0, 60).Limits(38, 46);
    ex.Var(25).Unit("t/h").Range(0, 80).Limits(0, 76);
    ex.Var(26).Unit("mm").Range(-300, 300).Limits(-150, 150);
    ex.Var(27).Unit("mm").Range(-300, 300).Limits(-150, 150);
    ex.Var(28).Unit("%").Range(0, 10).Limits(1, 5);
    ex.Var(29).Unit("t/h").Range(0, 8).Limits(0, 7.5);
    ex.Var(30).Unit("°C").Range(300, 450).Limits(330, 430);
    ex.Var(31).Unit("°C").Range(325, 475).Limits(385, 415);
    ex.Var(41).Unit("Nm3/h").Range(0, 7200).Limits(0, 7200);
    ex.Var(42).Unit("Nm3/h").Range(0, 75600).Limits(0, 75600);
    ex.Var(43).Unit("%").Range(0, 10).Limits(1, 5);
    ex.Var(44).Unit("t/h").Range(0, 80).Limits(0, 80);
    ex.Var(45).Unit("t/h").Range(0, 80).Limits(8, 76);
    ex.Var(46).Unit("t/h").Range(0, 80).Limits(-80, 80);
    ex.Var(47).Unit("t/h").Range(0, 80).Limits(-80, 80);
    ex.Var(48).Unit("mm").Range(-300, 300).Limits(-150, 150);
    ex.Var(49).Unit("°C").Range(300, 450).Limits(330, 430);
    ex.Var(81).Unit("%").Range(0, 100).Limits(0, 100);
    ex.Var(82).Unit("-").Range(0, 100).Limits(0, 100);
    ex.Var(83).Unit("%").Range(0, 100).Limits(0, 100);
}

void Combustion(Example& ex) {
    ex.Process(1, "FV-101")
        .Desc("Vazão de gás FT-101", "Gas flow FT-101")
        .Input(2)
        .ActuatorLag(0.8)
        .Lag(1)
        .DeadTime(0.2)
        .At(burner::kGasValve);
    ex.Process(2, "FV-102")
        .Desc("Vazão de ar FT-102", "Air flow FT-102")
        .Input(3)
        .Rate(2)
        .ActuatorLag(1)
        .Lag(5)
        .DeadTime(0.5)
        .At(burner::kAirValve);
    ex.Process(3, "B-100")
        .Desc("Geração de vapor", "Steam generation")
        .Input(44)
        .Lag(20, 8)
        .DeadTime(2)
        .At({470, 330});
    ex.Process(4, "PT-100")
        .Desc("Pressão do vapor", "Steam pressure")
        .Input(46)
        .Integrator()
        .Gain(0.006)
        .Saved({0, 70, 0, 70, 0, 0, 0, 0})
        .AsInstrument()
        .At({360, 190});
    ex.Process(8, "AT-103")
        .Desc("Oxigênio nos gases AT-103", "Flue gas oxygen AT-103")
        .Input(43)
        .DeadTime(5)
        .Lag(6)
        .AsInstrument()
        .At({900, 340});

    ex.Calc(1, "FY-101")
        .Desc("SP de gás limitado pelo ar", "Gas SP limited by the air")
        .Function(std::string("M01<M22/") + kTrim)
        .Symbol("<")
        .At(burner::kGasBlock);
    ex.Calc(2, "FY-102")
        .Desc("SP de ar: demanda ou gás medido", "Air SP: demand or measured gas")
        .Function(std::string("M01*") + kTrim + ">M21*" + kTrim)
        .Symbol(">")
        .At(burner::kAirBlock);
    ex.Calc(3, "AY-103")
        .Desc("Oxigênio na saída da fornalha", "Oxygen leaving the furnace")
        .Function(std::string("2000*(") + kLambda + "-1)/(9.52*" + kLambda + "-1)")
        .Upper(100)
        .Lower(0)
        .At({650, 505});
    ex.Calc(4, "QY-101")
        .Desc("Calor absorvido, em vapor", "Heat absorbed, as steam")
        .Function(std::string("M82*M21*(1.1667-0.1517*") + kLambda +
                  ")<1.1029*M22*(1.1667-0.1517*" + kLambda + ")")
        .Lower(0)
        .Symbol("<")
        .At({650, 575});
    ex.Calc(5, "FT-202")
        .Desc("Vazão de vapor FT-202", "Steam flow FT-202")
        .Function("(M15+15*M11+(M83-50)/5)*(50+M24)/120")
        .Lower(0)
        .AsInstrument()
        .At({400, 40});
    ex.Calc(6, "PY-100")
        .Desc("Vapor gerado menos consumido", "Steam raised less steam drawn")
        .Function("M23-M45")
        .Symbol("Σ")
        .At({750, 575});

    ex.Controller(1, "PIC-100")
        .Desc("Pressão do vapor (mestre)", "Steam pressure (master)")
        .Pv(24)
        .Pid(2, 500)
        .FeedForward("M45")
        .Auto(42)
        .At(burner::kMaster);
    ex.Controller(2, "FIC-101")
        .Desc("Vazão de gás", "Gas flow")
        .Pv(21)
        .Pid(0.5, 2)
        .Remote(41)
        .Auto(4700)
        .At(burner::kGasLoop);
    ex.Controller(3, "FIC-102")
        .Desc("Vazão de ar de combustão", "Combustion air flow")
        .Pv(22)
        .Pid(0.8, 5)
        .Remote(42)
        .Auto(49000)
        .At(burner::kAirLoop);
    ex.Controller(4, "AIC-103")
        .Desc("Oxigênio nos gases", "Flue gas oxygen")
        .Pv(28)
        .Pid(0.5, 30)
        .Auto(2)
        .At({90, 380});
}

void Feedwater(Example& ex) {
    ex.Process(5, "FV-201")
        .Desc("Vazão de água de alimentação", "Feedwater flow")
        .Input(6)
        .ActuatorLag(1.5)
        .Lag(1)
        .DeadTime(0.3)
        .At({250, 150});
    ex.Process(6, "V-201")
        .Desc("Água no tubulão", "Water in the drum")
        .Input(47)
        .Integrator()
        .Gain(0.0044)
        .Saved({0, 50, 0, 50, 0, 0, 0, 0})
        .At({400, 98});
    ex.Process(7, "LT-201")
        .Desc("Nível do tubulão LT-201", "Drum level LT-201")
        .Input(48)
        .Lag(3)
        .AsInstrument()
        .At({260, 98});
    ex.Calc(7, "LY-201A")
        .Desc("Água entrando menos evaporada", "Water in less water boiled off")
        .Function("M25-M23")
        .Symbol("Σ")
        .At({850, 575});
    ex.Calc(8, "LY-201")
        .Desc("Nível com o inchamento", "Level with the swell")
        .Function("M26+0.5*(M45-M23)")
        .Symbol("Σ")
        .At({850, 505});
    ex.Controller(5, "LIC-201")
        .Desc("Nível do tubulão", "Drum level")
        .Pv(27)
        .Pid(1.5, 600)
        .FeedForward("M45")
        .Auto(0)
        .At({260, 40});
    ex.Controller(6, "FIC-201")
        .Desc("Vazão de água de alimentação", "Feedwater flow")
        .Pv(25)
        .Pid(0.5, 3)
        .Remote(5)
        .Auto(52)
        .At({180, 110});
}

void SteamTemperature(Example& ex) {
    ex.Process(9, "FV-302")
        .Desc("Vazão de água de atemperação", "Spray water flow")
        .Input(8)
        .ActuatorLag(2)
        .Lag(1)
        .At({672, 80});
    ex.Process(10, "TT-302")
        .Desc("Temperatura após o atemperador", "Temperature after the attemperator")
        .Input(49)
        .Lag(4)
        .DeadTime(1)
        .AsInstrument()
        .At({650, 120});
    ex.Process(11, "TT-301")
        .Desc("Temperatura do vapor superaquecido", "Superheated steam temperature")
        .Input(30)
        .Lag(40, 15)
        .DeadTime(6)
        .AsInstrument()
        .At({860, 200});
    ex.Calc(9, "TY-302")
        .Desc("Mistura no atemperador", "Mixing in the attemperator")
        .Function("(90+0.8*M23-120*M29/M45)/1.5")
        .Upper(100)
        .Lower(0)
        .At({750, 505});
    ex.Controller(7, "TIC-301")
        .Desc("Temperatura do vapor (mestre)", "Steam temperature (master)")
        .Pv(31)
        .Pid(1, 50)
        .Auto(400)
        .At({880, 120});
    ex.Controller(8, "TIC-302")
        .Desc("Temperatura após o atemperador", "Temperature after the attemperator")
        .Pv(30)
        .Pid(0.8, 5)
        .ReverseProcess()
        .Remote(7)
        .Auto(375)
        .At({740, 120});
}

// The legs of a pendant superheater hanging between `top` and `bottom`, 12 pixels apart, the
// first going down at `x`.
void AddPendant(std::vector<Pt>& path, int x, int top, int bottom, int legs) {
    for (int i = 0; i < legs; ++i) {
        bool down = i % 2 == 0;
        path.push_back({x + 12 * i, down ? top : bottom});
        path.push_back({x + 12 * i, down ? bottom : top});
    }
}

// The boiler: the drum over a furnace whose upper part holds the two superheater stages, the
// attemperator between them above the roof, the flue duct to the stack at the lower right.
void DrawBoiler(Sheet& s) {
    s.Box({400, 210, 320, 230});
    s.Box({408, 218, 304, 214}, false);
    s.Drum({300, 70, 200, 56}, 0.5);
    s.Pipe({{420, 126}, {420, 210}}, Fluid::Water);
    s.Pipe({{470, 210}, {470, 126}}, Fluid::Water);
    s.Pipe({{412, 428}, {412, 222}}, Fluid::Water, false);
    s.Pipe({{708, 428}, {708, 222}}, Fluid::Water, false);
    s.Text({470, 236}, {"Fornalha", "Furnace"}, Align::Centre, 11);
    // Drum steam down into the primary superheater, up to the attemperator, down into the
    // secondary superheater, out through the wall.
    std::vector<Pt> primary{{480, 70}, {480, 30}, {520, 30}};
    AddPendant(primary, 520, 225, 290, 4);
    primary.insert(primary.end(), {{568, 225}, {568, 180}, {640, 180}, {640, 225}});
    s.Pipe(primary, Fluid::Steam);
    std::vector<Pt> secondary;
    AddPendant(secondary, 640, 225, 290, 4);
    secondary.insert(secondary.end(), {{688, 225}, {688, 250}, {800, 250}, {800, 12}});
    s.Pipe(secondary, Fluid::Steam);
    s.Pipe({{590, 10}, {590, 180}}, Fluid::Water);
    s.ControlValve({590, 62}, true);
    s.Text({544, 312}, "SH1", Align::Centre, 10);
    s.Text({664, 312}, "SH2", Align::Centre, 10);
    s.Text({792, 18}, {"Vapor para o processo", "Steam to the plant"}, Align::Right, 11);
    s.Text({582, 16}, {"Atemperação", "Spray water"}, Align::Right, 10);
    // Flue gas.
    s.Box({720, 380, 230, 40});
    s.Box({950, 60, 40, 360});
    s.Pipe({{970, 58}, {970, 30}}, Fluid::Process);
    s.Text({970, 440}, {"Chaminé", "Stack"}, Align::Centre, 10);
    s.Text({764, 298}, {"Carga extra", "Extra load"}, Align::Centre, 10);
}

// Feedwater through FV-201 into the drum; the three-element loop around it.
void DrawFeedwater(Sheet& s) {
    s.Pipe({{30, 175}, {310, 175}, {310, 126}}, Fluid::Water);
    s.Orifice({80, 175});
    s.ControlValve({180, 175});
    s.Text({195, 200}, {"Água de alimentação", "Feedwater"}, Align::Left, 11);
    s.Bubble({80, 240}, "FT-201");
    s.Signal({{80, 187}, {80, 218}});
    s.Signal({{102, 240}, {146, 240}, {146, 124}, {156, 124}}, true);
    s.Signal({{180, 138}, {180, 141}});
    s.Signal({{288, 98}, {300, 98}});
    s.Signal({{232, 40}, {180, 40}, {180, 82}}, true);
    s.Signal({{428, 40}, {480, 40}});
    s.Signal({{372, 40}, {288, 40}}, true);
    s.Signal({{360, 126}, {360, 162}});
}

// The attemperator cascade.
void DrawSteamTemperature(Sheet& s) {
    s.Signal({{630, 180}, {630, 145}});
    s.Signal({{678, 120}, {712, 120}}, true);
    s.Signal({{740, 92}, {740, 62}, {628, 62}}, true);
    s.Signal({{852, 120}, {768, 120}}, true);
    s.Signal({{800, 200}, {832, 200}});
    s.Signal({{860, 172}, {860, 148}}, true);
}

// The trains with their cross limits, and the O2 analyser on the stack to the trim controller.
void DrawFiring(Sheet& s) {
    burner::DrawBurnerTrains(s, true, true);
    s.Signal({{928, 340}, {950, 340}});
    s.Signal({{920, 362}, {920, 636}, {14, 636}, {14, 380}, {62, 380}}, true);
    s.Signal({{118, 380}, {176, 380}}, true);
    s.Signal({{150, 380}, {150, 342}, {322, 342}, {322, 358}}, true);
    s.Signal({{360, 218}, {360, 290}, {308, 290}}, true);
    // The steam flow FT-202 as the master's feed-forward.
    s.Signal({{294, 40}, {294, 262}}, true);
}

// The process model: the calculation blocks that make the boiler, not instruments of it.
void DrawModelFrame(Sheet& s) {
    s.Box({596, 466, 308, 160}, false, true);
    s.Text({602, 606}, {"Modelo do processo", "Process model"}, Align::Left, 10);
}

}  // namespace

void boiler(Example& ex) {
    ex.Gallery("sim1", "boiler", "boiler.smp");
    ex.Title("Caldeira industrial", "Industrial Boiler");
    ex.Summary(
        "80 t/h gas-fired boiler: pressure master with steam-flow feed-forward over cross-limited "
        "gas and air with an O2 trim, three-element drum level, and a steam temperature cascade "
        "onto the attemperator.");
    Catalogue(ex);
    ex.Channel(1).MediumRandom(120, 40, 60, 50);
    ex.Channel(2).Equation("1+(M81-50)/500", "Poder calorífico relativo", "Relative heating value");
    ex.Channel(3).MediumRandom(10, 45, 55, 50);
    ex.Track(1).Label("Demanda", "Demand").Value(65).At({810, 250});
    ex.Switch(1).Type(2).At({740, 320});
    ex.Text(1).Desc("LT-201").Scalar(27, 0).At({34, 75});
    ex.Text(2).Desc("FT-202").Scalar(45, 1).At({34, 125});
    ex.Text(3).Desc("PT-100").Scalar(24, 1).At({34, 285});
    ex.Text(4).Desc("AT-103 O2").Scalar(28, 2).At({34, 330});
    ex.Text(5).Desc("TT-301").Scalar(31, 1).At({825, 45});
    ex.Recorder(1, "TR-100")
        .Desc("Gás, ar e oxigênio", "Gas, air and oxygen")
        .Pen(1, 21, "Gás", "Gas")
        .Pen(2, 22, "Ar", "Air")
        .Pen(3, 28, "O2")
        .TimeBase(1)
        .At({470, 500});
    ex.Recorder(2, "TR-201")
        .Desc("Tubulão: nível e vazões", "Drum: level and flows")
        .Pen(1, 45, "Vapor", "Steam")
        .Pen(2, 25, "Água", "Water")
        .Pen(3, 27, "Nível", "Level")
        .TimeBase(1)
        .At({755, 190});
    Combustion(ex);
    Feedwater(ex);
    SteamTemperature(ex);
    DrawBoiler(ex.sheet());
    DrawFeedwater(ex.sheet());
    DrawSteamTemperature(ex.sheet());
    DrawFiring(ex.sheet());
    DrawModelFrame(ex.sheet());
    ex.sheet().Text({20, 28}, {"Caldeira industrial", "Industrial boiler"}, Align::Left, 13, true);
    ex.Settle(1800);
    ex.Comments(
        {"Caldeira industrial: caldeira aquatubular a gás natural de 80 t/h de vapor a 42 bar e "
         "400 °C. O vapor sai do tubulão V-201, passa pelo superaquecedor primário SH1, pelo "
         "atemperador (injeção de água, FV-302) e pelo secundário SH2 e vai para o processo, "
         "cujo consumo é o controle deslizante \"Demanda\"; a chave \"Carga extra\" liga mais "
         "um consumidor de 12 t/h.",
         "",
         "Combustão: o PIC-100 é o mestre da caldeira. Mede a pressão do vapor (PT-100) e "
         "calcula a demanda de queima, com compensação direta da vazão de vapor FT-202 (a "
         "equação FF do controlador), de modo que uma mudança de consumo já muda a queima antes "
         "de a pressão cair (Kc 2, Ti 500 s). A demanda passa pelos limites cruzados FY-101 e "
         "FY-102 (o gás nunca passa o que o ar medido queima; o ar nunca fica abaixo do que o "
         "gás medido pede) para as malhas de gás FIC-101 e de ar FIC-102. O AIC-103 corrige a "
         "relação ar/gás em até ±15 % pelo O2 medido na chaminé (AT-103; Kc 0,5, Ti 30 s): o "
         "poder calorífico do gás varia ±2 % (gerador M81, M82) e, sem a correção, o O2 anda.",
         "Nível do tubulão a três elementos: o LIC-201 mede o nível (LT-201) e sua saída é o SP "
         "remoto da água de alimentação FIC-201; a vazão de vapor FT-202 entra como compensação "
         "direta, então a água acompanha o vapor e o LIC-201 só corrige o nível (Kc 1,5, Ti "
         "600 s). Quando o consumo sobe a pressão cai, a água do tubulão ferve mais e o nível "
         "sobe antes de descer (inchamento); um controle só pelo nível fecharia a água "
         "justamente quando é preciso mais.",
         "Temperatura do vapor em cascata: o TIC-301 (mestre, Kc 1, Ti 50 s) mede o vapor na "
         "saída do SH2, que responde em cerca de um minuto, e dá o SP do TIC-302 (escravo, Kc "
         "0,8, Ti 5 s), que mede logo após o atemperador e abre a água de injeção; o escravo "
         "corrige em segundos o que a carga e a queima mudam antes que chegue ao SH2.",
         "Os blocos do quadro \"Modelo do processo\" e os blocos B-100 (geração de vapor) e "
         "V-201 (água no tubulão) formam a caldeira simulada.",
         "",
         "O que fazer: ligue a \"Carga extra\": a pressão cai 1,6 bar e volta em uns 3 minutos, "
         "o nível incha 40 mm e depois desce 17 mm, a temperatura do vapor mal se move. Para "
         "ver um só elemento, desligue a carga, abra o LIC-201, desmarque FF e atualize; espere "
         "o nível voltar ao SP (a saída perde a compensação de uma vez) e ligue a carga de novo: "
         "o nível desce 50 mm e leva mais de 15 minutos para voltar. Passe o AIC-103 para manual "
         "e acompanhe o O2 no registrador TR-100. Na Simulação Rápida, dê o degrau de 10 % no SP "
         "de todas as malhas "
         "ao mesmo tempo e compare os índices.",
         "",
         "O que observar: cada malha tem uma estrutura que resolve um problema do processo: "
         "compensação direta para a carga, limites cruzados para a segurança da chama, "
         "correção de O2 para a eficiência, três elementos para o inchamento e cascata para o "
         "atraso do superaquecedor."},
        {"Industrial boiler: a natural gas water-tube boiler raising 80 t/h of steam at 42 bar "
         "and 400 °C. The steam leaves drum V-201, passes the primary superheater SH1, the "
         "attemperator (spray water, FV-302) and the secondary SH2, and goes to the plant, whose "
         "demand is the \"Demand\" slider; the \"Extra load\" switch brings in one more 12 t/h "
         "consumer.",
         "",
         "Combustion: PIC-100 is the boiler master. It measures the steam pressure (PT-100) and "
         "computes the firing demand, with feed-forward of the steam flow FT-202 (the "
         "controller's FF equation), so that a change of demand changes the firing before the "
         "pressure falls (Kc 2, Ti 500 s). The demand goes through the cross limits FY-101 and "
         "FY-102 (the gas never passes what the measured air burns; the air never falls below "
         "what the measured gas needs) to the gas loop FIC-101 and the air loop FIC-102. AIC-103 "
         "trims the air/gas ratio by up to ±15 % from the O2 measured at the stack (AT-103; Kc "
         "0.5, Ti 30 s): the gas heating value varies by ±2 % (generator M81, M82) and without "
         "the trim the O2 drifts.",
         "Three-element drum level: LIC-201 measures the level (LT-201) and its output is the "
         "remote SP of the feedwater loop FIC-201; the steam flow FT-202 enters as feed-forward, "
         "so the water follows the steam and LIC-201 only corrects the level (Kc 1.5, Ti 600 s). "
         "When the demand rises the pressure falls, the drum water boils harder and the level "
         "rises before it falls (swell); a control on the level alone would close the water "
         "just when more is needed.",
         "Steam temperature cascade: TIC-301 (master, Kc 1, Ti 50 s) measures the steam leaving "
         "SH2, which answers in about a minute, and sets the SP of TIC-302 (slave, Kc 0.8, Ti "
         "5 s), which measures right after the attemperator and opens the spray water; the "
         "slave corrects within seconds what load and firing change before it reaches SH2.",
         "The blocks in the \"Process model\" frame and blocks B-100 (steam generation) and "
         "V-201 (water in the drum) make the simulated boiler.",
         "",
         "What to try: switch the \"Extra load\" on: the pressure falls 1.6 bar and recovers in "
         "about 3 minutes, the level swells 40 mm and then drops 17 mm, the steam temperature "
         "hardly moves. To see one element, switch the load off, open LIC-201, untick FF and "
         "apply; wait for the level to return to its SP (the output loses the feed-forward at "
         "once) and switch the load on again: the level drops 50 mm and takes more than 15 "
         "minutes to come back. Put AIC-103 in manual and follow the O2 on recorder TR-100. In the "
         "Fast Simulation, step the SP of every loop by 10 % at once "
         "and compare the indices.",
         "",
         "What to watch: each loop has a structure that solves a problem of the process: "
         "feed-forward for the load, cross limits for a safe flame, O2 trim for efficiency, "
         "three elements for the swell, and a cascade for the superheater's lag."});
}

}  // namespace vork::plantmaker
