#pragma once

// The thermal-oil heater H-101 shared by the three air/gas ratio examples: one gas burner whose
// firing TIC-101 sets from the oil outlet temperature, a gas flow loop FIC-101 and a combustion
// air loop FIC-102 on the forced-draft fan. The examples differ only in how the two flow
// setpoints are made from the firing demand, so that their runs compare.
//
// Ranges are chosen so that the air flow in percent equals the gas flow in percent at the
// nominal ratio of 10.5 Nm3 of air per Nm3 of gas (10 % excess air): on the recorder a fuel-rich
// mixture shows as the air pen below the gas pen. A header, so that the three descriptions share
// it without a library of their own.

#include "plantmaker/examples/burner_train.h"

namespace vork::plantmaker::heater {

// The air/gas ratio comes from the "Relação ar/gás" slider, 8.5..12.5 Nm3/Nm3 (8.5+0.04*M15);
// divided by the nominal 10.5 it turns percent of gas into percent of air.
// The gas that the measured air can burn at the set ratio, in percent of the gas range.
inline constexpr const char* kGasForAir = "M22*10.5/(8.5+0.04*M15)";
// The air that the measured gas needs at the set ratio, in percent of the air range.
inline constexpr const char* kAirForGas = "M21*(8.5+0.04*M15)/10.5";
// The firing demand of TIC-101 as an air flow.
inline constexpr const char* kAirForDemand = "M01*(8.5+0.04*M15)/10.5";

// Excess air lambda = air / (9.52 Nm3 per Nm3 of gas): 10500 / 9520 = 1.1029 per percent.
// The flue gas, dry: O2 = 2 (lambda - 1) / (9.52 lambda - 1), here in percent of 0..10 %.
inline constexpr const char* kFlueOxygen = "2000*(1.1029*M22/M21-1)/(10.5*M22/M21-1)";
// Heat to the oil in percent of 10 MW: the gas that burns (all of it, or what the air allows)
// times the efficiency, which the flue gas loss lowers by 13 points per unit of lambda.
inline constexpr const char* kHeatToOil = "M21*(1-0.1434*M22/M21)<1.1029*M22*(1-0.1434*M22/M21)";
// Outlet temperature at steady state, percent of 250..350 °C: the return oil (230 °C, ±3 °C
// from M82) plus the heat over the oil's heat capacity flow (0.59 kW/K per m3/h).
inline constexpr const char* kOutletBalance = "-20+(M82-50)/2+100*M44/(0.59*(50+1.5*M16))";

inline void Catalogue(Example& ex) {
    ex.Var(15).Unit("Nm3/Nm3").Range(8.5, 12.5).Limits(9.52, 12.5);
    ex.Var(16).Unit("m3/h").Range(50, 200).Limits(80, 200);
    ex.Var(21).Unit("Nm3/h").Range(0, 1000).Limits(100, 950);
    ex.Var(22).Unit("Nm3/h").Range(0, 10500).Limits(1000, 10000);
    ex.Var(23).Unit("°C").Range(250, 350).Limits(280, 320);
    ex.Var(24).Unit("%").Range(0, 10).Limits(1, 6);
    ex.Var(41).Unit("Nm3/h").Range(0, 1000).Limits(0, 1000);
    ex.Var(42).Unit("Nm3/h").Range(0, 10500).Limits(0, 10500);
    ex.Var(43).Unit("%").Range(0, 10).Limits(1, 6);
    ex.Var(44).Unit("MW").Range(0, 10).Limits(0, 10);
    ex.Var(45).Unit("°C").Range(250, 350).Limits(280, 320);
    ex.Var(81).Unit("%").Range(0, 100).Limits(0, 100);
    ex.Var(82).Unit("%").Range(0, 100).Limits(0, 100);
}

inline void Loops(Example& ex, int gasSetpoint) {
    ex.Process(1, "FV-101")
        .Desc("Vazão de gás FT-101", "Gas flow FT-101")
        .Input(2)
        .ActuatorLag(0.8)
        .Lag(1)
        .DeadTime(0.2)
        .Gain("1+(M81-50)/250")
        .At(burner::kGasValve);
    ex.Process(2, "FV-102")
        .Desc("Vazão de ar FT-102", "Air flow FT-102")
        .Input(3)
        .Rate(2)
        .ActuatorLag(1)
        .Lag(5)
        .DeadTime(0.5)
        .At(burner::kAirValve);
    ex.Process(3, "TT-101")
        .Desc("Temperatura de saída do óleo", "Oil outlet temperature")
        .Input(45)
        .Lag(60, 20)
        .DeadTime(10)
        .AsInstrument()
        .At({400, 290});
    ex.Process(4, "AT-101")
        .Desc("Oxigênio nos gases AT-101", "Flue gas oxygen AT-101")
        .Input(43)
        .DeadTime(4)
        .Lag(5)
        .AsInstrument()
        .At({650, 80});

    ex.Calc(3, "AY-101")
        .Desc("Oxigênio na saída da fornalha", "Oxygen leaving the firebox")
        .Function(kFlueOxygen)
        .Upper(100)
        .Lower(0)
        .At({780, 350});
    ex.Calc(4, "QY-101")
        .Desc("Calor transferido ao óleo", "Heat to the oil")
        .Function(kHeatToOil)
        .Lower(0)
        .Symbol("<")
        .At({900, 350});
    ex.Calc(5, "TY-101")
        .Desc("Temperatura de equilíbrio", "Steady outlet temperature")
        .Function(kOutletBalance)
        .Upper(100)
        .Lower(0)
        .At({780, 420});

    ex.Controller(1, "TIC-101")
        .Desc("Temperatura do óleo quente", "Hot oil temperature")
        .Pv(23)
        .Pid(1, 80)
        .Auto(300)
        .At(burner::kMaster);
    ex.Controller(2, "FIC-101")
        .Desc("Vazão de gás", "Gas flow")
        .Pv(21)
        .Pid(0.5, 2)
        .Remote(gasSetpoint)
        .Auto(600)
        .At(burner::kGasLoop);
    ex.Controller(3, "FIC-102")
        .Desc("Vazão de ar de combustão", "Combustion air flow")
        .Pv(22)
        .Pid(0.8, 5)
        .Remote(42)
        .Auto(6300)
        .At(burner::kAirLoop);
}

// Catalogue, disturbances, sliders, process blocks, loops, readouts and recorder; the
// example adds the setpoint blocks of its strategy. FIC-101 takes its setpoint from
// `gasSetpoint`: FY-101's output, or the demand itself.
inline void Plant(Example& ex, int gasSetpoint) {
    Catalogue(ex);
    ex.Channel(1).MediumRandom(20, 40, 60, 50);
    ex.Channel(2).MediumRandom(60, 44, 56, 50);
    ex.Track(1).Label("Relação ar/gás", "Air/gas ratio").Value(50).At({34, 96});
    ex.Track(2).Label("Vazão de óleo", "Oil flow").Value(50).At({800, 180});
    Loops(ex, gasSetpoint);

    ex.Text(1).Desc("TT-101").Scalar(23, 1).At({34, 262});
    ex.Text(2).Desc("FT-101").Scalar(21, 0).At({34, 310});
    ex.Text(3).Desc("FT-102").Scalar(22, 0).At({34, 355});
    ex.Text(4).Desc("AT-101 O2").Scalar(24, 2).At({700, 66});
    ex.Text(5)
        .Desc("Excesso de ar", "Excess air")
        .Equation("110.29*M22/M21-100", 0, 100, "%", 1)
        .At({820, 66});
    // Carbon monoxide rises steeply once the flue gas falls below about 1.5 % O2.
    ex.Text(6)
        .Desc("CO (estimado)", "CO (estimated)")
        .Equation("2*10^((15-M43)/6)", 0, 1000, "ppm", 0)
        .At({700, 112});
    ex.Recorder(1, "TR-101")
        .Desc("Gás, ar e oxigênio", "Gas, air and oxygen")
        .Pen(1, 21, "Gás", "Gas")
        .Pen(2, 22, "Ar", "Air")
        .Pen(3, 24, "O2")
        .TimeBase(1)
        .At({470, 500});
}

// The heater: radiant box, convection section and stack; the oil from the return through the
// convection coil and down the radiant wall to the outlet; the loops around it. `gasBlock`
// and `crossed` as for the burner trains; `strategy` names the air/gas strategy.
inline void Draw(Sheet& s, bool gasBlock, bool crossed, const Label& strategy) {
    s.Text({20, 28}, {"Aquecedor de óleo térmico H-101", "Thermal oil heater H-101"}, Align::Left,
           13, true);
    s.Text({20, 66}, strategy, Align::Left, 12, true);
    s.Box({460, 200, 220, 240});
    s.Box({468, 208, 204, 224}, false);
    s.Box({500, 130, 140, 70});
    s.Box({550, 30, 40, 100});
    s.Pipe({{570, 28}, {570, 10}}, Fluid::Process);
    s.Text({570, 290}, "H-101", Align::Centre, 12, true);
    s.Pipe({{1010, 150}, {640, 150}}, Fluid::Fuel);
    // The oil through the convection coil, then down and up the radiant wall.
    std::vector<Pt> coil{{640, 150}, {512, 150}, {512, 166}, {628, 166}, {628, 182}};
    coil.insert(coil.end(), {{488, 182}, {488, 425}, {476, 425}, {476, 230}, {460, 230}});
    s.Pipe(coil, Fluid::Fuel, false);
    s.Pipe({{460, 230}, {30, 230}}, Fluid::Fuel);
    s.Text({30, 220}, {"Óleo quente para os consumidores", ""}, Align::Left, 11);
    s.Text({1005, 126}, {"Retorno de óleo", "Oil return"}, Align::Right, 11);
    burner::DrawBurnerTrains(s, gasBlock, crossed);
    s.Signal({{400, 230}, {400, 262}});
    s.Signal({{372, 290}, {308, 290}}, true);
    s.Signal({{590, 80}, {622, 80}});
    s.Box({724, 306, 256, 160}, false, true);
    s.Text({840, 444}, {"Modelo do processo", "Process model"}, Align::Left, 10);
}

}  // namespace vork::plantmaker::heater
