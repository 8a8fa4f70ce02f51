#include "workspace/workspace.h"

#include <stdexcept>
#include <utility>

namespace vork {

namespace {

template <size_t N>
void PlaceRow(std::array<ObjectMarker, N>& markers, int top, int left, int step) {
    for (size_t i = 0; i < N; ++i) {
        markers[i].top = top;
        markers[i].left = left + step * static_cast<int>(i);
    }
}

// Frame of slider k at (122 + 64 (k - 1), 844); the bar of slider 1 sits 2 pixels lower than
// the others, as drawn.
void PlaceTrack(Track& track, int index) {
    int top = 122 + 64 * index;
    track.TrackBack.top = top;
    track.TrackBack.left = 844;
    track.TrackLabel.top = top + 6;
    track.TrackLabel.left = 850;
    track.TrackText.top = top + 4;
    track.TrackText.left = 896;
    track.TrackBar.top = top + (index == 0 ? 22 : 20);
    track.TrackBar.left = 848;
}

constexpr std::array<int, Workspace::kShapes> kShapeTops = {304, 352, 400, 448, 488};

}  // namespace

Workspace::Workspace() {
    PlaceRow(controllers, 3, 3, 40);
    PlaceRow(recorders, 3, 515, 40);
    // Process and calculation block 24 continue the rows of 1 to 23.
    PlaceRow(processes, 39, 2, 39);
    PlaceRow(calcs, 63, 2, 39);
    for (int k = 0; k < kTracks; ++k)
        PlaceTrack(tracks[k], k);
    for (int k = 0; k < kShapes; ++k) {
        shapes[k].shape = {kShapeTops[k], 984, false};
        shapes[k].referenceTop = kShapeTops[k];
    }
    switches[0].top = 40;
    switches[1].top = 96;
    for (SwitchInput& s : switches)
        s.left = 1000;
}

ObjectMarker& Workspace::Marker(SlotKind kind, int slot) {
    return const_cast<ObjectMarker&>(std::as_const(*this).Marker(kind, slot));
}

const ObjectMarker& Workspace::Marker(SlotKind kind, int slot) const {
    switch (kind) {
        case SlotKind::Controller:
            return controllers.at(slot - 1);
        case SlotKind::Process:
            return processes.at(slot - 1);
        case SlotKind::Calc:
            return calcs.at(slot - 1);
        case SlotKind::Recorder:
            return recorders.at(slot - 1);
        case SlotKind::Text:
            break;
    }
    throw std::invalid_argument("animated texts have no object marker");
}

std::vector<std::string>& Workspace::Comments(Language language) {
    return language == Language::English ? commentsEnglish : commentsPortuguese;
}

const std::vector<std::string>& Workspace::Comments(Language language) const {
    return language == Language::English ? commentsEnglish : commentsPortuguese;
}

void Workspace::Reset(Language language) {
    bool keepShowComments = showComments;
    *this = Workspace();
    commandPanel.SetDefaultTexts(language);
    showComments = keepShowComments;
    for (Track& track : tracks)
        track.valueText.clear();
}

}  // namespace vork
