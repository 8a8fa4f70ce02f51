#pragma once

#include <string>

namespace vork {

// The button that stands for a filled controller, process block, calculation block or trend
// recorder slot (`Control`n, `Proce`n, `Bloc`n, `Reg`n; 79 x 22 pixels).
struct ObjectMarker {
    std::string caption;  // the object's tag
    int top = 0;          // pixels on the picture
    int left = 0;
    bool visible = false;
    bool checked = false;  // the slot's check box in the configuration window: show the marker
};

// An animated text's live value label `Texto`n with its description label `Label`n above it.
struct TextMarker {
    int top = 24;  // `Texto`n, pixels
    int left = 457;
    bool visible = false;
    int labelTop = 8;  // `Label`n
    int labelLeft = 457;
    bool labelVisible = false;
    std::string labelCaption;  // the text object's description
    bool checked = false;      // the slot's check box in the configuration window
};

}  // namespace vork
