// Ethane plant: a deethanizer column strips ethane from natural gas liquids. The feed surge drum
// V-601 absorbs the swings of the arriving feed under an averaging level controller that sets
// the column feed; the sensitive tray temperature is the master of the reboiler steam, with a
// feed-forward of the feed; the reflux drum level is the master of the reflux, with a
// feed-forward of the steam; PIC-608 holds the top pressure on the ethane gas valve.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Sensitive tray temperature at steady state, percent of 20..120 °C: steam heats it, the feed
// and the reflux cool it, and a higher pressure raises the boiling points.
constexpr const char* kTray = "50+0.8*(M23-50)-0.6*(M21-50)-0.3*(M25-40)+0.2*(M28-50)";
// Condensate into the reflux drum minus the reflux: the boil-up and the feed's ethane condense
// in proportion, more of them at a higher pressure.
constexpr const char* kRefluxDrum = "0.6*M23+0.2*M21+0.3*(M28-50)-M25";
// Top pressure at steady state: the vapour made against the ethane let out.
constexpr const char* kTopPressure = "50+0.5*(M23-50)+0.3*(M21-50)-0.8*(M27-50)";

void DrawFeed(Sheet& s) {
    s.Pipe({{90, 40}, {90, 142}});
    s.Text({84, 50}, "NGL", Align::Right, 11);
    s.Drum({40, 140, 200, 80}, 0.5);
    s.Text({140, 132}, "V-601", Align::Centre, 12, true);
    s.Pipe({{200, 218}, {200, 300}, {224, 300}}, Fluid::Process, false);
    s.Pump({240, 300});
    s.Pipe({{261, 284}, {432, 284}});
    s.ControlValve({320, 284});
    s.Orifice({400, 284});
}

void DrawColumn(Sheet& s) {
    s.Column({430, 110, 80, 440}, 14);
    s.Text({424, 118}, "T-602", Align::Right, 12, true);
    // Reboiler on steam, bottoms out.
    s.Exchanger({360, 530});
    s.Pipe({{20, 530}, {334, 530}}, Fluid::Steam);
    s.Text({20, 556}, {"Vapor", "Steam"}, Align::Left, 11);
    s.ControlValve({110, 530});
    s.Orifice({200, 530});
    s.Pipe({{470, 548}, {470, 596}, {1010, 596}});
    s.Pipe({{470, 585}, {360, 585}, {360, 558}});
    s.Pipe({{360, 504}, {360, 470}, {432, 470}});
    s.Text({1010, 620},
           {"Produto de fundo (propano e mais pesados)", "Bottoms (propane and heavier)"},
           Align::Right, 11);
}

void DrawOverhead(Sheet& s) {
    s.Pipe({{470, 112}, {470, 60}, {574, 60}}, Fluid::Gas);
    s.Exchanger({600, 60});
    s.Pipe({{586, 100}, {586, 84}}, Fluid::Water);
    s.Pipe({{614, 84}, {614, 100}}, Fluid::Water);
    s.Pipe({{626, 60}, {700, 60}, {700, 122}});
    s.Drum({680, 120, 180, 70}, 0.45);
    s.Text({770, 112}, "V-606", Align::Centre, 12, true);
    s.Pipe({{840, 122}, {840, 80}, {1010, 80}}, Fluid::Gas);
    s.Text({930, 52}, {"Etano", "Ethane"}, Align::Right, 11);
    s.ControlValve({960, 80});
    // Reflux back to the top tray.
    s.Pipe({{770, 188}, {770, 296}, {756, 296}}, Fluid::Process, false);
    s.Pump({740, 296}, Facing::Left);
    s.Pipe({{719, 280}, {530, 280}, {530, 170}, {512, 170}});
    s.ControlValve({660, 280});
    s.Orifice({600, 280});
}

void DrawLoops(Sheet& s) {
    // Averaging level on the column feed.
    s.Signal({{240, 180}, {262, 180}});
    s.Signal({{290, 152}, {290, 128}}, true);
    s.Signal({{318, 100}, {400, 100}, {400, 172}}, true);
    s.Signal({{400, 284}, {400, 228}}, true);
    s.Signal({{372, 200}, {320, 200}, {320, 248}}, true);
    // Tray temperature on the steam, with the feed flow as feed-forward through switch 1.
    s.Signal({{430, 410}, {378, 410}});
    s.Signal({{322, 410}, {288, 410}}, true);
    s.Signal({{400, 284}, {400, 356}, {348, 356}});
    s.Signal({{300, 356}, {260, 356}, {260, 382}}, true);
    s.Signal({{260, 438}, {260, 470}, {228, 470}}, true);
    s.Signal({{200, 530}, {200, 498}}, true);
    s.Signal({{172, 470}, {110, 470}, {110, 496}}, true);
    // Reflux drum level on the reflux, with the steam flow as feed-forward through switch 2.
    s.Signal({{840, 188}, {840, 222}});
    s.Signal({{840, 278}, {840, 312}}, true);
    s.Signal({{812, 340}, {560, 340}, {560, 200}, {572, 200}}, true);
    s.Signal({{600, 280}, {600, 228}}, true);
    s.Signal({{628, 200}, {660, 200}, {660, 244}}, true);
    s.Signal({{200, 530}, {200, 566}, {640, 566}});
    s.Signal({{688, 566}, {880, 566}, {880, 340}, {868, 340}}, true);
    // Top pressure on the ethane valve.
    s.Signal({{890, 80}, {890, 112}});
    s.Signal({{890, 168}, {890, 200}, {932, 200}}, true);
    s.Signal({{988, 200}, {1000, 200}, {1000, 30}, {960, 30}, {960, 44}}, true);
}

void DrawModelFrame(Sheet& s) {
    s.Box({620, 372, 250, 160}, false, true);
    s.Text({630, 386}, {"Balanços (modelo)", "Balances (model)"}, Align::Left, 10);
}

}  // namespace

void ethane_plant(Example& ex) {
    ex.Gallery("sim16", "ethaneplant", "ethaneplant.smp");
    ex.Title("Torre deetanizadora", "Ethane extraction plant");
    ex.Summary(
        "A deethanizer: averaging level on the feed surge drum, tray temperature and reflux drum "
        "level as masters of flow slaves with feed-forwards, and top pressure control.");

    ex.Var(15).Unit("m3/h").Range(0, 100).Limits(20, 80);
    ex.Var(81);
    ex.Var(82).Unit("m3/h").Range(0, 100).Limits(20, 80);
    ex.Var(21).Unit("m3/h").Range(0, 100).Limits(20, 80);
    ex.Var(22).Unit("m").Range(0, 3).Limits(0.6, 2.4);
    ex.Var(23).Unit("t/h").Range(0, 20).Limits(2, 18);
    for (int address : {24, 42})
        ex.Var(address).Unit("°C").Range(20, 120).Limits(60, 80);
    ex.Var(25).Unit("m3/h").Range(0, 80).Limits(8, 72);
    ex.Var(26).Unit("m").Range(0, 2).Limits(0.4, 1.6);
    ex.Var(27).Unit("kNm3/h").Range(0, 20).Limits(0, 20);
    for (int address : {28, 44})
        ex.Var(address).Unit("bar").Range(20, 35).Limits(25, 30);
    ex.Var(41).Unit("m3/h").Range(0, 100).Limits(-100, 100);
    ex.Var(43).Unit("m3/h").Range(0, 80).Limits(-80, 80);

    ex.Channel(1).MediumRandom(90, 0, 100, 50);
    ex.Channel(2).Equation("M15+(M81-50)", "Carga que chega", "Arriving feed");
    ex.Track(1).Label("Carga de NGL", "NGL feed").Value(50).At({110, 8});
    ex.Switch(1).Type(2).On().At({300, 332});
    ex.Switch(2).Type(2).On().At({640, 542});

    // Feed surge drum and column feed.
    ex.Process(1, "FV-602")
        .Desc("Carga da torre", "Column feed")
        .Input(2)
        .ActuatorLag(3)
        .Lag(1)
        .At({320, 316});
    ex.Calc(1, "FY-601")
        .Desc("Vazão líquida para o V-601", "Net flow into V-601")
        .Function("M82-M21")
        .Symbol("Σ")
        .At({680, 440});
    ex.Process(2, "LT-601")
        .Desc("Nível do vaso de carga", "Feed drum level")
        .Input(41)
        .Integrator()
        .Gain(0.003)
        .AsInstrument()
        .At({290, 180});
    ex.Controller(1, "LIC-601")
        .Desc("Nível do vaso de carga (médio)", "Feed drum level (averaging)")
        .Pv(22)
        .Pid(1, 1300)
        .ReverseProcess()
        .Auto(1.5)
        .At({290, 100});
    ex.Controller(2, "FIC-602")
        .Desc("Carga da torre", "Column feed")
        .Pv(21)
        .Pid(0.5, 3)
        .Remote(1)
        .Auto(50)
        .At({400, 200});

    // Tray temperature on the reboiler steam.
    ex.Process(3, "FV-604")
        .Desc("Vapor do refervedor", "Reboiler steam")
        .Input(4)
        .ActuatorLag(3)
        .Lag(1)
        .At({110, 562});
    ex.Calc(2, "TY-603")
        .Desc("Temperatura de equilíbrio do prato", "Tray equilibrium temperature")
        .Function(kTray)
        .Symbol("Σ")
        .At({800, 440});
    ex.Process(4, "T-602")
        .Desc("Temperatura do prato sensível", "Sensitive tray temperature")
        .Input(42)
        .DeadTime(20)
        .Lag(120, 30)
        .At({470, 330});
    ex.Controller(3, "TIC-603")
        .Desc("Temperatura do prato (mestre)", "Tray temperature (master)")
        .Pv(24)
        .Pid(2, 135)
        .FeedForward("50+M11*0.75*(M21-50)")
        .SlaveOutput(4)
        .Auto(70)
        .At({260, 410});
    ex.Controller(4, "FIC-604")
        .Desc("Vapor do refervedor (escravo)", "Reboiler steam (slave)")
        .Pv(23)
        .Pid(0.5, 3)
        .Remote(3)
        .Auto(10)
        .At({200, 470});

    // Reflux drum level on the reflux.
    ex.Calc(3, "LY-606")
        .Desc("Condensado menos refluxo", "Condensate less reflux")
        .Function(kRefluxDrum)
        .Symbol("Σ")
        .At({680, 500});
    ex.Process(6, "LT-606")
        .Desc("Nível do vaso de refluxo", "Reflux drum level")
        .Input(43)
        .Integrator()
        .Gain(0.004)
        .AsInstrument()
        .At({840, 250});
    ex.Process(5, "FV-607").Desc("Refluxo", "Reflux").Input(6).ActuatorLag(3).Lag(1).At({660, 312});
    ex.Controller(5, "LIC-606")
        .Desc("Nível do vaso de refluxo (mestre)", "Reflux drum level (master)")
        .Pv(26)
        .Pid(2.4, 400)
        .ReverseProcess()
        .FeedForward("40+M12*0.6*(M23-50)")
        .SlaveOutput(6)
        .Auto(1)
        .At({840, 340});
    ex.Controller(6, "FIC-607")
        .Desc("Refluxo (escravo)", "Reflux (slave)")
        .Pv(25)
        .Pid(0.5, 3)
        .Remote(5)
        .Auto(32)
        .At({600, 200});

    // Top pressure on the ethane gas valve.
    ex.Process(7, "PV-608")
        .Desc("Etano gasoso", "Ethane gas")
        .Input(7)
        .ActuatorLag(3)
        .Lag(1)
        .At({960, 100});
    ex.Calc(4, "PY-608")
        .Desc("Pressão de equilíbrio do topo", "Top equilibrium pressure")
        .Function(kTopPressure)
        .Symbol("Σ")
        .At({800, 500});
    ex.Process(8, "PT-608")
        .Desc("Pressão do topo", "Top pressure")
        .Input(44)
        .Lag(20)
        .AsInstrument()
        .At({890, 140});
    ex.Controller(7, "PIC-608")
        .Desc("Pressão do topo", "Top pressure")
        .Pv(28)
        .Pid(2, 20)
        .ReverseProcess()
        .Auto(27.5)
        .At({960, 200});

    ex.Text(1).Desc("LT-601").Scalar(22, 2).At({60, 250}, 100);
    ex.Text(2).Desc("TT-603").Scalar(24, 1).At({40, 400}, 100);
    ex.Text(3).Desc("PT-608").Scalar(28, 2).At({900, 250}, 100);
    ex.Text(4).Desc("LT-606").Scalar(26, 2).At({900, 300}, 100);
    ex.Recorder(1, "TR-601")
        .Desc("Carga que chega e carga da torre", "Arriving feed and column feed")
        .Pen(1, 82, "Chegada", "Arriving")
        .Pen(2, 21, "FT-602")
        .Pen(3, 22, "LT-601")
        .TimeBase(2)
        .At({960, 420});

    DrawModelFrame(ex.sheet());
    DrawFeed(ex.sheet());
    DrawColumn(ex.sheet());
    DrawOverhead(ex.sheet());
    DrawLoops(ex.sheet());
    ex.sheet().Bubble({350, 410}, "TT-603");
    ex.Settle(3600);

    ex.Comments(
        {"Torre deetanizadora: a torre T-602 separa o etano do líquido de gás natural (NGL: "
         "etano, propano e mais pesados). O NGL chega de forma irregular (controle \"Carga de "
         "NGL\", 50 m3/h, com variações de cerca de ±10 m3/h, geradores M81 e M82) ao vaso de "
         "carga V-601. O etano sai pelo topo como gás, pela válvula PV-608; o propano e os mais "
         "pesados saem pelo fundo. O refervedor aquece o fundo com vapor; o condensador parcial "
         "resfria o topo com refrigerante e o condensado volta à torre como refluxo.",
         "Malhas: LIC-601, nível médio do V-601 (PI Kc 1, Ti 1300 s), dá o setpoint do "
         "FIC-602, carga da torre: o nível pode variar entre 0,6 e 2,4 m para que a carga mude "
         "devagar. TIC-603, temperatura do prato sensível (PI Kc 2, Ti 135 s, pelo SIMC: 20 s de "
         "tempo morto, 120 s e 30 s), é mestre do FIC-604, vapor do refervedor; com a chave 1 "
         "sua polarização é 50 + 0,75 x (FT-602 - 50) %, o vapor que mantém a temperatura "
         "quando a carga muda. LIC-606, nível do vaso de refluxo V-606 (PI Kc 2,4, Ti 400 s), "
         "é mestre do FIC-607, refluxo; com a chave 2 sua polarização é 40 + 0,6 x (FT-604 - "
         "50) %, porque cada 1 % de vapor faz 0,6 % a mais de condensado. PIC-608 mantém a "
         "pressão do topo em 27,5 bar na válvula de etano (PI Kc 2, Ti 20 s). Os escravos de "
         "vazão são PIs rápidos (Kc 0,5, Ti 3 s). O refluxo esfria o prato e a pressão aquece "
         "o prato e aumenta a condensação, então as malhas interagem.",
         "",
         "O que fazer: no registrador TR-601, compare a carga que chega com a carga da torre e "
         "o nível do V-601: o vaso absorve as variações. Aperte o LIC-601 (Kc 5, Ti 200 s) e "
         "veja a carga da torre copiar a chegada e a temperatura e a pressão variarem o dobro "
         "ou mais. Desligue as chaves 1 e 2 e veja a temperatura do prato e o nível do V-606 "
         "variarem três vezes mais. Na Simulação Rápida, compare os índices com e sem "
         "compensação, sem sinal de teste.",
         "",
         "O que observar: o controle de nível médio usa o vaso como pulmão de propósito; as "
         "compensações diretas cuidam das perturbações medidas e os elos internos das "
         "perturbações nas vazões."},
        {"Deethanizer: column T-602 separates the ethane from natural gas liquids (NGL: "
         "ethane, propane and heavier). The NGL arrives irregularly (\"NGL feed\" slider, "
         "50 m3/h, swinging by about ±10 m3/h, generators M81 and M82) into feed drum V-601. "
         "The ethane leaves the top as a gas, through valve PV-608; propane and heavier leave "
         "the bottom. The reboiler heats the bottom with steam; the partial condenser cools the "
         "top with refrigerant, and the condensate goes back to the column as reflux.",
         "Loops: LIC-601, the averaging level of V-601 (PI Kc 1, Ti 1300 s), sets FIC-602, the "
         "column feed: the level may move between 0.6 and 2.4 m so that the feed changes "
         "slowly. TIC-603, the sensitive tray temperature (PI Kc 2, Ti 135 s, by the SIMC rules: "
         "20 s of dead time, 120 s and 30 s), is the master of FIC-604, the reboiler steam; "
         "with switch 1 its bias is 50 + 0.75 x (FT-602 - 50) %, the steam that holds the "
         "temperature when the feed changes. LIC-606, the level of reflux drum V-606 (PI Kc 2.4, "
         "Ti 400 s), is the master of FIC-607, the reflux; with switch 2 its bias is 40 + 0.6 x "
         "(FT-604 - 50) %, since each 1 % of steam makes 0.6 % more condensate. PIC-608 holds "
         "the top pressure at 27.5 bar on the ethane valve (PI Kc 2, Ti 20 s). The flow slaves "
         "are fast PIs (Kc 0.5, Ti 3 s). The reflux cools the tray and the pressure warms the "
         "tray and raises the condensation, so the loops interact.",
         "",
         "What to try: on recorder TR-601, compare the arriving feed with the column feed and "
         "the level of V-601: the drum absorbs the swings. Tighten LIC-601 (Kc 5, Ti 200 s) and "
         "watch the column feed copy the arrivals and the temperature and pressure vary twice "
         "as much or more. Switch off switches 1 and 2 and watch the tray temperature and the "
         "level of V-606 vary three times as much. In the Fast Simulation, compare the indices "
         "with and without feed-forward, without a test signal.",
         "",
         "What to watch: averaging level control uses the drum as a buffer on purpose; the "
         "feed-forwards take care of the measured disturbances and the inner loops of the "
         "disturbances in the flows."});
}

}  // namespace vork::plantmaker
