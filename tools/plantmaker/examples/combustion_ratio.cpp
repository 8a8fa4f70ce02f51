// Basic air/gas ratio on the thermal-oil heater H-101: the firing demand of TIC-101 is the gas
// setpoint, and the same demand times the ratio is the air setpoint. Nothing stops the gas from
// running ahead of the slower air when the demand rises.

#include "plantmaker/examples/fired_heater.h"

namespace vork::plantmaker {

void combustion_ratio(Example& ex) {
    ex.Gallery("sim3a", "combustion", "ratio.smp");
    ex.Title("Razão Ar/Gas básico", "Basic Ratio Control");
    ex.Summary(
        "Thermal-oil heater whose firing demand sets the gas and, times the ratio, the air: on a "
        "demand rise the fast gas loop outruns the air and the flue gas runs short of oxygen.");
    heater::Plant(ex, 1);
    ex.Calc(2, "FY-102")
        .Desc("SP de ar: demanda x relação", "Air SP: demand x ratio")
        .Function(heater::kAirForDemand)
        .Symbol("×")
        .At(burner::kAirBlock);
    heater::Draw(ex.sheet(), false, false, {"Razão ar/gás básica", "Basic air/gas ratio"});
    ex.Settle(1800);

    ex.Comments(
        {"Razão ar/gás básica: o aquecedor H-101 aquece óleo térmico (50 a 200 m3/h, retorno a "
         "230 °C) com um queimador de gás natural de 10 MW. O TIC-101 mede a temperatura de "
         "saída do óleo (TT-101) e calcula a demanda de queima, em % da vazão máxima de gás. "
         "Essa demanda é o SP remoto do FIC-101 (gás, válvula FV-101) e, multiplicada pela "
         "relação no bloco FY-102, o SP remoto do FIC-102 (ar, damper FV-102 do ventilador "
         "B-101). As faixas dos transmissores fazem o ar em % igual ao gás em % na relação "
         "nominal de 10,5 Nm3 de ar por Nm3 de gás: 10 % de excesso de ar, 2,2 % de O2 nos "
         "gases.",
         "",
         "A malha de gás é rápida (válvula de 0,8 s; Kc 0,5, Ti 2 s). A de ar é mais lenta: o "
         "acionamento do damper percorre no máximo 2 %/s e o ventilador com os dutos soma 5 s "
         "(Kc 0,8, Ti 5 s). O TIC-101 (Kc 1, Ti 80 s) foi sintonizado pelo SIMC sobre a "
         "serpentina: constantes de tempo de 60 e 20 s e 10 s de tempo morto. O AT-101 mede o "
         "O2 na chaminé com 4 s de atraso; \"CO (estimado)\" mostra o monóxido que o queimador "
         "forma quando o O2 na saída da fornalha cai abaixo de 1,5 %. Os blocos AY-101, QY-101 e "
         "TY-101 são o modelo: o O2 na saída da fornalha, o calor que o gás queimado (no máximo "
         "o que o ar disponível queima) entrega ao óleo e a temperatura de equilíbrio.",
         "",
         "O que fazer: suba o SP do TIC-101 de 300 para 310 °C (o degrau de 10 % da Simulação "
         "Rápida) e observe no registrador TR-101 a pena do gás passar à frente da do ar: o O2 "
         "na saída da fornalha cai a 0,3 %, o CO estimado passa de 1000 ppm e o AT-101, mais "
         "lento, ainda mostra 1 %. Depois passe o TIC-101 para manual e suba a saída 20 % de uma "
         "vez: o excesso de ar fica negativo, a mistura é rica e parte do gás sai sem queimar. "
         "Repita nos exemplos de limites cruzados, que têm a mesma planta e a mesma sintonia.",
         "",
         "O que observar: a relação só vale em regime; nos transitórios manda a diferença de "
         "velocidade entre as malhas de gás e de ar. Na descida da demanda o erro é o oposto, "
         "excesso de ar, que custa eficiência mas não é perigoso. Mude a relação ar/gás no "
         "controle deslizante e veja o O2 e o excesso de ar a acompanharem."},
        {"Basic air/gas ratio: heater H-101 heats thermal oil (50 to 200 m3/h, returning at "
         "230 °C) with a 10 MW natural gas burner. TIC-101 measures the oil outlet temperature "
         "(TT-101) and computes the firing demand, in % of the maximum gas flow. That demand is "
         "the remote SP of FIC-101 (gas, valve FV-101) and, times the ratio in block FY-102, the "
         "remote SP of FIC-102 (air, damper FV-102 on fan B-101). The transmitter ranges make "
         "air in % equal gas in % at the nominal ratio of 10.5 Nm3 of air per Nm3 of gas: 10 % "
         "excess air, 2.2 % O2 in the flue gas.",
         "",
         "The gas loop is fast (0.8 s valve; Kc 0.5, Ti 2 s). The air loop is slower: the damper "
         "drive travels at most 2 %/s and the fan with its ducts adds 5 s (Kc 0.8, Ti 5 s). "
         "TIC-101 (Kc 1, Ti 80 s) was tuned by SIMC on the coil: time constants of 60 and 20 s "
         "and a 10 s dead time. AT-101 measures the O2 at the stack 4 s late; \"CO (estimated)\" "
         "shows the monoxide the burner makes once the O2 leaving the firebox falls below "
         "1.5 %. Blocks AY-101, QY-101 and TY-101 are the model: the O2 leaving the firebox, the "
         "heat the burnt gas (at most what the available air can burn) gives the oil, and the "
         "steady outlet temperature.",
         "",
         "What to try: raise the TIC-101 SP from 300 to 310 °C (the 10 % step of the Fast "
         "Simulation) and watch on recorder TR-101 the gas pen get ahead of the air pen: the O2 "
         "leaving the firebox drops to 0.3 %, the estimated CO passes 1000 ppm and the slower "
         "AT-101 still reads 1 %. Then put TIC-101 in manual and raise its output by 20 % at "
         "once: the excess air turns negative, the mixture is rich and part of the gas leaves "
         "unburnt. Repeat on the cross-limit examples, which have the same plant and tuning.",
         "",
         "What to watch: the ratio holds only at steady state; in transients the difference in "
         "speed between the gas and air loops rules. When the demand falls the error is the "
         "opposite, excess air, which costs efficiency but is not dangerous. Move the air/gas "
         "ratio slider and watch the O2 and the excess air follow."});
}

}  // namespace vork::plantmaker
