// Double cross limits on the thermal-oil heater H-101: each flow setpoint is held within a band
// K below and above what the other flow's measurement calls for, so the air neither falls short
// of the gas nor runs far ahead of it. K is a slider.

#include "plantmaker/examples/fired_heater.h"

namespace vork::plantmaker {

namespace {

// The band K in percent of the firing range, from the "Banda K" slider (0..20 %).
constexpr const char* kBand = "M17/5";

}  // namespace

void combustion_double_cross_limits(Example& ex) {
    ex.Gallery("sim3c", "combustion", "dcl.smp");
    ex.Title("Razão Ar/Gás com Duplo Limites Cruzados", "Ratio Control with Double Crossed Limits");
    ex.Summary(
        "The same heater with double cross limits: each flow setpoint is held within a band K "
        "of the other flow's measurement, so the mixture is neither rich nor far too lean.");
    heater::Plant(ex, 41);
    ex.Var(17).Unit("%").Range(0, 20).Limits(0, 20);
    ex.Track(3).Label("Banda K", "Band K").Value(25).At({230, 96});
    ex.Calc(1, "FY-101")
        .Desc("SP de gás na faixa do ar medido", "Gas SP within the measured air's band")
        .Function("M01")
        .Upper(heater::kGasForAir)
        .Lower(std::string(heater::kGasForAir) + "-" + kBand)
        .Symbol("<>")
        .At(burner::kGasBlock);
    ex.Calc(2, "FY-102")
        .Desc("SP de ar na faixa do gás medido", "Air SP within the measured gas's band")
        .Function(heater::kAirForDemand)
        .Upper(std::string("(M21+") + kBand + ")*(8.5+0.04*M15)/10.5")
        .Lower(heater::kAirForGas)
        .Symbol("<>")
        .At(burner::kAirBlock);
    heater::Draw(ex.sheet(), true, true, {"Limites cruzados duplos", "Double cross limits"});
    ex.Settle(1800);

    ex.Comments(
        {"Limites cruzados duplos: a mesma planta e a mesma sintonia dos exemplos de razão "
         "básica e de limites cruzados simples (aquecedor H-101, TIC-101 como mestre); mudam só "
         "os blocos de SP, que agora limitam cada vazão por cima e por baixo.",
         "O FY-101 mantém o SP de gás entre o gás que o ar medido queima menos K e o gás que ele "
         "queima: o gás não passa o ar (segurança) nem fica muito atrás dele. O FY-102 mantém o "
         "SP de ar entre o ar que o gás medido precisa e esse ar mais K: o ar não falta nem "
         "sobra demais. Os dois limites são expressões nos campos Máx. e Mín. dos blocos de "
         "cálculo; K vem do controle deslizante \"Banda K\" (0 a 20 % da faixa de queima, 5 % "
         "ao abrir).",
         "",
         "Numa mudança grande de demanda as duas vazões sobem ou descem juntas, em passos de "
         "no máximo K, e a relação fica perto da estequiométrica o tempo todo.",
         "",
         "O que fazer: suba o SP do TIC-101 de 300 para 310 °C e depois desça 10 °C; compare o "
         "O2 com os outros dois exemplos: aqui fica entre 2,1 e 2,9 % na subida e abaixo de "
         "3,4 % na descida (com limites simples chega a 3,5 e 4,5 %). Leve a Banda K a 20 %: o "
         "comportamento volta ao dos limites simples. Leve-a a 1 %: o ar e o gás andam colados e "
         "a temperatura demora mais para responder.",
         "",
         "O que observar: K troca eficiência nos transitórios por velocidade de resposta; com "
         "K pequeno o TIC-101 vê um processo mais lento e acumula mais integral, e o sobre-sinal "
         "da temperatura cresce."},
        {"Double cross limits: the same plant and tuning as the basic ratio and single cross "
         "limit examples (heater H-101, TIC-101 as the master); only the setpoint blocks change, "
         "and they now limit each flow from above and below.",
         "FY-101 keeps the gas SP between the gas the measured air burns less K and the gas it "
         "burns: the gas never passes the air (safety) nor falls far behind it. FY-102 keeps the "
         "air SP between the air the measured gas needs and that air plus K: the air is neither "
         "short nor far too much. Both limits are expressions in the Max and Min fields of the "
         "calculation blocks; K comes from the \"Band K\" slider (0 to 20 % of the firing range, "
         "5 % on opening).",
         "",
         "On a large demand change both flows rise or fall together, in steps of at most K, and "
         "the ratio stays near the set one all the time.",
         "",
         "What to try: raise the TIC-101 SP from 300 to 310 °C, then lower it by 10 °C; compare "
         "the O2 with the other two examples: here it stays between 2.1 and 2.9 % on the rise "
         "and below 3.4 % on the fall (single limits reach 3.5 and 4.5 %). Set Band K to 20 %: "
         "the behaviour goes back to single limits. Set it to 1 %: air and gas move locked "
         "together and the temperature takes longer to respond.",
         "",
         "What to watch: K trades transient efficiency for speed of response; with a small K "
         "TIC-101 sees a slower process, builds up more integral, and the temperature overshoot "
         "grows."});
}

}  // namespace vork::plantmaker
