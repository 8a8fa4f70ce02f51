// Tubular furnace: a fired heater brings crude from 200 °C to its outlet temperature; TIC-101
// holds it by the fuel gas valve. The inspection door lets in cold air (a step disturbance) and
// the thermocouple is noisy, so the derivative action needs the transmitter's filter TY-101.

#include "plantmaker/examples/tube_furnace.h"

namespace vork::plantmaker {

namespace {

void DrawPlant(Sheet& s) {
    s.Text({20, 28}, {"Forno tubular: temperatura de saída", "Tube furnace: outlet temperature"},
           Align::Left, 13, true);
    DrawTubeFurnace(s, {330, 170, 280, 300});
    s.Pipe({{40, 186}, {346, 186}});
    s.Pipe({{346, 321}, {40, 321}});
    s.Text({40, 162}, {"Carga (200 °C)", "Feed (200 °C)"}, Align::Left, 11);
    s.Text({40, 345}, {"Para a coluna", "To the column"}, Align::Left, 11);
    DrawFuelHeader(s, 560, {400, 470, 540});
    s.Text({40, 584}, {"Gás combustível", "Fuel gas"}, Align::Left, 11);
    s.ControlValve({200, 560});
    s.Orifice({290, 560});
    s.Bubble({290, 506}, "FI-101");
    s.Signal({{290, 560}, {290, 528}});
    // Outlet temperature: thermowell and transmitter, the filter, the controller, the valve.
    s.Signal({{250, 321}, {250, 278}});
    s.Signal({{222, 250}, {178, 250}}, true);
    s.Signal({{150, 278}, {150, 392}}, true);
    s.Signal({{150, 448}, {150, 480}, {200, 480}, {200, 524}}, true);
    DrawInspectionDoor(s, {610, 392});
}

}  // namespace

void furnace(Example& ex) {
    ex.Gallery("sim12", "furnace", "furnace.smp");
    ex.Title("Forno Tubular", "Furnace Temperature");
    ex.Summary(
        "A fired heater's outlet temperature on the fuel gas valve: setpoint steps, the "
        "inspection door as a step disturbance, and a transmitter filter that lets the "
        "derivative act on a noisy thermocouple.");

    ex.Var(15).Unit("s").Range(0, 20).Limits(0, 20);
    ex.Var(21).Unit("Nm3/h").Range(0, 2000).Limits(200, 1800);
    ex.Var(22).Unit("MW").Range(0, 20).Limits(0, 20);
    for (int address : {23, 24, 25})
        ex.Var(address).Unit("°C").Range(200, 500).Limits(250, 440);
    ex.Var(81);
    ex.Var(97);

    ex.Channel(1).FastRandom(0, 100, "Ruído do termopar", "Thermocouple noise");
    ex.Track(1).Label("Filtro TY-101", "TY-101 filter").Value(20).At({660, 250});
    ex.Button(1)
        .Caption({"Porta do forno", "Furnace door"})
        .Texts({"Fechada", "Closed"}, {"Aberta", "Open"});
    ex.ButtonPanel({660, 420});
    ex.Shape(1).Circle(97, 14, 0x5D6D7E, 0xFF8C00).At({603, 413});

    ex.Process(1, "FV-101")
        .Desc("Vazão de gás combustível", "Fuel gas flow")
        .Input(1)
        .ActuatorLag(3)
        .Lag(1)
        .At({200, 600});
    ex.Process(2, "B-101")
        .Desc("Calor absorvido na fornalha", "Heat absorbed in the firebox")
        .Input(21)
        .Lag(20)
        .Gain("1-0.12*M97")
        .At({470, 420});
    ex.Process(3, "H-101")
        .Desc("Temperatura de saída do forno", "Furnace outlet temperature")
        .Input(22)
        .DeadTime(15)
        .Lag(90, 20)
        .At({470, 360});
    ex.Process(4, "TT-101")
        .Desc("Temperatura medida TT-101", "Measured temperature TT-101")
        .Input(23)
        .Lag(4)
        .Gain("1+(M81-50)/5000")
        .AsInstrument()
        .At({250, 250});
    ex.Process(5, "TY-101")
        .Desc("Temperatura filtrada TY-101", "Filtered temperature TY-101")
        .Input(24)
        .Lag("M15*0.2")
        .AsInstrument()
        .At({150, 250});
    ex.Controller(1, "TIC-101")
        .Desc("Temperatura de saída do forno", "Furnace outlet temperature")
        .Pv(25)
        .Pid(1.6, 120, 22)
        .Auto(380)
        .At({150, 420});

    ex.Text(1).Desc("TY-101").Scalar(25, 1).At({250, 385});
    ex.Text(2).Desc("FI-101").Scalar(21, 0).At({300, 590});
    ex.Recorder(1, "TR-101")
        .Desc("Temperatura medida e filtrada", "Measured and filtered temperature")
        .Pen(1, 24, "TT-101")
        .Pen(2, 25, "TY-101")
        .Pen(3, 1, "MV")
        .TimeBase(1)
        .At({760, 200});

    DrawPlant(ex.sheet());
    ex.Settle(1800);

    ex.Comments(
        {"Forno tubular: a carga (petróleo cru) chega a 200 °C e passa pela serpentina do forno "
         "H-101, aquecida pelos queimadores a gás. O TIC-101 controla a temperatura de saída "
         "abrindo a válvula de gás combustível FV-101. A resposta é lenta: 15 s de tempo morto "
         "até a saída da serpentina, constantes de tempo de 90 s (serpentina e carga) e 20 s "
         "(fornalha), mais 4 s do poço do termopar.",
         "O termopar TT-101 tem ruído (cerca de ±2 °C, gerador M81). O filtro de primeira ordem "
         "TY-101 no transmissor, com a constante de tempo do controle \"Filtro TY-101\" (4 s), "
         "limpa o sinal que o controlador usa. A porta de inspeção (botão \"Porta do forno\") "
         "deixa entrar ar frio: com ela aberta a fornalha perde 12 % do calor, um distúrbio em "
         "degrau de cerca de 20 °C.",
         "O TIC-101 é um PID (Kc 1,6, Ti 120 s, Td 22 s) sintonizado pelo método SIMC a partir "
         "do modelo do processo; a ação derivativa antecipa a resposta lenta da serpentina.",
         "",
         "O que fazer: na Simulação Rápida, dê um degrau de 10 % no SP e veja a resposta (pouco "
         "sobre-sinal, acomodação em cerca de 5 minutos). Em tempo real, abra a porta e veja o "
         "TIC-101 recuperar a temperatura; feche-a de novo.",
         "Leve o filtro a 0 s: o ruído passa pela derivada e a saída do controlador (e a "
         "válvula) passa a pular vários por cento a cada instante; compare o percurso da MV "
         "nos índices. Leve o filtro a 20 s: a saída fica lisa, mas o filtro soma atraso à "
         "malha e a resposta oscila mais. Retire a derivada (Td 0) e sintonize um PI (Kc 0,9, "
         "Ti 100 s): sem ruído a amplificar, mas mais lento frente à porta e ao SP.",
         "",
         "O que observar: no registrador TR-101, a temperatura medida e a filtrada e a saída do "
         "controlador; o filtro certo é o mais curto que ainda deixa a MV tranquila."},
        {"Tube furnace: the feed (crude oil) arrives at 200 °C and flows through the coil of "
         "furnace H-101, heated by the gas burners. TIC-101 controls the outlet temperature by "
         "opening fuel gas valve FV-101. The response is slow: 15 s of dead time to the coil "
         "outlet, time constants of 90 s (coil and feed) and 20 s (firebox), plus 4 s for the "
         "thermocouple's thermowell.",
         "Thermocouple TT-101 is noisy (about ±2 °C, generator M81). The first-order filter "
         "TY-101 in the transmitter, with the time constant of the \"TY-101 filter\" slider "
         "(4 s), cleans the signal the controller uses. The inspection door (\"Furnace door\" "
         "button) lets cold air in: while it is open the firebox loses 12 % of its heat, a step "
         "disturbance of about 20 °C.",
         "TIC-101 is a PID (Kc 1.6, Ti 120 s, Td 22 s) tuned by the SIMC rules from the process "
         "model; the derivative action anticipates the slow response of the coil.",
         "",
         "What to try: in the Fast Simulation, step the SP by 10 % and watch the response "
         "(little overshoot, settled in about 5 minutes). In real time, open the door and watch "
         "TIC-101 bring the temperature back; close it again.",
         "Set the filter to 0 s: the noise goes through the derivative and the controller "
         "output (and the valve) jumps several percent at every instant; compare the MV travel "
         "in the indices. Set the filter to 20 s: the output is smooth, but the filter adds lag "
         "to the loop and the response rings more. Take the derivative out (Td 0) and tune a PI "
         "(Kc 0.9, Ti 100 s): no noise to amplify, but slower against the door and the SP.",
         "",
         "What to watch: on recorder TR-101, the measured and the filtered temperature and the "
         "controller output; the right filter is the shortest one that still keeps the MV "
         "quiet."});
}

}  // namespace vork::plantmaker
