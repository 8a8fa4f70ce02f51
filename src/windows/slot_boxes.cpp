#include "windows/slot_boxes.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace vork {

namespace {

// A run of boxes whose numbers count up with the slots.
struct BoxRun {
    SlotKind kind;
    int firstSlot;
    int firstBox;  // number in "CheckBox<n>"
    int count;
};

// Boxes were added to the window over time, so their numbers jump between runs.
constexpr std::array<BoxRun, 15> kRuns = {{
    {SlotKind::Controller, 1, 1, 10},
    {SlotKind::Process, 1, 21, 10},
    {SlotKind::Process, 11, 61, 5},
    {SlotKind::Process, 16, 56, 5},
    {SlotKind::Process, 21, 72, 3},
    {SlotKind::Process, 24, 78, 1},
    {SlotKind::Calc, 1, 31, 15},
    {SlotKind::Calc, 16, 82, 5},
    {SlotKind::Calc, 21, 75, 3},
    {SlotKind::Calc, 24, 79, 1},
    {SlotKind::Recorder, 1, 11, 10},
    {SlotKind::Text, 1, 46, 9},
    {SlotKind::Text, 10, 66, 6},
    {SlotKind::Text, 16, 87, 5},
    {SlotKind::Text, 0, 0, 0},
}};

const std::vector<SlotBox>& Table() {
    static const std::vector<SlotBox> boxes = [] {
        std::vector<SlotBox> all;
        for (const BoxRun& run : kRuns)
            for (int i = 0; i < run.count; ++i)
                all.push_back(
                    {"CheckBox" + std::to_string(run.firstBox + i), run.kind, run.firstSlot + i});
        return all;
    }();
    return boxes;
}

const char* PortugueseName(SlotKind kind) {
    switch (kind) {
        case SlotKind::Controller:
            return "Controlador ";
        case SlotKind::Process:
            return "Processo ";
        case SlotKind::Calc:
            return "Bloco ";
        case SlotKind::Recorder:
            return "Registrador ";
        case SlotKind::Text:
            return "Texto Animado ";
    }
    return "";
}

const char* EnglishName(SlotKind kind) {
    switch (kind) {
        case SlotKind::Controller:
            return "Controller ";
        case SlotKind::Process:
            return "Process ";
        case SlotKind::Calc:
            return "Block ";
        case SlotKind::Recorder:
            return "Register ";
        case SlotKind::Text:
            return "Animated Text";
    }
    return "";
}

std::string PortugueseCaption(SlotKind kind, int slot) {
    // The animated texts were written without a blank after the bracket.
    const char* prefix = kind == SlotKind::Text ? "<vago>" : "<vago> ";
    return prefix + std::string(PortugueseName(kind)) + std::to_string(slot);
}

}  // namespace

std::span<const SlotBox> SlotBoxes() {
    return Table();
}

const SlotBox& SlotBoxOf(SlotKind kind, int slot) {
    for (const SlotBox& box : SlotBoxes())
        if (box.kind == kind && box.slot == slot) return box;
    throw std::out_of_range("no check box for slot " + std::to_string(slot));
}

std::string EmptySlotCaption(SlotKind kind, int slot, Language language) {
    if (language == Language::Portuguese) return PortugueseCaption(kind, slot);
    const char* prefix = kind == SlotKind::Text ? "<empty>" : "<empty> ";
    return prefix + std::string(EnglishName(kind)) + std::to_string(slot);
}

std::string DeletedSlotCaption(SlotKind kind, int slot, Language language) {
    if (kind == SlotKind::Controller) return EmptySlotCaption(kind, slot, language);
    return PortugueseCaption(kind, slot);
}

}  // namespace vork
