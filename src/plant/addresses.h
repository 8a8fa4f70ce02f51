#pragma once

namespace vork {

// The address map: which variable M1..M124 each object and operator input writes, and the
// identity numbers of the numbered slots. Every place that turns a slot into an address goes
// through these functions.

// Controller k (1..10) writes its output to Mk and its setpoint to M(60+k).
constexpr int ControllerOutputAddress(int k) {
    return k;
}
constexpr int SetpointAddress(int k) {
    return 60 + k;
}

// Process block n (1..24) writes its output to M21..M40 for n = 1..20 and M71..M74 for n = 21..24,
// and its actuator position to M(100+n).
constexpr int ProcessOutputAddress(int n) {
    return n <= 20 ? 20 + n : 50 + n;
}
constexpr int ActuatorAddress(int n) {
    return 100 + n;
}
// The process block whose output is `address`; 0 when no block writes it.
constexpr int ProcessSlotOfOutput(int address) {
    if (address >= 21 && address <= 40) return address - 20;
    if (address >= 71 && address <= 74) return address - 50;
    return 0;
}

// Calculation block n (1..24) writes M41..M60 for n = 1..20 and M75..M78 for n = 21..24.
constexpr int CalcOutputAddress(int n) {
    return n <= 20 ? 40 + n : 54 + n;
}

// The signal generator's channel c writes M(80+c); the characterizer writes M13.
constexpr int GeneratorAddress(int channel) {
    return 80 + channel;
}
constexpr int kCharacterizerOutputAddress = 13;

// Operator input k (1-based) of the synoptic: switches write M11.., sliders M15.., push buttons
// M97...
constexpr int SwitchAddress(int k) {
    return 10 + k;
}
constexpr int TrackAddress(int k) {
    return 14 + k;
}
constexpr int ButtonAddress(int k) {
    return 96 + k;
}

// The object kinds that live in numbered slots and own a marker on the synoptic.
enum class SlotKind { Controller, Process, Calc, Recorder, Text };

constexpr int SlotCount(SlotKind kind) {
    switch (kind) {
        case SlotKind::Controller:
        case SlotKind::Recorder:
            return 10;
        case SlotKind::Process:
        case SlotKind::Calc:
            return 24;
        case SlotKind::Text:
            return 20;
    }
    return 0;
}

// Trend recorders are numbered 201..210 and animated texts 101..120.
constexpr int RecorderNumber(int slot) {
    return 200 + slot;
}
constexpr int AnimatedTextNumber(int slot) {
    return 100 + slot;
}

// The identity number a filled slot carries: the output address of controllers, process blocks
// and calculation blocks, the number of trend recorders and animated texts.
constexpr int IdentityNumber(SlotKind kind, int slot) {
    switch (kind) {
        case SlotKind::Controller:
            return ControllerOutputAddress(slot);
        case SlotKind::Process:
            return ProcessOutputAddress(slot);
        case SlotKind::Calc:
            return CalcOutputAddress(slot);
        case SlotKind::Recorder:
            return RecorderNumber(slot);
        case SlotKind::Text:
            return AnimatedTextNumber(slot);
    }
    return 0;
}

}  // namespace vork
