// Single cross limits on the thermal-oil heater H-101: the gas setpoint is the lower of the
// demand and the gas the measured air can burn, the air setpoint the higher of the demand and
// the air the measured gas needs. The air leads a rise and the gas leads a fall.

#include "plantmaker/examples/fired_heater.h"

namespace vork::plantmaker {

void combustion_cross_limits(Example& ex) {
    ex.Gallery("sim3b", "combustion", "cl.smp");
    ex.Title("Razão Ar/Gás com Limites Cruzados", "Ratio Control with Crossed Limits");
    ex.Summary(
        "The same heater with single cross limits: each flow setpoint is limited by the other "
        "flow's measurement, so the air leads a rise, the gas leads a fall and the flame never "
        "runs rich.");
    heater::Plant(ex, 41);
    ex.Calc(1, "FY-101")
        .Desc("SP de gás: demanda ou o que o ar queima", "Gas SP: demand or what the air burns")
        .Function(std::string("M01<") + heater::kGasForAir)
        .Symbol("<")
        .At(burner::kGasBlock);
    ex.Calc(2, "FY-102")
        .Desc("SP de ar: demanda ou o que o gás pede", "Air SP: demand or what the gas needs")
        .Function(std::string(heater::kAirForDemand) + ">" + heater::kAirForGas)
        .Symbol(">")
        .At(burner::kAirBlock);
    heater::Draw(ex.sheet(), true, true, {"Limites cruzados", "Cross limits"});
    ex.Settle(1800);

    ex.Comments(
        {"Limites cruzados simples: a mesma planta do exemplo de razão básica (aquecedor de "
         "óleo térmico H-101, queimador de gás de 10 MW, TIC-101 como mestre) e a mesma "
         "sintonia; mudam só os dois blocos de SP, que agora recebem a vazão medida da outra "
         "malha (as linhas cruzadas do desenho).",
         "O FY-101 é um seletor de mínimo: o SP de gás é a demanda ou o gás que o ar medido "
         "(FT-102) consegue queimar na relação ajustada, o que for menor. O FY-102 é um "
         "seletor de máximo: o SP de ar é a demanda vezes a relação ou o ar que o gás medido "
         "(FT-101) precisa, o que for maior.",
         "",
         "Na subida da demanda o ar sobe primeiro e o gás o acompanha; na descida o gás desce "
         "primeiro e o ar o acompanha. A mistura nunca fica rica, qualquer que seja a "
         "velocidade das duas malhas.",
         "",
         "O que fazer: suba o SP do TIC-101 de 300 para 310 °C e compare com a razão básica: o "
         "O2 na saída da fornalha fica entre 2,1 e 3,5 % e o CO estimado não passa de poucos "
         "ppm. Passe o TIC-101 para manual e mude a saída 20 % para cima e para baixo: no "
         "registrador TR-101 a pena do ar nunca fica abaixo da do gás. Desça o SP 10 °C e veja "
         "o O2 chegar a 4,5 % enquanto o ar espera o gás.",
         "",
         "O que observar: a segurança vem sem perda de resposta (o TT-101 leva praticamente o "
         "mesmo tempo para chegar ao novo SP), mas os transitórios ainda deixam excesso de ar "
         "nas duas direções, o que desperdiça combustível; os limites cruzados duplos tratam "
         "disso."},
        {"Single cross limits: the same plant as the basic ratio example (thermal-oil heater "
         "H-101, 10 MW gas burner, TIC-101 as the master) and the same tuning; only the two "
         "setpoint blocks change, and they now receive the other loop's measured flow (the "
         "crossed lines of the picture).",
         "FY-101 is a low selector: the gas SP is the demand or the gas that the measured air "
         "(FT-102) can burn at the set ratio, whichever is lower. FY-102 is a high selector: the "
         "air SP is the demand times the ratio or the air that the measured gas (FT-101) needs, "
         "whichever is higher.",
         "",
         "When the demand rises the air goes first and the gas follows it; when it falls the gas "
         "goes first and the air follows it. The mixture never runs rich, however fast or slow "
         "the two loops are.",
         "",
         "What to try: raise the TIC-101 SP from 300 to 310 °C and compare with the basic ratio: "
         "the O2 leaving the firebox stays between 2.1 and 3.5 % and the estimated CO stays at a "
         "few ppm. Put TIC-101 in manual and move its output 20 % up and down: on recorder "
         "TR-101 the air pen never drops below the gas pen. Lower the SP by 10 °C and watch the "
         "O2 reach 4.5 % while the air waits for the gas.",
         "",
         "What to watch: the safety costs no response (TT-101 takes practically the same time to "
         "reach the new SP), but the transients still leave excess air both ways, which wastes "
         "fuel; the double cross limits deal with that."});
}

}  // namespace vork::plantmaker
