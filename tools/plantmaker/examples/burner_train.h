#pragma once

// The gas and combustion-air trains that the boiler and the heater share on their pictures: gas
// and air from the left edge to a burner whose windbox spans x 520..620 at y 440..464, each
// with its flow element, valve and flow controller, the setpoint blocks above them and the
// firing master above those. A header, so that the descriptions share it without a library.

#include "plantmaker/example.h"

namespace vork::plantmaker::burner {

// Marker centres.
inline constexpr Pt kMaster{280, 290};    // the firing master (TIC, PIC)
inline constexpr Pt kGasBlock{220, 380};  // FY-101, the gas setpoint
inline constexpr Pt kAirBlock{340, 380};  // FY-102, the air setpoint
inline constexpr Pt kGasLoop{220, 460};   // FIC-101
inline constexpr Pt kAirLoop{340, 460};   // FIC-102
inline constexpr Pt kGasValve{220, 566};  // FV-101's plate
inline constexpr Pt kAirValve{400, 565};  // FV-102's plate

// `gasBlock` draws FY-101 between the master and FIC-101 (without it the master sets FIC-101
// directly); `crossed` draws each measured flow into the other train's setpoint block.
inline void DrawBurnerTrains(Sheet& s, bool gasBlock, bool crossed) {
    s.Box({520, 440, 100, 24});
    s.Flame({570, 434}, 120);
    s.Text({628, 456}, {"Queimador", "Burner"}, Align::Left, 10);
    s.Pipe({{30, 530}, {555, 530}, {555, 464}}, Fluid::Gas);
    s.Compressor({60, 595});
    s.Pipe({{86, 595}, {585, 595}, {585, 464}}, Fluid::Air);
    s.Orifice({90, 530});
    s.Orifice({150, 595});
    s.ControlValve({220, 530});
    s.ControlValve({340, 595});
    s.Text({30, 552}, {"Gás natural", "Natural gas"}, Align::Left, 10);
    s.Text({90, 618}, "B-101", Align::Left, 10);
    s.Bubble({90, 460}, "FT-101");
    s.Signal({{90, 518}, {90, 482}});
    s.Bubble({150, 562}, "FT-102");
    // The master's demand to both trains.
    s.Signal({{280, 318}, {280, 326}, {220, 326}, {220, gasBlock ? 358 : 432}}, true);
    s.Signal({{280, 326}, {340, 326}, {340, 358}}, true);
    if (gasBlock) s.Signal({{220, 402}, {220, 432}}, true);
    s.Signal({{340, 402}, {340, 432}}, true);
    s.Signal({{220, 488}, {220, 496}});
    s.Signal({{340, 488}, {340, 561}});
    s.Signal({{112, 460}, {192, 460}}, true);
    s.Signal({{172, 562}, {280, 562}, {280, 460}, {312, 460}}, true);
    if (!crossed) return;
    s.Signal({{150, 460}, {150, 428}, {310, 402}}, true);
    s.Signal({{280, 460}, {280, 428}, {250, 402}}, true);
}

}  // namespace vork::plantmaker::burner
