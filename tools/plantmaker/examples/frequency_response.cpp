// Frequency response: a water flow loop whose setpoint, or whose supply, the signal generator
// swings as a sine. The period is a slider, the two amplitudes are sliders, and two switches put
// the sines on. Peak detectors (calculation blocks that hold their own highest value) read the
// amplitudes of the setpoint and of the flow, so the gain of the loop at each period can be read
// off the picture.

#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Both sines: 2 to 100 s from the slider.
constexpr const char* kPeriod = "2+M15*0.98";
// Setpoint: 50 m3/h, plus the SP sine (amplitude 0 to 20 m3/h) while switch 1 is on.
constexpr const char* kSetpoint = "50+M11*M16*(M81-50)/250";
// The supply's swing (amplitude 0 to 20 m3/h) added to the valve's flow while switch 2 is on.
constexpr const char* kFlowWithLoad = "M21+M12*M17*(M82-50)/250";
// Peak detectors: the larger of the present deviation from 50 % and the held peak, which decays
// slowly (time constant 500 s) so that it follows a smaller swing; button 1 clears it.
constexpr const char* kSetpointPeak = "((M61-50)*(M61-50))^0.5>M43*0.9998*(1-M97)";
constexpr const char* kFlowPeak = "((M22-50)*(M22-50))^0.5>M44*0.9998*(1-M97)";

constexpr int kLine = 300;

void DrawPlant(Sheet& s) {
    s.Text({20, 28}, {"Resposta em frequência", "Frequency response"}, Align::Left, 13, true);
    s.Pipe({{40, kLine}, {1010, kLine}}, Fluid::Water);
    s.Text({40, kLine - 22}, {"Água de processo", "Process water"}, Align::Left, 11);
    s.ControlValve({400, kLine});
    s.Orifice({680, kLine});
    s.Signal({{680, kLine - 10}, {680, kLine - 42}});
    // The supply's swing enters the line ahead of the valve.
    s.Source({250, 460});
    s.Signal({{250, 444}, {250, 392}}, true);
    s.Signal({{250, 348}, {250, kLine + 4}}, true);
    s.Text({270, 480}, {"Pressão de alimentação (M82)", "Supply pressure (M82)"}, Align::Left, 11);
    // Setpoint sine to the remote setpoint, flow to FIC-101, FIC-101 to the valve.
    s.Source({500, 90});
    s.Signal({{516, 90}, {556, 90}}, true);
    s.Signal({{644, 90}, {680, 90}, {680, 122}}, true);
    s.Signal({{680, kLine - 98}, {680, 178}}, true);
    s.Signal({{652, 150}, {400, 150}, {400, kLine - 34}}, true);
    s.Text({500, 60}, {"SP senoidal (M81)", "SP sine (M81)"}, Align::Centre, 11);
    // The peak detectors read the setpoint and the flow.
    s.Signal({{708, 150}, {756, 150}}, true);
    s.Signal({{708, kLine - 70}, {756, kLine - 70}}, true);
}

}  // namespace

void frequency_response(Example& ex) {
    ex.Gallery("sim19", "frequency response", "frequencyresponse.smp");
    ex.Title("Resposta em Frequência", "Frequency Response");
    ex.Summary(
        "A flow loop under a sinusoidal setpoint or a sinusoidal supply disturbance, with the "
        "period and amplitudes on sliders and the amplitudes read by peak detectors.");

    ex.Var(15).Unit("s").Range(2, 100).Limits(2, 100);
    ex.Var(16).Unit("m3/h").Range(0, 20).Limits(0, 20);
    ex.Var(17).Unit("m3/h").Range(0, 20).Limits(0, 20);
    for (int address : {81, 82})
        ex.Var(address).Unit("%").Range(0, 100).Limits(0, 100);
    for (int address : {21, 22, 41, 42})
        ex.Var(address).Unit("m3/h").Range(0, 100).Limits(20, 80);
    for (int address : {43, 44})
        ex.Var(address).Unit("m3/h").Range(0, 100).Limits(0, 100);

    ex.Channel(1).Sine(kPeriod, 0, 100);
    ex.Channel(2).Sine(kPeriod, 0, 100);
    ex.Track(1).Label("Período", "Period").Value(28.5714).At({40, 470});
    ex.Track(2).Label("Amplitude SP", "SP amplitude").Value(50).At({40, 550});
    ex.Track(3).Label("Amplitude carga", "Load amplitude").Value(50).At({300, 550});
    ex.Switch(1).Type(2).On().At({420, 66});
    ex.Switch(2).Type(2).At({180, 436});
    ex.Button(1).Caption({"Picos", "Peaks"}).Texts({"retendo", "holding"}, {"zerados", "cleared"});
    ex.ButtonPanel({840, 380});

    ex.Process(1, "FV-101")
        .Desc("Vazão pela FV-101", "Flow through FV-101")
        .Input(1)
        .Lag(1)
        .At({400, kLine + 40});
    ex.Calc(2, "FY-102")
        .Desc("Vazão com a perturbação", "Flow with the disturbance")
        .Function(kFlowWithLoad)
        .Symbol("Σ")
        .At({250, kLine + 70});
    ex.Process(2, "FT-101")
        .Desc("Vazão medida FT-101", "Measured flow FT-101")
        .Input(42)
        .DeadTime(0.5)
        .Lag(2)
        .AsInstrument()
        .At({680, kLine - 70});
    ex.Calc(1, "FY-101")
        .Desc("SP senoidal", "Sine setpoint")
        .Function(kSetpoint)
        .Symbol("∿")
        .At({600, 90});
    ex.Controller(1, "FIC-101")
        .Desc("Vazão de água", "Water flow")
        .Pv(22)
        .Pid(0.5, 3)
        .Remote(41)
        .Auto(50)
        .At({680, 150});
    ex.Calc(3, "FY-103")
        .Desc("Amplitude do SP", "SP amplitude")
        .Function(kSetpointPeak)
        .Symbol("max")
        .At({800, 150});
    ex.Calc(4, "FY-104")
        .Desc("Amplitude da vazão", "Flow amplitude")
        .Function(kFlowPeak)
        .Symbol("max")
        .At({800, 230});

    ex.Text(1).Desc("FT-101").Scalar(22, 1).At({530, 236});
    ex.Text(2).Desc("Amplitude SP", "SP amplitude").Scalar(43, 2).At({880, 150});
    ex.Text(3).Desc("Amplitude PV", "PV amplitude").Scalar(44, 2).At({880, 230});
    ex.Text(4)
        .Desc("Razão PV/SP", "PV/SP ratio")
        .Equation("M44/(M43+0.01)*100", 0, 1, "", 2)
        .At({880, 70});
    ex.Recorder(1, "TR-101")
        .Desc("SP, vazão e perturbação", "SP, flow and disturbance")
        .Pen(1, 61, "SP")
        .Pen(2, 22, "FT-101")
        .Pen(3, 82, "Carga", "Load")
        .TimeBase(1)
        .At({960, 600});

    DrawPlant(ex.sheet());
    ex.Settle(1800);
    ex.Comments(
        {"Resposta em frequência: uma malha de vazão de água (válvula FV-101 com atuador de "
         "1 s; linha e transmissor FT-101 com 2 s e 0,5 s de tempo morto; FIC-101 com Kc 0,5 e "
         "Ti 3 s, a sintonia típica de vazão) recebe senoides do gerador de sinais: no SP (M81, "
         "pelo bloco FY-101 e o SP remoto) e na pressão de alimentação (M82, pelo bloco "
         "FY-102). O controle \"Período\" muda o período das duas senoides (2 a 100 s), "
         "\"Amplitude SP\" e \"Amplitude carga\" mudam as amplitudes (até 20 m3/h); a chave "
         "junto ao SP liga a senoide do SP e a chave junto à alimentação, a da carga.",
         "",
         "Os blocos FY-103 e FY-104 são detectores de pico: guardam o maior desvio do SP e da "
         "vazão em relação a 50 m3/h e esquecem devagar (500 s); o botão \"Picos\" os zera. "
         "\"Razão PV/SP\" é a razão das amplitudes, o ganho da malha fechada no período "
         "escolhido.",
         "",
         "O que fazer: com a senoide do SP, leia a razão de amplitudes e, no registrador "
         "TR-101, o atraso da vazão para períodos de 100, 50, 30, 20, 10 e 5 s, e trace o "
         "diagrama de Bode da malha fechada: a vazão acompanha 95 % do SP em 100 s, 72 % em "
         "30 s (a banda passante da malha, com 60° de atraso) e só 14 % em 5 s. Depois desligue "
         "a senoide do SP, ligue a da carga e compare a \"Amplitude PV\" com a amplitude da "
         "carga: a malha rejeita a carga lenta (passa 35 % em 100 s), quase nada consegue "
         "entre 10 e 30 s (passa cerca de 80 %), e a carga rápida é filtrada pela própria "
         "linha. Mude a sintonia do FIC-101 e veja a banda passante mudar. No Registrador XY, "
         "o SP contra a vazão (M61 e M22) desenha uma elipse, cuja inclinação e largura mostram "
         "o ganho e a fase.",
         "",
         "O que observar: o erro da malha oscila sempre, no período das senoides; é o que este "
         "exemplo mostra."},
        {"Frequency response: a water flow loop (valve FV-101 with a 1 s actuator; the line and "
         "transmitter FT-101 with 2 s and 0.5 s of dead time; FIC-101 with Kc 0.5 and Ti 3 s, "
         "the usual flow tuning) receives sines from the signal generator: on its SP (M81, "
         "through block FY-101 and the remote SP) and on its supply pressure (M82, through "
         "block FY-102). The \"Period\" slider sets the period of both sines (2 to 100 s), "
         "\"SP amplitude\" and \"Load amplitude\" set their amplitudes (up to 20 m3/h); the "
         "switch by the SP turns the SP sine on, the one by the supply the load sine.",
         "",
         "Blocks FY-103 and FY-104 are peak detectors: they hold the largest deviation of the "
         "SP and of the flow from 50 m3/h and forget slowly (500 s); the \"Peaks\" button "
         "clears them. \"PV/SP ratio\" is the ratio of the amplitudes, the closed loop's gain "
         "at the chosen period.",
         "",
         "What to try: with the SP sine, read the amplitude ratio and, on recorder TR-101, the "
         "flow's lag for periods of 100, 50, 30, 20, 10 and 5 s, and draw the Bode diagram of "
         "the closed loop: the flow follows 95 % of the SP at 100 s, 72 % at 30 s (the loop's "
         "bandwidth, 60° behind) and only 14 % at 5 s. Then turn the SP sine off, the load sine "
         "on, and compare the \"PV amplitude\" with the load's amplitude: the loop rejects a "
         "slow load (35 % gets through at 100 s), can do little between 10 and 30 s (about "
         "80 % gets through), and a fast load is filtered by the line itself. Change FIC-101's "
         "tuning and watch the bandwidth move. In the XY Recorder, the SP against the flow "
         "(M61 and M22) draws an ellipse whose slope and width show the gain and the phase.",
         "",
         "What to watch: the loop's error cycles all the time, at the sines' period; that is "
         "what this example shows."});
}

}  // namespace vork::plantmaker
