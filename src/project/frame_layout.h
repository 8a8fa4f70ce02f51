#pragma once

#include <array>
#include <string_view>

#include "plant/addresses.h"

// Fixed texts and orders of the simulation file's frame.
namespace vork::frame_layout {

constexpr std::string_view kCatalogueMarker = "<<<Unidades Engenharia>>>";
constexpr std::string_view kTracksMarker = "<<Tracks>>";
constexpr std::string_view kPositionsMarker = "=====<<<COORDENADAS>>>=====";
constexpr std::string_view kXYHeader = "=====<<<REGISTRADOR XY>>>=====";
constexpr int kXYItems = 18;
constexpr std::string_view kSpare = "vago";
constexpr int kSpareLines = 3;
constexpr std::string_view kCharacterizerMarker = "=====<<<LINEARIZADOR>>>=====)";
constexpr std::string_view kPortugueseBegin = "<INICIO_COMENTARIOS>";
constexpr std::string_view kPortugueseEnd = "<FIM_COMENTARIOS>";
constexpr std::string_view kEnglishBegin = "<BEGIN_COMMENTS>";
constexpr std::string_view kEnglishEnd = "<END_COMMENTS>";

struct Group {
    SlotKind kind;
    std::string_view marker;
    int progressAfter;  // load progress once the group is read
};

// Object groups in file order.
constexpr std::array<Group, 5> kGroups = {{
    {SlotKind::Controller, "<Controls>", 25},
    {SlotKind::Process, "<Process>", 45},
    {SlotKind::Calc, "<Blocs>", 60},
    {SlotKind::Recorder, "<Registers>", 70},
    {SlotKind::Text, "<Textos Animados>", 85},
}};

// Kinds in the order of the marker positions section.
constexpr std::array<SlotKind, 5> kPositionOrder = {
    SlotKind::Controller, SlotKind::Process, SlotKind::Recorder, SlotKind::Calc, SlotKind::Text};

}  // namespace vork::frame_layout
