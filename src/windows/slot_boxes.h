#pragma once

#include <span>
#include <string>

#include "engine/language.h"
#include "plant/addresses.h"

namespace vork {

// A slot check box of the configuration window: its control name and the slot it fills.
struct SlotBox {
    std::string name;  // "CheckBox1" ...
    SlotKind kind;
    int slot;
};

// Every slot check box, page by page in slot order.
std::span<const SlotBox> SlotBoxes();
// The box of a slot.
const SlotBox& SlotBoxOf(SlotKind kind, int slot);

// The caption of an empty slot's box as the window is created, in the interface language:
// "<vago> Controlador 1", "<vago>Texto Animado 1"; "<empty> Controller 1", "<empty>Animated
// Text1".
std::string EmptySlotCaption(SlotKind kind, int slot, Language language);
// The caption a box takes when the workspace deletes its object: English only for controllers.
std::string DeletedSlotCaption(SlotKind kind, int slot, Language language);

}  // namespace vork
