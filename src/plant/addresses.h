#pragma once

namespace vork {

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

// The identity number a filled slot carries: the output address of controllers (1..10),
// process blocks (21..40, 71..74) and calculation blocks (41..60, 75..78), 201..210 for trend
// recorders and 101..120 for animated texts.
constexpr int IdentityNumber(SlotKind kind, int slot) {
    switch (kind) {
        case SlotKind::Controller:
            return slot;
        case SlotKind::Process:
            return slot <= 20 ? 20 + slot : 50 + slot;
        case SlotKind::Calc:
            return slot <= 20 ? 40 + slot : 54 + slot;
        case SlotKind::Recorder:
            return 200 + slot;
        case SlotKind::Text:
            return 100 + slot;
    }
    return 0;
}

}  // namespace vork
