#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/language.h"
#include "plant/addresses.h"
#include "workspace/markers.h"
#include "workspace/push_buttons.h"
#include "workspace/shape.h"
#include "workspace/switch_input.h"
#include "workspace/track.h"

namespace vork {

// Everything on the synoptic that a project stores: markers with their positions, captions and
// show options, the operator inputs and shapes with their settings, the title, the picture name
// and the comments. A fresh workspace stands at the new-project positions.
class Workspace {
  public:
    static constexpr int kTracks = 6;
    static constexpr int kShapes = 5;
    static constexpr int kSwitches = 2;

    Workspace();

    std::string Titulo;       // simulation title, also the main window's caption
    std::string pictureName;  // `Edit1`: the plant picture's file name, without folder

    std::array<ObjectMarker, SlotCount(SlotKind::Controller)> controllers;
    std::array<ObjectMarker, SlotCount(SlotKind::Process)> processes;
    std::array<ObjectMarker, SlotCount(SlotKind::Calc)> calcs;
    std::array<ObjectMarker, SlotCount(SlotKind::Recorder)> recorders;
    std::array<TextMarker, SlotCount(SlotKind::Text)> texts;

    std::array<Track, kTracks> tracks;
    std::array<Shape, kShapes> shapes;
    std::array<SwitchInput, kSwitches> switches;
    CommandPanel commandPanel;

    // Comment panel lines of each language; the panel shows those of the interface language.
    std::vector<std::string> commentsPortuguese;
    std::vector<std::string> commentsEnglish;
    bool showComments = false;  // check mark of "Exibir comentários": the panel is shown

    // Marker of slot n (1-based) of an object kind other than the animated texts (whose markers
    // are `texts`).
    ObjectMarker& Marker(SlotKind kind, int slot);
    const ObjectMarker& Marker(SlotKind kind, int slot) const;

    std::vector<std::string>& Comments(Language language);
    const std::vector<std::string>& Comments(Language language) const;

    // Back to the state of a new project, with the default texts of `language`. The comment
    // display flag is a menu check mark of the main window and survives; the slider value fields
    // are cleared.
    void Reset(Language language = Language::Portuguese);
};

}  // namespace vork
