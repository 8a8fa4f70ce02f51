// Tube furnace, master-slave: two identical furnaces on the same fuel gas header, whose pressure
// wanders. Furnace A's temperature controller drives its fuel valve directly; furnace
// B's drives the setpoint of a fuel flow controller, which corrects a pressure change in seconds,
// before it reaches the coil.

#include "plantmaker/examples/tube_furnace.h"

namespace vork::plantmaker {

namespace {

// Fuel flow through a valve: the opening times the square root of the header pressure, 2 bar
// nominal; the slider sets the mean pressure and generator M81 moves it by about 0.5 bar.
constexpr const char* kPressureGain = "((1+0.02*M15+0.03*(M81-50))/2)^0.5";

// One furnace `dx` pixels right of furnace A's place: feed, coil outlet, thermocouple.
void DrawFurnace(Sheet& s, int dx) {
    DrawTubeFurnace(s, {dx + 190, 160, 180, 240});
    s.Pipe({{dx + 20, 176}, {dx + 206, 176}});
    s.Pipe({{dx + 206, 284}, {dx + 20, 284}});
    s.Text({dx + 24, 152}, {"Carga", "Feed"}, Align::Left, 11);
    s.Text({dx + 24, 304}, {"Saída", "Outlet"}, Align::Left, 11);
    s.Signal({{dx + 130, 284}, {dx + 130, 258}});
    DrawInspectionDoor(s, {dx + 370, 330});
}

void DrawFurnaceA(Sheet& s) {
    s.Text({20, 28}, {"Forno A: controle simples", "Furnace A: single loop"}, Align::Left, 13,
           true);
    DrawFurnace(s, 0);
    s.Pipe({{40, 600}, {40, 520}, {325, 520}}, Fluid::Fuel, false);
    for (int x : {235, 280, 325})
        s.Pipe({{x, 520}, {x, 406}}, Fluid::Fuel);
    s.ControlValve({130, 520});
    s.Signal({{102, 230}, {70, 230}, {70, 372}}, true);
    s.Signal({{70, 428}, {70, 466}, {130, 466}, {130, 486}}, true);
}

void DrawFurnaceB(Sheet& s) {
    s.Text({540, 28}, {"Forno B: mestre-escravo", "Furnace B: master-slave"}, Align::Left, 13,
           true);
    DrawFurnace(s, 520);
    s.Pipe({{560, 600}, {560, 520}, {845, 520}}, Fluid::Fuel, false);
    for (int x : {755, 800, 845})
        s.Pipe({{x, 520}, {x, 406}}, Fluid::Fuel);
    s.ControlValve({630, 520});
    s.Orifice({700, 520});
    s.Signal({{700, 520}, {700, 478}}, true);
    s.Signal({{622, 230}, {590, 230}, {590, 372}}, true);
    s.Signal({{618, 400}, {700, 400}, {700, 422}}, true);
    s.Signal({{672, 450}, {630, 450}, {630, 486}}, true);
}

void DrawHeader(Sheet& s) {
    s.Pipe({{20, 600}, {560, 600}}, Fluid::Fuel, false);
    s.Text({60, 626}, {"Coletor de gás combustível", "Fuel gas header"}, Align::Left, 11);
}

}  // namespace

void furnace_master_slave(Example& ex) {
    ex.Gallery("sim13", "furnace masterslave", "furnace.smp");
    ex.Title("Forno Tubular II", "Furnace Temperature(Master-Slave)");
    ex.Summary(
        "Two furnaces on one fuel gas header whose pressure wanders: a single temperature loop "
        "against a temperature master on a fuel flow slave; setpoint steps and door openings.");

    ex.Var(15).Unit("bar").Range(1, 3).Limits(1.5, 2.5);
    ex.Var(81);
    for (int address : {21, 25})
        ex.Var(address).Unit("Nm3/h").Range(0, 2000).Limits(200, 1800);
    for (int address : {22, 26})
        ex.Var(address).Unit("MW").Range(0, 20).Limits(0, 20);
    for (int address : {23, 24, 27, 28})
        ex.Var(address).Unit("°C").Range(200, 500).Limits(250, 440);
    ex.Var(97);
    ex.Var(98);

    ex.Channel(1).MediumRandom(60, 0, 100, 50);
    ex.Track(1).Label("Pressão do gás", "Gas pressure").Value(50).At({380, 528});
    ex.Button(1)
        .Caption({"Porta forno A", "Door furnace A"})
        .Texts({"Fechada", "Closed"}, {"Aberta", "Open"});
    ex.Button(2)
        .Caption({"Porta forno B", "Door furnace B"})
        .Texts({"Fechada", "Closed"}, {"Aberta", "Open"});
    ex.ButtonPanel({375, 50});
    ex.Shape(1).Circle(97, 14, 0x5D6D7E, 0xFF8C00).At({363, 351});
    ex.Shape(2).Circle(98, 14, 0x5D6D7E, 0xFF8C00).At({883, 351});

    // Furnace A.
    ex.Process(1, "FV-101")
        .Desc("Gás combustível do forno A", "Furnace A fuel gas")
        .Input(1)
        .ActuatorLag(3)
        .Lag(1)
        .Gain(kPressureGain)
        .At({130, 560});
    ex.Process(2, "B-101")
        .Desc("Calor absorvido na fornalha A", "Heat absorbed in firebox A")
        .Input(21)
        .Lag(20)
        .Gain("1-0.12*M97")
        .At({280, 350});
    ex.Process(3, "H-101")
        .Desc("Temperatura de saída do forno A", "Furnace A outlet temperature")
        .Input(22)
        .DeadTime(15)
        .Lag(90, 20)
        .At({280, 310});
    ex.Process(4, "TT-101")
        .Desc("Temperatura medida TT-101", "Measured temperature TT-101")
        .Input(23)
        .Lag(4)
        .AsInstrument()
        .At({130, 230});
    ex.Controller(1, "TIC-101")
        .Desc("Temperatura do forno A", "Furnace A temperature")
        .Pv(24)
        .Pid(1.6, 120, 22)
        .Auto(380)
        .At({70, 400});

    // Furnace B: the temperature master sets the fuel flow slave.
    ex.Process(5, "FV-201")
        .Desc("Gás combustível do forno B", "Furnace B fuel gas")
        .Input(3)
        .ActuatorLag(3)
        .Lag(1)
        .Gain(kPressureGain)
        .At({630, 560});
    ex.Process(6, "B-201")
        .Desc("Calor absorvido na fornalha B", "Heat absorbed in firebox B")
        .Input(25)
        .Lag(20)
        .Gain("1-0.12*M98")
        .At({800, 350});
    ex.Process(7, "H-201")
        .Desc("Temperatura de saída do forno B", "Furnace B outlet temperature")
        .Input(26)
        .DeadTime(15)
        .Lag(90, 20)
        .At({800, 310});
    ex.Process(8, "TT-201")
        .Desc("Temperatura medida TT-201", "Measured temperature TT-201")
        .Input(27)
        .Lag(4)
        .AsInstrument()
        .At({650, 230});
    ex.Controller(2, "TIC-201")
        .Desc("Temperatura do forno B (mestre)", "Furnace B temperature (master)")
        .Pv(28)
        .Pid(1.6, 120, 22)
        .SlaveOutput(3)
        .Auto(380)
        .At({590, 400});
    ex.Controller(3, "FIC-201")
        .Desc("Gás combustível do forno B (escravo)", "Furnace B fuel gas (slave)")
        .Pv(25)
        .Pid(0.5, 3)
        .Remote(2)
        .Auto(1200)
        .At({700, 450});

    ex.Text(1).Desc("TT-101").Scalar(24, 1).At({385, 250});
    ex.Text(2).Desc("FI-101").Scalar(21, 0).At({385, 440});
    ex.Text(3).Desc("TT-201").Scalar(28, 1).At({905, 250}, 100);
    ex.Text(4).Desc("FT-201").Scalar(25, 0).At({905, 440}, 100);
    ex.Recorder(1, "TR-101")
        .Desc("Temperaturas dos dois fornos", "Both furnace temperatures")
        .Pen(1, 24, "TT-101")
        .Pen(2, 28, "TT-201")
        .Pen(3, 81, "Pressão", "Pressure")
        .TimeBase(2)
        .At({950, 560});

    DrawHeader(ex.sheet());
    DrawFurnaceA(ex.sheet());
    DrawFurnaceB(ex.sheet());
    ex.Settle(1800);

    ex.Comments(
        {"Forno tubular II, mestre-escravo: dois fornos iguais ao do exemplo Forno Tubular "
         "(carga a 200 °C, 15 s de tempo morto, constantes de tempo de 90 s e 20 s) recebem gás "
         "do mesmo coletor. A pressão do coletor varia ao acaso (cerca de "
         "±0,5 bar em torno dos 2 bar do controle \"Pressão do gás\", gerador M81, com "
         "mudanças de um minuto), e a vazão pelas válvulas segue a raiz quadrada da pressão.",
         "Forno A: o TIC-101 abre a válvula FV-101 diretamente. Forno B: o TIC-201 (mestre) dá "
         "o setpoint remoto do FIC-201 (escravo), que mede o gás no FT-201 e abre a FV-201. Os "
         "dois controladores de temperatura têm a mesma sintonia PID (Kc 1,6, Ti 120 s, Td "
         "22 s); o FIC-201 é um PI rápido (Kc 0,5, Ti 3 s). O TIC-201 congela sua integral "
         "enquanto a saída do escravo está saturada (realimentação da MV do escravo).",
         "",
         "O que fazer: observe no registrador TR-101 as duas temperaturas enquanto a pressão "
         "varia: no forno A a temperatura se afasta vários graus e leva minutos para voltar; "
         "no B o escravo corrige a vazão em segundos e a temperatura quase não se move. Dê um "
         "degrau na \"Pressão do gás\" para ver o mesmo com mais clareza. Na Simulação Rápida, "
         "compare "
         "os índices dos dois fornos com degrau de 10 % no SP.",
         "Abra as portas (botões \"Porta forno A\" e \"Porta forno B\"): a perda de calor entra "
         "depois da vazão de gás, fora do elo interno, e os dois fornos se recuperam do mesmo "
         "jeito. Passe o FIC-201 para local e manual e o TIC-201 fica sem efeito: o elo "
         "interno precisa estar em automático e remoto.",
         "",
         "O que observar: a malha escrava precisa ser bem mais rápida que a mestre; ela só "
         "corrige os distúrbios que entram dentro dela (a pressão do gás), não os que entram "
         "depois (a porta)."},
        {"Tube furnace II, master-slave: two furnaces like the one of the Furnace Temperature "
         "example (feed at 200 °C, 15 s of dead time, time constants of 90 s and 20 s) take "
         "their gas from the same header. The header pressure wanders at random (about "
         "±0.5 bar around the 2 bar of the \"Gas pressure\" slider, generator M81, with "
         "changes of a minute), and the flow through the valves follows the square root of the "
         "pressure.",
         "Furnace A: TIC-101 opens valve FV-101 directly. Furnace B: TIC-201 (master) gives the "
         "remote setpoint of FIC-201 (slave), which measures the gas at FT-201 and opens "
         "FV-201. Both temperature controllers have the same PID tuning (Kc 1.6, Ti 120 s, Td "
         "22 s); FIC-201 is a fast PI (Kc 0.5, Ti 3 s). TIC-201 freezes its integral while the "
         "slave's output is saturated (slave MV feedback).",
         "",
         "What to try: watch both temperatures on recorder TR-101 while the pressure wanders: "
         "in furnace A the temperature strays several degrees and takes minutes to come back; "
         "in B the slave corrects the flow in seconds and the temperature hardly moves. Step "
         "the \"Gas pressure\" to see the same more clearly. In the Fast Simulation, "
         "compare the indices of the two furnaces with a 10 % SP step.",
         "Open the doors (\"Door furnace A\" and \"Door furnace B\" buttons): the heat loss "
         "enters after the gas flow, outside the inner loop, and both furnaces recover alike. "
         "Put FIC-201 in local and manual and TIC-201 has no effect: the inner loop must be in "
         "automatic and remote.",
         "",
         "What to watch: the slave loop must be much faster than the master; it only corrects "
         "the disturbances that enter inside it (the gas pressure), not those that enter after "
         "it (the door)."});
}

}  // namespace vork::plantmaker
