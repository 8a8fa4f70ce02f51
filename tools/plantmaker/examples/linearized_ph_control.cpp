// Linearised conductivity control: an agitated leach tank where sulphuric acid is dosed into ore
// slurry. The conductivity of the liquor follows the free acid along an S-shaped curve, like a
// titration curve: flat while the ore's carbonates consume the acid, steep around neutralisation,
// flat again in excess acid. AIC-101 drives the acid pump through the characterizer, which holds
// the inverse of that curve, so that the loop sees the same gain at every conductivity.

#include <cmath>
#include <vector>

#include "plant/valve_curves.h"
#include "plantmaker/example.h"

namespace vork::plantmaker {

namespace {

// Acid dosed against what the ore consumes, 50 % at the neutral point.
constexpr const char* kAcidRatio = "M21-M15-M81+50";
// The pump follows the characterizer (M13) while switch 1 is on, the controller otherwise.
constexpr const char* kPumpCommand = "M11*M13+(1-M11)*M01";

constexpr int kSlurryLine = 110;
constexpr int kOutletLine = 430;

void DrawAcid(Sheet& s) {
    s.Tank({50, 260, 90, 120}, 0.6);
    s.Text({95, 250}, "TQ-102", Align::Centre, 12, true);
    s.Text({95, 212}, {"Ácido sulfúrico", "Sulphuric acid"}, Align::Centre, 11);
    s.Pipe({{95, 380}, {95, 450}, {204, 450}}, Fluid::Process, false);
    s.Pump({220, 450}, Facing::Up);
    s.Text({220, 492}, "P-102", Align::Centre, 11, true);
    s.Motor({270, 450});
    s.Signal({{258, 450}, {236, 450}});
    s.Pipe({{220, 434}, {220, 200}, {520, 200}, {520, 226}}, Fluid::Process);
}

void DrawTank(Sheet& s) {
    s.Pipe({{40, kSlurryLine}, {430, kSlurryLine}, {430, 226}}, Fluid::Solids);
    s.Text({40, kSlurryLine - 22}, {"Polpa de minério", "Ore slurry"}, Align::Left, 11);
    s.Vessel({380, 220, 200, 240}, 0.72, false, true);
    s.Text({480, 480}, "TQ-101", Align::Centre, 12, true);
    s.Pipe({{580, kOutletLine}, {1010, kOutletLine}}, Fluid::Solids);
    s.Text({600, kOutletLine + 26}, {"Para o espessamento", "To thickening"}, Align::Left, 11);
    // Sample line to the analyser, analyser to the controller.
    s.Signal({{690, kOutletLine - 10}, {690, 388}});
    s.Signal({{690, 332}, {690, 248}}, true);
}

// The conductivity over the acid to ore ratio, the curve the characterizer inverts.
void DrawCurve(Sheet& s) {
    const Rect box{650, 522, 160, 100};
    s.Box(box, false);
    std::vector<Pt> curve;
    for (int x = 0; x <= 100; x += 4) {
        double h = x / 10.0 - 5;
        double y = 50 * h / std::sqrt(h * h + 1) + 50;
        curve.push_back({box.x + 10 + x * (box.w - 20) / 100,
                         box.Bottom() - 10 - static_cast<int>(y * (box.h - 20) / 100)});
    }
    std::vector<Pt> there = curve;
    there.insert(there.end(), curve.rbegin(), curve.rend());
    s.Polygon(there, false);
    s.Text({box.x + 6, box.y + 14}, {"Condutividade", "Conductivity"}, Align::Left, 10);
    s.Text({box.Right() - 6, box.Bottom() - 30}, {"Ácido/minério", "Acid to ore"}, Align::Right,
           10);
}

// Controller, characterizer, selector and the drive of the acid pump.
void DrawControl(Sheet& s) {
    s.Signal({{718, 220}, {745, 220}, {745, 172}, {770, 172}}, true);
    s.Block({770, 150, 110, 44}, "f(x)  M13");
    s.Text({825, 128}, {"Caracterizador", "Characterizer"}, Align::Centre, 11);
    s.Signal({{880, 172}, {905, 172}, {905, 278}}, true);
    s.Signal({{745, 220}, {955, 220}, {955, 278}}, true);
    s.Signal({{868, 300}, {886, 300}}, true);
    s.Signal({{930, 322}, {930, 500}, {270, 500}, {270, 462}}, true);
}

}  // namespace

void linearized_ph_control(Example& ex) {
    ex.Gallery("sim4", "Linearized pH control", "pHcontrol.smp");
    ex.Title("Condutividade Linearizado", "Linearized pH control");
    ex.Summary(
        "Acid dosing into a leach tank whose conductivity follows an S-shaped titration curve; "
        "the characterizer linearises the loop and a switch takes it out.");

    ex.Var(15).Unit("m3/h").Range(0, 4).Limits(1, 3);
    ex.Var(81).Unit("m3/h").Range(0, 4).Limits(-0.12, 0.12);
    ex.Var(21).Unit("m3/h").Range(0, 4).Limits(0.2, 3.8);
    ex.Var(41).Unit("%").Range(0, 100).Limits(0, 100);
    ex.Var(42).Unit("%").Range(0, 100).Limits(0, 100);
    ex.Var(22).Unit("mS/cm").Range(0, 100).Limits(20, 80);
    ex.Var(23).Unit("mS/cm").Range(0, 100).Limits(20, 80);

    ex.Channel(1).MediumRandom(60, -3, 3);
    ex.Track(1).Label("Consumo de ácido", "Ore acid demand").Value(50).At({40, 124});
    ex.Switch(1).Type(2).On().At({826, 276});
    ex.Characterizer(1, {"0", "35", "45", "55", "65", "100"},
                     {"0.97", "8.4", "27.64", "72.36", "91.6", "99.03"});

    ex.Calc(1, "FY-101")
        .Desc("Comando da bomba P-102", "Pump P-102 command")
        .Function(kPumpCommand)
        .Symbol("HS")
        .At({930, 300});
    ex.Process(1, "SY-102").Desc("Vazão de ácido", "Acid flow").Input(41).Lag(2).At({320, 480});
    ex.Calc(2, "FY-102")
        .Desc("Relação ácido/minério", "Acid to ore ratio")
        .Function(kAcidRatio)
        .Symbol("Σ")
        .At({420, 580});
    // The titration-like curve is the block's S-shaped gain curve, ahead of the tank's mixing.
    ex.Process(2, "TQ-101")
        .Desc("Condutividade no TQ-101", "Conductivity in TQ-101")
        .Input(42)
        .Curve(kCurveS2)
        .Lag(120)
        .Saved({50, 50, 50, 0, 0, 0, 50, 50})
        .At({480, 390});
    ex.Process(3, "AT-101")
        .Desc("Condutividade medida AT-101", "Measured conductivity AT-101")
        .Input(22)
        .DeadTime(20)
        .Lag(10)
        .Saved({50, 50, 50, 0, 0, 0, 50, 50})
        .AsInstrument()
        .At({690, 360});
    ex.Controller(1, "AIC-101")
        .Desc("Condutividade do TQ-101", "TQ-101 conductivity")
        .Pv(23)
        .Pid(1.5, 125)
        .Auto(50)
        .At({690, 220});

    ex.Text(1).Desc("AT-101").Scalar(23, 1).At({736, 350});
    ex.Text(2).Desc("SY-102", "Acid flow").Scalar(21, 2).At({240, 300});
    ex.Text(3)
        .Desc("Caracterizador", "Characterizer")
        .Binary(11, {"desligado", "off"}, {"ligado", "on"})
        .At({780, 250}, 96);
    ex.Recorder(1, "TR-101")
        .Desc("Condutividade e ácido", "Conductivity and acid")
        .Pen(1, 23, "AT-101")
        .Pen(2, 61, "SP")
        .Pen(3, 21, "SY-102")
        .TimeBase(2)
        .At({960, 600});

    ex.sheet().Text({20, 28}, {"Lixiviação ácida", "Acid leaching"}, Align::Left, 13, true);
    DrawAcid(ex.sheet());
    DrawTank(ex.sheet());
    DrawControl(ex.sheet());
    DrawCurve(ex.sheet());
    ex.sheet().Text({420, 622}, {"Balanço de ácido", "Acid balance"}, Align::Centre, 10);
    ex.Settle(1800);
    ex.Comments(
        {"Condutividade linearizada: no tanque agitado TQ-101 de uma lixiviação, a polpa de "
         "minério recebe ácido sulfúrico da bomba dosadora P-102 (inversor SY-102). A "
         "condutividade do licor (AT-101, com 20 s de linha de amostra) segue o ácido livre "
         "por uma curva em S, como uma curva de titulação de pH: quase plana enquanto os "
         "carbonatos do minério consomem o ácido, muito inclinada perto da neutralização e "
         "plana de novo com excesso de ácido. O ganho do processo varia mais de 20 vezes ao "
         "longo da curva. O consumo de ácido do minério muda com o controle \"Consumo de "
         "ácido\" e com o gerador M81.",
         "",
         "O AIC-101 não aciona a bomba diretamente: sua saída passa pelo Caracterizador "
         "(Configuração, M13), que guarda seis pontos da curva do processo (vazão de ácido x "
         "condutividade) e a percorre ao contrário. Assim a malha vê ganho 1 em qualquer ponto "
         "da curva, e uma única sintonia serve a todos: Kc 1,5, Ti 125 s (SIMC sobre tanque de "
         "2 min e 27 s de atraso aparente). A chave (M11) e o seletor FY-101 põem o "
         "caracterizador dentro ou fora da malha.",
         "",
         "O que fazer: dê degraus de SP de 5 % em 10, 50 e 90 mS/cm, com o caracterizador "
         "ligado e desligado. Desligado, a malha oscila no meio da curva (o ganho do processo "
         "é 5 vezes maior) e fica lenta nas pontas. Veja os pontos da curva na janela de "
         "Configuração e experimente deslocá-los para ver o efeito de um caracterizador mal "
         "ajustado.",
         "",
         "O que observar: no registrador TR-101, a vazão de ácido muda pouco no meio da curva e "
         "muito nas pontas, enquanto a condutividade responde sempre igual. Se o consumo de "
         "ácido do minério muda, a curva real se desloca e o caracterizador deixa de ser exato."},
        {"Linearized conductivity control: in agitated tank TQ-101 of a leach plant, the ore "
         "slurry receives sulphuric acid from metering pump P-102 (drive SY-102). The "
         "conductivity of the liquor (AT-101, behind a 20 s sample line) follows the free acid "
         "along an S-shaped curve, like a pH titration curve: nearly flat while the ore's "
         "carbonates consume the acid, very steep around neutralisation and flat again in "
         "excess acid. The process gain changes more than 20 times along the curve. The ore's "
         "acid demand moves with the \"Ore acid demand\" slider and with generator M81.",
         "",
         "AIC-101 does not drive the pump directly: its output passes through the "
         "Characterizer (Configuration, M13), which holds six points of the process curve "
         "(acid flow against conductivity) and reads it backwards. The loop then sees a gain "
         "of 1 anywhere on the curve, and one tuning fits all of it: Kc 1.5, Ti 125 s (SIMC on "
         "a 2-minute tank with 27 s of apparent delay). The switch (M11) and selector FY-101 "
         "put the characterizer in or out of the loop.",
         "",
         "What to try: make SP steps of 5 % at 10, 50 and 90 mS/cm, with the characterizer on "
         "and off. With it off the loop cycles in the middle of the curve (the process gain is "
         "5 times higher) and is sluggish at the ends. Look at the curve's points in the "
         "Configuration window and shift them to see what a badly fitted characterizer does.",
         "",
         "What to watch: on recorder TR-101 the acid flow moves little in the middle of the "
         "curve and a lot at its ends, while the conductivity always answers the same way. "
         "When the ore's acid demand changes, the real curve shifts and the characterizer is "
         "no longer exact."});
}

}  // namespace vork::plantmaker
