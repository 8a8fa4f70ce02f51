// Heat exchanger: process water from a buffer tank is heated by low-pressure steam in a
// shell-and-tube exchanger. TIC-201 holds the outlet temperature on the steam valve, with a
// feed-forward of the measured inlet temperature, switched on and off by switch 1, through a
// lead-lag left static because both paths to the outlet are about as slow.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// The water flow through the tubes is 20 + 0.4*M15 m3/h (the slider, 20 to 60).
// Outlet temperature rise per percent of steam: 6000 kg/h of steam at 2100 kJ/kg into water.
constexpr const char* kRiseGain = "30.1/(20+0.4*M15)";
// The tube side's transport delay and lag shorten as the flow rises (8 s and 30 s at 40 m3/h).
constexpr const char* kTubeDelay = "320/(20+0.4*M15)";
constexpr const char* kTubeLag = "1200/(20+0.4*M15)";

// Shell and tube, one pass on the tube side: the shell with its two tube sheets and the bundle.
void DrawExchanger(Sheet& s) {
    s.Drum({360, 250, 320, 110});
    s.Box({398, 262, 6, 86});
    s.Box({636, 262, 6, 86});
    s.Box({404, 286, 232, 38}, false);
}

void DrawWater(Sheet& s) {
    s.Pipe({{20, 276}, {70, 276}}, Fluid::Water);
    s.Text({20, 236}, {"Água de processo", "Process water"}, Align::Left, 11);
    s.Tank({60, 262, 100, 150}, 0.65);
    s.Pipe({{160, 396}, {194, 396}}, Fluid::Water, false);
    s.Pump({210, 396});
    s.Pipe({{231, 380}, {246, 380}, {246, 305}, {362, 305}}, Fluid::Water);
    s.Pipe({{678, 305}, {1010, 305}}, Fluid::Water);
    s.Text({1010, 331}, {"Para o processo", "To the process"}, Align::Right, 11);
}

void DrawSteam(Sheet& s) {
    s.Pipe({{1010, 110}, {600, 110}, {600, 252}}, Fluid::Steam);
    s.Text({1010, 96}, {"Vapor (3 bar)", "Steam (3 bar)"}, Align::Right, 11);
    s.ControlValve({700, 110});
    s.Pipe({{600, 358}, {600, 430}, {680, 430}}, Fluid::Water);
    s.HandValve({640, 430});
    s.Text({690, 434}, {"Condensado", "Condensate"}, Align::Left, 11);
}

void DrawInstruments(Sheet& s) {
    // Feed-forward: inlet temperature, compensator, the switch, into the controller.
    s.Signal({{300, 305}, {300, 268}});
    s.Signal({{300, 212}, {300, 198}});
    s.Signal({{328, 170}, {440, 170}});
    s.Signal({{488, 170}, {732, 170}}, true);
    // Feedback: outlet temperature into the controller, controller to the steam valve.
    s.Signal({{860, 305}, {860, 278}});
    s.Signal({{832, 250}, {760, 250}, {760, 218}}, true);
    s.Text({870, 448}, {"Balanço de energia", "Energy balance"}, Align::Centre, 10);
    s.Signal({{760, 142}, {760, 56}, {700, 56}, {700, 74}}, true);
}

}  // namespace

void heat_exchanger(Example& ex) {
    ex.Gallery("sim11", "heat exchanger", "heatexchanger.smp");
    ex.Title("Trocador de Calor", "Heat exchanger");
    ex.Summary(
        "Steam heats process water in a shell-and-tube exchanger: outlet temperature on the "
        "steam valve with a switchable feed-forward of the inlet temperature.");

    ex.Var(15).Unit("m3/h").Range(20, 60).Limits(20, 60);
    ex.Var(16).Unit("°C").Range(10, 40).Limits(10, 40);
    ex.Var(21).Unit("kg/h").Range(0, 6000).Limits(500, 5500);
    for (int address : {22, 23, 24, 25})
        ex.Var(address).Unit("°C").Range(0, 100).Limits(10, 40);
    ex.Var(26).Unit("°C").Range(0, 100).Limits(0, 100);
    for (int address : {41, 27})
        ex.Var(address).Unit("°C").Range(0, 100).Limits(60, 80);
    ex.Var(81);
    ex.Var(82).Unit("°C").Range(0, 100).Limits(10, 40);

    ex.Channel(1).MediumRandom(60, 0, 100, 50);
    ex.Channel(2).Equation("10+0.3*M16+(M81-50)*0.2", "Temperatura de chegada",
                           "Inlet temperature");
    ex.Track(1).Label("Vazão de processo", "Process flow").Value(50).At({40, 540});
    ex.Track(2).Label("Temp. de chegada", "Inlet temperature").Value(50).At({270, 540});
    ex.Switch(1).Type(2).On().At({440, 146});

    ex.Process(1, "TV-201")
        .Desc("Vazão de vapor", "Steam flow")
        .Input(1)
        .ActuatorLag(3)
        .Lag(2)
        .At({645, 150});
    ex.Process(2, "TQ-200")
        .Desc("Temperatura da água no TQ-200", "Water temperature in TQ-200")
        .Input(82)
        .Lag(30)
        .At({110, 440});
    ex.Process(3, "TT-202")
        .Desc("Temperatura de entrada TT-202", "Inlet temperature TT-202")
        .Input(22)
        .Lag(3)
        .AsInstrument()
        .At({300, 240});
    ex.Process(4, "TY-202")
        .Desc("Compensação dinâmica", "Dynamic compensation")
        .Input(23)
        .LeadLag(0, 0)
        .AsInstrument()
        .At({300, 170});
    ex.Process(5, "E-201T")
        .Desc("Entrada transportada pelos tubos", "Inlet carried through the tubes")
        .Input(22)
        .DeadTime(kTubeDelay)
        .Lag(kTubeLag)
        .At({460, 390});
    ex.Process(6, "E-201")
        .Desc("Aquecimento pelo vapor", "Heating by the steam")
        .Input(21)
        .DeadTime(2)
        .Lag(20, 8)
        .Gain(kRiseGain)
        .At({520, 228});
    ex.Calc(1, "TY-201")
        .Desc("Temperatura de saída", "Outlet temperature")
        .Function("M25+M26")
        .Symbol("Σ")
        .At({870, 400});
    ex.Process(7, "TT-201")
        .Desc("Temperatura de saída TT-201", "Outlet temperature TT-201")
        .Input(41)
        .Lag(4)
        .AsInstrument()
        .At({860, 250});
    ex.Controller(1, "TIC-201")
        .Desc("Temperatura de saída do E-201", "E-201 outlet temperature")
        .Pv(27)
        .Pid(1.1, 24)
        .FeedForward("60+M11*1.33*(25-M24)")
        .Auto(70)
        .At({760, 170});

    ex.Text(1).Desc("TT-202").Scalar(23, 1).At({150, 200}, 100);
    ex.Text(2).Desc("TT-201").Scalar(27, 1).At({900, 180}, 100);
    ex.Text(3).Desc("FI-201").Scalar(21, 0).At({820, 40}, 100);
    ex.Text(4)
        .Desc("Compensação", "Feed-forward")
        .Binary(11, {"desligada", "off"}, {"ligada", "on"})
        .At({420, 100}, 100);
    ex.Recorder(1, "TR-201")
        .Desc("Temperaturas de entrada e saída", "Inlet and outlet temperatures")
        .Pen(1, 27, "TT-201")
        .Pen(2, 23, "TT-202")
        .Pen(3, 1, "MV")
        .TimeBase(2)
        .At({900, 560});

    DrawExchanger(ex.sheet());
    DrawWater(ex.sheet());
    DrawSteam(ex.sheet());
    DrawInstruments(ex.sheet());
    ex.Settle(1800);

    ex.Comments(
        {"Trocador de calor: a água de processo (40 m3/h, controle \"Vazão de processo\") sai "
         "do tanque pulmão TQ-200 e é aquecida no casco e tubos E-201 pelo vapor de 3 bar que a "
         "válvula TV-201 admite. A temperatura de chegada varia ao acaso em cerca de ±4 °C "
         "(gerador M81) em torno do controle \"Temp. de chegada\", amortecida pelos 30 s de "
         "mistura do tanque. Uma mudança na chegada leva 8 s de transporte e 30 s de atraso "
         "pelos tubos até a saída (menos com mais vazão, que também reduz o ganho do vapor); "
         "uma mudança no vapor, 2 s mais 20 s e 8 s pelo casco.",
         "O TIC-201 é um PI (Kc 1,1, Ti 24 s) sintonizado pelo SIMC a partir do modelo do lado "
         "do vapor. Com a chave 1 ligada, sua polarização passa a ser a compensação direta "
         "60 + 1,33 × (25 - TT-202): 1,33 % de vapor por grau de água mais fria, o ganho "
         "estático do processo a 40 m3/h. O bloco TY-202 é um avanço-atraso para a "
         "compensação dinâmica; está estático (avanço e atraso 0) porque os dois caminhos até "
         "a saída são quase igualmente lentos.",
         "",
         "O que fazer: com a compensação ligada, mova a \"Temp. de chegada\" 10 °C e veja o "
         "vapor mudar antes que a saída sinta; desligue a chave e repita: a saída se afasta "
         "vários graus até a realimentação corrigir. Na Simulação Rápida sem sinal de teste, "
         "compare os índices com e sem compensação (o erro médio absoluto cai a um quinto).",
         "Mude a \"Vazão de processo\": o ganho da compensação vale só a 40 m3/h e a "
         "realimentação corrige o resto. Dê ao TY-202 um atraso de 20 s e veja a compensação "
         "chegar tarde.",
         "",
         "O que observar: a compensação direta age antes do erro aparecer, mas só sobre o "
         "distúrbio medido e só tão bem quanto o modelo; a realimentação continua necessária. "
         "Ligar ou desligar a chave com a chegada longe de 25 °C dá um degrau na saída do "
         "controlador."},
        {"Heat exchanger: the process water (40 m3/h, \"Process flow\" slider) leaves buffer "
         "tank TQ-200 and is heated in shell-and-tube exchanger E-201 by the 3 bar steam that "
         "valve TV-201 lets in. The inlet temperature wanders at random by about ±4 °C "
         "(generator M81) around the \"Inlet temperature\" slider, smoothed by the tank's 30 s "
         "of mixing. A change at the inlet takes 8 s of transport and a 30 s lag through the "
         "tubes to reach the outlet (less at a higher flow, which also lowers the steam's "
         "gain); a change of steam, 2 s plus 20 s and 8 s through the shell.",
         "TIC-201 is a PI (Kc 1.1, Ti 24 s) tuned by the SIMC rules from the model of the steam "
         "side. With switch 1 on, its bias becomes the feed-forward 60 + 1.33 x (25 - TT-202): "
         "1.33 % of steam per degree of colder water, the process's static gain at 40 m3/h. "
         "Block TY-202 is a lead-lag for dynamic compensation; it is static (lead and lag 0) "
         "because both paths to the outlet are about as slow.",
         "",
         "What to try: with the feed-forward on, move the \"Inlet temperature\" by 10 °C and "
         "watch the steam change before the outlet feels it; switch it off and repeat: the "
         "outlet strays several degrees until the feedback corrects it. In the Fast Simulation "
         "without a test signal, compare the indices with and without feed-forward (the mean "
         "absolute error drops to a fifth).",
         "Change the \"Process flow\": the feed-forward gain holds only at 40 m3/h and the "
         "feedback trims the rest. Give TY-202 a lag of 20 s and watch the compensation come "
         "late.",
         "",
         "What to watch: feed-forward acts before the error shows, but only on the measured "
         "disturbance and only as well as its model; the feedback is still needed. Switching "
         "it on or off with the inlet far from 25 °C steps the controller output."});
}

}  // namespace vork::plantmaker
