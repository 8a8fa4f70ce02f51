#pragma once

#include "engine/variable_table.h"
#include "workspace/workspace.h"

namespace vork {

// A size in pixels.
struct Size {
    int width = 0;
    int height = 0;
};

// The point where a marker dragged to (x, y) lands so that the marker, of size `marker`, stays
// inside the visible area `area`; a marker larger than the area keeps its top-left corner in it.
struct Point {
    int x = 0;
    int y = 0;
};
Point KeepInside(Point mouse, Size marker, Size area);

// Puts the marker(s) of move code `code` at (x, y), as dragging it with the mouse does:
// object buttons and the command panel by their top-left corner; an animated text's value label
// at (x, y) with its description label 13 pixels higher; all eight pictures of a switch; a
// slider's frame at (x, y) with its caption, number field and bar placed inside it; an animated
// shape with its reference top at y. A code without a marker moves nothing.
void PlaceMarker(Workspace& ws, const VariableTable& vars, int code, Point at);

}  // namespace vork
