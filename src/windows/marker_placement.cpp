#include "windows/marker_placement.h"

#include <algorithm>

#include "engine/windows1252.h"
#include "plant/addresses.h"
#include "windows/shape_view.h"
#include "windows/synoptic_markers.h"

namespace vork {

namespace {

void PlaceTrack(Track& track, Point at) {
    int letters = CharacterCount(track.EntLabel);
    track.TrackBack.left = at.x;
    track.TrackBack.top = at.y;
    track.TrackLabel.left = at.x + 6;
    track.TrackLabel.top = at.y + 6;
    track.TrackText.left = at.x + 52 + (letters > 6 ? 7 * (letters - 6) : 0);
    track.TrackText.top = at.y + 4;
    track.TrackBar.left = at.x + 4;
    track.TrackBar.top = at.y + 22;
}

void PlaceShape(Shape& shape, const VariableTable& vars, Point at) {
    shape.shape.left = at.x;
    shape.referenceTop = at.y;
    ShapeView view;
    view.Apply(shape, ShapeValue(shape, vars));
    shape.shape.top = view.top;
}

void PlaceText(TextMarker& marker, Point at) {
    marker.left = marker.labelLeft = at.x;
    marker.top = at.y;
    marker.labelTop = at.y - 13;
}

}  // namespace

Point KeepInside(Point mouse, Size marker, Size area) {
    int right = std::max(0, area.width - marker.width);
    int bottom = std::max(0, area.height - marker.height);
    return {std::clamp(mouse.x, 0, right), std::clamp(mouse.y, 0, bottom)};
}

void PlaceMarker(Workspace& ws, const VariableTable& vars, int code, Point at) {
    std::optional<MarkerId> id = MarkerOfMoveCode(code);
    if (!id) return;
    int i = id->n - 1;
    switch (id->family) {
        case MarkerFamily::Controller:
        case MarkerFamily::Process:
        case MarkerFamily::Calc:
        case MarkerFamily::Recorder: {
            ObjectMarker& marker = ws.Marker(SlotKindOf(ObjectOfMarker(*id)->kind), id->n);
            marker.left = at.x;
            marker.top = at.y;
            return;
        }
        case MarkerFamily::Text:
            return PlaceText(ws.texts.at(i), at);
        case MarkerFamily::Shape:
            return PlaceShape(ws.shapes.at(i), vars, at);
        case MarkerFamily::Switch:
            ws.switches.at(i).left = at.x;
            ws.switches.at(i).top = at.y;
            return;
        case MarkerFamily::Panel:
            ws.commandPanel.PainelComando.left = at.x;
            ws.commandPanel.PainelComando.top = at.y;
            return;
        case MarkerFamily::Track:
            return PlaceTrack(ws.tracks.at(i), at);
    }
}

}  // namespace vork
